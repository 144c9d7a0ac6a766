// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the asset tests.
#include "tests/assetgen/AssetTestSupport.h"

#include <QFile>

namespace zorvik::test {

std::uint32_t U32(const QByteArray& b, int at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

int U16(const QByteArray& b, int at)
{
    return int(std::uint8_t(b[at])) | int(std::uint8_t(b[at + 1])) << 8;
}

QString ProgramFile(const QString& name)
{
    return QStringLiteral(ZORVIK_TEST_PROGRAM_DIR) + "/" + name;
}

QString ArtFile(const QString& name)
{
    return QStringLiteral(ZORVIK_TEST_ART_DIR) + "/" + name;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

BmpHeader ReadBmpHeader(const QByteArray& b)
{
    BmpHeader h;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || U32(b, 14) < 40) return h;
    h.fileSize = U32(b, 2);
    h.pixelOffset = U32(b, 10);
    h.width = std::int32_t(U32(b, 18));
    h.height = std::int32_t(U32(b, 22));
    h.bitsPerPixel = U16(b, 28);
    h.compression = U32(b, 30);
    h.paletteEntries = U32(b, 46);
    h.valid = true;
    return h;
}

double MeanBrightness(const QImage& image, int x, int y, int w, int h)
{
    double sum = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            const QRgb c = image.pixel(i, j);
            sum += (qRed(c) + qGreen(c) + qBlue(c)) / 3.0;
        }
    return w * h > 0 ? sum / (w * h) : 0.0;
}

QImage LoadPicture(const QString& path)
{
    QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace zorvik::test
