// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the game's wave sounds from sine partials, envelopes and seeded noise.
#pragma once

#include <vector>

namespace zorvik::art {

class SoundSynth {
public:
    // The sound for "Zorvik<number>.wav" (0, 1, 2, 4 to 10); empty for any other number.
    static std::vector<float> Make(int number);

private:
    static std::vector<float> Click();
    static std::vector<float> Refusal();
    static std::vector<float> Doubling();
    static std::vector<float> IdolChime();
    static std::vector<float> CobraRattle();
    static std::vector<float> Payoff();
    static std::vector<float> Losing();
    static std::vector<float> Tick();
    static std::vector<float> WinFanfare();
    static std::vector<float> AnimalFanfare();
};

}  // namespace zorvik::art
