// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the manual's HTML pages: our page texts wrapped in one frame, with the pay tables filled in.
#pragma once

#include <QString>

namespace zorvik::art {

class ManualWriter {
public:
    // Every *.html of sourceFolder becomes a page of the same name in outFolder. The markers
    // {{LINEPAYS}}, {{SCREENPAYS}} and {{BONUSPAYS}} are replaced by tables built from the engine's pay
    // tables, {{RETURNTABLE}} by the theoretical payoff percentage of every bet. On failure returns false and
    // says why in *error.
    static bool Write(const QString& sourceFolder, const QString& outFolder, QString* error);

    static QString LinePaysTable();
    static QString ScreenPaysTable();
    static QString BonusPaysTable();
    static QString ReturnTable();
};

}  // namespace zorvik::art
