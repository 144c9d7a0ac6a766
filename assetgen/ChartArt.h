// SPDX-License-Identifier: GPL-3.0-or-later
// The payoff chart: three columns of pays drawn with the symbol pictures from the engine's pay tables.
#pragma once

#include <QImage>

namespace zorvik::art {

class ChartArt {
public:
    static constexpr int Width = 615, Height = 450;
    // Drawn at scale pixels per unit, so a zoomed chart window shows it sharp rather than stretched.
    static QImage Chart(double scale = 1.0);
};

}  // namespace zorvik::art
