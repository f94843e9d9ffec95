#include "boardio/comm_ports.h"

#include "platform/environment.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorNotSupported = 50;

// The test script leads COM5 to something that is no device (on Windows: a port that is not there).
TEST(Win32Serial, PortThatCannotBeOpened) {
    auto api = MakeSystemSerialApi("");
    CommPorts ports(*api);
    const int32_t result = ports.CommOpen(5, "COM5", "baud=9600 parity=N data=8 stop=1");
    EXPECT_TRUE(result == static_cast<int32_t>(kErrorFileNotFound) ||
                result == static_cast<int32_t>(kErrorPathNotFound) ||
                result == static_cast<int32_t>(kErrorAccessDenied))
        << result;
    EXPECT_EQ(ports.CommLastErrorSource, "CommOpen (CreateFile)");
    EXPECT_FALSE(ports.CommLastErrorText.empty());
    EXPECT_FALSE(ports.PortOpen(5));
}

// The test script maps a pseudo-terminal as a COM port: it opens and takes the mode, but refuses the
// control lines.
TEST(Win32Serial, PseudoTerminalRefusesLineChanges) {
    const auto com = EnvironmentValue("TAVREL_TEST_PTY_COM");
    if (!com)
        GTEST_SKIP() << "no pseudo-terminal mapped as a COM port";
    const int port = std::stoi(*com);
    auto api = MakeSystemSerialApi("");
    CommPorts ports(*api);
    ASSERT_EQ(ports.CommOpen(port, "COM" + *com, "baud=9600 parity=N data=8 stop=1"), 0)
        << ports.CommLastErrorSource << " " << ports.CommLastErrorText;
    EXPECT_EQ(ports.CommSetLine(port, kLineRts, true), static_cast<int32_t>(kErrorNotSupported));
    EXPECT_EQ(ports.CommLastErrorSource, "CommSetLine (EscapeCommFunction)");
    EXPECT_EQ(ports.CommOpen(port, "COM" + *com, "baud=9600"), -1);
    EXPECT_EQ(ports.CommClose(port), 0);
}

} // namespace
} // namespace tavrel
