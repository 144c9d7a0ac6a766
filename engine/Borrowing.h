// SPDX-License-Identifier: GPL-3.0-or-later
// Borrowing credits from the house and paying them back: both move Credits and Borrowed together.
#pragma once

#include <cstdint>

#include "engine/GameState.h"

namespace zorvik {

enum class LoanMode { Borrow, PayBack };

// Why a loan or a repayment changed nothing; Done when it went through.
enum class LoanOutcome {
    Done,
    NoAmount,          // the amount was not above zero
    NotEnoughCredits,  // paying back more than the credits
    MoreThanBorrowed,  // paying back more than the debt
    PastTheLimit,      // borrowing would carry the credits or the debt past what 32 bits can count
};

// Checks every condition first, in this order, and changes both fields only when all pass: a player short
// of credits hears about the credits even when the debt is smaller still.
LoanOutcome ApplyLoan(GameState& state, LoanMode mode, std::int32_t amount);

}  // namespace zorvik
