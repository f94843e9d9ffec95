#include "boardio/x10_transmitter.h"

#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrel {
namespace {

std::string Hex(const std::string& bits) {
    static const char* kDigits = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i + 8 <= bits.size(); i += 8) {
        int byte = 0;
        for (size_t j = 0; j < 8; ++j)
            byte = byte * 2 + (bits[i + j] == '1' ? 1 : 0);
        if (!out.empty())
            out += ' ';
        out += kDigits[byte >> 4];
        out += kDigits[byte & 15];
    }
    return out;
}

TEST(X10Frame, DocumentedFrames) {
    EXPECT_EQ(BuildX10Frame(1, 1, kX10On), "1101010110101010"
                                           "0110"
                                           "0000"
                                           "0"
                                           "0"
                                           "0"
                                           "00"
                                           "000"
                                           "10101101");
    EXPECT_EQ(Hex(BuildX10Frame(1, 1, kX10On)), "D5 AA 60 00 AD");
    EXPECT_EQ(Hex(BuildX10Frame(1, 1, kX10Off)), "D5 AA 60 20 AD");
    EXPECT_EQ(Hex(BuildX10Frame(16, 16, kX10Off)), "D5 AA 34 78 AD");
}

// The CM17A command word: house code in bits 15..12, unit 9-16 flag in bit 10, OFF in bit 5, and the
// unit's low bits spread over bits 6, 4 and 3.
TEST(X10Frame, EveryHouseUnitAndCommandFollowsTheBitLayout) {
    static const int kHouseCodes[16] = {0x6, 0x7, 0x4, 0x5, 0x8, 0x9, 0xA, 0xB,
                                        0xE, 0xF, 0xC, 0xD, 0x0, 0x1, 0x2, 0x3};
    for (int house = 1; house <= 16; ++house)
        for (int unit = 1; unit <= 16; ++unit)
            for (int command : {kX10Off, kX10On}) {
                const int u = unit - 1;
                int word = kHouseCodes[house - 1] << 12;
                word |= (u & 8) ? 1 << 10 : 0;
                word |= (u & 4) ? 1 << 6 : 0;
                word |= command == kX10Off ? 1 << 5 : 0;
                word |= (u & 1) ? 1 << 4 : 0;
                word |= (u & 2) ? 1 << 3 : 0;
                std::string expected = "1101010110101010";
                for (int bit = 15; bit >= 0; --bit)
                    expected += (word >> bit) & 1 ? '1' : '0';
                expected += "10101101";
                ASSERT_EQ(BuildX10Frame(house, unit, command), expected)
                    << "house " << house << " unit " << unit << " command " << command;
            }
}

TEST(X10Frame, OutOfRangeHouseGivesAShortFrameThatIsNotSent) {
    test::TestContext t;
    for (int house : {0, 17}) {
        const std::string frame = BuildX10Frame(house, 1, kX10On);
        EXPECT_EQ(frame.size(), 36u);
        EXPECT_EQ(t.ctx.x10.SendX10Frame(2, frame), 1);
    }
    EXPECT_EQ(BuildX10Frame(1, 0, kX10On).size(), 33u);
    EXPECT_TRUE(t.platform.serial.Calls().empty());
    EXPECT_TRUE(t.platform.clock.Pauses().empty());
}

// Decodes the bits a recorded command clocked out: each bit starts with RTS high (1) or low (0).
std::string BitsSent(const std::vector<std::string>& calls) {
    std::string bits;
    size_t i = 0;
    while (i < calls.size() && calls[i].rfind("escape", 0) != 0)
        ++i;
    i += 4; // the transmitter reset
    for (; i + 3 < calls.size() && calls[i].rfind("escape", 0) == 0; i += 4)
        bits += calls[i] == "escape 3" ? '1' : '0';
    return bits;
}

TEST(X10Sender, OneCommandsLineChangesAndHolds) {
    test::TestContext t;
    auto& serial = t.platform.serial;
    auto& clock = t.platform.clock;
    EXPECT_EQ(t.ctx.x10.SendX10(3, 1, 1, kX10On), 0);

    const std::vector<std::string> calls = serial.CallNames();
    ASSERT_GE(calls.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 7),
              (std::vector<std::string>{"open COM3", "setup 1024 1024", "purge 15", "timeouts", "getstate",
                                        "build baud=9600 parity=N data=8 stop=1", "setstate"}));
    EXPECT_EQ(serial.LastTimeouts().readIntervalTimeout, 0xFFFFFFFFu);
    EXPECT_EQ(serial.LastTimeouts().readTotalTimeoutConstant, 1000u);
    EXPECT_EQ(serial.LastTimeouts().writeTotalTimeoutConstant, 1000u);
    EXPECT_EQ(serial.LastState().baudRate, 9600u);
    EXPECT_EQ(serial.LastState().parity, 'N');
    EXPECT_EQ(serial.LastState().stopBits, 1);
    EXPECT_EQ(serial.LastState().byteSize, 8);

    // Reset: RTS low, DTR low, 50 ms; RTS high, DTR high, 50 ms.
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 7, calls.begin() + 11),
              (std::vector<std::string>{"escape 4", "escape 6", "escape 3", "escape 5"}));
    // A "0" bit: RTS low, 1 ms, DTR high, 1 ms, RTS high, 2 ms, DTR high, 2 ms; a "1" bit: RTS high, DTR low.
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 11, calls.begin() + 19),
              (std::vector<std::string>{"escape 3", "escape 6", "escape 3", "escape 5", "escape 3",
                                        "escape 6", "escape 3", "escape 5"}));
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 19, calls.begin() + 23),
              (std::vector<std::string>{"escape 4", "escape 5", "escape 3", "escape 5"}));
    EXPECT_EQ(calls.size(), 7u + 4 + 40 * 4 + 1);
    EXPECT_EQ(calls.back(), "close");
    EXPECT_EQ(BitsSent(calls), BuildX10Frame(1, 1, kX10On));

    std::vector<double> expected{50, 10, 50, 50};
    for (int bit = 0; bit < 40; ++bit)
        expected.insert(expected.end(), {1, 1, 2, 2});
    expected.push_back(60);
    EXPECT_EQ(clock.Pauses(), expected);
    EXPECT_EQ(t.ctx.x10.X10OpenPort, 0);
    EXPECT_FALSE(t.ctx.commPorts.PortOpen(3));
}

TEST(X10Sender, OpenFailureIsReportedAndTheNextCommandTriesAgain) {
    test::TestContext t;
    t.platform.serial.FailOn("open", 2);
    EXPECT_EQ(t.ctx.x10.SendX10(4, 1, 1, kX10On), 0);
    ASSERT_EQ(t.platform.boxes.Count(), 1u);
    const std::string text = t.platform.boxes.Last().Text();
    EXPECT_EQ(text.rfind("COM Error: ", 0), 0u) << text;
    EXPECT_NE(text.find("CommOpen (CreateFile)"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 14), "\r\nExiting Send");
    EXPECT_EQ(t.ctx.x10.X10OpenPort, 0);
    EXPECT_EQ(t.platform.serial.CallNames(), std::vector<std::string>{"open COM4"});

    t.platform.serial.ClearCalls();
    t.ctx.x10.SendX10(4, 1, 1, kX10On);
    EXPECT_EQ(t.platform.serial.CallNames().front(), "open COM4");
}

TEST(X10Sender, APortWhoseSetupFailedIsNotLeftInUse) {
    test::TestContext t;
    t.platform.serial.FailOn("setstate", 87);
    t.ctx.x10.SendX10(2, 1, 1, kX10On);
    EXPECT_FALSE(t.ctx.commPorts.PortOpen(2));
    EXPECT_EQ(t.platform.serial.CallNames().back(), "close");
    t.ctx.x10.SendX10(2, 1, 1, kX10On);
    ASSERT_EQ(t.platform.boxes.Count(), 2u);
    EXPECT_EQ(t.platform.boxes.Last().Text().find("Port in use."), std::string::npos);
}

TEST(X10Sender, LineFailuresAreRecordedAndTheFrameStillEnds) {
    test::TestContext t;
    t.platform.serial.FailOn("escape", 50);
    EXPECT_EQ(t.ctx.x10.SendX10Frame(2, BuildX10Frame(1, 1, kX10On)), 2);
    EXPECT_EQ(t.ctx.commPorts.CommLastError, 50);
    EXPECT_EQ(t.ctx.commPorts.CommLastErrorSource, "CommSetLine (EscapeCommFunction)");
    EXPECT_EQ(t.platform.serial.CallNames().back(), "close");
    EXPECT_EQ(t.ctx.x10.X10OpenPort, 0);
}

} // namespace
} // namespace tavrel
