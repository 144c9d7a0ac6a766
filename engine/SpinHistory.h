// SPDX-License-Identifier: GPL-3.0-or-later
// What the record of recent spins keeps of one paid spin and every bonus spin it led to.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/GameState.h"
#include "engine/SlotEngine.h"

namespace zorvik {

// One card turned in the Double or Nothing game and the win it left.
struct CardTurn {
    std::uint8_t Rank = 0;  // 0 Ace, 1-9 the two to the ten, 10 Jack, 11 Queen, 12 King, 13 Joker
    std::uint8_t Suit = 0;  // 0 clubs, 1 hearts, 2 diamonds, 3 spades
    std::int32_t WinAfter = 0;

    friend bool operator==(const CardTurn&, const CardTurn&) = default;
};

inline constexpr int MaxCardTurns = 24;  // the table's cards

// One spin of a series: the paid spin, or a free spin or Cobra Roll it earned.
struct SpinStep {
    SpinKind Kind = SpinKind::Paid;
    std::uint32_t Seed = 0;
    std::uint8_t Symbols[WheelCount] = {};  // cell by cell, top row first
    std::uint8_t Lamps = 0;                 // bit k: lamp k lit when the wheels stopped
    bool Doubled = false;
    std::int32_t LineWins[LineCount] = {};
    std::uint8_t ScreenBonus = 0;  // as GameState::ScreenBonus: 3-9 Crests, 10 all animals, 7 gold coins
    std::int32_t ScreenPay = 0;    // the screen bonus's or the gold coins' credits
    std::int32_t PoolAward = 0;    // the Idol Pool paid by this spin
    std::int32_t ReturnedBet = 0;  // a doubled paid spin returns its bet
    std::int32_t FreeSpinsWon = 0;
    std::int32_t CobraRollsWon = 0;
    std::int32_t Stake = 0;          // the evaluation's total, before any card game
    bool CardGame = false;           // the win was offered to the Double or Nothing game
    std::vector<CardTurn> Cards;     // turned in that game, in order
    std::int32_t Won = 0;            // what went into the credits, after the card game
    std::int32_t CreditsBefore = 0;  // before a paid spin's bet
    std::int32_t CreditsAfter = 0;   // after this spin's payout

    friend bool operator==(const SpinStep&, const SpinStep&) = default;
};

struct PaidSpinRecord {
    std::uint64_t Number = 0;  // 1 for the first paid spin ever recorded; orders records across runs
    std::int64_t Time = 0;     // when the spin started, seconds since 1970 UTC
    std::uint8_t Lines = 0;
    std::uint8_t Coins = 0;
    std::int32_t CreditsBefore = 0;  // before the bet
    std::int32_t CreditsAfter = 0;   // after the last bonus spin
    std::int32_t Borrowed = 0;       // owed when the series ended
    std::vector<SpinStep> Steps;     // the paid spin first, then its bonus spins in the order played

    friend bool operator==(const PaidSpinRecord&, const PaidSpinRecord&) = default;
};

}  // namespace zorvik
