#include "files/run_file.h"
#include "shell/schedule_commands.h"

#include "shell/program_context.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace tavrel {
namespace {

namespace fs = std::filesystem;

unsigned ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

class RestartFileSafety : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    std::string RestartCopy() const { return t.platform.home.File("drive_c/TVRestart.run"); }
};

// drive_c removed after first use, and removed before it (the c: link dangling): made again.
TEST_F(RestartFileSafety, AMissingDriveCIsMadeAgain) {
    for (const bool usedBefore : {true, false}) {
        if (usedBefore)
            WriteRestartFile(ctx);
        else
            ctx.drives.Map("c:\\"); // the link exists from an earlier run
        fs::remove_all(t.platform.home.File("drive_c"));
        WriteRestartFile(ctx);
        EXPECT_EQ(t.platform.boxes.Count(), 0u) << usedBefore;
        EXPECT_EQ(ctx.files.RestartWriteDisabled, kFalse) << usedBefore;
        EXPECT_TRUE(fs::is_regular_file(RestartCopy())) << usedBefore;
        EXPECT_EQ(ModeOf(t.platform.home.File("drive_c")), 0700u);
        EXPECT_EQ(ModeOf(RestartCopy()), 0600u);
    }
}

// Only a regular file at the restart path is the restart file.
TEST_F(RestartFileSafety, DeleteLeavesAnythingButARegularFile) {
    ctx.drives.Map("c:\\");
    fs::create_directory(RestartCopy());
    DeleteRestartFile(ctx);
    EXPECT_TRUE(fs::is_directory(RestartCopy()));
    fs::remove(RestartCopy());
    WriteRestartFile(ctx);
    DeleteRestartFile(ctx);
    EXPECT_FALSE(fs::exists(RestartCopy()));
}

// Each reason a run file cannot be opened is said as it is; the result stays the reader's.
TEST_F(RestartFileSafety, OpenFailuresSayWhatIsWrong) {
    fs::create_directory(t.platform.home.File("folder.run"));
    const struct {
        std::string name;
        std::string text;
    } cases[] = {
        {"folder.run", "The path is a folder, not a file"},
        {std::string(300, 'n') + ".run", "The file name is too long for this system"},
        {"missing.run", "File not found"},
    };
    for (const auto& c : cases) {
        t.platform.boxes.Clear();
        EXPECT_EQ(ctx.runFiles.LoadRunFile(t.platform.home.Path() + "/", c.name, true), kRunFileOpenFailed);
        ASSERT_EQ(t.platform.boxes.Count(), 1u) << c.text;
        EXPECT_EQ(t.platform.boxes.Last().title, "Open Run File Error");
        EXPECT_EQ(t.platform.boxes.Last().Text(), c.text);
    }
}

} // namespace
} // namespace tavrel
