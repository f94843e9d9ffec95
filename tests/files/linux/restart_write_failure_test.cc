#include "shell/schedule_commands.h"

#include "shell/program_context.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavrel {
namespace {

// Drive C leads nowhere: the restart file cannot be written, which is said once.
TEST(RestartFile, WriteFailureIsShownOnceAndWritingStops) {
    test::TestContext t;
    std::filesystem::create_directories(t.platform.home.File("dosdevices"));
    std::filesystem::remove(t.platform.home.File("dosdevices/c:"));
    std::filesystem::create_directory_symlink(t.platform.home.File("missing"),
                                              t.platform.home.File("dosdevices/c:"));
    WriteRestartFile(t.ctx);
    WriteRestartFile(t.ctx);
    ASSERT_EQ(t.platform.boxes.Count(), 2u)
        << "the save's own message, then the restart message; then nothing";
    EXPECT_EQ(t.platform.boxes.Shown()[0].title, "Open File Error");
    EXPECT_EQ(t.platform.boxes.Last().title, "Unable to Create Restart File!");
    EXPECT_EQ(t.platform.boxes.Last().Text(), "Restart Capability will be Disabled");
    EXPECT_EQ(t.platform.boxes.Last().icon, MsgIcon::Warning);
    EXPECT_EQ(t.ctx.files.RestartWriteDisabled, kTrue);
}

} // namespace
} // namespace tavrel
