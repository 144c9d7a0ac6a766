// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the machine face: the set chosen by screen class and colour depth, and the window artwork.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace zorvik {

// The pictures as they are drawn onto a window at a scale: Scale pixels for every pixel of the picture set.
struct ScaledPictures {
    double Scale = 1.0;
    QImage Background, Symbols, Motion, LitLamps, UnlitLamps, SideLamps;
    QImage SpinBtn, StopBtn, Logo, Options, Bonus, Bar;
    QImage DigitsSmall, DigitsLarge, GreenSmall, GreenLarge, PlusMinus, PlusSmall;
};

class PictureSet {
public:
    // Built-in window artwork from the resources, or a plain picture of the right size when it is missing.
    PictureSet();

    // Loads the six set pictures for the screen from folder (ending in a separator) and the optional
    // replacements of the window artwork. True when every set picture was found; a missing or unreadable
    // file leaves its picture empty and never stops the others.
    bool LoadPictures(const QString& folder, int screenWidth, int colourDepth);

    // Makes Scaled() hold every picture at scale. At scale 1 they are the pictures themselves. At any other
    // scale our own artwork (built in, or a file our generator wrote) is drawn afresh at that scale, so a
    // zoomed window stays sharp; a player's own picture can only be resampled. Cheap when the scale is
    // unchanged. Call after LoadPictures.
    void ScaleTo(double scale);
    const ScaledPictures& Scaled() const { return scaled_; }

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
    // What a picture was made from, to draw it again at another scale.
    enum class Origin { Player, Generated };
    struct Source {
        QString file;  // the file it was read from, empty when built in
        Origin origin = Origin::Player;
    };

    bool LoadSetPicture(QImage& picture, Source& source, const QString& folder, const QString& file);
    void LoadReplacement(QImage& picture, Source& source, const QString& folder, const QString& file);
    static QImage AtScale(const QImage& picture, const Source& source, double scale, bool emoji);

    int cellSize_ = 64;
    Source background_, symbols_, motion_, litLamps_, unlitLamps_, sideLamps_;
    Source spinBtn_, stopBtn_, logo_, options_, bonus_, bar_;
    Source digitsSmall_, digitsLarge_, greenSmall_, greenLarge_, plusMinus_, plusSmall_;
    ScaledPictures scaled_;
    int backgroundY_ = 0;
    QStringList loaded_;
    QStringList missing_;
};

}  // namespace zorvik
