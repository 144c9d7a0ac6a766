// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap files are written byte by byte so that the 8-bit files carry a real palette and no writer adds
// extras.
#include "assetgen/BmpWriter.h"

#include "assetgen/GeneratedMark.h"
#include "assetgen/LittleEndian.h"
#include "assetgen/PaletteQuantizer.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <iterator>
#include <vector>

namespace zorvik::art {

namespace {

// File header and BITMAPINFOHEADER; rows are stored bottom-up, each padded to four bytes.
void PutHeaders(std::vector<std::uint8_t>& out, int w, int h, int bits, int paletteEntries,
                std::uint32_t rowBytes)
{
    const std::uint32_t offset = 14 + 40 + std::uint32_t(paletteEntries) * 4;
    const std::uint32_t imageBytes = rowBytes * std::uint32_t(h);
    PutTag(out, "BM");
    Put32(out, offset + imageBytes);
    out.insert(out.end(), std::begin(GeneratedBitmapMark), std::end(GeneratedBitmapMark));
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, std::uint32_t(w));
    Put32(out, std::uint32_t(h));
    Put16(out, 1);
    Put16(out, std::uint16_t(bits));
    Put32(out, 0);  // BI_RGB, uncompressed
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, std::uint32_t(paletteEntries));
    Put32(out, 0);
}

bool Save(const std::vector<std::uint8_t>& bytes, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()))
        return false;
    return file.commit();
}

}  // namespace

bool BmpWriter::Write24(const QImage& source, const QString& path)
{
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width(), h = picture.height();
    const std::uint32_t rowBytes = (std::uint32_t(w) * 3 + 3) & ~3u;
    std::vector<std::uint8_t> out;
    out.reserve(54 + rowBytes * h);
    PutHeaders(out, w, h, 24, 0, rowBytes);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.push_back(std::uint8_t(qBlue(line[x])));
            out.push_back(std::uint8_t(qGreen(line[x])));
            out.push_back(std::uint8_t(qRed(line[x])));
        }
        for (std::uint32_t pad = std::uint32_t(w) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return Save(out, path);
}

bool BmpWriter::Write8(const QImage& source, const QString& path, bool dither)
{
    const PaletteQuantizer::Result q = PaletteQuantizer::Quantize(source, dither);
    const int w = source.width(), h = source.height();
    const std::uint32_t rowBytes = (std::uint32_t(w) + 3) & ~3u;
    std::vector<std::uint8_t> out;
    out.reserve(54 + 1024 + rowBytes * h);
    PutHeaders(out, w, h, 8, 256, rowBytes);
    for (QRgb c : q.palette) {
        out.push_back(std::uint8_t(qBlue(c)));
        out.push_back(std::uint8_t(qGreen(c)));
        out.push_back(std::uint8_t(qRed(c)));
        out.push_back(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x)
            out.push_back(q.indexes[std::size_t(y) * w + x]);
        for (std::uint32_t pad = std::uint32_t(w); pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return Save(out, path);
}

}  // namespace zorvik::art
