#include "engine/counters.h"
#include "engine/tick.h"
#include "engine/total_time.h"

#include "engine/kill.h"
#include "support/board_fixture.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class EngineTest : public test::BoardFixture {
protected:
    void TickWithInputs(uint8_t inputs) {
        platform.SetPortByte(kInput, inputs);
        Tick(ctx.engine, host);
        platform.clock.Advance(950);
    }
};

TEST_F(EngineTest, CountsRisingEdgesButNotALineHighAtTheFirstTick) {
    ctx.schedule.RelayArray[0].CountEnabled = kTrue;
    ctx.schedule.RelayArray[1].CountEnabled = kTrue;
    TickWithInputs(0b01);
    EXPECT_EQ(ctx.schedule.RelayArray[0].Counter, 0) << "already high at the first tick";
    TickWithInputs(0b00);
    TickWithInputs(0b11);
    TickWithInputs(0b11);
    TickWithInputs(0b10);
    TickWithInputs(0b11);
    EXPECT_EQ(ctx.schedule.RelayArray[0].Counter, 2);
    EXPECT_EQ(ctx.schedule.RelayArray[1].Counter, 1);
    EXPECT_EQ(ctx.display.relays[0].counterCaption, "2");
    EXPECT_EQ(ctx.display.relays[0].counterLabel, ctx.settings.ColorInputON);
}

TEST_F(EngineTest, CounterCapAndCountingOff) {
    ctx.schedule.RelayArray[0].CountEnabled = kTrue;
    ctx.schedule.RelayArray[0].Counter = 32000;
    TickWithInputs(0);
    for (int i = 0; i < 3; ++i) {
        TickWithInputs(1);
        TickWithInputs(0);
    }
    EXPECT_EQ(ctx.schedule.RelayArray[0].Counter, 32000);

    ctx.schedule.RelayArray[2].CountEnabled = kFalse;
    TickWithInputs(0b100);
    EXPECT_EQ(ctx.display.relays[2].counterLabel, ctx.settings.ColorInputON)
        << "the colour still follows the line";
    EXPECT_EQ(ctx.display.relays[2].counterCaption, "Counter");
    TickWithInputs(0);
    TickWithInputs(0b100);
    EXPECT_EQ(ctx.schedule.RelayArray[2].Counter, 0);
    EXPECT_EQ(ctx.display.relays[2].counterLabel, ctx.settings.ColorInputON);
}

TEST_F(EngineTest, CounterClicksAndZeroCounters) {
    ctx.schedule.RelayArray[4].Counter = 12;
    CounterClicked(ctx.engine, 4, MouseButton::Left);
    EXPECT_EQ(ctx.schedule.RelayArray[4].CountEnabled, kTrue);
    EXPECT_EQ(ctx.display.relays[4].counterCaption, "12");
    CounterClicked(ctx.engine, 4, MouseButton::Left);
    EXPECT_EQ(ctx.display.relays[4].counterCaption, "Counter");
    CounterClicked(ctx.engine, 4, MouseButton::Right);
    EXPECT_EQ(ctx.schedule.RelayArray[4].CountEnabled, kTrue);
    EXPECT_EQ(ctx.schedule.RelayArray[4].Counter, 0);
    ctx.schedule.RelayArray[5].Counter = 9;
    ZeroCounters(ctx.engine);
    EXPECT_EQ(ctx.schedule.RelayArray[5].Counter, 0);
    EXPECT_FALSE(test::ReadWholeFile(ctx.drives.Map("c:\\TVRestart.run")).empty());
}

std::string Total(const std::string& code, std::vector<std::pair<std::string, std::string>> pairs) {
    RelayRecord relay;
    relay.CycleCode = code;
    std::vector<TimePair> tp(6);
    for (size_t i = 0; i < pairs.size(); ++i)
        tp[i] = {pairs[i].first, pairs[i].second, 0};
    return ComputeTotalTime(relay, tp, CalendarDate{2026, 12, 7}, nullptr);
}

TEST(TotalTime, PlainParityAndOverADay) {
    EXPECT_EQ(Total("EO", {{"08:00:00", "12:00:00"}, {"13:00:00", "17:00:00"}}), "08:00:00");
    EXPECT_EQ(Total("ED", {{"08:00:00", "12:00:00"}}), "04:00:00");
    EXPECT_EQ(Total("SS", {{"08:00:00", "12:00:00"}}), "04:00:00");
    EXPECT_EQ(Total("EM", {{"08:00:00", "12:00:00"}}), "02:00:00");
    EXPECT_EQ(Total("OS", {{"08:00:00", "08:00:05"}}), "00:00:02") << "2.5 s rounds to even";
    EXPECT_EQ(Total("OS", {{"08:00:00", "08:00:07"}}), "00:00:04") << "3.5 s rounds to even";
    EXPECT_EQ(Total("EO", {{"12:00:00", "08:00:00"}}), "00:00:00");
    EXPECT_EQ(Total("EO", {{"", "08:00:00"}, {" ", " "}}), "00:00:00");
    std::vector<std::pair<std::string, std::string>> sixDays(6, {"00:00:00", "23:59:59"});
    EXPECT_EQ(Total("EO", sixDays), "Over24hr");
}

TEST(TotalTime, HourPartsAndCycles) {
    EXPECT_EQ(Total("TH", {{"08:05:00", "17:00:00"}}), "00:45:00") << "five minutes in each hour 8..16";
    EXPECT_EQ(Total("TH", {{"10:00:00", "17:00:00"}}), "00:00:00");
    EXPECT_EQ(Total("MH", {{"08:15:00", "17:45:00"}}), "04:30:00");
    EXPECT_EQ(Total("BH", {{"08:50:00", "17:00:00"}}), "01:30:00");
    EXPECT_EQ(Total("3H", {{"08:05:00", "10:00:00"},
                           {"08:15:00", "10:45:00"},
                           {"08:50:00", "10:00:00"},
                           {"20:00:00", "21:00:00"}}),
              "02:30:00");
    EXPECT_EQ(Total("15", {{"08:00:00", "09:00:00"}}), "00:30:00");
    EXPECT_EQ(Total("15", {{"08:00:00", "09:10:00"}}), "00:40:00") << "the last ON period is cut at the end";
    EXPECT_EQ(Total("15", {{"08:00:00", "09:00:00"}, {"10:00:00", "11:00:00"}}), "01:30:00")
        << "later pairs are plain";
    EXPECT_EQ(Total("0", {{"08:00:00", "09:00:00"}}), "00:30:00") << "a cycle is at least a minute";
}

TEST(TotalTime, CyclesOfADayOrMoreCountTheWholeWindow) {
    // The evaluator holds a cycle between a minute and ten years; a period of a day or more is one ON
    // period over any window, so these read as they did when the total held cycles to one day.
    for (const char* code : {"1440", "1441", "99999", "1e9"})
        EXPECT_EQ(Total(code, {{"00:00:00", "23:59:59"}}), "23:59:59") << code;
    EXPECT_EQ(Total("720", {{"00:00:00", "23:59:59"}}), "12:00:00");
}

class KillTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ctx.settings.KillBySignal = 1;
        ctx.settings.KillBySignalBoardNum = 0;
        ctx.settings.KillBySignalInputNum = 2;
        ctx.settings.KillMiscEnableDelay = 0;
        ctx.settings.KillActionAllOff = 1;
        ctx.engineState.TimerEnabled = true;
    }
};

TEST_F(KillTest, SignalArmsAfterTenTicksAndTriggersInTheEleventh) {
    for (int i = 1; i <= 10; ++i) {
        TickWithInputs(0b100);
        ASSERT_EQ(ctx.engineState.KillPending, kFalse) << "tick " << i;
    }
    EXPECT_EQ(ctx.settings.KillMiscEnableDelay, 10);
    TickWithInputs(0b100);
    EXPECT_EQ(ctx.engineState.KillPending, kTrue);
    EXPECT_EQ(ctx.settings.KillBySignalGoesHigh, kTrue) << "neither set: goes high";
    ctx.schedule.TimeArray[0] = {"08:00:00", "17:00:00", 0};
    platform.ResetPortWrites();
    TickWithInputs(0);
    EXPECT_EQ(ctx.engineState.KillPending, kFalse);
    EXPECT_EQ(host.displayChanges, 12) << "the tick ran only the kill action, which shows its stops at once";
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(ctx.schedule.RelayArray[r].HardStop, kTrue);
    EXPECT_EQ(platform.PortByte(kBase), 0);
}

TEST_F(KillTest, GoesLowIsTheLineLowInTheTick) {
    ctx.settings.KillBySignalGoesLow = kTrue;
    ctx.settings.KillMiscEnableDelay = 1;
    TickWithInputs(0);
    TickWithInputs(0b100);
    EXPECT_EQ(ctx.engineState.KillPending, kFalse);
    TickWithInputs(0);
    EXPECT_EQ(ctx.engineState.KillPending, kTrue);
}

TEST_F(KillTest, AnEmulatedBoardNeverTriggers) {
    ctx.schedule.BoardArray[0].RunNoBoard = 1;
    ctx.schedule.RelayArray[2].Manual =
        kTrue; // input follows the outputs of an emulated board: line 2 is high
    for (int i = 0; i < 20; ++i)
        TickWithInputs(0xFF);
    EXPECT_EQ(ctx.schedule.InputReadback[0] & 0b100, 0b100);
    EXPECT_EQ(ctx.engineState.KillPending, kFalse);
}

TEST_F(KillTest, ABoardWithNoAddressIsEmulatedAndNeverTriggers) {
    // Emulated as the board layer and the menu see it, though "RunNoBoard" is 0: its lines are not read.
    ctx.schedule.BoardArray[0].BaseAddress = 0;
    ctx.settings.KillBySignalGoesLow = kTrue;
    ctx.settings.KillMiscEnableDelay = 1;
    for (int i = 0; i < 5; ++i) {
        TickWithInputs(0);
        ASSERT_EQ(ctx.engineState.KillPending, kFalse) << "tick " << i;
    }
    EXPECT_EQ(ctx.schedule.RelayArray[0].HardStop, kFalse);
}

TEST_F(KillTest, AllOffWithExitStopsTheRelaysThenEndsTheProgram) {
    ctx.settings.KillActionExitProgram = 1;
    ctx.schedule.RelayArray[1].Manual = kTrue;
    TickWithInputs(0);
    ASSERT_EQ(platform.PortByte(kBase), 0b10);
    ctx.engineState.KillWindowVisible = true;
    KillButtonPressed(ctx.engine, host);
    EXPECT_FALSE(ctx.engineState.KillWindowVisible) << "hidden, not switched to un-kill";
    EXPECT_EQ(ctx.engineState.KillPending, kTrue) << "the timer runs: the next tick acts";
    TickWithInputs(0);
    EXPECT_EQ(platform.PortByte(kBase), 0);
    EXPECT_EQ(ctx.schedule.RelayArray[1].HardStop, kTrue);
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_EQ(platform.power.requests, 0);
}

TEST_F(KillTest, KillButtonWithTheTimerOffActsAtOnceAndUnKillReleases) {
    ctx.engineState.TimerEnabled = false;
    ctx.schedule.RelayArray[1].Manual = kTrue;
    TickWithInputs(0);
    KillButtonPressed(ctx.engine, host);
    EXPECT_EQ(platform.PortByte(kBase), 0);
    EXPECT_TRUE(ctx.engineState.KillWindowShowsUnKill);
    EXPECT_EQ(ctx.schedule.ScheduleSuspended, kFalse);
    UnKillButtonPressed(ctx.engine);
    EXPECT_FALSE(ctx.engineState.KillWindowShowsUnKill);
    TickWithInputs(0); // reads back what the kill left
    TickWithInputs(0);
    EXPECT_EQ(platform.PortByte(kBase), 0b10) << "the schedule takes over again";
}

TEST_F(KillTest, OnlyAllOffTickedAsOneShowsTheUnKillButton) {
    // -1 is no check-box value: the relays still go OFF, but the kill window hides as for other actions.
    ctx.settings.KillActionAllOff = -1;
    ctx.engineState.TimerEnabled = false;
    ctx.engineState.KillWindowVisible = true;
    KillButtonPressed(ctx.engine, host);
    EXPECT_EQ(platform.PortByte(kBase), 0);
    EXPECT_FALSE(ctx.engineState.KillWindowShowsUnKill);
    EXPECT_FALSE(ctx.engineState.KillWindowVisible);
}

TEST_F(KillTest, ShutDownEndsTheProgramRemovesRunOnBootAndPowersOff) {
    ctx.settings.KillActionAllOff = 0;
    ctx.settings.KillActionShutDown = 1;
    ctx.regApi.SetNewValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "String",
                           "TavrelRunMe", "x", true);
    ctx.engineState.TimerEnabled = false;
    KillButtonPressed(ctx.engine, host);
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_EQ(platform.power.requests, 1);
    EXPECT_EQ(ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine,
                                           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "TavrelRunMe",
                                           false),
              kRegValueNameNotFound);
}

} // namespace
} // namespace tavrel

namespace tavrel {
namespace {

TEST_F(KillTest, AHostWithoutAClosePathNeverPowersOff) {
    ctx.settings.KillActionAllOff = 0;
    ctx.settings.KillActionShutDown = 1;
    ctx.engineState.TimerEnabled = false;
    TickHost noClosePath;
    KillButtonPressed(ctx.engine, noClosePath);
    EXPECT_EQ(platform.power.requests, 0);
}

TEST_F(KillTest, ShutDownCancelledAtTheSaveQuestionLeavesTheMachineOn) {
    ctx.settings.KillActionAllOff = 0;
    ctx.settings.KillActionShutDown = 1;
    ctx.regApi.SetNewValue(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "String",
                           "TavrelRunMe", "x", true);
    ctx.engineState.TimerEnabled = false;
    ctx.settings.LoggingOnOff = kTrue;
    ctx.settings.LogFilePath = platform.home.Path() + "/";
    host.closeAccepted = false;
    KillButtonPressed(ctx.engine, host);
    EXPECT_EQ(host.closeRequests, 1);
    EXPECT_EQ(platform.power.requests, 0);
    // The log says what happened, not what the settings asked for.
    const std::string log = test::ReadWholeFile(ctx.eventLog.CurrentLogPath());
    EXPECT_NE(log.find("Kill by button: close cancelled, program kept running"), std::string::npos) << log;
    EXPECT_EQ(log.find("computer shut down"), std::string::npos) << log;
    EXPECT_EQ(ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine,
                                           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "TavrelRunMe",
                                           false),
              "x")
        << "run-on-boot stays as it was";
}

} // namespace
} // namespace tavrel
