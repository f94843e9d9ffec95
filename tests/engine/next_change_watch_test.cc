#include "engine/next_change_watch.h"

#include "engine/tick.h"
#include "support/board_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tavrel {
namespace {

class NextChangeWatchTest : public test::BoardFixture {
protected:
    // Ticks once, then waits (at most 10 s) for the worker's answer.
    NextChanges TickAndAwait() {
        Tick(ctx.engine, host);
        NextChanges out{};
        for (int i = 0; i < 1000; ++i) {
            if (watch.AfterTick(ctx.schedule, ctx.clock, out))
                return out;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ADD_FAILURE() << "no answer";
        return out;
    }
    NextChangeWatch watch;
};

// An entry on one relay asks again for that relay and keeps what the others had.
TEST_F(NextChangeWatchTest, AnEntryAsksAgainAndKeepsTheOthers) {
    ctx.schedule.TimeArray[PairIndex(0, 0)] = {"10:00:00", "11:00:00", kFalse};
    NextChanges first = TickAndAwait();
    ASSERT_TRUE(first[0].has_value());
    EXPECT_EQ(first[0]->second, 10 * 3600 + 1);
    EXPECT_FALSE(first[1].has_value());

    ctx.schedule.TimeArray[PairIndex(1, 0)] = {"12:00:00", "13:00:00", kFalse};
    platform.clock.Advance(1000);
    const NextChanges second = TickAndAwait();
    EXPECT_EQ(second[0], first[0]);
    ASSERT_TRUE(second[1].has_value());
    EXPECT_EQ(second[1]->second, 12 * 3600 + 1);
}

// A calendar read while the relays stand still (a reload, a saved configuration) reaches the answers
// at once, not at the next switch or midnight.
TEST_F(NextChangeWatchTest, ACalendarLoadedAsksAgain) {
    ctx.schedule.RelayArray[0].Holiday = HolidayRule::Skip;
    ctx.schedule.TimeArray[PairIndex(0, 0)] = {"10:00:00", "11:00:00", kFalse};
    ASSERT_TRUE(TickAndAwait()[0].has_value());

    ctx.schedule.Holidays.SetLookup([](const CalendarDate& date) -> std::optional<std::string> {
        return date == CalendarDate{2026, 12, 7} ? std::optional<std::string>("Closing day") : std::nullopt;
    });
    platform.clock.Advance(1000);
    const NextChanges after = TickAndAwait();
    ASSERT_TRUE(after[0].has_value());
    EXPECT_EQ(after[0]->date, (CalendarDate{2026, 12, 8}));
}

} // namespace
} // namespace tavrel
