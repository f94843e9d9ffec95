#include "shell/second_copy.h"

#include "support/fake_port_library.h"
#include "support/fake_serial_api.h"

#include <gtest/gtest.h>
#include <unistd.h>

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
    const auto first = ClaimBoard(board, 1, ports, serial, warning);
    EXPECT_TRUE(warning.empty());
    const auto second = ClaimBoard(board, 1, ports, serial, warning);
    ASSERT_EQ(warning.size(), 2u);
    EXPECT_EQ(warning[0], "You are attempting to run more then one copy of Tavrel , Doing so will cause "
                          "unreliable performance.");
    EXPECT_EQ(warning[1].rfind("Board 1 (CBRelay08 at 7", 0), 0u) << warning[1];
    EXPECT_NE(warning[1].find(" hex) is in use by process " + std::to_string(::getpid()) + " ("),
              std::string::npos)
        << warning[1];
    EXPECT_EQ(ClaimBoard(Board("CBRelay08", 0x300, 1), 1, ports, serial, warning), nullptr);
    EXPECT_TRUE(warning.empty());
    EXPECT_EQ(SecondCopyWarning("X", "")[1], "X is in use by another program.");
}

} // namespace
} // namespace tavrel
