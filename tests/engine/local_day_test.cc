#include "engine/local_day.h"

#include "support/fake_time_zone.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(LocalDay, DayNumbersRoundTripOverLeapYearsAndCenturies) {
    for (const CalendarDate d :
         {CalendarDate{1970, 1, 1}, CalendarDate{2000, 2, 29}, CalendarDate{2027, 3, 28},
          CalendarDate{2100, 3, 1}, CalendarDate{1969, 12, 31}})
        EXPECT_EQ(CivilFromDays(DaysFromCivil(d)), d) << d.year << "-" << d.month << "-" << d.day;
    EXPECT_EQ(DaysFromCivil({1970, 1, 1}), 0);
    EXPECT_EQ(DaysFromCivil({2027, 3, 28}) - DaysFromCivil({2027, 2, 28}), 28);
}

TEST(LocalDay, InstantsLandOnTheLocalDayTheyAreLivedOn) {
    const FakeTimeZone berlin(3600, true);
    const int64_t march28 = DaysFromCivil({2027, 3, 28}) * 86400;
    const int64_t oct31 = DaysFromCivil({2027, 10, 31}) * 86400;
    struct Row {
        CalendarDate date;
        int64_t unix;
        std::optional<int32_t> local;
    };
    const Row kRows[] = {
        {{2027, 3, 28}, march28 + 3600 - 1, 2 * 3600 - 1}, // 01:59:59 CET
        {{2027, 3, 28}, march28 + 3600, 3 * 3600},         // 03:00:00 CEST
        {{2027, 10, 31}, oct31 + 0, 2 * 3600},             // 02:00 CEST, the first time
        {{2027, 10, 31}, oct31 + 3600, 2 * 3600},          // 02:00 CET, the second time
        {{2027, 3, 28}, march28 - 3600, 0},                // 00:00 CET
        {{2027, 3, 28}, march28 - 3601, std::nullopt},     // still the day before
    };
    for (const Row& row : kRows)
        EXPECT_EQ(LocalSecondsOn(berlin, row.date, row.unix), row.local) << row.unix - march28;
}

} // namespace
} // namespace tavrel

namespace tavrel {
namespace {

TEST(LocalDay, ChangeDaysAreLivedWithAnHourLeftOutOrReadTwice) {
    const FakeTimeZone berlin(3600, true);
    EXPECT_EQ(LivedDay(berlin, {2027, 3, 28}), (std::vector<WallStretch>{{0, 7200}, {10800, 86400}}));
    EXPECT_EQ(LivedDay(berlin, {2027, 10, 31}), (std::vector<WallStretch>{{0, 10800}, {7200, 86400}}));
    EXPECT_EQ(LivedDay(berlin, {2027, 6, 21}), (std::vector<WallStretch>{{0, 86400}}));
    EXPECT_EQ(LivedDay(FakeTimeZone(-5 * 3600), {2027, 3, 28}), (std::vector<WallStretch>{{0, 86400}}));
}

} // namespace
} // namespace tavrel
