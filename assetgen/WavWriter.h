// SPDX-License-Identifier: GPL-3.0-or-later
// Writes mono 16-bit PCM wave files from floating-point samples.
#pragma once

#include <QString>

#include <vector>

namespace zorvik::art {

class WavWriter {
public:
    static constexpr int SampleRate = 22050;

    // Samples are clipped to -1..1. Returns false when the file cannot be written.
    static bool Write(const std::vector<float>& samples, const QString& path);
};

}  // namespace zorvik::art
