// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the machine face: the set chosen by screen class and colour depth, and the window artwork.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace zorvik {

class PictureSet {
public:
    // Built-in window artwork from the resources, or a plain picture of the right size when it is missing.
    PictureSet();

    // Loads the six set pictures for the screen from folder (ending in a separator) and the optional
    // replacements of the window artwork. True when every set picture was found; a missing or unreadable
    // file leaves its picture empty and never stops the others.
    bool LoadPictures(const QString& folder, int screenWidth, int colourDepth);

    int CellSize() const { return cellSize_; }
    int BackgroundY() const { return backgroundY_; }
    // File names read by the last LoadPictures, in loading order; for tests and diagnostics.
    const QStringList& LoadedFiles() const { return loaded_; }
    const QStringList& MissingFiles() const { return missing_; }

    // The picture set.
    QImage Background, Symbols, Motion, LitLamps, UnlitLamps, SideLamps;
    // Window artwork.
    QImage SpinBtn, StopBtn, Logo, Options, Bonus, Bar;
    QImage DigitsSmall, DigitsLarge, GreenSmall, GreenLarge, PlusMinus, PlusSmall;

private:
    bool LoadSetPicture(QImage& picture, const QString& folder, const QString& file);
    void LoadReplacement(QImage& picture, const QString& folder, const QString& file);

    int cellSize_ = 64;
    int backgroundY_ = 0;
    QStringList loaded_;
    QStringList missing_;
};

}  // namespace zorvik
