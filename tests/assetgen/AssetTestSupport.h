// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the asset tests: where the generated files are and how to read bitmap and wave headers.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

namespace zorvik::test {

QString ProgramFile(const QString& name);  // in the program folder
QString ArtFile(const QString& name);      // in the folder of the built-in artwork
QByteArray ReadAll(const QString& path);

// Little-endian numbers of a bitmap or wave file at byte offset at; the bytes must be there.
std::uint32_t U32(const QByteArray& bytes, int at);
int U16(const QByteArray& bytes, int at);

// The fields of a Windows bitmap file that the game and these tests care about.
struct BmpHeader {
    bool valid = false;
    std::int32_t width = 0, height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0, paletteEntries = 0, pixelOffset = 0, fileSize = 0;
};
BmpHeader ReadBmpHeader(const QByteArray& bytes);

// Mean of (r + g + b) / 3 over a rectangle.
double MeanBrightness(const QImage& image, int x, int y, int w, int h);

// Loads a picture with QImage and fails the calling test (returns a null image) when it cannot.
QImage LoadPicture(const QString& path);

}  // namespace zorvik::test
