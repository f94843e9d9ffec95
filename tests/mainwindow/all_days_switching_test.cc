// Every all-days text the days box accepts lets the relay run.

#include "engine/pair_rules.h"
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
    static_assert(kTypedAllDaysWords.size() <= 8, "one relay a word");
    for (int r = 0; r < static_cast<int>(kTypedAllDaysWords.size()); ++r) {
        const std::string word(kTypedAllDaysWords[static_cast<size_t>(r)]);
        SCOPED_TRACE("'" + word + "'");
        ASSERT_TRUE(entry.LeaveDaysOfWeek(r, word).accepted);
        ASSERT_TRUE(entry.LeaveStartTime(r * 6, "08:00").accepted);
        ASSERT_TRUE(entry.LeaveEndTime(r * 6, "17:00").accepted);
    }
    Tick(ctx.engine, host);
    EXPECT_EQ(Outputs(), 0b111'1111);
    EXPECT_TRUE(ctx.engineState.TimerEnabled) << "a validated time starts the timer";
}

} // namespace
} // namespace tavrel
