#include "engine/next_change.h"

#include <gtest/gtest.h>

#include <optional>

namespace tavrel {
namespace {

constexpr int32_t At(int h, int m, int s) {
    return h * 3600 + m * 60 + s;
}

constexpr CalendarDate kMonday{2026, 12, 14};
constexpr int64_t kNowMs = 5'000'000;

struct Case {
    const char* what;
    const char* code;
    const char* on;
    const char* off;
    int16_t state;     // live output
    int64_t cycleInMs; // live next cycle time from now, 0 for none
    bool manual;
    int32_t now;
    std::optional<NextChange> expected;
};

TEST(NextChangeTest, FromTheLiveState) {
    const Case cases[] = {
        {"ON at the window's start", "EO", "08:00:00", "17:00:00", kStateOff, 0, false, At(7, 0, 0),
         NextChange{kMonday, At(8, 0, 1), 3600, true}},
        {"OFF at its end when ON now", "EO", "08:00:00", "17:00:00", kStateOn, 0, false, At(9, 0, 0),
         NextChange{kMonday, At(17, 0, 0), 3600, false}},
        {"tomorrow once today's window has passed", "EO", "08:00:00", "17:00:00", kStateOff, 0, false,
         At(18, 0, 0), NextChange{{2026, 12, 15}, At(8, 0, 1), 3600, true}},
        {"a cycle toggles at its live cycle time", "15", "00:00:00", "23:00:00", kStateOn, 120'000, false,
         At(9, 0, 0), NextChange{kMonday, At(9, 2, 1), 3600, false}},
        {"manual holds for the week", "EO", "08:00:00", "17:00:00", kStateOn, 0, true, At(7, 0, 0),
         std::nullopt},
        {"no pairs, no change", "EO", " ", " ", kStateOff, 0, false, At(7, 0, 0), std::nullopt},
    };
    const FixedOffsetZone zone(3600);
    for (const Case& c : cases) {
        ScheduleTables t;
        InitialiseNewSchedule(t);
        for (int r = 0; r < kRelaysPerBoard; ++r)
            t.RelayArray[r].CurrentState = kStateOff;
        RelayRecord& relay = t.RelayArray[0];
        relay.CycleCode = c.code;
        relay.CurrentState = c.state;
        relay.Manual = c.manual ? kTrue : kFalse;
        relay.NextCycleTick = c.cycleInMs == 0 ? 0 : kNowMs + c.cycleInMs;
        t.TimeArray[PairIndex(0, 0)] = {c.on, c.off, c.state == kStateOn ? kTrue : kFalse};
        const NextChanges next = FindNextChanges(t, {kMonday, 2, c.now}, kNowMs, zone);
        EXPECT_EQ(next[0], c.expected) << c.what;
        EXPECT_FALSE(next[1].has_value()) << c.what;
    }
}

} // namespace
} // namespace tavrel

namespace tavrel {
namespace {

TEST(NextChangeTest, Texts) {
    const NextChange evening{{2026, 12, 8}, 18 * 3600, 3600, true};
    const NextChange west{{2026, 12, 9}, 6 * 3600 + 5, -5 * 3600 - 1800, false};
    EXPECT_EQ(NextChangeJson(evening), R"({"at":"2026-12-08T18:00:00+01:00","state":"ON"})");
    EXPECT_EQ(NextChangeJson(west), R"({"at":"2026-12-09T06:00:05-05:30","state":"OFF"})");
    EXPECT_EQ(NextChangeJson(std::nullopt), "{}");
    NextChanges all{};
    EXPECT_EQ(NextChangeStatus(all, {2026, 12, 8}), "");
    all[2] = west;
    all[4] = evening;
    EXPECT_EQ(NextChangeStatus(all, {2026, 12, 8}), "next: relay 5 ON at 18:00:00");
    EXPECT_EQ(NextChangeText(west, {2026, 12, 8}), "OFF at 2026-12-09 06:00:05");
}

} // namespace
} // namespace tavrel
