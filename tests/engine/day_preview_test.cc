#include "engine/day_preview.h"

#include "engine/tick.h"
#include "support/board_fixture.h"
#include "support/fake_time_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <utility>
#include <vector>

namespace tavrel {

void PrintTo(const OnInterval& i, std::ostream* os) {
    *os << "[" << i.start << ", " << i.end << ")";
}

namespace {

using Intervals = std::vector<OnInterval>;
using Pairs = std::vector<std::pair<const char*, const char*>>;

constexpr int32_t At(int h, int m, int s) {
    return h * 3600 + m * 60 + s;
}

struct RelaySetup {
    const char* code = "EO";
    const char* days = "ALL Days";
    bool invert = false;
    bool manual = false;
    bool stop = false;
    Pairs pairs;
};

void Apply(ScheduleTables& t, int r, const RelaySetup& s) {
    RelayRecord& relay = t.RelayArray[r];
    relay.CycleCode = s.code;
    relay.DaysOfWeek = s.days;
    relay.Invert = s.invert ? kTrue : kFalse;
    relay.Manual = s.manual ? kTrue : kFalse;
    relay.HardStop = s.stop ? kTrue : kFalse;
    for (size_t p = 0; p < s.pairs.size(); ++p)
        t.TimeArray[PairIndex(r, static_cast<int>(p))] = {s.pairs[p].first, s.pairs[p].second, kFalse};
}

constexpr CalendarDate kSaturday{2026, 12, 12};
constexpr CalendarDate kMonday{2026, 12, 14};

struct EdgeCase {
    const char* what;
    RelaySetup relay;
    CalendarDate date;
    Intervals expected;
};

TEST(DayPreviewTest, EdgeCases) {
    const EdgeCase cases[] = {
        {"strict bounds", {.pairs = {{"08:00:00", "17:00:00"}}}, kMonday, {{At(8, 0, 1), At(17, 0, 0)}}},
        {"pair ending 23:59:59",
         {.pairs = {{"22:00:00", "23:59:59"}}},
         kMonday,
         {{At(22, 0, 1), At(23, 59, 59)}}},
        {"invert on a non-run day is ON all day",
         {.days = "2", .invert = true, .pairs = {{"08:00:00", "17:00:00"}}},
         kSaturday,
         {{0, kSecondsInDay}}},
        {"invert on the run day",
         {.days = "2", .invert = true, .pairs = {{"08:00:00", "17:00:00"}}},
         kMonday,
         {{0, At(8, 0, 1)}, {At(17, 0, 0), kSecondsInDay}}},
        {"manual", {.manual = true, .pairs = {}}, kSaturday, {{0, kSecondsInDay}}},
        {"stopped beats manual and invert",
         {.invert = true, .manual = true, .stop = true, .pairs = {}},
         kMonday,
         {}},
        {"SS on Saturday", {.code = "SS", .pairs = {{"08:00:00", "09:00:00"}}}, kSaturday, {}},
        {"SS on Monday",
         {.code = "SS", .pairs = {{"08:00:00", "09:00:00"}}},
         kMonday,
         {{At(8, 0, 1), At(9, 0, 0)}}},
        {"XS on Saturday",
         {.code = "XS", .pairs = {{"08:00:00", "09:00:00"}}},
         kSaturday,
         {{At(8, 0, 1), At(9, 0, 0)}}},
        {"3H top and bottom of the hour",
         {.code = "3H", .pairs = {{"08:05:00", "10:00:00"}, {" ", " "}, {"08:55:00", "10:00:00"}}},
         kMonday,
         {{At(8, 0, 1), At(8, 5, 0)},
          {At(8, 55, 1), At(9, 0, 0)},
          {At(9, 0, 1), At(9, 5, 0)},
          {At(9, 55, 1), At(10, 0, 0)}}},
    };
    for (const EdgeCase& c : cases) {
        ScheduleTables t;
        InitialiseNewSchedule(t);
        Apply(t, 0, c.relay);
        const DayPreview day = PreviewDay(t, c.date);
        EXPECT_EQ(day.relays[0].intervals, c.expected) << c.what;
        int32_t on = 0;
        for (const OnInterval& i : c.expected)
            on += i.end - i.start;
        EXPECT_EQ(day.relays[0].onSeconds, on) << c.what;
    }
}

TEST(DayPreviewTest, LeavesTheGivenTablesAsTheyAre) {
    ScheduleTables t;
    InitialiseNewSchedule(t);
    Apply(t, 0, {.code = "15", .pairs = {{"00:00:00", "23:00:00"}}});
    t.RelayArray[0].NextCycleTick = 12345;
    t.RelayArray[0].CurrentState = kStateOn;
    t.TimeArray[0].PairActive = kTrue;
    const DayPreview day = PreviewDay(t, kMonday);
    EXPECT_TRUE(day.relays[0].cyclic);
    EXPECT_FALSE(day.relays[1].cyclic);
    EXPECT_EQ(day.relays[0].intervals.front().start, At(0, 15, 2)) << "the cycle starts afresh in the copy";
    EXPECT_EQ(t.RelayArray[0].NextCycleTick, 12345);
    EXPECT_EQ(t.RelayArray[0].CurrentState, kStateOn);
    EXPECT_EQ(t.TimeArray[0].PairActive, kTrue);
}

TEST(DayPreviewTest, WeekdayOfDate) {
    const std::pair<CalendarDate, int> cases[] = {
        {kSaturday, 7}, {kMonday, 2}, {{2000, 1, 1}, 7}, {{2024, 2, 29}, 5}, {{2026, 1, 4}, 1}};
    for (const auto& [date, weekday] : cases)
        EXPECT_EQ(WeekdayOfDate(date), weekday) << date.year << "-" << date.month << "-" << date.day;
}

// The live tick, one tick a second over the fixture's Monday, switches what the preview says.
class DayPreviewAgreesWithTick : public test::BoardFixture {};

TEST_F(DayPreviewAgreesWithTick, AcrossADay) {
    constexpr int kCyclic = 3;
    const RelaySetup setups[kRelaysPerBoard] = {
        {.pairs = {{"08:00:00", "17:00:00"}, {"18:30:00", "19:00:00"}}},
        {.code = "OM", .pairs = {{"10:00:00", "10:10:00"}}},
        {.code = "3H",
         .pairs = {{"06:10:00", "09:00:00"}, {"06:20:00", "08:40:00"}, {"06:50:00", "09:00:00"}}},
        {.code = "15", .pairs = {{"12:00:00", "16:00:00"}}},
        {.code = "SS", .invert = true, .pairs = {{"07:00:00", "08:00:00"}}},
        {.code = "ES", .pairs = {{"23:50:00", "23:59:59"}}},
        {.code = "OD", .manual = true, .pairs = {{"01:00:00", "02:00:00"}}},
        {.days = "17", .pairs = {{"01:00:00", "02:00:00"}}},
    };
    for (int r = 0; r < kRelaysPerBoard; ++r)
        Apply(ctx.schedule, r, setups[r]);
    platform.clock.Set(2026, 12, 7, 0, 0, 0);
    const DayPreview preview = PreviewDay(ctx.schedule, {2026, 12, 7});

    std::array<Intervals, kRelaysPerBoard> live;
    for (int32_t s = 0; s < kSecondsInDay; ++s) {
        if (s > 0)
            platform.clock.Advance(1000);
        Tick(ctx.engine, host);
        for (size_t r = 0; r < live.size(); ++r) {
            const bool on = (ctx.schedule.OutputReadback[0] >> r) & 1;
            const bool wasOn = !live[r].empty() && live[r].back().end == kSecondsInDay;
            if (on && !wasOn)
                live[r].push_back({s, kSecondsInDay});
            else if (!on && wasOn)
                live[r].back().end = s;
        }
    }
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        const Intervals& seen = preview.relays[static_cast<size_t>(r)].intervals;
        const Intervals& want = live[static_cast<size_t>(r)];
        if (r != kCyclic) {
            EXPECT_EQ(seen, want) << "relay " << r + 1;
            continue;
        }
        ASSERT_EQ(seen.size(), want.size());
        EXPECT_FALSE(seen.empty());
        for (size_t i = 0; i < seen.size(); ++i) {
            EXPECT_LE(std::abs(seen[i].start - want[i].start), 1) << "toggle " << i;
            EXPECT_LE(std::abs(seen[i].end - want[i].end), 1) << "toggle " << i;
        }
    }
}

} // namespace
} // namespace tavrel

namespace tavrel {
namespace {

// 2027 in Berlin: the clock skips 02:00-02:59 on 28 March and reads it twice on 31 October.
TEST(DayPreviewTest, ChangeDaysAsTheyAreLived) {
    struct Row {
        CalendarDate date;
        const char* on;
        const char* off;
        Intervals expected;
        int32_t onSeconds;
    };
    const Row kRows[] = {
        {{2027, 3, 28}, "02:15:00", "02:45:00", {}, 0},
        {{2027, 3, 28}, "01:30:00", "02:30:00", {{At(1, 30, 1), At(3, 0, 0)}}, At(0, 29, 59)},
        {{2027, 10, 31},
         "02:15:00",
         "02:45:00",
         {{At(2, 15, 1), At(2, 45, 0)}, {At(2, 15, 1), At(2, 45, 0)}},
         2 * At(0, 29, 59)},
        {{2027, 10, 31}, "01:00:00", "04:00:00", {{At(1, 0, 1), At(4, 0, 0)}}, At(3, 59, 59)},
    };
    const FakeTimeZone berlin(3600, true);
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.on) + " " + std::to_string(row.date.month));
        ScheduleTables t;
        InitialiseNewSchedule(t);
        t.Sun.SetZone(&berlin);
        Apply(t, 0, {.pairs = {{row.on, row.off}}});
        const DayPreview day = PreviewDay(t, row.date);
        EXPECT_EQ(day.relays[0].intervals, row.expected);
        EXPECT_EQ(day.relays[0].onSeconds, row.onSeconds);
    }
}

} // namespace
} // namespace tavrel
