// SPDX-License-Identifier: GPL-3.0-or-later
// Borrowing credits from the house and paying them back: both move Credits and Borrowed together.
#include "engine/Borrowing.h"

#include "engine/Saturating.h"

namespace zorvik {

LoanOutcome ApplyLoan(GameState& state, LoanMode mode, std::int32_t amount)
{
    if (amount <= 0) return LoanOutcome::NoAmount;
    if (mode == LoanMode::Borrow) {
        // A loan that would push either number past the limit is refused whole, so both stay countable.
        if (state.Credits > Int32Max - amount || state.Borrowed > Int32Max - amount)
            return LoanOutcome::PastTheLimit;
        state.Credits = SaturatingAdd(state.Credits, amount);
        state.Borrowed = SaturatingAdd(state.Borrowed, amount);
        return LoanOutcome::Done;
    }
    if (amount > state.Credits) return LoanOutcome::NotEnoughCredits;
    if (amount > state.Borrowed) return LoanOutcome::MoreThanBorrowed;
    state.Credits = SaturatingSub(state.Credits, amount);
    state.Borrowed = SaturatingSub(state.Borrowed, amount);
    return LoanOutcome::Done;
}

}  // namespace zorvik
