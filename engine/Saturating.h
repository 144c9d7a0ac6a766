// SPDX-License-Identifier: GPL-3.0-or-later
// The one overflow guard for money and counters: int32 sums, differences and products clamp at the type's
// limits.
#pragma once

#include <cstdint>
#include <limits>

namespace zorvik {

inline constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
inline constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();

constexpr std::int32_t ClampToInt32(std::int64_t value)
{
    if (value > Int32Max) return Int32Max;
    if (value < Int32Min) return Int32Min;
    return static_cast<std::int32_t>(value);
}

constexpr std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b)
{
    return ClampToInt32(std::int64_t{a} + std::int64_t{b});
}

constexpr std::int32_t SaturatingSub(std::int32_t a, std::int32_t b)
{
    return ClampToInt32(std::int64_t{a} - std::int64_t{b});
}

constexpr std::int32_t SaturatingMul(std::int32_t a, std::int32_t b)
{
    return ClampToInt32(std::int64_t{a} * std::int64_t{b});
}

}  // namespace zorvik
