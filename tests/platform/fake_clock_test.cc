#include "support/fake_clock.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(FakeClock, SleepAdvancesTimeAndIsRecorded) {
    test::FakeClock clock;
    clock.Set(2026, 12, 31, 23, 59, 59);
    EXPECT_EQ(clock.Weekday(), 5) << "31 Dec 2026 is a Thursday";
    const int64_t start = clock.MonotonicMs();
    clock.Sleep(400);
    clock.Sleep(700);
    EXPECT_EQ(clock.MonotonicMs() - start, 1100);
    EXPECT_EQ(clock.Today(), (CalendarDate{2027, 1, 1}));
    EXPECT_EQ(clock.TimeOfDay(), 0);
    clock.SleepUntilUs(clock.MonotonicUs() - 5);
    clock.SleepUntilUs(clock.MonotonicUs() + 1500);
    EXPECT_EQ(clock.Pauses(), (std::vector<double>{400, 700, 0, 1.5}));
}

TEST(SystemClock, MonotonicNeverGoesBackAndSleepWaits) {
    SystemClock clock;
    const int64_t a = clock.MonotonicMs();
    clock.Sleep(2);
    EXPECT_GE(clock.MonotonicMs(), a + 2);
    const LocalTime now = clock.Now();
    EXPECT_GE(now.weekday, 1);
    EXPECT_LE(now.weekday, 7);
    EXPECT_LT(now.secondsOfDay, 86400);
}

} // namespace
} // namespace tavrel
