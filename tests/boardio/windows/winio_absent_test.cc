#include "boardio/port_access.h"

#include "support/fake_message_boxes.h"
#include "support/fake_system_folders.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

// Without WinIo.dll beside the program the library cannot start, and the user is told so.
TEST(WinIo, AbsentLibraryGivesTheStartUpFailure) {
    auto library = MakeNativePortLibrary();
    test::FakeSystemFolders folders;
    test::FakeMessageBoxes boxes;
    PortAccess access(*library, folders, boxes);
    EXPECT_FALSE(access.OpenPortLibrary());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, "Tavrel, WinIO Initialize");
    EXPECT_TRUE(library->NeedsLibraryFiles());
    EXPECT_TRUE(access.ClosePortLibrary());
}

} // namespace
} // namespace tavrel
