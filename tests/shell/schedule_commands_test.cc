#include "shell/schedule_commands.h"

#include "files/run_on_boot.h"
#include "platform/autostart.h"
#include "shell/program_context.h"
#include "support/fake_port_library.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavrel {
namespace {

const std::string kData = std::string(TAVREL_TEST_DATA) + "/runfiles/";

class ScheduleCommands : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    test::FakeMessageBoxes& boxes = t.platform.boxes;

    void SetUp() override {
        InitialiseNewSchedule(ctx.schedule);
        DeleteRestartFile(ctx);
        ctx.settings.LoggingOnOff = kTrue;
        ctx.settings.LogFilePath = t.platform.home.Path() + "/";
    }
    void TearDown() override { DeleteRestartFile(ctx); }

    std::string RestartPath() { return ctx.drives.Map(std::string(kRestartFolder) + kRestartFileName); }
    std::string Log() { return test::ReadWholeFile(ctx.eventLog.CurrentLogPath()); }
};

TEST_F(ScheduleCommands, OpenZeroesCountersLogsAndWritesTheRestartFile) {
    ASSERT_EQ(FileOpen(ctx, kData + "v2002_08_01.run"), kRunFileLoaded);
    EXPECT_EQ(ctx.settings.DataFileName, "v2002_08_01.run");
    EXPECT_EQ(ctx.settings.DataFilePath, kData);
    EXPECT_EQ(ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kConfigKey, "DataFileName", false),
              "v2002_08_01.run");
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(ctx.schedule.RelayArray[r].Counter, 0);
    EXPECT_EQ(ctx.schedule.RelayArray[7].HardStop, kTrue);
    EXPECT_NE(Log().find(" Open " + kData + "v2002_08_01.run"), std::string::npos);
    ASSERT_TRUE(std::filesystem::exists(RestartPath()));
    EXPECT_EQ(ctx.schedule.ScheduleSuspended, kFalse);

    // The restart file is the schedule as it runs now.
    InitialiseNewSchedule(ctx.schedule);
    ASSERT_TRUE(LoadRestartFile(ctx));
    EXPECT_EQ(ctx.schedule.RelayArray[2].DisplayName, "Relay 3");
    EXPECT_EQ(ctx.schedule.RelayArray[5].Counter, 0);
    EXPECT_NE(Log().find(" ReStart ****** System Crashed & Restarted ******"), std::string::npos);
}

TEST_F(ScheduleCommands, OpenThatFailsLeavesANewSchedule) {
    ctx.schedule.RelayArray[0].DisplayName = "old";
    test::WriteWholeFile(t.platform.home.File("bad.run"), "FV.2002.08.01|.b0.r7.t5\r\n 1 \r\nHalf\r\n");
    EXPECT_EQ(FileOpen(ctx, t.platform.home.File("bad.run")), kRunFileOpenFailed);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Shown()[0].title, "Error Reading Relay Array");
    EXPECT_EQ(boxes.Shown()[1].Text(), "New, error encountered loading selected Run-Schedule");
    EXPECT_EQ(ctx.settings.DataFileName, "");
    EXPECT_EQ(ctx.schedule.RelayArray[0].DisplayName, ctx.schedule.BoardArray[0].RelayNames[0]);
    EXPECT_EQ(ctx.schedule.RelayArray[0].DaysOfWeek, "All Days");
}

TEST_F(ScheduleCommands, OpenThatFailsKeepsTheStoredFileOfTheLastGoodOpen) {
    ASSERT_EQ(FileOpen(ctx, kData + "v2002_08_01.run"), kRunFileLoaded);
    test::WriteWholeFile(t.platform.home.File("bad.run"), "FV.2002.08.01|.b0.r7.t5\r\n 1 \r\nHalf\r\n");
    EXPECT_EQ(FileOpen(ctx, t.platform.home.File("bad.run")), kRunFileOpenFailed);
    EXPECT_EQ(FileOpen(ctx, t.platform.home.File("missing.run")), kRunFileOpenFailed);
    EXPECT_EQ(ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kConfigKey, "DataFileName", false),
              "v2002_08_01.run");
    EXPECT_EQ(ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kConfigKey, "DataFilePath", false), kData);
}

TEST_F(ScheduleCommands, RunFileNameWithALineBreakSurvivesTheNextStart) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows file names cannot hold a line break";
#endif
    const std::string name = "a\nb.run";
    std::filesystem::copy_file(kData + "v2002_08_01.run", t.platform.home.File(name));
    ASSERT_EQ(FileOpen(ctx, t.platform.home.File(name)), kRunFileLoaded);
    // The next start reads the same hive files afresh.
    std::vector<std::vector<std::string>> problems;
    auto registry =
        MakeHiveRegistry(t.platform.home.File("registry"),
                         [&](const std::vector<std::string>& lines) { problems.push_back(lines); });
    modRegAPI api(*registry, boxes);
    EXPECT_EQ(api.ReadRegValueCheck(kHkeyLocalMachine, kConfigKey, "DataFileName", false), name);
    EXPECT_TRUE(problems.empty());
}

TEST_F(ScheduleCommands, SaveAndSaveAs) {
    ctx.settings.DataFilePath = "";
    ctx.settings.DataFileName = "";
    EXPECT_FALSE(FileSave(ctx)) << "no name yet: the caller asks for one";
    ctx.schedule.RelayArray[1].DisplayName = "Lights";
    ctx.files.RestartedAfterCrash = kTrue;
    ASSERT_TRUE(FileSaveAs(ctx, t.platform.home.File("Lights.run")));
    EXPECT_EQ(ctx.files.RestartedAfterCrash, kFalse);
    EXPECT_NE(Log().find(" Save " + t.platform.home.File("Lights.run")), std::string::npos);
    ctx.schedule.RelayArray[1].DisplayName = "Garden lights";
    ASSERT_TRUE(FileSave(ctx));
    InitialiseNewSchedule(ctx.schedule);
    ASSERT_EQ(FileOpen(ctx, t.platform.home.File("Lights.run")), kRunFileLoaded);
    EXPECT_EQ(ctx.schedule.RelayArray[1].DisplayName, "Garden lights");
}

TEST_F(ScheduleCommands, RestartFileKeepsCountersAndFlagsAcrossACrash) {
    ctx.schedule.RelayArray[4].Manual = kTrue;
    ctx.schedule.RelayArray[4].Counter = 123;
    ctx.files.RestartedAfterCrash = kTrue;
    WriteRestartFile(ctx);
    EXPECT_EQ(ctx.files.RestartedAfterCrash, kTrue) << "writing the restart file keeps the flag";
    InitialiseNewSchedule(ctx.schedule);
    ASSERT_TRUE(LoadRestartFile(ctx));
    EXPECT_EQ(ctx.schedule.RelayArray[4].Manual, kTrue);
    EXPECT_EQ(ctx.schedule.RelayArray[4].Counter, 123);
    DeleteRestartFile(ctx);
    EXPECT_FALSE(std::filesystem::exists(RestartPath()));
    EXPECT_FALSE(LoadRestartFile(ctx)) << "a missing restart file is silent";
    EXPECT_EQ(boxes.Count(), 0u);
    DeleteRestartFile(ctx);
}

TEST_F(ScheduleCommands, NewDeletesThenRewritesTheRestartFile) {
    ctx.schedule.RelayArray[0].DisplayName = "x";
    ctx.files.RestartWriteDisabled = kTrue;
    FileNew(ctx);
    EXPECT_EQ(ctx.files.RestartWriteDisabled, kFalse);
    EXPECT_EQ(ctx.schedule.RelayArray[0].DisplayName, ctx.schedule.BoardArray[0].RelayNames[0]);
    ASSERT_TRUE(std::filesystem::exists(RestartPath()));
}

class RunOnBoot : public ScheduleCommands {
protected:
    std::unique_ptr<Autostart> autostart = MakeXdgAutostart(t.platform.home.File("autostart"));
    clsRunOnBootOnceAlways boot{ctx.regApi, boxes};
    const std::string entry = t.platform.folders.ProgramPath() + " " + kRunMeMarker;

    void SetUp() override {
        ScheduleCommands::SetUp();
        // Keys a Windows machine has from the start.
        ctx.regApi.VerifyCreateRegKey(kHkeyLocalMachine, kRunKey, true);
        ctx.regApi.VerifyCreateRegKey(kHkeyLocalMachine, kRunOnceKey, true);
        t.platform.folders.files = {"C:\\WINDOWS\\system32\\winio.sys", "C:\\WINDOWS\\system32\\winio.dll",
                                    "C:\\WINDOWS\\system32\\winio.vxd"};
    }
    std::string Value(int32_t root, const char* key) {
        return ctx.regApi.ReadRegValueCheck(root, key, kRunMeValueName, false);
    }
};

TEST_F(RunOnBoot, AlwaysTwiceLeavesOneEntryAndTheAutostart) {
    EXPECT_EQ(boot.CheckRunMeOnBoot(), kRunOnBootNone);
    RunOnBootAlways(ctx, *autostart, "/usr/bin/tavreld --boot");
    RunOnBootAlways(ctx, *autostart, "/usr/bin/tavreld --boot");
    EXPECT_EQ(Value(kHkeyLocalMachine, kRunKey), entry);
    EXPECT_EQ(Value(kHkeyLocalMachine, kRunOnceKey), kRegValueNameNotFound);
    EXPECT_EQ(boot.CheckRunMeOnBoot(), kRunOnBootAlways);
    EXPECT_TRUE(autostart->Installed());
    EXPECT_NE(test::ReadWholeFile(t.platform.home.File("autostart/tavrel-boot.desktop"))
                  .find("Exec=/usr/bin/tavreld --boot\n"),
              std::string::npos);
    EXPECT_EQ(boxes.Count(), 0u);

    RunOnBootNextTime(ctx, *autostart, "/usr/bin/tavreld --boot");
    EXPECT_EQ(Value(kHkeyLocalMachine, kRunKey), kRegValueNameNotFound);
    EXPECT_EQ(Value(kHkeyLocalMachine, kRunOnceKey), entry);
    EXPECT_EQ(boot.CheckRunMeOnBoot(), kRunOnBootOnce);
}

TEST_F(RunOnBoot, NeverRemovesEntriesUnderBothRootsAndAnyDataCounts) {
    ctx.regApi.SetNewValue(kHkeyCurrentUser, kRunServicesKey, "String", kRunMeValueName, "whatever", true);
    EXPECT_EQ(boot.CheckRunMeOnBoot(), kRunOnBootAlways);
    ctx.regApi.SetNewValue(kHkeyCurrentUser, kRunOnceKey, "Number", kRunMeValueName, "7", true);
    EXPECT_EQ(boot.CheckRunMeOnBoot(), kRunOnBootOnce) << "the first key in the search order decides";
    autostart->Install("tavreld --boot");
    RunOnBootNever(ctx, *autostart);
    EXPECT_EQ(boot.CheckRunMeOnBoot(), kRunOnBootNone);
    EXPECT_EQ(Value(kHkeyCurrentUser, kRunServicesKey), kRegValueNameNotFound);
    EXPECT_FALSE(autostart->Installed());
}

TEST(RunOnBootFiles, MissingDriverFilesStopTheSetUp) {
    test::TestPlatform platform;
    platform.ports = std::make_unique<test::FakePortLibrary>(); // a port library that needs its driver files
    ProgramContext ctx(platform.Services());
    auto autostart = MakeXdgAutostart(platform.home.File("autostart"));
    RunOnBootAlways(ctx, *autostart, "tavreld --boot");
    ASSERT_EQ(platform.boxes.Count(), 1u);
    EXPECT_EQ(platform.boxes.Last().title, "User Action Required");
    EXPECT_EQ(clsRunOnBootOnceAlways(ctx.regApi, platform.boxes).CheckRunMeOnBoot(), kRunOnBootNone);
    EXPECT_FALSE(autostart->Installed());
}

TEST(RunOnBootKeys, MissingKeysAreReportedAndTheEntryIsStillWritten) {
    test::TestContext t;
    t.platform.folders.files = {"C:\\WINDOWS\\system32\\winio.sys", "C:\\WINDOWS\\system32\\winio.dll",
                                "C:\\WINDOWS\\system32\\winio.vxd"};
    auto autostart = MakeXdgAutostart(t.platform.home.File("autostart"));
    RunOnBootAlways(t.ctx, *autostart, "tavreld --boot");
    ASSERT_EQ(t.platform.boxes.Count(), 2u);
    EXPECT_EQ(t.platform.boxes.Shown()[0].Text(),
              "A Registry Key does not exist\r\n\r\nTavrel cannot install Run-On-Boot\r\n\r\n"
              "Create a Shortcut in the Startup group\r\n\r\n  under Programs in the Start button to setup "
              "Run-On-Boot");
    EXPECT_EQ(t.platform.boxes.Shown()[0].icon, MsgIcon::Warning);
    EXPECT_EQ(t.platform.boxes.Shown()[1].Text(),
              "Error-Unable to setup Auto-Restart\r\n\r\nPlease create a Short-Cut\r\n\r\n"
              "    in the Start-up group of the Start Button");
    clsRunOnBootOnceAlways boot(t.ctx.regApi, t.platform.boxes);
    EXPECT_EQ(boot.CheckRunMeOnBoot(), kRunOnBootAlways);
}

} // namespace
} // namespace tavrel
