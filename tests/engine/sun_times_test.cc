#include "engine/pair_times.h"
#include "engine/sun_times.h"

#include "support/fake_time_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tavrel {
namespace {

constexpr GeoPlace kBerlin{52.52, 13.405};
constexpr GeoPlace kTromso{69.65, 18.96};

// Counts the zone's use: the day's results are kept, so the tick never computes the sun.
class CountingZone final : public TimeZone {
public:
    int32_t UtcOffsetAt(int64_t t) const override {
        ++calls;
        return berlin.UtcOffsetAt(t);
    }
    FakeTimeZone berlin{3600, true};
    mutable int calls = 0;
};

struct SunFixture : ::testing::Test {
    SunFixture() {
        sun.SetZone(&zone);
        sun.SetPlace(kBerlin);
    }
    PairSeconds Resolve(const char* on, const char* off, const CalendarDate& date) {
        return ResolvePairSeconds(TimePair{on, off, kFalse}, date, &sun);
    }
    CountingZone zone;
    SunTimes sun;
};

// Reference values (tests/data/sun) in Berlin's civil time on both change days, within a minute.
TEST_F(SunFixture, ResolvesToLocalCivilTimeOnBothChangeDays) {
    struct Row {
        const char* text;
        CalendarDate date;
        int32_t local;
    };
    const Row kRows[] = {
        {"sunrise", {2027, 3, 28}, 17460 + 7200},
        {"sunset", {2027, 3, 28}, 63187 + 7200},
        {"sunrise", {2027, 10, 31}, 21613 + 3600},
        {"sunset-00:30", {2027, 10, 31}, 56342 + 3600 - 1800},
        {"dusk+00:00:30", {2027, 12, 21}, 56130 + 3600 + 30},
    };
    for (const Row& row : kRows) {
        const auto got = sun.TimeOn(row.text, row.date);
        ASSERT_TRUE(got.has_value()) << row.text;
        EXPECT_NEAR(*got, row.local, 60) << row.text;
    }
}

TEST_F(SunFixture, APairRunsOnlyWhenItsTimesAreInOrderThatDay) {
    struct Row {
        const char* on;
        const char* off;
        CalendarDate date;
        bool usable;
    };
    const Row kRows[] = {
        {"06:00:00", "sunrise", {2027, 12, 21}, true},       // sunrise 08:14
        {"06:00:00", "sunrise", {2027, 6, 21}, false},       // sunrise 04:43: not "all day"
        {"sunset", "sunrise", {2027, 6, 21}, false},         // never wraps past midnight
        {"sunset", "23:59:59", {2027, 6, 21}, true},         // the dusk-to-dawn way, evening half
        {"sunset+12:00", "23:59:59", {2027, 6, 21}, false},  // moved into the next day
        {"sunrise-12:00", "12:00:00", {2027, 6, 21}, false}, // moved into the day before
    };
    for (const Row& row : kRows) {
        const PairSeconds s = Resolve(row.on, row.off, row.date);
        EXPECT_EQ(s.usable, row.usable) << row.on << " " << row.off;
        EXPECT_TRUE(s.sunBased);
    }
    EXPECT_FALSE(Resolve("08:00:00", "09:00:00", {2027, 6, 21}).sunBased);
}

TEST_F(SunFixture, NoEventOrNoPlaceMeansThePairDoesNotRun) {
    sun.SetPlace(kTromso);
    EXPECT_FALSE(Resolve("sunset", "23:00:00", {2027, 6, 21}).usable);
    EXPECT_TRUE(Resolve("dawn", "12:00:00", {2027, 12, 21}).usable);
    EXPECT_FALSE(Resolve("sunrise", "12:00:00", {2027, 12, 21}).usable);
    sun.SetPlace(std::nullopt);
    EXPECT_FALSE(Resolve("dawn", "12:00:00", {2027, 12, 21}).usable);
    EXPECT_TRUE(Resolve("08:00:00", "12:00:00", {2027, 12, 21}).usable);
}

TEST_F(SunFixture, EachTextIsWorkedOutOnceADayAndAgainWhenThePlaceChanges) {
    const CalendarDate day{2027, 6, 21};
    const auto first = sun.TimeOn("sunset", day);
    const int calls = zone.calls;
    for (int tick = 0; tick < 100; ++tick)
        EXPECT_EQ(sun.TimeOn("sunset", day), first);
    EXPECT_EQ(zone.calls, calls);
    sun.TimeOn("sunset", {2027, 6, 22});
    EXPECT_GT(zone.calls, calls);
    sun.SetPlace(kTromso);
    EXPECT_FALSE(sun.TimeOn("sunset", day).has_value());
}

} // namespace
} // namespace tavrel
