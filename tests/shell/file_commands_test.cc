// The File commands and the close path with their sequence: the one save question before a schedule
// goes, the timer, the crash flag, the recent files and the restart file.

#include "shell/file_commands.h"

#include "config/configuration.h"
#include "platform/file_io.h"
#include "shell/schedule_commands.h"
#include "shell/startup.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class FileCommandsTest : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    test::FakeMessageBoxes& boxes = t.platform.boxes;
    FileCommands files{ctx};
    int asked = 0;
    std::string savePath;

    void SetUp() override {
        ApplyDefaultConfiguration(ctx);
        LoadScheduleAtStart(ctx);
        files.SetAskSavePath([this] {
            ++asked;
            return savePath;
        });
        ctx.files.ScheduleChanged = kTrue;
        WriteRestartFile(ctx);
        ASSERT_TRUE(RestartFileExists());
    }
    bool RestartFileExists() { return FileExists(ctx.drives.Map("c:\\TVRestart.run")); }
    std::string Stored(const std::string& key, const std::string& name) {
        return ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, key, name, false);
    }
};

TEST_F(FileCommandsTest, OneQuestionWhoseEndingSaysWhatComesNext) {
    const struct {
        SaveMoment moment;
        const char* line;
    } cases[] = {{SaveMoment::BeforeReplacing, "Save it to New first?"},
                 {SaveMoment::BeforeClosing, "Save it to New before closing?"}};
    for (const auto& c : cases) {
        boxes.setNextAnswer(MsgResult::Cancel);
        EXPECT_FALSE(files.SaveChangesFirst(c.moment));
        EXPECT_EQ(boxes.Last().lines, (std::vector<std::string>{"The schedule has been changed.", c.line}));
        EXPECT_EQ(boxes.Last().buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(boxes.Last().defaultButton, MsgResult::Yes);
    }
    boxes.setNextAnswer(MsgResult::Yes);
    EXPECT_FALSE(files.SaveChangesFirst(SaveMoment::BeforeReplacing)) << "no name given: nothing saved";
    EXPECT_EQ(asked, 1);
}

TEST_F(FileCommandsTest, NewAfterYesSavesUnderTheNameAskedThenStartsAnEmptyScheduleWithTheTimer) {
    savePath = t.platform.home.File("kept.run");
    boxes.setNextAnswer(MsgResult::Yes);
    ctx.engineState.TimerEnabled = false;
    EXPECT_TRUE(files.New());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(FileExists(savePath));
    EXPECT_EQ(ctx.settings.DataFileName, "");
    EXPECT_EQ(ctx.files.ScheduleChanged, kFalse);
    EXPECT_TRUE(ctx.engineState.TimerEnabled);
    EXPECT_EQ(files.Recent().Files(), std::vector<std::string>{savePath}) << "Save As lists its file";
}

TEST_F(FileCommandsTest, CancelKeepsTheScheduleAndOpensNothing) {
    bool openAsked = false;
    files.SetAskOpenPath([&] {
        openAsked = true;
        return std::string("/never.run");
    });
    boxes.setNextAnswer(MsgResult::Cancel);
    EXPECT_EQ(files.Open(), OpenOutcome::Cancelled);
    EXPECT_FALSE(openAsked);
    EXPECT_EQ(ctx.files.ScheduleChanged, kTrue);
}

TEST_F(FileCommandsTest, AnOpenedFileRunsAndTopsTheRecentFilesAFailedOneDoesNeither) {
    const std::string good = t.platform.home.File("good.run");
    ASSERT_TRUE(FileSaveAs(ctx, good));
    ctx.engineState.TimerEnabled = false;
    EXPECT_EQ(files.OpenPath(good), OpenOutcome::Opened);
    EXPECT_TRUE(ctx.engineState.TimerEnabled);
    ctx.engineState.TimerEnabled = false;
    EXPECT_EQ(files.OpenPath(t.platform.home.File("missing.run")), OpenOutcome::Failed);
    EXPECT_FALSE(ctx.engineState.TimerEnabled);
    EXPECT_EQ(files.Recent().Files(), std::vector<std::string>{good});
}

TEST_F(FileCommandsTest, SaveDoesNothingWhileACrashRestartIsInForceSaveAsEndsIt) {
    savePath = t.platform.home.File("named.run");
    ctx.files.RestartedAfterCrash = kTrue;
    EXPECT_FALSE(files.Save());
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(files.SaveAs());
    EXPECT_EQ(ctx.files.RestartedAfterCrash, kFalse);
    EXPECT_TRUE(files.Save()) << "now under its own name, without asking";
    EXPECT_EQ(asked, 1);
}

TEST_F(FileCommandsTest, CloseYesAsksANameForANewScheduleSavesAndStoresTheRecentFiles) {
    savePath = t.platform.home.File("saved.run");
    boxes.setNextAnswer(MsgResult::Yes);
    EXPECT_TRUE(files.CloseRequest(CloseKind::ByUser));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(FileExists(savePath));
    EXPECT_FALSE(RestartFileExists());
    EXPECT_EQ(Stored(kRecentFilesKey, "0"), savePath);
    EXPECT_FALSE(ctx.portAccess.PortLibraryReady());
}

TEST_F(FileCommandsTest, CloseYesWithTheNameDialogCancelledKeepsRunning) {
    boxes.setNextAnswer(MsgResult::Yes);
    EXPECT_FALSE(files.CloseRequest(CloseKind::ByUser));
    EXPECT_TRUE(ctx.engineState.TimerEnabled);
    EXPECT_TRUE(RestartFileExists());
}

TEST_F(FileCommandsTest, CloseNoEndsWithoutSavingAndCancelKeepsTheTimerRunning) {
    boxes.setNextAnswer(MsgResult::Cancel);
    EXPECT_FALSE(ctx.engineState.TimerEnabled);
    EXPECT_FALSE(files.CloseRequest(CloseKind::ByUser));
    EXPECT_TRUE(ctx.engineState.TimerEnabled) << "enabled even though it was off before";
    EXPECT_EQ(ctx.schedule.ScheduleSuspended, kFalse);
    EXPECT_TRUE(RestartFileExists());

    boxes.setNextAnswer(MsgResult::No);
    EXPECT_TRUE(files.CloseRequest(CloseKind::ByUser));
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(RestartFileExists());
}

TEST_F(FileCommandsTest, TheSystemEndingTheProgramAsksNothingAndKeepsTheRestartFile) {
    EXPECT_TRUE(files.CloseRequest(CloseKind::BySystem));
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_TRUE(RestartFileExists());
    EXPECT_FALSE(ctx.portAccess.PortLibraryReady());
    EXPECT_TRUE(LoadScheduleAtStart(ctx)) << "the next start resumes";
    EXPECT_TRUE(ctx.engineState.TimerEnabled);
    DeleteRestartFile(ctx);
}

} // namespace
} // namespace tavrel
