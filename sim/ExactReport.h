// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-sim --exact and --exact-table: the theoretical return worked out and printed.
#pragma once

#include <cstdio>

#include "sim/ReturnModel.h"
#include "sim/SimOptions.h"

namespace zorvik {

// The exact figures of one bet, from the given times of day for the spins and for the card game's deals.
ExactFigures ComputeExact(int lines, int coins, int cardTurns, const SeedSet& seeds, const SeedSet& deals,
                          int threads);

// The check entry that the table carries: one bet at one card over the times of day that are multiples of
// the stride, spins and deals alike. Cheap enough for a test to recompute.
inline constexpr std::uint32_t TableCheckStride = 997;
SeedSet TableCheckSeeds();

void PrintExactText(const ExactFigures& figures, double seconds, std::FILE* out);
void PrintExactJson(const ExactFigures& figures, double seconds, std::FILE* out);

// Return exit statuses: 0, or 2 for a bet that has no return.
int PrintExactReport(const SimOptions& options, int threads, std::FILE* out);
int PrintExactTable(int threads, std::FILE* out);
// The header that the game reads, from a table by lines and coins (index 0-7) without and with one card.
void WriteExactTable(const double (&table)[8][8][2], double checkPercent, std::FILE* out);

}  // namespace zorvik
