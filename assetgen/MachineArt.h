// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face (backgrounds), the lamp row and the side lamps of the picture set.
#pragma once

#include <QImage>

namespace zorvik::art {

class MachineArt {
public:
    // Each picture is drawn at scale pixels per unit; the sizes below are in units (pixels at scale 1).

    // Background of the 64-pixel set (small and medium screens) and of the 96-pixel set (large screens).
    static QImage Background(int cell, double scale = 1.0);

    // Six lamps side by side: 318 x 30 for cell 64, 498 x 100 for cell 96; the sixth doubles the lines.
    static QImage LampRow(int cell, bool lit, double scale = 1.0);

    // Four bands stacked: left unlit, left lit, right unlit, right lit. small: 120 x 120, else 160 x 240.
    static QImage SideLamps(bool small, double scale = 1.0);

    // Sizes the window code never reads from here (it reads the loaded pictures) but the layout is built on.
    static constexpr int SmallWidth = 318, SmallHeight = 410;
    static constexpr int LargeWidth = 498, LargeHeight = 620;
};

}  // namespace zorvik::art
