#include "boardio/comm_ports.h"

#include "support/fake_serial_api.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(CommPorts, OpenRunsEveryStepAndASecondOpenIsRefused) {
    test::FakeSerialApi api;
    CommPorts ports(api);
    EXPECT_EQ(ports.CommOpen(2, "COM2", "baud=9600 parity=N data=8 stop=1"), 0);
    EXPECT_TRUE(ports.PortOpen(2));
    api.ClearCalls();
    EXPECT_EQ(ports.CommOpen(2, "COM2", "baud=9600 parity=N data=8 stop=1"), -1);
    EXPECT_EQ(ports.CommLastError, -1);
    EXPECT_EQ(ports.CommLastErrorSource, "CommOpen");
    EXPECT_EQ(ports.CommLastErrorText, "Port in use.");
    EXPECT_TRUE(api.Calls().empty()) << "the open handle is not touched";
}

TEST(CommPorts, EachFailingStepIsNamed) {
    const std::pair<const char*, const char*> kSteps[] = {
        {"open", "CommOpen (CreateFile)"},       {"setup", "CommOpen (SetupComm)"},
        {"purge", "CommOpen (PurgeComm)"},       {"timeouts", "CommOpen (SetCommTimeouts)"},
        {"getstate", "CommOpen (GetCommState)"}, {"build", "CommOpen (BuildCommDCB)"},
        {"setstate", "CommOpen (SetCommState)"}};
    for (const auto& [call, source] : kSteps) {
        test::FakeSerialApi api;
        api.FailOn(call, 31);
        CommPorts ports(api);
        EXPECT_EQ(ports.CommOpen(1, "COM1", "baud=9600 parity=N data=8 stop=1"), 31) << call;
        EXPECT_EQ(ports.CommLastError, 31);
        EXPECT_EQ(ports.CommLastErrorSource, source);
        EXPECT_EQ(ports.CommLastErrorText, "error 31") << "trimmed of blanks and line ends";
        EXPECT_EQ(ports.PortOpen(1), std::string(call) != "open") << "open after the handle is had";
    }
}

TEST(CommPorts, LinesMapToEscapeCodes) {
    test::FakeSerialApi api;
    CommPorts ports(api);
    ports.CommOpen(8, "COM8", "baud=9600 parity=N data=8 stop=1");
    api.ClearCalls();
    EXPECT_EQ(ports.CommSetLine(8, kLineDtr, true), 0);
    EXPECT_EQ(ports.CommSetLine(8, kLineDtr, false), 0);
    EXPECT_EQ(ports.CommSetLine(8, kLineRts, true), 0);
    EXPECT_EQ(ports.CommSetLine(8, kLineRts, false), 0);
    EXPECT_EQ(ports.CommSetLine(8, kLineBreak, true), 0);
    EXPECT_EQ(ports.CommSetLine(8, kLineBreak, false), 0);
    EXPECT_EQ(ports.CommSetLine(8, 7, true), 0);
    EXPECT_EQ(api.CallNames(), (std::vector<std::string>{"escape 5", "escape 6", "escape 3", "escape 4",
                                                         "escape 8", "escape 9", "escape 0"}));
}

TEST(CommPorts, PortNumbersOutsideTheSlotsAndClosing) {
    test::FakeSerialApi api;
    CommPorts ports(api);
    EXPECT_EQ(ports.CommOpen(9, "COM9", "baud=9600"), 9);
    EXPECT_EQ(ports.CommLastErrorSource, "CommOpen");
    EXPECT_EQ(ports.CommLastErrorText, "Subscript out of range");
    EXPECT_EQ(ports.CommSetLine(0, kLineRts, true), 9);
    EXPECT_EQ(ports.CommLastErrorSource, "CommSetLine");
    EXPECT_EQ(ports.CommClose(-1), 9);
    EXPECT_EQ(ports.CommLastErrorSource, "CommClose");
    EXPECT_EQ(ports.CommClose(5), 0) << "a never-opened slot";
    EXPECT_TRUE(api.Calls().empty());

    ports.CommOpen(5, "COM5", "baud=9600");
    api.FailOn("close", 6);
    EXPECT_EQ(ports.CommClose(5), 6);
    EXPECT_EQ(ports.CommLastErrorSource, "CommClose (CloseHandle)");
    EXPECT_TRUE(ports.PortOpen(5));
}

TEST(CommMode, ReadsTheModeTextsBuildCommDcbReads) {
    CommDcb dcb;
    ASSERT_TRUE(ParseCommMode("baud=9600 parity=N data=8 stop=1", dcb));
    EXPECT_EQ(dcb.baudRate, 9600u);
    EXPECT_EQ(dcb.parity, 'N');
    ASSERT_TRUE(ParseCommMode("baud=1200 parity=e data=7 stop=2", dcb));
    EXPECT_EQ(dcb.baudRate, 1200u);
    EXPECT_EQ(dcb.parity, 'E');
    EXPECT_EQ(dcb.byteSize, 7);
    EXPECT_EQ(dcb.stopBits, 2);
    ASSERT_TRUE(ParseCommMode("COM1: 96,n,8,1", dcb));
    EXPECT_EQ(dcb.baudRate, 9600u);
    ASSERT_TRUE(ParseCommMode("baud=19200 stop=1.5", dcb));
    EXPECT_EQ(dcb.stopBits, 15);
}

TEST(CommMode, RefusesMalformedTextsAndKeepsTheBlock) {
    for (const char* bad : {"", "baud=", "baud=fast", "parity=X", "data=9", "stop=3", "speed=9600",
                            "baud=9600 parity=N data=8 stop=1 extra", "=8", "9600,n,8,1,x"}) {
        CommDcb dcb{4800, 8, 'N', 1};
        EXPECT_FALSE(ParseCommMode(bad, dcb)) << bad;
        EXPECT_EQ(dcb.baudRate, 4800u) << bad;
    }
}

} // namespace
} // namespace tavrel
