// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing card game's rules: the deal, the Joker, what a turned card does, the booking.
#include "engine/DoubleOrNothingGame.h"

#include <utility>

#include "engine/Saturating.h"

namespace zorvik {

DoubleOrNothingGame::DoubleOrNothingGame(GameState& state, RandomSource& rng, std::uint32_t timeOfDayMs)
    : state_(state), startWinnings_(state.SpinWin), deck_(Deal(rng, timeOfDayMs))
{
}

std::array<Card, DoubleOrNothingGame::DeckSize> DoubleOrNothingGame::Deal(RandomSource& rng,
                                                                          std::uint32_t seed)
{
    rng.Randomize(seed);
    // Shuffled as bare ids, which swap faster than whole records; the records follow from the ids.
    std::uint8_t ids[DeckSize];
    for (int id = 0; id < DeckSize; ++id)
        ids[id] = static_cast<std::uint8_t>(id);
    for (int pass = 0; pass < ShufflePasses; ++pass)
        for (int i = 0; i < DeckSize; ++i)
            std::swap(ids[i], ids[rng.Random(DeckSize)]);
    std::array<Card, DeckSize> deck;
    for (int place = 0; place < DeckSize; ++place)
        deck[place] = Card{ids[place], ids[place] % 13, ids[place] / 13, false};
    // The Joker replaces a table card, which leaves the game: the table always holds exactly one Joker.
    Card& joker = deck[rng.Random(TableCards)];
    joker.Id = JokerId;
    joker.Rank = JokerRank;
    return deck;
}

CardEffect DoubleOrNothingGame::EffectOf(int rank)
{
    if (rank == JokerRank) return CardEffect::TenFold;
    if (rank == 0) return CardEffect::ThreeFold;
    if (rank >= 10) return CardEffect::TwoFold;
    if (rank >= 7) return CardEffect::Push;
    if (rank == 6) return CardEffect::Halved;
    return CardEffect::Lost;
}

std::int32_t DoubleOrNothingGame::Apply(CardEffect effect, std::int32_t winnings)
{
    switch (effect) {
    case CardEffect::TenFold:
        return SaturatingMul(winnings, 10);
    case CardEffect::ThreeFold:
        return SaturatingMul(winnings, 3);
    case CardEffect::TwoFold:
        return SaturatingMul(winnings, 2);
    case CardEffect::Push:
        return winnings;
    case CardEffect::Halved:
        return winnings / 2;  // toward zero
    case CardEffect::Lost:
        return 0;
    }
    return winnings;
}

const char* DoubleOrNothingGame::WaveOf(CardEffect effect)
{
    switch (effect) {
    case CardEffect::TenFold:
    case CardEffect::ThreeFold:
    case CardEffect::TwoFold:
        return "Zorvik6.wav";
    case CardEffect::Push:
    case CardEffect::Halved:
        return "Zorvik1.wav";
    case CardEffect::Lost:
        return "Zorvik7.wav";
    }
    return "Zorvik1.wav";
}

std::optional<CardEffect> DoubleOrNothingGame::Turn(int place)
{
    if (place < 0 || place >= TableCards) return std::nullopt;
    Card& card = deck_[place];
    if (card.FaceUp || over_) return std::nullopt;
    card.FaceUp = true;
    const CardEffect effect = EffectOf(card.Rank);
    state_.SpinWin = Apply(effect, state_.SpinWin);
    if (effect == CardEffect::Lost) over_ = true;
    return effect;
}

void DoubleOrNothingGame::Book()
{
    // The window may close by its button, its close box or Escape; the game counts once whichever it was.
    if (booked_) return;
    booked_ = true;
    state_.DoubleOrNothingWon =
        SaturatingAdd(state_.DoubleOrNothingWon, SaturatingSub(state_.SpinWin, startWinnings_));
}

}  // namespace zorvik
