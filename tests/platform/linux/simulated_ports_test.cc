#include "platform/port_library.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {
namespace {

off_t FileSize(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

// An outside script may truncate ports.bin at any moment; the running program must neither fault nor lose
// the space, and the next access brings the file back to its full size.
TEST(SimulatedPorts, SurviveTruncationFromOutside) {
    test::TempHome home;
    const std::string path = home.File("ports.bin");
    auto ports = MakeSimulatedPortLibrary(path);
    ASSERT_TRUE(ports->InitializeWinIo());
    ASSERT_TRUE(ports->SetPortVal(0x300, 0x5a, 1));

    for (off_t cut : {off_t{0}, off_t{0x300}, off_t{0x301}, off_t{4096}}) {
        ASSERT_EQ(::truncate(path.c_str(), cut), 0);
        uint32_t value = 99;
        EXPECT_TRUE(ports->GetPortVal(0x300, value, 1)) << cut;
        EXPECT_EQ(value, cut > 0x300 ? 0x5au : 0u) << "a cut byte reads as zero; cut at " << cut;
        EXPECT_TRUE(ports->SetPortVal(0x300, 0x5a, 1)) << cut;
        EXPECT_TRUE(ports->GetPortVal(0xffff, value, 1)) << cut;
        EXPECT_EQ(FileSize(path), 65536) << "the space grows back after a cut at " << cut;
        EXPECT_EQ(test::ReadWholeFile(path)[0x300], '\x5a') << "an outside reader sees the write at once";
    }
}

TEST(SimulatedPorts, OutsideWritesAreSeenAtOnce) {
    test::TempHome home;
    const std::string path = home.File("ports.bin");
    auto ports = MakeSimulatedPortLibrary(path);
    ASSERT_TRUE(ports->InitializeWinIo());
    std::string bytes = test::ReadWholeFile(path);
    bytes[0x301] = '\x02';
    test::WriteWholeFile(path, bytes);
    uint32_t value = 0;
    ASSERT_TRUE(ports->GetPortVal(0x301, value, 1));
    EXPECT_EQ(value, 2u);
}

// A stuck bit shows on every read of its port, whatever was written, and only there.
TEST(SimulatedPorts, StuckBitsApplyToReadsOfTheirPort) {
    test::TempHome home;
    std::vector<StuckPort> stuck;
    std::string error;
    ASSERT_TRUE(ParseStuckPorts("300:FD:00,301:ff:80", stuck, error)) << error;
    auto ports = MakeSimulatedPortLibrary(home.File("ports.bin"), stuck);
    ASSERT_TRUE(ports->InitializeWinIo());
    for (int32_t port : {0x300, 0x301, 0x302})
        ASSERT_TRUE(ports->SetPortVal(port, 0x03, 1));
    const std::pair<int32_t, uint32_t> expected[] = {{0x300, 0x01}, {0x301, 0x83}, {0x302, 0x03}};
    for (const auto& [port, read] : expected) {
        uint32_t value = 0;
        ASSERT_TRUE(ports->GetPortVal(port, value, 1));
        EXPECT_EQ(value, read) << std::hex << port;
    }
    EXPECT_EQ(test::ReadWholeFile(home.File("ports.bin"))[0x300], '\x03')
        << "the stored byte stays as written";
}

TEST(SimulatedPorts, BadStuckTextIsNamed) {
    for (const char* text :
         {"300:FD", "300:FD:00,", "zz:FD:00", "300:1FD:00", "10000:FD:00", "300:FD:00:1"}) {
        std::vector<StuckPort> stuck{{1, 2, 3}};
        std::string error;
        EXPECT_FALSE(ParseStuckPorts(text, stuck, error)) << text;
        EXPECT_TRUE(stuck.empty()) << text;
        EXPECT_NE(error.find("is not ADDR:AND:OR in hex"), std::string::npos) << text << ": " << error;
    }
}

} // namespace
} // namespace tavrel
