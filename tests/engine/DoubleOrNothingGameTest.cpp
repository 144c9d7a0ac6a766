// SPDX-License-Identifier: GPL-3.0-or-later
// The card game's rules without a window: the deal, the card table, game over and the booking.
#include <gtest/gtest.h>

#include <set>

#include "engine/DoubleOrNothingGame.h"
#include "engine/Saturating.h"

namespace zorvik {
namespace {

Card Ordinary(int id)
{
    return Card{id, id % 13, id / 13, false};
}
Card Joker()
{
    return Card{DoubleOrNothingGame::JokerId, DoubleOrNothingGame::JokerRank, 0, false};
}

class DoubleOrNothingGameTest : public ::testing::Test {
protected:
    GameState state;
    RandomSource rng;
};

TEST_F(DoubleOrNothingGameTest, WorkedSequenceEndsAtTheFirstLowCard)
{
    state.SpinWin = 100;
    DoubleOrNothingGame game(state, rng, 0);
    // Ace of clubs, King of hearts, 7 of spades, 9 of diamonds, 4 of clubs, then an Ace no longer counts.
    const Card cards[] = {Ordinary(0),      Ordinary(13 + 12), Ordinary(39 + 6),
                          Ordinary(26 + 8), Ordinary(3),       Ordinary(13)};
    for (int place = 0; place < 6; ++place)
        game.Deck()[place] = cards[place];

    const struct {
        std::int32_t winnings;
        CardEffect effect;
    } steps[] = {{300, CardEffect::ThreeFold},
                 {600, CardEffect::TwoFold},
                 {300, CardEffect::Halved},
                 {300, CardEffect::Push},
                 {0, CardEffect::Lost}};
    for (int place = 0; place < 5; ++place) {
        SCOPED_TRACE(place);
        EXPECT_FALSE(game.Over());
        EXPECT_EQ(game.Turn(place), steps[place].effect);
        EXPECT_TRUE(game.Deck()[place].FaceUp);
        EXPECT_EQ(state.SpinWin, steps[place].winnings);
    }
    EXPECT_TRUE(game.Over());
    EXPECT_EQ(game.Turn(5), std::nullopt);
    EXPECT_FALSE(game.Deck()[5].FaceUp);
    EXPECT_EQ(game.Turn(0), std::nullopt) << "a face-up card does not turn again";
    EXPECT_EQ(game.Turn(-1), std::nullopt);
    EXPECT_EQ(game.Turn(DoubleOrNothingGame::TableCards), std::nullopt);
    EXPECT_EQ(state.SpinWin, 0);
}

TEST_F(DoubleOrNothingGameTest, EachKindOfCardChangesTheWinningsAndPlaysItsSound)
{
    const struct {
        const char* name;
        Card card;
        std::int32_t before, after;
        const char* wave;
        bool over;
    } rows[] = {
        {"joker pays ten to one", Joker(), 40, 400, "Zorvik6.wav", false},
        {"ace pays three", Ordinary(26), 40, 120, "Zorvik6.wav", false},
        {"jack pays two", Ordinary(10), 40, 80, "Zorvik6.wav", false},
        {"queen pays two", Ordinary(13 + 11), 40, 80, "Zorvik6.wav", false},
        {"king pays two", Ordinary(39 + 12), 40, 80, "Zorvik6.wav", false},
        {"eight is a push", Ordinary(7), 40, 40, "Zorvik1.wav", false},
        {"ten is a push", Ordinary(9), 40, 40, "Zorvik1.wav", false},
        {"seven halves toward zero", Ordinary(6), 5, 2, "Zorvik1.wav", false},
        {"seven of one leaves nothing but goes on", Ordinary(6), 1, 0, "Zorvik1.wav", false},
        {"two loses all", Ordinary(1), 40, 0, "Zorvik7.wav", true},
        {"six loses all", Ordinary(5), 40, 0, "Zorvik7.wav", true},
        {"joker saturates", Joker(), Int32Max / 5, Int32Max, "Zorvik6.wav", false},
        {"ace saturates", Ordinary(0), Int32Max, Int32Max, "Zorvik6.wav", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        state.SpinWin = row.before;
        DoubleOrNothingGame game(state, rng, 0);
        game.Deck()[9] = row.card;
        const auto effect = game.Turn(9);
        ASSERT_TRUE(effect.has_value());
        EXPECT_EQ(state.SpinWin, row.after);
        EXPECT_EQ(game.Over(), row.over);
        EXPECT_STREQ(DoubleOrNothingGame::WaveOf(*effect), row.wave);
    }
}

TEST_F(DoubleOrNothingGameTest, EveryDealHasOneJokerAndOtherwiseDistinctCards)
{
    for (std::uint32_t seed : {0u, 1u, 12345u, 43'199'999u, 86'399'999u}) {
        SCOPED_TRACE(seed);
        const auto deck = DoubleOrNothingGame::Deal(rng, seed);
        int jokers = 0;
        std::set<int> ids;
        for (int place = 0; place < DoubleOrNothingGame::TableCards; ++place) {
            const Card& card = deck[place];
            EXPECT_FALSE(card.FaceUp);
            if (card.Rank == DoubleOrNothingGame::JokerRank) {
                ++jokers;
                EXPECT_EQ(card.Id, DoubleOrNothingGame::JokerId);
            } else {
                EXPECT_EQ(card.Rank, card.Id % 13);
                EXPECT_EQ(card.Suit, card.Id / 13);
                ids.insert(card.Id);
            }
        }
        EXPECT_EQ(jokers, 1);
        EXPECT_EQ(ids.size(), 23u);
        for (int rest = DoubleOrNothingGame::TableCards; rest < DoubleOrNothingGame::DeckSize; ++rest)
            EXPECT_NE(deck[rest].Rank, DoubleOrNothingGame::JokerRank);
    }
}

// The whole deck for one seed, worked out apart from this code from the generator: 31 passes of 52 swaps,
// then the Joker on a table place.
TEST_F(DoubleOrNothingGameTest, DealForSeed12345)
{
    const int expected[DoubleOrNothingGame::DeckSize] = {34, 0,  15, 14, 52, 8,  17, 3,  18, 25, 41, 4,  11,
                                                         10, 7,  37, 2,  1,  44, 45, 19, 46, 39, 47, 29, 13,
                                                         20, 51, 23, 42, 6,  27, 38, 21, 33, 28, 16, 5,  26,
                                                         49, 24, 22, 36, 40, 43, 32, 35, 12, 30, 50, 31, 48};
    state.SpinWin = 10;
    const DoubleOrNothingGame game(state, rng, 12345);
    for (int place = 0; place < DoubleOrNothingGame::DeckSize; ++place) {
        SCOPED_TRACE(place);
        EXPECT_EQ(game.Deck()[place].Id, expected[place]);
    }
    // The Joker keeps the suit of the card it replaced, the 10 of clubs.
    EXPECT_EQ(game.Deck()[4].Suit, 0);
    EXPECT_EQ(game.StartWinnings(), 10);
}

TEST_F(DoubleOrNothingGameTest, DealIsReseededFromTheTimeOfDay)
{
    const auto first = DoubleOrNothingGame::Deal(rng, 5000);
    rng.Random(52);  // a spin in between must not matter
    const auto again = DoubleOrNothingGame::Deal(rng, 5000);
    const auto other = DoubleOrNothingGame::Deal(rng, 5001);
    int same = 0, differ = 0;
    for (int place = 0; place < DoubleOrNothingGame::TableCards; ++place) {
        same += first[place].Id == again[place].Id;
        differ += first[place].Id != other[place].Id;
    }
    EXPECT_EQ(same, DoubleOrNothingGame::TableCards);
    EXPECT_GT(differ, 0);
}

TEST_F(DoubleOrNothingGameTest, BookingAddsTheChangeOnce)
{
    const struct {
        const char* name;
        std::int32_t start, end, booked;
    } rows[] = {{"closed at once", 40, 40, 0}, {"lost all", 40, 0, -40}, {"won", 40, 120, 80}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        state.SpinWin = row.start;
        state.DoubleOrNothingWon = 1000;
        DoubleOrNothingGame game(state, rng, 0);
        state.SpinWin = row.end;
        game.Book();
        game.Book();
        EXPECT_EQ(state.DoubleOrNothingWon, 1000 + row.booked);
    }

    // A gain that would carry the statistic past the limit stops at the limit.
    state.SpinWin = 10;
    state.DoubleOrNothingWon = Int32Max - 1;
    DoubleOrNothingGame game(state, rng, 0);
    game.Deck()[0] = Joker();
    game.Turn(0);
    game.Book();
    EXPECT_EQ(state.DoubleOrNothingWon, Int32Max);
}

}  // namespace
}  // namespace zorvik
