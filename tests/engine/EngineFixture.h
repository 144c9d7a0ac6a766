// SPDX-License-Identifier: GPL-3.0-or-later
// A test fixture with an engine over a recording fake and a way to set the nine cells directly.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/SlotEngine.h"
#include "tests/engine/RecordingHooks.h"

namespace zorvik {

class EngineFixture : public ::testing::Test {
protected:
    GameState state;
    RecordingHooks hooks;
    SlotEngine engine{state, hooks};

    void SetUp() override
    {
        engine.SetStartupValues();
        state.PayMode = false;
        state.Double = false;
        hooks.Calls.clear();
    }

    // Wheel w shows cells[w]: each wheel stands at position 0, which holds the wanted symbol.
    void SetCells(std::initializer_list<int> cells)
    {
        int w = 0;
        for (int c : cells) {
            state.Strips[w][0] = static_cast<std::uint8_t>(c);
            state.Stops[w] = 0;
            ++w;
        }
    }

    // What SpinWheels does before an evaluation: last results cleared.
    void ClearResults()
    {
        for (auto& win : state.LineWins)
            win = 0;
        state.SpinWin = 0;
        state.ScreenBonus = 0;
    }
    void Evaluate()
    {
        ClearResults();
        engine.EvaluateSpin();
    }
};

}  // namespace zorvik
