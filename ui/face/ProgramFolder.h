// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's pictures, sounds and manual lie: beside the program in a build tree, else the data folder.
#pragma once

#include <QString>

namespace zorvik {

// The folder ending in '/'. A build tree keeps the assets beside the program; an installed program finds
// them in <prefix>/share/zorvik-slots, first relative to the program, then at the configured prefix.
QString ProgramFolder();

// The same choice for a given program folder and configured data folder, for tests.
QString ProgramFolderFor(const QString& programDir, const QString& configuredDataDir);

}  // namespace zorvik
