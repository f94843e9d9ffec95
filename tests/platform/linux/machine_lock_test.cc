#include "platform/linux/machine_lock_path.h"
#include "platform/process.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace tavrel {
namespace {

TEST(MachineLock, RootsAndUsersKeepTheirLocksApart) {
    const std::string name = "tavrel-io-port-300-"; // then the key's hash
    EXPECT_EQ(MachineLockPath("io-port-300", 0, "/run/user/0").rfind("/run/lock/" + name, 0), 0u);
    EXPECT_EQ(MachineLockPath("io-port-300", 1000, "/run/user/1000").rfind("/run/user/1000/" + name, 0), 0u);
    EXPECT_EQ(MachineLockPath("io-port-300", 1000, "").rfind("/tmp/tavrel-1000-io-port-300-", 0), 0u);
    EXPECT_EQ(MachineLockPath("io-port-300", 1000, "relative").rfind("/tmp/tavrel-1000-", 0), 0u);
    EXPECT_EQ(MachineLockPath("serial-/dev/ttyUSB0", 0, "").rfind("/run/lock/tavrel-serial-_dev_ttyUSB0-", 0),
              0u);
    EXPECT_NE(MachineLockPath("serial-/dev/a_b", 0, ""), MachineLockPath("serial-/dev/a/b", 0, ""))
        << "two keys never share a file";
}

TEST(MachineLock, ASecondHolderLearnsWhoHoldsIt) {
    const std::string key = "test-machine-lock-" + std::to_string(::getpid());
    auto first = AcquireMachineLock(key);
    ASSERT_FALSE(first->AnotherCopyRunning());
    auto second = AcquireMachineLock(key);
    EXPECT_TRUE(second->AnotherCopyRunning());
    EXPECT_EQ(second->Holder().rfind("process " + std::to_string(::getpid()) + " (", 0), 0u)
        << second->Holder();
    second.reset();
    first.reset();
    EXPECT_FALSE(AcquireMachineLock(key)->AnotherCopyRunning()) << "released with the first holder";
}

} // namespace
} // namespace tavrel
