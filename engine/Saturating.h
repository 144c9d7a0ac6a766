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

// The overflow checks are the processor's own flag, taken almost never: these run many times a spin.
constexpr std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b)
{
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) return b < 0 ? Int32Min : Int32Max;
    return sum;
}

constexpr std::int32_t SaturatingSub(std::int32_t a, std::int32_t b)
{
    std::int32_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) return b > 0 ? Int32Min : Int32Max;
    return difference;
}

constexpr std::int32_t SaturatingMul(std::int32_t a, std::int32_t b)
{
    std::int32_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) return (a < 0) != (b < 0) ? Int32Min : Int32Max;
    return product;
}

}  // namespace zorvik
