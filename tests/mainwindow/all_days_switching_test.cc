// Every all-days text the days box accepts lets the relay run.

#include "engine/tick.h"
#include "mainwindow/context_entry_effects.h"
#include "support/board_fixture.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class AllDaysTest : public test::BoardFixture {};

TEST_F(AllDaysTest, ARelayGivenAnAcceptedAllDaysTextSwitches) {
    ContextEntryEffects effects(ctx, host);
    ScheduleEntry entry = MakeScheduleEntry(ctx, effects);
    const char* const kTexts[] = {"ALL Days", "Days", "All Days", "ALL", ""};
    for (int r = 0; r < 5; ++r) {
        SCOPED_TRACE(kTexts[r]);
        ASSERT_TRUE(entry.LeaveDaysOfWeek(r, kTexts[r]).accepted);
        ASSERT_TRUE(entry.LeaveStartTime(r * 6, "08:00").accepted);
        ASSERT_TRUE(entry.LeaveEndTime(r * 6, "17:00").accepted);
    }
    Tick(ctx.engine, host);
    EXPECT_EQ(Outputs(), 0b1'1111);
    EXPECT_TRUE(ctx.engineState.TimerEnabled) << "a validated time starts the timer";
}

} // namespace
} // namespace tavrel
