// A sun-based pair through the preview for a year of dates (every third day, and both clock change days) at
// places north, south and past the polar circle: it switches at that day's resolved time, and not at all on a
// day it must not run.

#include "engine/day_preview.h"
#include "engine/local_day.h"

#include "support/fake_time_zone.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrel {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kStep = 15;
#else
constexpr int kStep = 3;
#endif

constexpr int32_t kEleven = 23 * 3600;

TEST(SunYearPreviewTest, SunsetPairSwitchesAtEachDaysResolvedTime) {
    struct Place {
        const char* name;
        GeoPlace where;
        const TimeZone* zone;
        int daysOff; // at least this many of the dates the pair must not run
    };
    const FakeTimeZone europe(3600, true);
    const FixedOffsetZone sydney(10 * 3600);
    const FakeTimeZone tromso(3600, true);
    const Place kPlaces[] = {
        {"Berlin", {52.52, 13.405}, &europe, 0},
        {"Sydney", {-33.87, 151.21}, &sydney, 0},
        // No sunset for weeks around midsummer, and none in the polar night.
        {"Tromso", {69.65, 18.96}, &tromso, 20},
    };
    for (const Place& place : kPlaces) {
        SCOPED_TRACE(place.name);
        ScheduleTables t;
        InitialiseNewSchedule(t);
        t.RelayArray[0].CycleCode = "EO";
        t.RelayArray[0].DaysOfWeek = "ALL Days";
        t.TimeArray[PairIndex(0, 0)] = {"sunset-00:30", "23:00:00", kFalse};
        t.Sun.SetZone(place.zone);
        t.Sun.SetPlace(place.where);
        int runs = 0;
        int idle = 0;
        // A preview runs the day second by second: every third day keeps the test quick (every 15th
        // under the sanitizers, which make each second some forty times slower).
        std::vector<CalendarDate> dates = {{2027, 3, 28}, {2027, 10, 31}};
        for (int64_t d = DaysFromCivil({2027, 1, 1}); d < DaysFromCivil({2028, 1, 1}); d += kStep)
            dates.push_back(CivilFromDays(d));
        for (const CalendarDate& date : dates) {
            const auto on = t.Sun.TimeOn("sunset-00:30", date);
            const DayPreview day = PreviewDay(t, date);
            SCOPED_TRACE(std::to_string(date.month) + "-" + std::to_string(date.day));
            if (on && *on < kEleven) {
                ++runs;
                ASSERT_EQ(day.relays[0].intervals.size(), 1u);
                EXPECT_EQ(day.relays[0].intervals[0], (OnInterval{*on + 1, kEleven}));
            } else {
                ++idle;
                EXPECT_TRUE(day.relays[0].intervals.empty());
            }
        }
        EXPECT_GE(idle, place.daysOff * 3 / kStep);
        EXPECT_GT(runs, 40 * 3 / kStep);
    }
}

} // namespace
} // namespace tavrel
