// SPDX-License-Identifier: GPL-3.0-or-later
// The long-run return of a bet as a Markov reward process over the counters that carry from spin to spin.
#pragma once

#include <cstdint>
#include <string>

#include "sim/CardGameOdds.h"
#include "sim/SpinEnumeration.h"

namespace zorvik {

// Every figure is per paid spin together with the free spins, Cobra Rolls and card games that follow it.
// Shares and returns are percent of the bet; chances are percent of paid spins.
struct ExactFigures {
    int Lines = 0;
    int Coins = 0;
    int CardTurns = 0;
    std::uint64_t Seeds = 0;  // times of day per kind of spin
    std::uint64_t Deals = 0;  // times of day of the card game

    long double Return = 0;
    // The parts of the return; they add up to it. Line pays, screen bonuses and the pool are counted once
    // each; what the lamp row adds on top of them, on every kind of spin, is the doubling.
    long double LinePays = 0;
    long double ScreenBonuses = 0;
    long double IdolPool = 0;
    long double Doubling = 0;
    long double FreeSpins = 0;
    long double CobraRolls = 0;
    long double CardGame = 0;

    long double HitFrequency = 0;  // paid spins that win something themselves, after their card game
    long double DoubledChance = 0;
    long double CrestScreenChance = 0;
    long double AllAnimalsChance = 0;
    long double PoolFedChance = 0;
    long double FreeSpinsChance = 0;  // paid spins that award free spins
    long double CobraRollChance = 0;  // paid spins that earn at least one Cobra Roll
    long double IdolPoolChance = 0;
    long double CardGameChance = 0;  // paid spins after which the card game is played
    long double FreeSpinsPerSpin = 0;
    long double CobraRollsPerSpin = 0;
    long double MeanPoolAward = 0;  // credits, as paid (doubled when the spin is)

    long double MeanResult = 0;         // credits won per paid spin with its bonus spins and card games
    long double StandardDeviation = 0;  // of that result, in credits

    bool PoolEverWon = true;
    std::string Error;  // set when the counters have no single long run to solve for
};

ExactFigures SolveReturn(const SpinTables& tables, const CardGameOdds& cards, int lines, int coins);

}  // namespace zorvik
