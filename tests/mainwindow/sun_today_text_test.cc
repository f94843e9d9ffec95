#include "mainwindow/sun_today_text.h"

#include "support/fake_time_zone.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(SunTodayTextTest, SaysBothTimesOrNone) {
    const FakeTimeZone europe(3600, true);
    // Berlin on the longest day: sunrise 04:43, sunset 21:33; Tromso then has no sunset at all.
    const std::string berlin = SunriseSunsetText({52.52, 13.405}, {2027, 6, 21}, europe);
    EXPECT_EQ(berlin.substr(0, 21), "Today: sunrise 04:43:") << berlin;
    EXPECT_NE(berlin.find(", sunset 21:3"), std::string::npos) << berlin;
    EXPECT_EQ(SunriseSunsetText({69.65, 18.96}, {2027, 6, 21}, europe), "Today: sunrise none, sunset none");
}

} // namespace
} // namespace tavrel
