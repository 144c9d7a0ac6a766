// SPDX-License-Identifier: GPL-3.0-or-later
// A hooks fake for the side window tests: headless, but keeps the waves the game asked to play.
#pragma once

#include "engine/HeadlessHooks.h"

#include <string>
#include <vector>

namespace zorvik {

class SoundRecordingHooks : public HeadlessHooks {
public:
    void PlayWave(const std::string& file) override { Waves.push_back(file); }
    std::vector<std::string> Waves;
};

}  // namespace zorvik
