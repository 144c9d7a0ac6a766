// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's pictures, sounds and manual lie: beside the program in a build tree, else the data folder.
#include "ui/face/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef ZORVIK_INSTALL_DATA_DIR
#define ZORVIK_INSTALL_DATA_DIR "/usr/local/share/zorvik-slots/"
#endif

namespace zorvik {

namespace {

// Any one of these tells an asset folder; the wave of the click is there in every picture set.
bool HoldsAssets(const QString& folder)
{
    return QFileInfo::exists(folder + "Zorvik0.wav") || QFileInfo::exists(folder + "Backsm.bmp") ||
           QFileInfo::exists(folder + "manual/index.html");
}

QString WithSeparator(QString folder)
{
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

}  // namespace

QString ProgramFolderFor(const QString& programDir, const QString& configuredDataDir)
{
    const QString beside = WithSeparator(QDir::cleanPath(programDir));
    if (HoldsAssets(beside)) return beside;
    const QString relative = WithSeparator(QDir::cleanPath(programDir + "/../share/zorvik-slots"));
    if (HoldsAssets(relative)) return relative;
    const QString configured = WithSeparator(configuredDataDir);
    if (HoldsAssets(configured)) return configured;
    return beside;  // nothing anywhere: the missing-files message names the program's own folder
}

QString ProgramFolder()
{
    return ProgramFolderFor(QCoreApplication::applicationDirPath(), QStringLiteral(ZORVIK_INSTALL_DATA_DIR));
}

}  // namespace zorvik
