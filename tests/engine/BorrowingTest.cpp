// SPDX-License-Identifier: GPL-3.0-or-later
// Borrowing and paying back: both modes, both refusals in their order and the limit of what can be counted.
#include <gtest/gtest.h>

#include "engine/Borrowing.h"
#include "engine/Saturating.h"

using namespace zorvik;

namespace {

TEST(Borrowing, BothModesChangeBothFieldsOrNeither)
{
    struct Row {
        const char* name;
        std::int32_t credits, borrowed;
        LoanMode mode;
        std::int32_t amount;
        std::int32_t creditsAfter, borrowedAfter;
        LoanOutcome outcome;
    };
    constexpr LoanMode Borrow = LoanMode::Borrow, PayBack = LoanMode::PayBack;
    const Row rows[] = {
        {"borrow 1000", 0, 0, Borrow, 1000, 1000, 1000, LoanOutcome::Done},
        {"borrow 10 with nothing", 0, 0, Borrow, 10, 10, 10, LoanOutcome::Done},
        {"pay back everything", 1000, 1000, PayBack, 1000, 0, 0, LoanOutcome::Done},
        {"pay back 10", 25, 300, PayBack, 10, 15, 290, LoanOutcome::Done},
        {"too few credits", 50, 1000, PayBack, 100, 50, 1000, LoanOutcome::NotEnoughCredits},
        {"too few credits for 1", 0, 5, PayBack, 1, 0, 5, LoanOutcome::NotEnoughCredits},
        {"more than borrowed", 5000, 10, PayBack, 100, 5000, 10, LoanOutcome::MoreThanBorrowed},
        {"both fail: only the credits refusal", 50, 10, PayBack, 100, 50, 10, LoanOutcome::NotEnoughCredits},
        {"borrow up to the limit", Int32Max - 1000, 0, Borrow, 1000, Int32Max, 1000, LoanOutcome::Done},
        {"credits would pass the limit", Int32Max - 999, 5, Borrow, 1000, Int32Max - 999, 5,
         LoanOutcome::PastTheLimit},
        {"debt would pass the limit", 5, Int32Max, Borrow, 1, 5, Int32Max, LoanOutcome::PastTheLimit},
        {"no amount", 7, 7, Borrow, 0, 7, 7, LoanOutcome::NoAmount},
        {"a negative amount borrows nothing back", 7, 7, PayBack, -5, 7, 7, LoanOutcome::NoAmount},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameState state;
        state.Credits = row.credits;
        state.Borrowed = row.borrowed;
        EXPECT_EQ(ApplyLoan(state, row.mode, row.amount), row.outcome);
        EXPECT_EQ(state.Credits, row.creditsAfter);
        EXPECT_EQ(state.Borrowed, row.borrowedAfter);
    }
}

}  // namespace
