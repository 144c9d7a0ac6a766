// SPDX-License-Identifier: GPL-3.0-or-later
// The three strip sets of the wheels, built at compile time from their digit texts.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "engine/GameState.h"

namespace zorvik {

struct StripSet {
    std::uint8_t Wheels[WheelCount][StripLength];
};

namespace detail {

constexpr void FillFromDigits(std::uint8_t (&strip)[StripLength], const char* digits, int add)
{
    for (int p = 0; p < StripLength; ++p)
        strip[p] = static_cast<std::uint8_t>(digits[p] - '0' + add);
}

constexpr StripSet MakeNormalStrips()
{
    // Each wheel starts from one of five texts; a few positions are then blanked or filled.
    constexpr const char* texts[WheelCount] = {
        "72491637507463419356", "72491630757269543926", "72491631750745691546",
        "72491630757269543926", "72491631750745671546", "72491637507463419356",
        "72491631750745691546", "72451637505453519356", "72491630757269543926",
    };
    StripSet set{};
    for (int w = 0; w < WheelCount; ++w)
        FillFromDigits(set.Wheels[w], texts[w], 0);
    auto put = [&set](int w, std::uint8_t code, std::initializer_list<int> positions) {
        for (int p : positions)
            set.Wheels[w][p] = code;
    };
    put(0, Blank, {0, 6, 19});
    put(2, Blank, {2, 19});
    put(2, Filler, {4});
    put(3, Blank, {6, 8});
    put(3, Filler, {1});
    put(4, Blank, {7});
    put(4, Filler, {4, 19});
    put(7, Blank, {3, 19});
    put(7, Filler, {6});
    put(8, Filler, {1, 5, 10});
    return set;
}

constexpr StripSet MakeUniformStrips(const char* digits, bool freeSpinCoding)
{
    std::uint8_t strip[StripLength]{};
    if (freeSpinCoding) {
        // 0 stands for the gold coin and 9 for the filler; other digits are their own codes.
        for (int p = 0; p < StripLength; ++p) {
            const int d = digits[p] - '0';
            strip[p] = static_cast<std::uint8_t>(d == 0 ? GoldCoin : d == 9 ? Filler : d);
        }
    } else {
        FillFromDigits(strip, digits, 2);
    }
    StripSet set{};
    for (int w = 0; w < WheelCount; ++w)
        for (int p = 0; p < StripLength; ++p)
            set.Wheels[w][p] = strip[p];
    return set;
}

}  // namespace detail

inline constexpr StripSet NormalStrips = detail::MakeNormalStrips();
inline constexpr StripSet CobraRollStrips = detail::MakeUniformStrips("97989798979797989797", false);
inline constexpr StripSet FreeSpinStrips = detail::MakeUniformStrips("90213239319239309132", true);

inline constexpr std::int32_t StartupStops[WheelCount] = {4, 1, 6, 7, 10, 9, 3, 0, 12};

}  // namespace zorvik
