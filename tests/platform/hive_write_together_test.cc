// Changes made together reach the hive file in one write: a reader never sees half of them.

#include "config/reg_api.h"
#include "platform/file_io.h"
#include "platform/registry.h"

#include "support/fake_message_boxes.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

constexpr const char* kConfig = "SOFTWARE\\Tavrel\\Config";

TEST(HiveWriteTogether, FileChangesOnceAtTheEnd) {
    test::TempHome home;
    auto registry = MakeHiveRegistry(home.File("registry"), nullptr);
    test::FakeMessageBoxes boxes;
    modRegAPI api(*registry, boxes);
    api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "A", "old", true);
    const std::string file = home.File("registry/HKEY_LOCAL_MACHINE.reg");
    const std::string before = test::ReadWholeFile(file);

    std::string during;
    const int32_t result = registry->WriteTogether([&] {
        api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "A", "new", true);
        api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "B", "two", true);
        // Read back within the same changes: they see each other.
        EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, kConfig, "A", RegReadMode::Store, true), "new");
        during = test::ReadWholeFile(file);
    });
    EXPECT_EQ(result, kRegSuccess);
    EXPECT_EQ(during, before);
    const std::string after = test::ReadWholeFile(file);
    EXPECT_NE(after.find("\"A\"=\"new\""), std::string::npos);
    EXPECT_NE(after.find("\"B\"=\"two\""), std::string::npos);
    EXPECT_EQ(boxes.Count(), 0u);
}

// The tick's way in: when another holds the lock, it gives up within its time and changes nothing; once
// the lock is free, the changes are made as WriteTogether makes them.
TEST(HiveWriteTogether, TryGivesUpWhileAnotherHoldsTheLock) {
    test::TempHome home;
    auto registry = MakeHiveRegistry(home.File("registry"), nullptr);
    test::FakeMessageBoxes boxes;
    modRegAPI api(*registry, boxes);
    api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "A", "old", true);
    const auto change = [&] { api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "A", "new", true); };
    {
        FileLock other(home.File("registry/.HKEY_LOCAL_MACHINE.lock"), FileLock::Mode::Exclusive);
        ASSERT_TRUE(other.Held());
        EXPECT_FALSE(registry->TryWriteTogether(kHkeyLocalMachine, 20, change));
    }
    EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, kConfig, "A", RegReadMode::Store, true), "old");
    EXPECT_TRUE(registry->TryWriteTogether(kHkeyLocalMachine, 20, change));
    EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, kConfig, "A", RegReadMode::Store, true), "new");
}

} // namespace
} // namespace tavrel
