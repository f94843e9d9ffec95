#include "platform/linux/machine_lock_path.h"
#include "platform/process.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrel {
namespace {

namespace fs = std::filesystem;

TEST(MachineLock, RootsAndUsersKeepTheirLocksApart) {
    const std::string name = "tavrel-io-port-300-"; // then the key's hash
    EXPECT_EQ(MachineLockPath("io-port-300", 0, "/run/user/0").rfind("/run/tavrel/" + name, 0), 0u);
    EXPECT_EQ(MachineLockPath("io-port-300", 1000, "/run/user/1000").rfind("/run/user/1000/" + name, 0), 0u);
    EXPECT_EQ(MachineLockPath("io-port-300", 1000, "").rfind("/tmp/tavrel-1000-io-port-300-", 0), 0u);
    EXPECT_EQ(MachineLockPath("io-port-300", 1000, "relative").rfind("/tmp/tavrel-1000-", 0), 0u);
    EXPECT_EQ(
        MachineLockPath("serial-/dev/ttyUSB0", 0, "").rfind("/run/tavrel/tavrel-serial-_dev_ttyUSB0-", 0),
        0u);
    EXPECT_NE(MachineLockPath("serial-/dev/a_b", 0, ""), MachineLockPath("serial-/dev/a/b", 0, ""))
        << "two keys never share a file";
}

TEST(MachineLock, ASecondHolderLearnsWhoHoldsIt) {
    const std::string key = "test-machine-lock-" + std::to_string(::getpid());
    test::TempHome home; // root's locks, out of /run
    const std::string locks = home.File("locks");
    auto first = AcquireMachineLock(key, locks);
    ASSERT_FALSE(first->AnotherCopyRunning());
    auto second = AcquireMachineLock(key, locks);
    EXPECT_TRUE(second->AnotherCopyRunning());
    EXPECT_EQ(second->Holder().rfind("process " + std::to_string(::getpid()) + " (", 0), 0u)
        << second->Holder();
    second.reset();
    first.reset();
    EXPECT_FALSE(AcquireMachineLock(key, locks)->AnotherCopyRunning()) << "released with the first holder";
}

// root's board locks, in a folder of the test's own instead of /run/tavrel.
class RootLocks : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "root's locks are made by root";
        oldMask_ = ::umask(077); // as the service's UMask= has it
    }
    void TearDown() override {
        if (::geteuid() == 0)
            ::umask(oldMask_);
    }
    std::unique_ptr<InstanceLock> Lock() { return AcquireMachineLockAt(kKey, 0, "", folder); }
    std::string LockFile() const { return MachineLockPath(kKey, 0, "", folder); }

    static constexpr const char* kKey = "io-port-300";
    test::TempHome home;
    const std::string folder = home.File("run-tavrel");

private:
    mode_t oldMask_ = 0;
};

TEST_F(RootLocks, TheFolderIsMadeRootsAndTheLockStaysReadable) {
    const auto lock = Lock();
    EXPECT_EQ(lock->Problem(), "");
    EXPECT_FALSE(lock->AnotherCopyRunning());
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms(0755));
    EXPECT_EQ(fs::status(LockFile()).permissions(), fs::perms(0644))
        << "another user's window reads who holds the board";
}

TEST_F(RootLocks, ALockFileThatCouldReachAnotherFileIsRefused) {
    fs::create_directory(folder);
    const std::string target = home.File("victim");
    test::WriteWholeFile(target, "keep me");
    struct Case {
        const char* what;
        std::function<void()> plant;
        std::string problem;
    };
    const std::vector<Case> cases{
        {"symbolic link", [&] { fs::create_symlink(target, LockFile()); },
         "the lock file " + LockFile() + " is a symbolic link"},
        {"hard link", [&] { fs::create_hard_link(target, LockFile()); },
         "the lock file " + LockFile() + " has 2 links (names); a lock file has one"},
        {"another user's",
         [&] {
             test::WriteWholeFile(LockFile(), "1 systemd\n");
             ASSERT_EQ(::chown(LockFile().c_str(), 1, 1), 0);
         },
         "the lock file " + LockFile() + " belongs to user 1, not to user 0"},
    };
    for (const Case& c : cases) {
        c.plant();
        const auto lock = Lock();
        EXPECT_EQ(lock->Problem(), c.problem) << c.what;
        EXPECT_FALSE(lock->AnotherCopyRunning()) << c.what;
        EXPECT_EQ(test::ReadWholeFile(target), "keep me") << c.what;
        fs::remove(LockFile());
    }
}

TEST_F(RootLocks, AFolderOthersMayWriteToIsRefused) {
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms(0777));
    EXPECT_EQ(Lock()->Problem(), "the lock folder " + folder + " may be written by others than root");
    EXPECT_FALSE(fs::exists(LockFile()));
}

} // namespace
} // namespace tavrel
