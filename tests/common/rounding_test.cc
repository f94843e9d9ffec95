#include "common/vb_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace tavrel {
namespace {

// The two roundings stand in for the maths library's; they must agree with it where it is defined.
TEST(Rounding, AgreesWithTheMathsLibrary) {
    const double kValues[] = {0.0,
                              0.5,
                              1.5,
                              2.5,
                              -0.5,
                              -1.5,
                              -2.5,
                              0.49999999999999994,
                              -0.49999999999999994,
                              2.4999,
                              2.5001,
                              1e15 + 0.5,
                              -1e15 - 0.5,
                              4503599627370497.0,
                              9007199254740993.0,
                              -3.7,
                              59.5,
                              1440.49};
    for (const double v : kValues) {
        EXPECT_EQ(RoundHalfAway(v), std::llround(v)) << v;
        EXPECT_EQ(RoundHalfEven(v), std::nearbyint(v)) << v; // the default mode rounds half to even
    }
}

TEST(Rounding, OutOfRangeSaturatesAndNanIsZero) {
    EXPECT_EQ(RoundHalfAway(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(RoundHalfAway(-1e300), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(RoundHalfAway(std::numeric_limits<double>::quiet_NaN()), 0);
}

} // namespace
} // namespace tavrel
