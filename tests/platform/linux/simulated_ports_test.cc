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

} // namespace
} // namespace tavrel
