#include "shell/startup.h"

#include "files/run_on_boot.h"
#include "shell/boot_entries.h"
#include "shell/console_host.h"
#include "shell/loop_wake.h"
#include "shell/schedule_commands.h"
#include "shell/schedule_printer.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tavrel {
namespace {

class StartupTest : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    std::ostringstream err;
};

TEST_F(StartupTest, NoConfigurationSavesTheDefaultsAndSaysSo) {
    EXPECT_TRUE(CheckConfigurationHeadless(ctx, err));
    EXPECT_NE(err.str().find("Tavrel is not Configured!"), std::string::npos);
    EXPECT_EQ(ctx.schedule.BoardArray[0].RunNoBoard, 1) << "board 1 emulated";
    EXPECT_EQ(ctx.settings.ConfigVersion, kConfigVersionTag);
    EXPECT_EQ(t.platform.boxes.Count(), 0u);

    err.str("");
    ctx.schedule.BoardArray[0].RunNoBoard = 0;
    EXPECT_TRUE(CheckConfigurationHeadless(ctx, err));
    EXPECT_EQ(err.str(), "") << "the stored configuration is loaded silently";
    EXPECT_EQ(ctx.schedule.BoardArray[0].RunNoBoard, 1);
    EXPECT_EQ(ctx.schedule.BoardArray[0].RelayNames[7], "Relay 8");
}

TEST_F(StartupTest, AnotherVersionIsReplacedWithTheDefaults) {
    ctx.regApi.SetNewValue(kHkeyLocalMachine, kConfigKey, "String", "ConfigVersion",
                           "FV.2003.01.01|.b3.r7.t5", true);
    EXPECT_TRUE(CheckConfigurationHeadless(ctx, err));
    EXPECT_NE(err.str().find("Your Configuration is for more boards then this program will support"),
              std::string::npos);
    EXPECT_NE(err.str().find("The additional board information will be removed"), std::string::npos);
    EXPECT_EQ(ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kConfigKey, "ConfigVersion", false),
              kConfigVersionTag);
}

TEST_F(StartupTest, ProgramLoadEventsAndTheirTime) {
    EXPECT_EQ(ProgramLoadTimeText(9 * 3600 + 5 * 60 + 3), "9:5:3");
    EXPECT_EQ(ProgramLoadTimeText(23 * 3600 + 59 * 60 + 59), "23:59:59");
    ctx.settings.LoggingOnOff = kTrue;
    ctx.settings.LogFilePath = t.platform.home.Path() + "/";
    t.platform.clock.Set(2026, 12, 7, 9, 5, 3);
    LogProgramLoad(ctx);
    EXPECT_EQ(
        test::ReadWholeFile(ctx.eventLog.CurrentLogPath()),
        "09:05:03 12/7/2026 Program Load  9:5:3\r\n09:05:03 12/7/2026 Program Load, Version  0.1.0\r\n");
}

TEST_F(StartupTest, LoadResumesARestartFileAndStartsTheTimer) {
    ctx.schedule.BoardArray[0].RunNoBoard = 1;
    EXPECT_FALSE(LoadScheduleAtStart(ctx));
    EXPECT_FALSE(ctx.engineState.TimerEnabled) << "no schedule action yet";
    ctx.schedule.RelayArray[2].Manual = kTrue;
    WriteRestartFile(ctx);
    EXPECT_TRUE(LoadScheduleAtStart(ctx));
    EXPECT_EQ(ctx.files.RestartedAfterCrash, kTrue);
    EXPECT_TRUE(ctx.engineState.TimerEnabled);
    EXPECT_EQ(ctx.schedule.RelayArray[2].Manual, kTrue);
    CloseProgram(ctx);
    EXPECT_FALSE(ctx.portAccess.PortLibraryReady());
    EXPECT_FALSE(LoadScheduleAtStart(ctx)) << "a normal close removed the restart file";
}

TEST_F(StartupTest, AStopByTheSystemKeepsTheRestartFile) {
    ctx.schedule.BoardArray[0].RunNoBoard = 1;
    ctx.schedule.RelayArray[1].Counter = 7;
    WriteRestartFile(ctx);
    CloseProgram(ctx, RestartFileOnClose::Keep);
    EXPECT_FALSE(LoadScheduleAtStart(ctx, false)) << "told not to resume";
    EXPECT_EQ(ctx.schedule.RelayArray[1].Counter, 0);
    EXPECT_TRUE(LoadScheduleAtStart(ctx)) << "the restart file was kept";
    EXPECT_EQ(ctx.schedule.RelayArray[1].Counter, 7);
}

TEST_F(StartupTest, CloseResetsTheBoardsThatAskForIt) {
    ctx.schedule.BoardArray[0] = BoardRecord{"CBRelay08", 0x300, 0x301, 0, 0, kFalse, 1, 1, 0, 0, {}};
    ctx.boards.AllRelaysOn(0);
    ASSERT_EQ(t.platform.PortByte(0x300), 0xFF);
    CloseProgram(ctx);
    EXPECT_EQ(t.platform.PortByte(0x300), 0);
}

TEST(SchedulePrinter, DocumentedForm) {
    test::TestContext t;
    InitialiseNewSchedule(t.ctx.schedule);
    t.ctx.schedule.RelayArray[0].DisplayName = "Pump";
    t.ctx.schedule.RelayArray[0].Counter = 12;
    t.ctx.schedule.RelayArray[0].HardStop = kTrue;
    t.ctx.schedule.TimeArray[0] = {"06:00:00", "08:00:00", 0};
    std::ostringstream out;
    PrintSchedule(t.ctx.schedule, t.ctx.settings, t.ctx.clock.Today(), out);
    EXPECT_EQ(
        out.str().rfind(std::string("LoggingOnOff: 0\n"
                                    "Relay 1: Pump\n"
                                    "  DaysOfWeek: All Days (every day)\n"
                                    "  CycleCode: EO (no restriction)\n"
                                    "  Manual: 0  Invert: 0  CountEnabled: 0  Counter: 12  HardStop: 1\n"
                                    "  IconFile: \n"
                                    "  Pair 1: 06:00:00 - 08:00:00\n"
                                    "  Pair 2:  - \n"),
                        0),
        0u);
}

TEST(BootEntries, RunEntriesStartAndRunOnceEntriesGoFirst) {
    test::TestContext t;
    modRegAPI& reg = t.ctx.regApi;
    reg.SetNewValue(kHkeyLocalMachine, kRunKey, "String", "TavrelRunMe",
                    "/opt/tavrel/tavreld k572mx83pqa914 0x00c4e21b", true);
    reg.SetNewValue(kHkeyCurrentUser, kRunOnceKey, "String", "Once", "once-command", true);
    std::vector<std::string> started;
    std::ostringstream err;
    const int n = RunBootEntries(
        *t.platform.registry,
        [&](const std::string& command, std::string&) {
            started.push_back(command);
            // The once-only entry is gone before its command runs.
            if (command == "once-command") {
                EXPECT_EQ(reg.ReadRegValueCheck(kHkeyCurrentUser, kRunOnceKey, "Once", false),
                          kRegValueNameNotFound);
            }
            return true;
        },
        err);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(started,
              (std::vector<std::string>{"/opt/tavrel/tavreld k572mx83pqa914 0x00c4e21b", "once-command"}));
    EXPECT_NE(reg.ReadRegValueCheck(kHkeyLocalMachine, kRunKey, "TavrelRunMe", false), kRegValueNameNotFound);
    EXPECT_EQ(RunBootEntries(
                  *t.platform.registry,
                  [](const std::string&, std::string& e) {
                      e = "no";
                      return false;
                  },
                  err),
              0);
    EXPECT_NE(err.str().find("cannot start the start-up entry \"TavrelRunMe\""), std::string::npos);
}

// Records the monotonic time of each tick.
class TimingHost final : public TickHost {
public:
    explicit TimingHost(const Clock& clock) : clock_(clock) {}
    void ProcessPendingMessages() override { ticks.push_back(clock_.MonotonicMs()); }
    std::vector<int64_t> ticks;

private:
    const Clock& clock_;
};

TEST(SchedulerLoop, TicksOnMonotonicDeadlinesWithoutDrift) {
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    ctx.schedule.BoardArray[0] = BoardRecord{"SlowCard3", 0x300, 0, 0, 0, kFalse, 0, 0, 0, 0, {}};
    InitialiseNewSchedule(ctx.schedule);
    ctx.schedule.RelayArray[0].CycleCode =
        "OS"; // switches every second: each such tick spends 300 ms settling
    ctx.schedule.TimeArray[0] = {"00:00:00", "23:59:59", 0};
    ctx.engineState.TimerEnabled = true;
    TimingHost host(t.platform.clock);
    RunSchedulerLoop(ctx, host, [&] { return host.ticks.size() >= 20; });
    ASSERT_EQ(host.ticks.size(), 20u);
    // The first tick writes all eight relays (2.4 s of settling) and the loop starts afresh after it.
    for (size_t k = 1; k < host.ticks.size(); ++k)
        EXPECT_EQ(host.ticks[k] - host.ticks[1], static_cast<int64_t>(k - 1) * 950) << k;
}

TEST(SchedulerLoop, IdleWhileTheTimerIsOff) {
    test::TestContext t;
    TimingHost host(t.platform.clock);
    int rounds = 0;
    RunSchedulerLoop(t.ctx, host, [&] { return ++rounds > 5; });
    EXPECT_TRUE(host.ticks.empty());
}

TEST(SchedulerLoop, AWakeRunsTheWorkBetweenTicksAtOnceWithoutAnExtraTick) {
    test::TestContext t;
    t.ctx.engineState.TimerEnabled = true;
    TimingHost host(t.platform.clock);
    LoopWake wake;
    std::vector<int64_t> roundsAt;
    RunSchedulerLoop(
        t.ctx, host,
        [&] {
            roundsAt.push_back(t.platform.clock.MonotonicMs() - 1'000'000);
            wake.Wake(); // a command arrived while this round's work ran
            return roundsAt.size() > 3;
        },
        {}, &wake);
    // Only the first round ticked; the others came on wakes, at once and then 50 ms apart at the least.
    EXPECT_EQ(host.ticks.size(), 1u);
    EXPECT_EQ(roundsAt, (std::vector<int64_t>{0, 0, 50, 100}));
}

} // namespace
} // namespace tavrel
