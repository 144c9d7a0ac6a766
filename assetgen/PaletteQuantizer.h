// SPDX-License-Identifier: GPL-3.0-or-later
// Reduces a picture to 256 colours (median cut, Floyd-Steinberg dithering) for the 8-bit bitmap files.
#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace zorvik::art {

class PaletteQuantizer {
public:
    struct Result {
        std::array<QRgb, 256> palette{};  // unused entries are black
        int colourCount = 0;
        std::vector<std::uint8_t> indexes;  // width x height, top row first
    };

    // Pictures of 256 colours or fewer keep their exact colours and are not dithered.
    static Result Quantize(const QImage& picture, bool dither);
};

}  // namespace zorvik::art
