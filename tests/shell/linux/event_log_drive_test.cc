#include "shell/event_log.h"

#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tavrel {
namespace {

// The default log folder "c:\" is the drive map's drive C.
TEST(EventLogDrive, DefaultFolderLandsInDriveC) {
    test::TestContext t;
    t.platform.clock.Set(2026, 12, 7, 9, 0, 0);
    t.ctx.settings.LoggingOnOff = kTrue;
    t.ctx.settings.LogFilePath = "c:\\";
    t.ctx.eventLog.WriteEvent("Save", "c:\\New.run");
    EXPECT_EQ(test::ReadWholeFile(t.platform.home.File("drive_c/Tavrel_2026_12_07.Log")),
              "09:00:00 12/7/2026 Save c:\\New.run\r\n");
}

class EventLogFolder : public ::testing::Test {
protected:
    test::TestContext t;
    std::ostringstream said;
    void SetUp() override {
        t.platform.clock.Set(2026, 12, 7, 9, 0, 0);
        t.ctx.settings.LoggingOnOff = kTrue;
        t.ctx.notices = &said;
    }
};

// "c:\logs\", the README's own example: made as drive_c is, at the first line.
TEST_F(EventLogFolder, AMissingFolderOnTheProgramsDrivesIsMade) {
    t.ctx.settings.LogFilePath = "c:\\logs\\";
    t.ctx.eventLog.WriteEvent("Save", "c:\\New.run");
    EXPECT_EQ(test::ReadWholeFile(t.platform.home.File("drive_c/logs/Tavrel_2026_12_07.Log")),
              "09:00:00 12/7/2026 Save c:\\New.run\r\n");
    EXPECT_EQ(said.str(), "");
}

// A folder elsewhere is the user's to make: said once, shown, tried again a minute later, and its return
// said once.
TEST_F(EventLogFolder, AFolderThatCannotBeWrittenIsSaidOnceAndTriedEachMinute) {
    const std::string folder = t.platform.home.File("elsewhere");
    t.ctx.settings.LogFilePath = folder + "/";
    for (int i = 0; i < 3; ++i)
        t.ctx.eventLog.WriteEvent("Save", "c:\\New.run");
    EXPECT_EQ(said.str(),
              "tavreld: event log not written (" + folder +
                  "/Tavrel_2026_12_07.Log: No such file or directory), tried again each minute\n");
    EXPECT_EQ(t.ctx.eventLog.Problem.rfind("event log not written (", 0), 0u);
    said.str("");
    std::filesystem::create_directory(folder);
    t.platform.clock.Advance(30'000);
    t.ctx.eventLog.WriteEvent("Save", "a");
    EXPECT_FALSE(std::filesystem::exists(folder + "/Tavrel_2026_12_07.Log")) << "not before the minute";
    t.platform.clock.Advance(30'000);
    t.ctx.eventLog.WriteEvent("Save", "b");
    EXPECT_EQ(said.str(), "tavreld: the event log is written again: " + folder + "/Tavrel_2026_12_07.Log\n");
    EXPECT_EQ(t.ctx.eventLog.Problem, "");
}

TEST_F(EventLogFolder, ADayLogThatIsALinkIsReplacedByAFileOfItsOwn) {
    t.ctx.settings.LogFilePath = t.platform.home.Path() + "/";
    const std::string log = t.platform.home.File("Tavrel_2026_12_07.Log");
    const std::string target = t.platform.home.File("someone-elses");
    test::WriteWholeFile(target, "theirs\n");
    std::filesystem::create_symlink(target, log);
    t.ctx.eventLog.WriteEvent("Save", "a");
    t.ctx.eventLog.WriteEvent("Save", "b");
    EXPECT_FALSE(std::filesystem::is_symlink(log));
    EXPECT_EQ(test::ReadWholeFile(log), "09:00:00 12/7/2026 Save a\r\n09:00:00 12/7/2026 Save b\r\n");
    EXPECT_EQ(test::ReadWholeFile(target), "theirs\n");
    EXPECT_EQ(said.str(),
              "tavreld: the event log " + log + " was a symbolic link: replaced with a file of its own\n");
}

} // namespace
} // namespace tavrel
