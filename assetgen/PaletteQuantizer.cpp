// SPDX-License-Identifier: GPL-3.0-or-later
// Median-cut palette and error-diffusion mapping; everything is ordered so that the output never varies.
#include "assetgen/PaletteQuantizer.h"

#include <algorithm>
#include <map>

namespace zorvik::art {

namespace {

struct ColourCount {
    std::uint32_t rgb;
    std::uint32_t count;
};

int Channel(std::uint32_t rgb, int c)
{
    return (rgb >> (16 - 8 * c)) & 0xff;
}

struct Box {
    std::vector<ColourCount> colours;

    int WidestChannel(int* range) const
    {
        int best = 0;
        *range = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 255, hi = 0;
            for (const auto& cc : colours) {
                lo = std::min(lo, Channel(cc.rgb, c));
                hi = std::max(hi, Channel(cc.rgb, c));
            }
            if (hi - lo > *range) {
                *range = hi - lo;
                best = c;
            }
        }
        return best;
    }

    std::uint64_t Weight() const
    {
        std::uint64_t w = 0;
        for (const auto& cc : colours)
            w += cc.count;
        return w;
    }

    QRgb Mean() const
    {
        std::uint64_t sum[3] = {0, 0, 0}, n = 0;
        for (const auto& cc : colours) {
            for (int c = 0; c < 3; ++c)
                sum[c] += std::uint64_t(Channel(cc.rgb, c)) * cc.count;
            n += cc.count;
        }
        if (n == 0) return qRgb(0, 0, 0);
        return qRgb(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n), int((sum[2] + n / 2) / n));
    }
};

int Nearest(const std::array<QRgb, 256>& palette, int count, int r, int g, int b)
{
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < count; ++i) {
        const long dr = qRed(palette[i]) - r, dg = qGreen(palette[i]) - g, db = qBlue(palette[i]) - b;
        // Green counts most and blue least, roughly as the eye weighs them.
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

PaletteQuantizer::Result PaletteQuantizer::Quantize(const QImage& source, bool dither)
{
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width(), h = picture.height();
    Result result;
    result.indexes.resize(std::size_t(w) * h);

    std::map<std::uint32_t, std::uint32_t> histogram;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < w; ++x)
            ++histogram[line[x] & 0xffffff];
    }

    if (histogram.size() <= 256) {
        std::map<std::uint32_t, int> index;
        for (const auto& [rgb, count] : histogram) {
            index[rgb] = result.colourCount;
            result.palette[result.colourCount++] = 0xff000000u | rgb;
        }
        for (int y = 0; y < h; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = 0; x < w; ++x)
                result.indexes[std::size_t(y) * w + x] = std::uint8_t(index[line[x] & 0xffffff]);
        }
        return result;
    }

    // Colours that cover large areas (the white wheel fields, black surrounds) keep their exact value:
    // an averaged palette entry there would tint a field that the game later paints in the pure colour.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> byCount(histogram.begin(), histogram.end());
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::map<std::uint32_t, int> exact;
    const std::uint64_t pixels = std::uint64_t(w) * h;
    for (const auto& [rgb, count] : byCount) {
        if (exact.size() >= 16 || std::uint64_t(count) * 200 < pixels) break;
        exact[rgb] = result.colourCount;
        result.palette[result.colourCount++] = 0xff000000u | rgb;
    }

    std::vector<Box> boxes(1);
    for (const auto& [rgb, count] : histogram)
        if (!exact.count(rgb)) boxes[0].colours.push_back({rgb, count});
    while (int(boxes.size()) + result.colourCount < 256) {
        // Split the box with the most pixels times spread, so large smooth areas get their share.
        int chosen = -1;
        std::uint64_t bestScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2) continue;
            int range = 0;
            boxes[i].WidestChannel(&range);
            const std::uint64_t score = boxes[i].Weight() * std::uint64_t(range + 1);
            if (score > bestScore) {
                bestScore = score;
                chosen = int(i);
            }
        }
        if (chosen < 0) break;
        Box& box = boxes[chosen];
        int range = 0;
        const int c = box.WidestChannel(&range);
        std::sort(box.colours.begin(), box.colours.end(), [c](const ColourCount& a, const ColourCount& b) {
            const int ca = Channel(a.rgb, c), cb = Channel(b.rgb, c);
            return ca != cb ? ca < cb : a.rgb < b.rgb;
        });
        const std::uint64_t half = box.Weight() / 2;
        std::uint64_t running = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < box.colours.size(); ++i) {
            running += box.colours[i].count;
            cut = i + 1;
            if (running >= half) break;
        }
        Box upper;
        upper.colours.assign(box.colours.begin() + long(cut), box.colours.end());
        box.colours.resize(cut);
        boxes.push_back(std::move(upper));
    }
    for (const Box& box : boxes)
        result.palette[result.colourCount++] = 0xff000000u | box.Mean();

    // Error diffusion over float rows; serpentine order is not needed at these sizes.
    std::vector<float> current(std::size_t(w + 2) * 3, 0.f), next(std::size_t(w + 2) * 3, 0.f);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        std::fill(next.begin(), next.end(), 0.f);
        for (int x = 0; x < w; ++x) {
            const auto exactHit = exact.find(line[x] & 0xffffff);
            if (exactHit != exact.end()) {
                // Taken as is: no error flows into an exact colour, so its area stays clean.
                result.indexes[std::size_t(y) * w + x] = std::uint8_t(exactHit->second);
                continue;
            }
            float want[3] = {float(qRed(line[x])), float(qGreen(line[x])), float(qBlue(line[x]))};
            if (dither)
                for (int c = 0; c < 3; ++c)
                    want[c] = std::clamp(want[c] + current[std::size_t(x + 1) * 3 + c], 0.f, 255.f);
            const int i = Nearest(result.palette, result.colourCount, int(want[0] + 0.5f),
                                  int(want[1] + 0.5f), int(want[2] + 0.5f));
            result.indexes[std::size_t(y) * w + x] = std::uint8_t(i);
            if (!dither) continue;
            const float got[3] = {float(qRed(result.palette[i])), float(qGreen(result.palette[i])),
                                  float(qBlue(result.palette[i]))};
            for (int c = 0; c < 3; ++c) {
                const float e = want[c] - got[c];
                current[std::size_t(x + 2) * 3 + c] += e * 7.f / 16.f;
                next[std::size_t(x) * 3 + c] += e * 3.f / 16.f;
                next[std::size_t(x + 1) * 3 + c] += e * 5.f / 16.f;
                next[std::size_t(x + 2) * 3 + c] += e * 1.f / 16.f;
            }
        }
        std::swap(current, next);
    }
    return result;
}

}  // namespace zorvik::art
