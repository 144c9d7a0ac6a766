// SPDX-License-Identifier: GPL-3.0-or-later
// The saturating helpers clamp at the int32 limits instead of wrapping.
#include <gtest/gtest.h>

#include "engine/Saturating.h"

using namespace zorvik;

namespace {

struct Case {
    const char* name;
    std::int32_t (*op)(std::int32_t, std::int32_t);
    std::int32_t a, b, expected;
};

TEST(Saturating, ClampsAtTheLimitsAndIsExactInside)
{
    const Case cases[] = {
        {"credits plus a win past the top", SaturatingAdd, Int32Max - 10, 56, Int32Max},
        {"sum exactly at the top", SaturatingAdd, Int32Max - 56, 56, Int32Max},
        {"ordinary sum", SaturatingAdd, 1000, -64, 936},
        {"negative sum past the bottom", SaturatingAdd, Int32Min + 1, -2, Int32Min},
        {"difference past the bottom", SaturatingSub, Int32Min + 5, 6, Int32Min},
        {"difference past the top", SaturatingSub, Int32Max, -1, Int32Max},
        {"ordinary difference", SaturatingSub, 10, 64, -54},
        {"doubled pool past the top", SaturatingMul, Int32Max / 2 + 1, 2, Int32Max},
        {"product past the bottom", SaturatingMul, Int32Max, -2, Int32Min},
        {"min times minus one", SaturatingMul, Int32Min, -1, Int32Max},
        {"ordinary product", SaturatingMul, 300, 8, 2400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.op(c.a, c.b), c.expected);
    }
}

}  // namespace
