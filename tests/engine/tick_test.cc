#include "engine/tick.h"

#include "engine/evaluation.h"
#include "engine/kill.h"
#include "engine/relay_commands.h"
#include "support/board_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace tavrel {
namespace {

class TickTest : public test::BoardFixture {
protected:
    void Schedule(int relay, const char* start, const char* end, const char* code = "EO") {
        ctx.schedule.RelayArray[relay].CycleCode = code;
        ctx.schedule.TimeArray[relay * 6] = {start, end, kFalse};
    }
};

TEST_F(TickTest, FirstTickWritesEveryRelayThenAnUnchangedScheduleWritesNothing) {
    Schedule(0, "08:00:00", "17:00:00");
    Schedule(3, "08:00:00", "17:00:00");
    platform.ResetPortWrites();
    Tick(ctx.engine, host);
    EXPECT_EQ(platform.PortWrites(), 8);
    EXPECT_EQ(Outputs(), 0b0000'1001);
    EXPECT_EQ(ctx.schedule.OutputReadback[0], 0b0000'1001);
    EXPECT_EQ(ctx.schedule.RelayArray[0].CurrentState, kStateOn);
    EXPECT_EQ(ctx.schedule.RelayArray[1].CurrentState, kStateOff);
    EXPECT_EQ(host.switches.size(), 8u) << "every relay's state becomes known";

    platform.ResetPortWrites();
    for (int i = 0; i < 5; ++i) {
        platform.clock.Advance(950);
        Tick(ctx.engine, host);
    }
    EXPECT_EQ(platform.PortWrites(), 0);
}

TEST_F(TickTest, SwitchesAtTheRightSecond) {
    Schedule(2, "09:00:05", "09:00:10");
    Tick(ctx.engine, host);
    host.switches.clear();
    std::vector<int> onAt;
    for (int s = 1; s <= 12; ++s) {
        platform.clock.SetTimeOfDay(9, 0, s);
        Tick(ctx.engine, host);
    }
    ASSERT_EQ(host.switches.size(), 2u);
    EXPECT_EQ(host.switches[0], (std::pair<int, int16_t>{2, kStateOn}));
    EXPECT_EQ(host.switches[1], (std::pair<int, int16_t>{2, kStateOff}));
}

// The day's times are resolved once, yet each change that moves them reaches the very next tick.
TEST_F(TickTest, TheDaysTimesFollowAnEntryTheDateAndThePlace) {
    ctx.settings.Latitude = "52.52"; // Berlin: sunrise after 07:00 UTC in December, before 03:00 in June
    ctx.settings.Longitude = "13.40";
    Schedule(0, "sunrise", "12:00:00");
    platform.clock.Set(2026, 12, 7, 6, 30, 0);
    struct Step {
        const char* what;
        std::function<void()> change;
        bool on;
    };
    const Step kSteps[] = {
        {"before sunrise", [] {}, false},
        {"an entry", [&] { Schedule(0, "06:00:00", "12:00:00"); }, true},
        {"the entry taken back", [&] { Schedule(0, "sunrise", "12:00:00"); }, false},
        {"a day in June", [&] { platform.clock.Set(2027, 6, 21, 6, 30, 0); }, true},
        {"December again", [&] { platform.clock.Set(2026, 12, 7, 6, 30, 0); }, false},
        {"a place in its summer", [&] { ctx.settings.Latitude = "-33.90"; }, true},
        {"no place", [&] { ctx.settings.Latitude = ""; }, false},
    };
    for (const Step& step : kSteps) {
        step.change();
        Tick(ctx.engine, host);
        EXPECT_EQ(Outputs() & 1, step.on ? 1 : 0) << step.what;
    }
}

TEST_F(TickTest, ABoardThatDiffersFromTheDemandIsRewritten) {
    Schedule(1, "08:00:00", "17:00:00");
    Tick(ctx.engine, host);
    ASSERT_EQ(Outputs(), 0b10);
    platform.SetPortByte(kBase, 0); // someone switched it off behind our back
    Tick(ctx.engine, host);         // reads back OFF
    EXPECT_EQ(ctx.schedule.RelayArray[1].CurrentState, kStateOff);
    platform.ResetPortWrites();
    Tick(ctx.engine, host);
    EXPECT_EQ(platform.PortWrites(), 1);
    EXPECT_EQ(Outputs(), 0b10);
}

TEST_F(TickTest, AnInvertedRelayIsWrittenOnceThenLeftAlone) {
    Schedule(5, "08:00:00", "17:00:00");       // scheduled ON now: inverted, OFF
    ctx.schedule.RelayArray[6].Invert = kTrue; // not scheduled: inverted, ON
    ctx.schedule.RelayArray[5].Invert = kTrue;
    Tick(ctx.engine, host);
    EXPECT_EQ(Outputs(), 0b0100'0000);
    platform.ResetPortWrites();
    for (int i = 0; i < 3; ++i) {
        platform.clock.Advance(1000);
        Tick(ctx.engine, host);
    }
    EXPECT_EQ(platform.PortWrites(), 0);
    EXPECT_EQ(Outputs(), 0b0100'0000);
}

TEST_F(TickTest, ADemandThatIsNoStateIsReported) {
    ctx.schedule.RelayArray[5].CurrentState = kStateOn;
    ctx.schedule.RelayArray[5].NewState = kStateUnknown;
    ApplyOutputs(ctx.schedule, ctx.boards, ctx.boxes);
    ASSERT_EQ(platform.boxes.Count(), 1u);
    EXPECT_EQ(platform.boxes.Last().Text(), "Error Did Not Evaluate Old / New State Correctly");
}

TEST_F(TickTest, CombinationTable) {
    struct Row {
        int16_t stop, manual;
        bool scheduled;
        int16_t invert;
        bool on;
    };
    const Row kRows[] = {{-1, -1, true, -1, false}, {-1, 0, true, 0, false}, {0, -1, false, 0, true},
                         {0, -1, false, -1, false}, {0, 0, true, 0, true},   {0, 0, false, 0, false},
                         {0, 0, true, -1, false},   {0, 0, false, -1, true}};
    for (const Row& row : kRows) {
        test::TestContext fresh;
        fresh.ctx.schedule.BoardArray[0] = ctx.schedule.BoardArray[0];
        InitialiseNewSchedule(fresh.ctx.schedule);
        fresh.platform.clock.Set(2026, 12, 7, 9, 0, 0);
        RelayRecord& relay = fresh.ctx.schedule.RelayArray[4];
        relay.HardStop = row.stop;
        relay.Manual = row.manual;
        relay.Invert = row.invert;
        if (row.scheduled)
            fresh.ctx.schedule.TimeArray[24] = {"08:00:00", "17:00:00", 0};
        Tick(fresh.ctx.engine, host);
        Tick(fresh.ctx.engine, host);
        EXPECT_EQ((fresh.platform.PortByte(kBase) >> 4) & 1, row.on ? 1 : 0)
            << row.stop << " " << row.manual << " " << row.scheduled << " " << row.invert;
    }
}

TEST_F(TickTest, StoppedRelayAlreadyOffIsNotWritten) {
    Tick(ctx.engine, host);
    ctx.schedule.RelayArray[6].HardStop = kTrue;
    ctx.schedule.RelayArray[6].Manual = kTrue;
    ctx.schedule.RelayArray[6].Invert = kTrue;
    platform.ResetPortWrites();
    Tick(ctx.engine, host);
    EXPECT_EQ(platform.PortWrites(), 0);
    EXPECT_EQ(ctx.display.relays[6].caption, "> STOP <");
    EXPECT_EQ(ctx.display.relays[6].totalTimeBackground, kColourStopRed);
    EXPECT_EQ(ctx.display.relays[6].manualLabel, ctx.settings.ColorManualOFF);
}

TEST_F(TickTest, ManualOnOfAnInvertedRelayDrivesItOff) {
    ctx.schedule.RelayArray[2].Invert = kTrue;
    Tick(ctx.engine, host);
    EXPECT_EQ((Outputs() >> 2) & 1, 1) << "an inverted relay with no pair in use is ON";
    EXPECT_EQ(ctx.display.relays[2].caption, " Invert ");
    ToggleManual(ctx.engine, 2);
    Tick(ctx.engine, host);
    EXPECT_EQ((Outputs() >> 2) & 1, 0);
    EXPECT_EQ(ctx.display.relays[2].caption, ">Invr-Man<");
    EXPECT_EQ(ctx.display.relays[2].totalTimeText, ">Invr-Man<");
    EXPECT_EQ(ctx.display.relays[2].invertLabel, ctx.settings.ColorManualON);
    EXPECT_TRUE(ctx.engineState.TimerEnabled) << "a click starts the timer";
}

TEST_F(TickTest, AClickShowsAtOnceAndItsReleaseShowsTheTotalAgain) {
    Schedule(3, "08:00:00", "17:00:00");
    Tick(ctx.engine, host);
    const RelayDisplay& d = ctx.display.relays[3];
    ToggleStop(ctx.engine, 3);
    EXPECT_TRUE(d.stopped);
    EXPECT_EQ(d.totalTimeText, "> STOP <");
    ToggleStop(ctx.engine, 3);
    EXPECT_FALSE(d.stopped);
    EXPECT_EQ(d.totalTimeText, "09:00:00");
    EXPECT_EQ(d.totalTimeBackground, ctx.settings.ColorTTimeBkgrnd);
    ToggleManual(ctx.engine, 3);
    EXPECT_EQ(d.totalTimeText, ">Manual<");
    EXPECT_EQ(d.manualLabel, ctx.settings.ColorManualON);
    ToggleManual(ctx.engine, 3);
    EXPECT_EQ(d.totalTimeText, "09:00:00");
    EXPECT_EQ(d.lightText, "ON") << "the output is what the last tick read back";
}

TEST_F(TickTest, DisplayColoursFollowTheRelayAndItsPairs) {
    Schedule(0, "08:05:00", "17:00:00", "TH");
    ctx.schedule.TimeArray[1] = {"09:00:00", "10:00:00", 0};
    platform.clock.SetTimeOfDay(9, 2, 0);
    Tick(ctx.engine, host);
    const RelayDisplay& d = ctx.display.relays[0];
    EXPECT_EQ(d.light, ctx.settings.ColorRelayON);
    EXPECT_EQ(d.startBox[0], ctx.settings.ColorTimeON);
    EXPECT_EQ(d.startBox[1], ctx.settings.ColorTimeON);
    EXPECT_EQ(d.endBox[2], ctx.settings.ColorTimeOFF);
    EXPECT_EQ(d.codeBox, ctx.settings.ColorTimeON) << "the code governs the active first pair";
    EXPECT_EQ(d.totalTimeBackground, ctx.settings.ColorTTimeBkgrnd);
    platform.clock.SetTimeOfDay(9, 30, 0);
    Tick(ctx.engine, host);
    EXPECT_EQ(d.codeBox, ctx.settings.ColorTimeOFF) << "only pair 2, which the code does not govern";
    EXPECT_EQ(ctx.display.boards[0].relayCaption, "RelayState 1 : 1 - - - - - - -");
    EXPECT_EQ(ctx.display.boards[0].inputCaption, "Inputstate 1 : - - - - - - - -");
}

TEST_F(TickTest, FireCrackerCaptions) {
    ctx.schedule.BoardArray[0].ChipSetType = "FireCracker";
    ctx.schedule.BoardArray[0].RunNoBoard = 1;
    Tick(ctx.engine, host);
    EXPECT_EQ(ctx.display.boards[0].relayCaption, "FireCraker 1 : - - - - - - - -");
    EXPECT_EQ(ctx.display.boards[0].inputCaption, "FireCracker");
}

TEST_F(TickTest, SuspendedTickDoesNothingAndForceCheckTimeRunsWithTheTimerOff) {
    Schedule(0, "08:00:00", "17:00:00");
    ctx.schedule.ScheduleSuspended = kTrue;
    platform.ResetPortWrites();
    Tick(ctx.engine, host);
    EXPECT_EQ(platform.PortWrites(), 0);
    EXPECT_EQ(host.displayChanges, 0);
    ctx.schedule.ScheduleSuspended = kFalse;
    ASSERT_FALSE(ctx.engineState.TimerEnabled);
    ForceCheckTime(ctx.engine, host);
    EXPECT_EQ(Outputs(), 1);
}

TEST_F(TickTest, ANestedTickDoesNotEvaluateTwice) {
    Schedule(0, "08:00:00", "17:00:00");
    ctx.schedule.TickRunning = kTrue;
    Tick(ctx.engine, host);
    EXPECT_EQ(Outputs(), 0);
    EXPECT_EQ(host.displayChanges, 1) << "the display is still refreshed";
}

TEST_F(TickTest, TimerSwitchesAndItsEvent) {
    ctx.settings.LoggingOnOff = kTrue;
    ctx.settings.LogFilePath = platform.home.Path() + "/";
    EnableTimer(ctx.engine);
    EnableTimer(ctx.engine);
    const std::string log = test::ReadWholeFile(ctx.eventLog.CurrentLogPath());
    EXPECT_EQ(log, "09:00:00 12/7/2026 Enabling Timer  \r\n");
    DeveloperTimerSwitch(ctx.engine);
    EXPECT_FALSE(ctx.engineState.TimerEnabled);
    EXPECT_EQ(ctx.engineState.TimerMenuCaption, "Timer Enable");
    DeveloperTimerSwitch(ctx.engine);
    EXPECT_TRUE(ctx.engineState.TimerEnabled);
    EXPECT_EQ(ctx.engineState.TimerMenuCaption, "Timer Disable");
}

TEST_F(TickTest, StateLineOnceAMinuteWhileLogging) {
    ctx.settings.LoggingOnOff = kTrue;
    ctx.settings.LogFilePath = platform.home.Path() + "/";
    ctx.schedule.BoardArray[0].LogBoard = 1;
    Schedule(0, "08:00:00", "17:00:00");
    for (int i = 0; i < 70; ++i) {
        Tick(ctx.engine, host);
        platform.clock.Advance(950);
    }
    ASSERT_EQ(host.stateLines.size(), 2u);
    EXPECT_EQ(host.stateLines[0], "09:00:00 <1 - - - - - - ->R><I<- - - - - - - ->I ");
}

TEST_F(TickTest, MenuCommandsDriveTheBoardAndTheScheduleTakesOverAgain) {
    Schedule(0, "08:00:00", "17:00:00");
    Tick(ctx.engine, host);
    StateAllOff(ctx.engine, host);
    EXPECT_EQ(Outputs(), 0);
    EXPECT_EQ(ctx.schedule.ScheduleSuspended, kFalse);
    EXPECT_EQ(ctx.display.boards[0].relayText, "- - - - - - - -") << "refreshed without evaluation";
    Tick(ctx.engine, host);
    EXPECT_EQ(Outputs(), 1) << "the next tick restores the schedule";

    StateRelayOn(ctx.engine, host, 1, 8);
    EXPECT_EQ(Outputs(), 0x81);
    SetAllRelaysDelay(ctx.engine, host);
    EXPECT_EQ(Outputs(), 0xFF);
    EXPECT_EQ(platform.clock.BusyPauses().size(), 8u) << "a step delay after each relay";
    EXPECT_EQ(ctx.boardState.StepDelayCount, 0);

    ResetAllRelaysPause(ctx.engine, host);
    EXPECT_EQ(Outputs(), 0);
    EXPECT_EQ(platform.boxes.Last().title, "System is Paused (All board 4 Relays are OFF)");
    EXPECT_EQ(platform.boxes.Last().Text(), "When you are ready to Continue, press 'OK' ");
    StateAllOnPause(ctx.engine, host, 2);
    EXPECT_EQ(platform.boxes.Last().title, "System is Paused (All board 2 Relays are ON)");
}

TEST_F(TickTest, RelayTogglesWriteTheRestartFile) {
    ToggleStop(ctx.engine, 3);
    EXPECT_EQ(ctx.schedule.RelayArray[3].HardStop, kTrue);
    const std::string restart = ctx.drives.Map("c:\\TVRestart.run");
    const std::string text = test::ReadWholeFile(restart);
    EXPECT_FALSE(text.empty());
    ctx.schedule.RelayArray[3].CycleCode = "15";
    ToggleInvert(ctx.engine, 3);
    EXPECT_EQ(ctx.schedule.RelayArray[3].Invert, kFalse) << "a cyclic relay has no invert";
    ctx.schedule.RelayArray[3].NextCycleTick = 5;
    ToggleStop(ctx.engine, 3);
    EXPECT_EQ(ctx.schedule.RelayArray[3].HardStop, kFalse);
    EXPECT_EQ(ctx.schedule.RelayArray[3].NextCycleTick, 0) << "the cycle starts afresh";
}

} // namespace
} // namespace tavrel
