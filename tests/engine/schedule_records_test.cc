#include "engine/schedule_records.h"

#include "engine/pair_rules.h"
#include "shell/program_context.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class ScheduleRecords : public ::testing::Test {
protected:
    test::TestPlatform platform;
    test::FakeMessageBoxes& boxes = platform.boxes;
    ProgramContext ctx{platform.Services()};
};

TEST_F(ScheduleRecords, TablesHaveTheirSizesAndStartValues) {
    EXPECT_EQ(ctx.schedule.BoardArray.Size(), 4);
    EXPECT_EQ(ctx.schedule.RelayArray.Size(), 9);
    EXPECT_EQ(ctx.schedule.TimeArray.Size(), 48);
    EXPECT_EQ(ctx.schedule.ScheduleSuspended, kFalse);
    EXPECT_EQ(ctx.schedule.TickRunning, kFalse);
    for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(ctx.schedule.BoardArray[b].ChipSetType, " ");
        EXPECT_EQ(ctx.schedule.BoardArray[b].BoardReady, kFalse);
        EXPECT_EQ(ctx.schedule.OutputReadback[b], 0);
        EXPECT_EQ(ctx.schedule.InputReadback[b], 0);
    }
    EXPECT_EQ(ctx.schedule.RelayArray[0].CurrentState, kStateUnknown);
    EXPECT_EQ(ctx.schedule.RelayArray[0].NewState, kStateUnknown);
    EXPECT_EQ(ctx.schedule.RelayArray[0].PrevInput, kStateUnknown);
    EXPECT_EQ(PairIndex(RelayIndex(0, 7), 5), 47);
}

TEST_F(ScheduleRecords, NewScheduleInitialiserSetsEveryRelayAndPair) {
    for (int r = 0; r < 8; ++r)
        ctx.schedule.BoardArray[0].RelayNames[static_cast<size_t>(r)] = "Relay " + std::to_string(r + 1);
    ctx.schedule.BoardArray[0].RelayNames[3] = " ";
    for (int r = 0; r < 8; ++r) {
        RelayRecord& relay = ctx.schedule.RelayArray[r];
        relay = RelayRecord{};
        relay.Manual = relay.Invert = relay.CountEnabled = relay.HardStop = kTrue;
        relay.IconFile = "c:\\icons\\pump.ico";
        relay.CurrentState = relay.NewState = relay.PrevInput = 1;
        relay.NextCycleTick = 12345;
        relay.Counter = 77;
        relay.NextCycleText = "10:00:00";
        relay.TotalTimeText = "01:00:00";
    }
    for (int p = 0; p < 48; ++p)
        ctx.schedule.TimeArray[p] = {"08:00:00", "09:00:00", kTrue};

    InitialiseNewSchedule(ctx.schedule);

    for (int r = 0; r < 8; ++r) {
        const RelayRecord& relay = ctx.schedule.RelayArray[r];
        EXPECT_EQ(relay.DisplayName, r == 3 ? " " : "Relay " + std::to_string(r + 1));
        EXPECT_EQ(relay.DaysOfWeek, "All Days");
        EXPECT_EQ(relay.CycleCode, "EO");
        EXPECT_EQ(relay.Manual, kFalse);
        EXPECT_EQ(relay.Invert, kFalse);
        EXPECT_EQ(relay.CountEnabled, kFalse);
        EXPECT_EQ(relay.HardStop, kFalse);
        EXPECT_EQ(relay.IconFile, "");
        EXPECT_EQ(relay.CurrentState, kStateUnknown);
        EXPECT_EQ(relay.NewState, kStateUnknown);
        EXPECT_EQ(relay.NextCycleTick, 0);
        EXPECT_EQ(relay.PrevInput, kStateUnknown);
        EXPECT_EQ(relay.Counter, 0);
        // Left as they were.
        EXPECT_EQ(relay.NextCycleText, "10:00:00");
        EXPECT_EQ(relay.TotalTimeText, "01:00:00");
    }
    for (int p = 0; p < 48; ++p) {
        EXPECT_EQ(ctx.schedule.TimeArray[p].StartTime, "");
        EXPECT_EQ(ctx.schedule.TimeArray[p].EndTime, "");
        EXPECT_EQ(ctx.schedule.TimeArray[p].PairActive, kTrue);
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ScheduleRecords, FreshRelayStaysOffUntilAPairIsEntered) {
    InitialiseNewSchedule(ctx.schedule);
    ClockSample s{{2026, 12, 7}, 2, 12 * 3600, 1000};
    RelayRecord& relay = ctx.schedule.RelayArray[0];
    relay.NewState = kStateOff;
    const std::span<TimePair> pairs = PairsOfRelay(ctx.schedule, 0);
    ApplyPairRules(relay, pairs, ResolveRelayPairSeconds(pairs, s.date, nullptr), s,
                   ctx.schedule.ScheduleSuspended);
    EXPECT_EQ(relay.NewState, kStateOff);
}

TEST_F(ScheduleRecords, IndexOutsideATableIsReportedAndNeverUsed) {
    for (int b = 0; b < 4; ++b)
        ctx.schedule.BoardArray[b].BoardReady = kTrue;
    EXPECT_EQ(BoardChipSetType(ctx.schedule.BoardArray, 4), " ");
    EXPECT_EQ(BoardChipSetType(ctx.schedule.BoardArray, -1), " ");
    ClearBoardReady(ctx.schedule.BoardArray, 7);
    EXPECT_EQ(ctx.schedule.RelayArray.Slot(9), nullptr);
    EXPECT_EQ(ctx.schedule.TimeArray.Slot(48), nullptr);
    EXPECT_TRUE(PairsOfRelay(ctx.schedule, 8).empty()) << "relay slot 8 has no pairs";
    ASSERT_EQ(boxes.Count(), 6u);
    EXPECT_EQ(boxes.Shown()[0].icon, MsgIcon::Error);
    EXPECT_EQ(boxes.Shown()[0].lines[0], "Error Number: 9");
    EXPECT_EQ(boxes.Shown()[0].lines[2], "Source: BoardArray");
    EXPECT_EQ(boxes.Shown()[4].lines[2], "Source: TimeArray");
    for (int b = 0; b < 4; ++b)
        EXPECT_EQ(ctx.schedule.BoardArray[b].BoardReady, kTrue);
}

} // namespace
} // namespace tavrel
