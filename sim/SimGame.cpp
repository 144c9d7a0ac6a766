// SPDX-License-Identifier: GPL-3.0-or-later
// One simulated game: the engine over the simulator's hooks, set up from the command line and played on.
#include "sim/SimGame.h"

namespace zorvik {

SimGame::SimGame(const SimOptions& options, SeedSource& seeds, std::int64_t paidSpins, std::FILE* trace)
    : statistics_(options.Lines * options.Coins, options.CardTurns),
      hooks_(seeds, statistics_, paidSpins, trace, options.CardTurns), engine_(state_, hooks_),
      paidSpins_(paidSpins)
{
    hooks_.Attach(engine_);
    engine_.SetStartupValues();
    state_.Credits = options.Credits;
    state_.Borrowed = options.Credits;
    state_.LinesPlayed = options.Lines;
    state_.CoinsPerLine = options.Coins;
    state_.PayMode = options.CountOff;
    state_.Sound = false;
    state_.Double = options.CardTurns > 0;
}

void SimGame::Play()
{
    if (paidSpins_ > 0) {
        state_.AutoSpin = true;
        engine_.StartSpin();
    }
    statistics_.Finish();
}

}  // namespace zorvik
