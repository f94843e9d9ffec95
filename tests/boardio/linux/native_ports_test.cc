#include "boardio/port_access.h"

#include "support/fake_message_boxes.h"
#include "support/fake_system_folders.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

// On these machines the process can neither raise its I/O privilege nor open /dev/port.
TEST(NativePorts, OpeningFailsWithThePortLibraryMessageWhereThereIsNoPortAccess) {
    auto library = MakeNativePortLibrary();
    if (library->InitializeWinIo()) {
        library->ShutdownWinIo();
        GTEST_SKIP() << "this machine grants port access";
    }
    test::FakeSystemFolders folders;
    test::FakeMessageBoxes boxes;
    PortAccess access(*library, folders, boxes);
    EXPECT_FALSE(access.OpenPortLibrary());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, "Tavrel, WinIO Initialize");
    EXPECT_TRUE(access.InstallPortLibraryFiles()) << "Linux port access needs no library files";
}

} // namespace
} // namespace tavrel
