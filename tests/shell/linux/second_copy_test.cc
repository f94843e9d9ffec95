#include "shell/second_copy.h"

#include "platform/linux/machine_lock_path.h"
#include "support/fake_port_library.h"
#include "support/fake_serial_api.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace tavrel {
namespace {

BoardRecord Board(const std::string& type, int32_t base, int16_t runNoBoard) {
    BoardRecord b;
    b.ChipSetType = type;
    b.BaseAddress = base;
    b.RunNoBoard = runNoBoard;
    return b;
}

TEST(SecondCopy, TheBoardsHardwareNamesTheClaim) {
    test::FakePortLibrary ports;
    test::FakeSerialApi serial;
    EXPECT_EQ(BoardClaimKey(Board("CBRelay08", 0x300, 0), ports, serial), "io-port-300");
    EXPECT_EQ(BoardClaimKey(Board("LPT1", 0x378, 0), ports, serial), "io-port-378");
    EXPECT_EQ(BoardClaimKey(Board("FireCracker", 2, 0), ports, serial), "serial-COM2");
    EXPECT_EQ(BoardClaimKey(Board("CBRelay08", 0x300, 1), ports, serial), "") << "emulated: no hardware";
    EXPECT_EQ(BoardClaimKey(Board("CBRelay08", 0, 0), ports, serial), "") << "no address: emulated";
}

TEST(SecondCopy, ASecondClaimOnTheSameBoardIsWarnedOf) {
    test::FakePortLibrary ports;
    test::FakeSerialApi serial;
    // An address no real board has, so the test does not meet a running program.
    const BoardRecord board = Board("CBRelay08", 0x7000 + (::getpid() % 0x1000), 0);
    std::vector<std::string> warning;
    test::TempHome home; // root's locks, out of /run
    const std::string locks = home.File("locks");
    const auto first = ClaimBoard(board, 1, ports, serial, warning, locks);
    EXPECT_TRUE(warning.empty());
    const auto second = ClaimBoard(board, 1, ports, serial, warning, locks);
    ASSERT_EQ(warning.size(), 2u);
    EXPECT_EQ(warning[0], "You are attempting to run more then one copy of Tavrel , Doing so will cause "
                          "unreliable performance.");
    EXPECT_EQ(warning[1].rfind("Board 1 (CBRelay08 at 7", 0), 0u) << warning[1];
    EXPECT_NE(warning[1].find(" hex) is in use by process " + std::to_string(::getpid()) + " ("),
              std::string::npos)
        << warning[1];
    EXPECT_EQ(ClaimBoard(Board("CBRelay08", 0x300, 1), 1, ports, serial, warning, locks), nullptr);
    EXPECT_TRUE(warning.empty());
    EXPECT_EQ(SecondCopyWarning("X", "")[1], "X is in use by another program.");
}

// A lock file planted by someone else is not used, and the warning names it.
TEST(SecondCopy, ARefusedLockFileIsNamed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "root's locks are made by root";
    test::FakePortLibrary ports;
    test::FakeSerialApi serial;
    test::TempHome home;
    const std::string locks = home.File("locks");
    std::filesystem::create_directory(locks);
    const std::string planted = MachineLockPath("io-port-300", 0, "", locks);
    std::filesystem::create_symlink(home.File("elsewhere"), planted);
    std::vector<std::string> warning;
    const auto claim = ClaimBoard(Board("CBRelay08", 0x300, 0), 1, ports, serial, warning, locks);
    ASSERT_EQ(warning.size(), 2u);
    EXPECT_EQ(warning[0],
              "Tavrel cannot tell whether another copy drives Board 1 (CBRelay08 at 300 hex): the "
              "lock file " +
                  planted + " is a symbolic link.");
    EXPECT_FALSE(std::filesystem::exists(home.File("elsewhere")));
}

} // namespace
} // namespace tavrel
