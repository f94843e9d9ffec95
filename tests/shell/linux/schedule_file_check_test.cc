#include "shell/schedule_file_check.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tavrel {
namespace {

namespace fs = std::filesystem;

// A service's schedule file that someone else may change is warned about, with the reason.
TEST(ScheduleFileCheck, WarnsWhenOthersMayChangeTheScheduleFile) {
    test::TempHome home;
    const std::string folder = home.File("schedules");
    const std::string file = folder + "/pumps.run";
    struct Case {
        fs::perms fileMode;
        fs::perms folderMode;
        uid_t owner;        // of the file
        std::string reason; // "" for no warning
    };
    std::vector<Case> cases{
        {fs::perms(0644), fs::perms(0755), ::geteuid(), ""},
        {fs::perms(0664), fs::perms(0755), ::geteuid(), "its group may write to it"},
        {fs::perms(0646), fs::perms(0755), ::geteuid(), "everyone may write to it"},
        {fs::perms(0644), fs::perms(0777), ::geteuid(),
         "its folder " + folder + " may be written to by others"},
        {fs::perms(0644), fs::perms(01777), ::geteuid(), ""},
    };
    if (::geteuid() == 0)
        cases.push_back({fs::perms(0644), fs::perms(0755), 1, "it belongs to user 1"});
    fs::create_directory(folder);
    test::WriteWholeFile(file, "FV.2002.08.01\r\n");
    for (const Case& c : cases) {
        fs::permissions(folder, c.folderMode);
        fs::permissions(file, c.fileMode);
        ASSERT_EQ(::chown(file.c_str(), c.owner, static_cast<gid_t>(-1)), 0);
        const std::string warning = ScheduleFileWarning(file);
        if (c.reason.empty()) {
            EXPECT_EQ(warning, "") << static_cast<int>(c.fileMode);
            continue;
        }
        EXPECT_NE(warning.find(file + " (" + c.reason + ")"), std::string::npos) << warning;
        EXPECT_EQ(warning.back(), '\n');
    }
    ASSERT_EQ(::chown(file.c_str(), ::geteuid(), static_cast<gid_t>(-1)), 0);
}

} // namespace
} // namespace tavrel
