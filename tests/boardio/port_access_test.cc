#include "boardio/port_access.h"

#include "support/fake_message_boxes.h"
#include "support/fake_port_library.h"
#include "support/fake_system_folders.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class PortAccessTest : public ::testing::Test {
protected:
    test::FakePortLibrary library;
    test::FakeSystemFolders folders;
    test::FakeMessageBoxes boxes;
    PortAccess access{library, folders, boxes};
};

TEST_F(PortAccessTest, OpenOnceAndRefuseASecondOpen) {
    EXPECT_TRUE(access.OpenPortLibrary());
    EXPECT_TRUE(access.PortLibraryReady());
    EXPECT_FALSE(access.OpenPortLibrary());
    EXPECT_EQ(library.initializeCalls, 1);
    EXPECT_TRUE(access.PortLibraryReady());
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(PortAccessTest, OneRetryThenSuccess) {
    library.initializeResults = {false, true};
    EXPECT_TRUE(access.OpenPortLibrary());
    EXPECT_EQ(library.initializeCalls, 2);
    EXPECT_EQ(library.shutdownCalls, 1);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(PortAccessTest, FailureAfterTheRetryShowsTheMessage) {
    library.initializeResults = {false, false};
    EXPECT_FALSE(access.OpenPortLibrary());
    EXPECT_FALSE(access.PortLibraryReady());
    EXPECT_EQ(library.initializeCalls, 2);
    EXPECT_EQ(library.shutdownCalls, 2);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().icon, MsgIcon::Error);
    EXPECT_EQ(boxes.Last().title, "Tavrel, WinIO Initialize");
    EXPECT_EQ(boxes.Last().Text(), "Whoops ! There is a problem with InitializeWinIo.\r\n"
                                   "Tavrel can only be run by Users with Administrative Privilages\r\n"
                                   "\r\n"
                                   "Only ONE Copy/Instance of Tavrel can run at a time\r\n"
                                   "\r\n"
                                   "Tavrel can be installed for more then one User, \r\n"
                                   "however each install must be to the same Program Directory\r\n"
                                   "and Only ONE User may use Tavrel at a time.\r\n"
                                   "  (Subject to change in future releases)\r\n"
                                   "\r\n"
                                   "      Tavrel will Now Exit");
}

TEST_F(PortAccessTest, CloseShutsDownOnlyWhenOpen) {
    EXPECT_TRUE(access.ClosePortLibrary());
    EXPECT_EQ(library.shutdownCalls, 0);
    access.OpenPortLibrary();
    library.shutdownResult = false;
    EXPECT_TRUE(access.ClosePortLibrary());
    EXPECT_FALSE(access.PortLibraryReady());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, "Tavrel, WinIO ShutDown");
    EXPECT_EQ(boxes.Last().Text(),
              "Whoops ! There is a problem with ShutDownWinIo.\r\n      Tavrel will Now Exit");
}

TEST_F(PortAccessTest, ByteReadAndWrite) {
    access.OpenPortLibrary();
    access.WritePortByte(0x378, 0xA5);
    EXPECT_EQ(library.bytes[0x378], 0xA5);
    EXPECT_EQ(access.ReadPortByte(0x378), 0xA5);
    EXPECT_EQ(access.ReadPortByte(0x379), 0);
}

TEST_F(PortAccessTest, SystemFoldersEndInOneBackslash) {
    folders.systemDirectory = "C:\\WINDOWS\\system32";
    EXPECT_EQ(access.SystemDirectory(), "C:\\WINDOWS\\system32\\");
    folders.systemDirectory = "C:\\WINDOWS\\system32\\";
    EXPECT_EQ(access.SystemDirectory(), "C:\\WINDOWS\\system32\\");
    EXPECT_EQ(access.WindowsDirectory(), "C:\\WINDOWS\\");
}

TEST_F(PortAccessTest, InstallCopiesOnlyMissingFiles) {
    const std::string sys = "C:\\WINDOWS\\system32\\";
    const std::string prog = "C:\\Program Files\\Tavrel\\";
    folders.files = {sys + "winio.sys", sys + "winio.dll", sys + "winio.vxd"};
    EXPECT_TRUE(access.InstallPortLibraryFiles());
    EXPECT_TRUE(folders.copies.empty());

    folders.files = {sys + "winio.sys", prog + "winio.dll", prog + "winio.vxd"};
    EXPECT_TRUE(access.InstallPortLibraryFiles());
    EXPECT_EQ(folders.copies, (std::vector<std::string>{prog + "winio.dll -> " + sys + "winio.dll",
                                                        prog + "winio.vxd -> " + sys + "winio.vxd"}));

    folders.files = {prog + "winio.sys", prog + "winio.dll"};
    folders.copies.clear();
    EXPECT_FALSE(access.InstallPortLibraryFiles()) << "winio.vxd is in neither folder";
}

TEST_F(PortAccessTest, PortsWithoutWinIoNeedNoFiles) {
    library.needsFiles = false;
    EXPECT_TRUE(access.InstallPortLibraryFiles());
    EXPECT_TRUE(folders.copies.empty());
}

TEST_F(PortAccessTest, MissingFilesMessage) {
    ShowPortLibraryFilesMissing(boxes);
    EXPECT_EQ(boxes.Last().title, "User Action Required");
    EXPECT_EQ(boxes.Last().Text(), "Tavrel was unable to copy files\r\n\r\nPlease copy\r\n   WinIO.sys\r\n"
                                   "   WinIO.dll\r\n   WinIO.VXD to your 'Windows System Directory'       "
                                   "(example, c:\\windows\\system32)   ");
}

TEST(SimulatedPorts, AnotherMappingSeesEveryWriteAtOnce) {
    test::TempHome home;
    auto a = MakeSimulatedPortLibrary(home.File("ports.bin"));
    auto b = MakeSimulatedPortLibrary(home.File("ports.bin"));
    ASSERT_TRUE(a->InitializeWinIo());
    ASSERT_TRUE(b->InitializeWinIo());
    EXPECT_EQ(test::ReadWholeFile(home.File("ports.bin")).size(), 65536u);
    ASSERT_TRUE(a->SetPortVal(0xFFFF, 0x7E, 1));
    uint32_t value = 0;
    ASSERT_TRUE(b->GetPortVal(0xFFFF, value, 1));
    EXPECT_EQ(value, 0x7Eu);
    EXPECT_FALSE(a->SetPortVal(0x10000, 1, 1));
    EXPECT_FALSE(a->GetPortVal(-1, value, 1));
    EXPECT_EQ(value, 0u);
    a->ShutdownWinIo();
    EXPECT_FALSE(a->SetPortVal(0x300, 1, 1)) << "closed";
}

} // namespace
} // namespace tavrel
