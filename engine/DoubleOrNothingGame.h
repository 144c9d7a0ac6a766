// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing card game's rules: the deal, the Joker, what a turned card does, the booking.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/GameState.h"
#include "engine/RandomSource.h"

namespace zorvik {

struct Card {
    int Id = 0;    // 0-51 an ordinary card, 52 the Joker
    int Rank = 0;  // 0 Ace, 1-9 the two to the ten, 10 Jack, 11 Queen, 12 King, 13 Joker
    int Suit = 0;  // 0 clubs, 1 hearts, 2 diamonds, 3 spades; a Joker keeps the suit of the card it replaced
    bool FaceUp = false;
};

// What turning a card does to the winnings; each has its own sound.
enum class CardEffect : std::uint8_t { TenFold, ThreeFold, TwoFold, Push, Halved, Lost };

class DoubleOrNothingGame {
public:
    static constexpr int Rows = 3;
    static constexpr int Columns = 8;
    static constexpr int TableCards = Rows * Columns;
    static constexpr int DeckSize = 52;
    static constexpr int JokerId = 52;
    static constexpr int JokerRank = 13;
    static constexpr int ShufflePasses = 31;

    // Takes the state's SpinWin as the stake and deals: rng is reseeded with timeOfDayMs, as every spin
    // reseeds it, so a deal is replayed from its time of day alone. The state must outlive the game.
    DoubleOrNothingGame(GameState& state, RandomSource& rng, std::uint32_t timeOfDayMs);

    // The deck after the deal of seed: records 0-23 are the table (row * 8 + column), the rest never shows.
    static std::array<Card, DeckSize> Deal(RandomSource& rng, std::uint32_t seed);

    static CardEffect EffectOf(int rank);
    // The winnings after a card of that effect; multiplying stops at the int32 limit.
    static std::int32_t Apply(CardEffect effect, std::int32_t winnings);
    static const char* WaveOf(CardEffect effect);

    // Turns the card at a table place and applies it to SpinWin. Nothing happens, and nothing is returned,
    // for a card already face up, once a 2 to 6 has ended the game, or for a place off the table.
    std::optional<CardEffect> Turn(int place);

    // Adds SpinWin minus the stake to DoubleOrNothingWon; only the first call books.
    void Book();

    bool Over() const { return over_; }
    std::int32_t StartWinnings() const { return startWinnings_; }
    const std::array<Card, DeckSize>& Deck() const { return deck_; }
    // Lets a caller lay out a known table, as the tests of the window do.
    std::array<Card, DeckSize>& Deck() { return deck_; }

private:
    GameState& state_;
    std::int32_t startWinnings_;
    std::array<Card, DeckSize> deck_;
    bool over_ = false;
    bool booked_ = false;
};

}  // namespace zorvik
