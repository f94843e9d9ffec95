#include "common/vb_conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tavrel {
namespace {

TEST(Rounding, HalvesGoAwayFromZeroOrToEven) {
    struct Case {
        double value;
        int64_t away;
        double even;
    };
    const Case kCases[] = {
        {0.0, 0, 0.0},
        {0.5, 1, 0.0},
        {1.5, 2, 2.0},
        {2.5, 3, 2.0},
        {-0.5, -1, -0.0},
        {-2.5, -3, -2.0},
        {0.49999999999999994, 0, 0.0}, // adding 0.5 first would round this up
        {-0.49999999999999994, 0, -0.0},
        {2.4999, 2, 2.0},
        {-3.7, -4, -4.0},
        {59.5, 60, 60.0},
        {1e15 + 0.5, 1000000000000001, 1e15},
        {4503599627370497.0, 4503599627370497, 4503599627370497.0}, // 2^52 + 1: no fraction left
        {9007199254740994.0, 9007199254740994, 9007199254740994.0},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(RoundHalfAway(c.value), c.away) << c.value;
        EXPECT_EQ(RoundHalfEven(c.value), c.even) << c.value;
    }
}

TEST(Rounding, OutOfRangeSaturatesAndNanIsZero) {
    EXPECT_EQ(RoundHalfAway(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(RoundHalfAway(-1e300), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(RoundHalfAway(std::numeric_limits<double>::quiet_NaN()), 0);
}

} // namespace
} // namespace tavrel
