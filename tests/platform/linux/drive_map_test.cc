#include "platform/drive_map.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavrel {
namespace {

namespace fs = std::filesystem;

TEST(DriveMap, DriveCIsMadeOnFirstUseAndReachesDriveC) {
    test::TempHome home;
    DriveMap drives(home.Path());
    const std::string mapped = drives.Map("c:\\TVRestart.run");
    EXPECT_EQ(mapped, home.Path() + "/dosdevices/c:/TVRestart.run");
    EXPECT_TRUE(fs::is_symlink(home.File("dosdevices/c:")));
    EXPECT_TRUE(fs::is_directory(home.File("drive_c")));
    test::WriteWholeFile(mapped, "x");
    EXPECT_TRUE(fs::exists(home.File("drive_c/TVRestart.run")));
}

TEST(DriveMap, LettersCaseSlashesAndRelativePaths) {
    test::TempHome home;
    DriveMap drives(home.Path());
    EXPECT_EQ(drives.Map("C:\\"), home.Path() + "/dosdevices/c:/");
    EXPECT_EQ(drives.Map("C:\\Logs\\Tavrel_2026_12_07.Log"),
              home.Path() + "/dosdevices/c:/Logs/Tavrel_2026_12_07.Log");
    EXPECT_EQ(drives.Map("d:data.run"), home.Path() + "/dosdevices/d:/data.run");
    EXPECT_EQ(drives.Map("runs\\New.run"), "runs/New.run");
    EXPECT_EQ(drives.Map("/tmp/x.run"), "/tmp/x.run");
}

TEST(DriveMap, AUserLinkForDriveCIsKept) {
    test::TempHome home;
    fs::create_directories(home.File("dosdevices"));
    fs::create_directories(home.File("elsewhere"));
    fs::create_directory_symlink(home.File("elsewhere"), home.File("dosdevices/c:"));
    DriveMap drives(home.Path());
    test::WriteWholeFile(drives.Map("c:\\a.txt"), "x");
    EXPECT_TRUE(fs::exists(home.File("elsewhere/a.txt")));
    EXPECT_FALSE(fs::exists(home.File("drive_c")));
}

} // namespace
} // namespace tavrel
