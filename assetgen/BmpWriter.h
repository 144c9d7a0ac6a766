// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Windows device-independent bitmap files: 24-bit true colour and 8-bit palettised.
#pragma once

#include <QImage>
#include <QString>

namespace zorvik::art {

class BmpWriter {
public:
    // Both return false (and leave no complete file) when the file cannot be written.
    static bool Write24(const QImage& picture, const QString& path);
    static bool Write8(const QImage& picture, const QString& path, bool dither);
};

}  // namespace zorvik::art
