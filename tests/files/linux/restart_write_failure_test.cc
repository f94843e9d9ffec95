#include "shell/schedule_commands.h"

#include "engine/tick.h"
#include "shell/program_context.h"
#include "support/recording_host.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tavrel {
namespace {

namespace fs = std::filesystem;

// Drive C leads to a folder that is not there (as a full disk refuses the write), then is made: the
// failure is said once, the file is tried again at most once a minute while the timer runs, and the
// recovery is said once.
class RestartWriteFailure : public ::testing::Test {
protected:
    void SetUp() override {
        t.platform.clock.Set(2026, 12, 7, 14, 3, 0);
        ctx.settings.LoggingOnOff = kTrue;
        ctx.settings.LogFilePath = t.platform.home.Path() + "/";
        ctx.notices = &notices;
        fs::create_directories(t.platform.home.File("dosdevices"));
        fs::remove(t.platform.home.File("dosdevices/c:"));
        fs::create_directory_symlink(drive, t.platform.home.File("dosdevices/c:"));
        EnableTimer(ctx.engine);
    }
    // Ticks for `seconds`, a tick a second.
    void RunFor(int seconds) {
        for (int s = 0; s < seconds; ++s) {
            t.platform.clock.Advance(1000);
            Tick(ctx.engine, host);
        }
    }
    size_t LogLines(const std::string& text) {
        const std::string log = test::ReadWholeFile(t.platform.home.File("Tavrel_2026_12_07.Log"));
        size_t count = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++count;
        return count;
    }

    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    test::RecordingHost host;
    std::ostringstream notices;
    const std::string drive = t.platform.home.File("disk");
    const std::string restartFile = drive + "/TVRestart.run";
};

TEST_F(RestartWriteFailure, SaidOnceThenTriedAgainEachMinuteUntilWritten) {
    WriteRestartFile(ctx);
    ASSERT_EQ(t.platform.boxes.Count(), 2u) << "the save's own message, then the restart message";
    EXPECT_EQ(t.platform.boxes.Shown()[0].title, "Open File Error");
    EXPECT_EQ(t.platform.boxes.Last().title, "Unable to Create Restart File!");
    EXPECT_EQ(t.platform.boxes.Last().lines.front(), "Restart Capability will be Disabled");
    EXPECT_EQ(t.platform.boxes.Last().icon, MsgIcon::Warning);
    EXPECT_EQ(ctx.files.RestartWriteDisabled, kTrue);

    RunFor(150); // two more tries, both failing, neither said again
    EXPECT_EQ(t.platform.boxes.Count(), 2u);
    EXPECT_EQ(LogLines("Restart File Cannot be written"), 1u);

    fs::create_directory(drive); // space freed
    const int64_t freed = t.platform.clock.MonotonicMs();
    int64_t writtenAfterMs = -1;
    for (int s = 0; s < 70 && writtenAfterMs < 0; ++s) {
        RunFor(1);
        if (fs::exists(restartFile))
            writtenAfterMs = t.platform.clock.MonotonicMs() - freed;
    }
    EXPECT_GT(writtenAfterMs, 0) << "written again without a new edit";
    EXPECT_LE(writtenAfterMs, kRestartRetryMs);
    EXPECT_EQ(ctx.files.RestartWriteDisabled, kFalse);
    EXPECT_FALSE(ctx.engineState.RestartWriteOwed);
    EXPECT_EQ(LogLines("Restart File Written again"), 1u);
    EXPECT_EQ(notices.str(), "tavreld: the restart file is written again.\n");
    EXPECT_EQ(t.platform.boxes.Count(), 2u);
}

TEST_F(RestartWriteFailure, EditsWithinTheMinuteWaitForTheRetry) {
    WriteRestartFile(ctx);
    fs::create_directory(drive);
    t.platform.clock.Advance(kRestartRetryMs - 1000);
    WriteRestartFile(ctx); // an edit
    EXPECT_FALSE(fs::exists(restartFile)) << "not tried again within the minute";
    EXPECT_TRUE(ctx.engineState.RestartWriteOwed);
    t.platform.clock.Advance(1000);
    WriteRestartFile(ctx);
    EXPECT_TRUE(fs::exists(restartFile));
}

} // namespace
} // namespace tavrel
