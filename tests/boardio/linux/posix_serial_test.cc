#include "boardio/comm_ports.h"
#include "boardio/x10_transmitter.h"

#include "support/fake_clock.h"
#include "support/fake_message_boxes.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace tavrel {
namespace {

// A pseudo-terminal linked as COM2 in a fresh TAVREL_HOME. It takes termios settings but refuses
// RTS and DTR changes.
class PtyComPort : public ::testing::Test {
protected:
    test::TempHome home;
    int master = -1;
    std::unique_ptr<SerialApi> api;

    void SetUp() override {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master, 0);
        ASSERT_EQ(grantpt(master), 0);
        ASSERT_EQ(unlockpt(master), 0);
        std::filesystem::create_directories(home.File("dosdevices"));
        std::filesystem::create_symlink(ptsname(master), home.File("dosdevices/com2"));
        api = MakeSystemSerialApi(home.Path());
    }
    void TearDown() override { ::close(master); }
};

TEST_F(PtyComPort, OpenAndModeSucceedLineChangesFail) {
    CommPorts ports(*api);
    ASSERT_EQ(ports.CommOpen(2, "COM2", "baud=9600 parity=N data=8 stop=1"), 0) << ports.CommLastErrorSource;
    EXPECT_EQ(ports.CommSetLine(2, kLineRts, true), ENOTTY);
    EXPECT_EQ(ports.CommLastError, ENOTTY);
    EXPECT_EQ(ports.CommLastErrorSource, "CommSetLine (EscapeCommFunction)");
    EXPECT_FALSE(ports.CommLastErrorText.empty());
    EXPECT_EQ(ports.CommSetLine(2, kLineDtr, false), ENOTTY);

    EXPECT_EQ(ports.CommOpen(2, "COM2", "baud=9600 parity=N data=8 stop=1"), -1);
    EXPECT_EQ(ports.CommLastErrorText, "Port in use.");
    EXPECT_EQ(ports.CommClose(2), 0);
    EXPECT_FALSE(ports.PortOpen(2));
}

TEST_F(PtyComPort, TheDeviceIsHeldExclusively) {
    CommPorts first(*api);
    CommPorts second(*api);
    ASSERT_EQ(first.CommOpen(2, "COM2", "baud=9600 parity=N data=8 stop=1"), 0);
    EXPECT_NE(second.CommOpen(2, "COM2", "baud=9600 parity=N data=8 stop=1"), 0);
    EXPECT_EQ(second.CommLastErrorSource, "CommOpen (CreateFile)");
    first.CommClose(2);
    EXPECT_EQ(second.CommOpen(2, "COM2", "baud=9600 parity=N data=8 stop=1"), 0);
    second.CommClose(2);
}

TEST_F(PtyComPort, MalformedModeIsRefused) {
    CommPorts ports(*api);
    EXPECT_EQ(ports.CommOpen(2, "COM2", "baud=9600 parity=Q"), EINVAL);
    EXPECT_EQ(ports.CommLastErrorSource, "CommOpen (BuildCommDCB)");
    ports.CommClose(2);
}

TEST_F(PtyComPort, X10CommandOnAPortThatRefusesLineChanges) {
    CommPorts ports(*api);
    test::FakeClock clock;
    test::FakeMessageBoxes boxes;
    X10Transmitter x10(ports, clock, boxes);
    EXPECT_EQ(x10.SendX10Frame(2, BuildX10Frame(1, 1, kX10On)), 2);
    EXPECT_EQ(ports.CommLastErrorSource, "CommSetLine (EscapeCommFunction)");
    EXPECT_FALSE(ports.PortOpen(2));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST(PosixSerial, MissingPortFailsToOpen) {
    test::TempHome home;
    std::filesystem::create_directories(home.File("dosdevices"));
    std::filesystem::create_symlink(home.File("no-such-device"), home.File("dosdevices/com7"));
    auto api = MakeSystemSerialApi(home.Path());
    CommPorts ports(*api);
    EXPECT_EQ(ports.CommOpen(7, "COM7", "baud=9600 parity=N data=8 stop=1"), ENOENT);
    EXPECT_EQ(ports.CommLastErrorSource, "CommOpen (CreateFile)");
    EXPECT_EQ(ports.CommLastErrorText, "No such file or directory");
    EXPECT_FALSE(ports.PortOpen(7));
}

} // namespace
} // namespace tavrel
