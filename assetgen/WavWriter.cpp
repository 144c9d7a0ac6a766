// SPDX-License-Identifier: GPL-3.0-or-later
// RIFF/WAVE with one fmt chunk and one data chunk, the form every simple wave player accepts.
#include "assetgen/WavWriter.h"

#include "assetgen/LittleEndian.h"

#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zorvik::art {

bool WavWriter::Write(const std::vector<float>& samples, const QString& path)
{
    const std::uint32_t dataBytes = std::uint32_t(samples.size()) * 2;
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, SampleRate);
    Put32(out, SampleRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (float s : samples) {
        const long v = std::lround(std::clamp(s, -1.f, 1.f) * 32767.f);
        Put16(out, std::uint16_t(std::int16_t(v)));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(reinterpret_cast<const char*>(out.data()), qint64(out.size())) != qint64(out.size()))
        return false;
    return file.commit();
}

}  // namespace zorvik::art
