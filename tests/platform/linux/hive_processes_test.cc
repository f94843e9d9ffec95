#include "config/reg_api.h"

#include "support/fake_message_boxes.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace tavrel {
namespace {

// Two processes writing different values to one hive at the same time: every value survives.
TEST(HiveProcesses, ConcurrentWritersKeepEachOthersChanges) {
    test::TempHome home;
    const std::string folder = home.File("registry");
    constexpr int kValues = 40;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            auto registry = MakeHiveRegistry(folder, nullptr);
            test::FakeMessageBoxes boxes;
            modRegAPI api(*registry, boxes);
            for (int i = 0; i < kValues; ++i)
                api.SetNewValue(kHkeyLocalMachine, "SOFTWARE\\Tavrel\\Config", "String",
                                "P" + std::to_string(c) + "_" + std::to_string(i), std::to_string(i), true);
            _exit(boxes.Count() == 0 ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    auto registry = MakeHiveRegistry(folder, nullptr);
    test::FakeMessageBoxes boxes;
    modRegAPI api(*registry, boxes);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < kValues; ++i)
            EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, "SOFTWARE\\Tavrel\\Config",
                                       "P" + std::to_string(c) + "_" + std::to_string(i), RegReadMode::Store,
                                       true),
                      std::to_string(i));
}

} // namespace
} // namespace tavrel
