#include "shell/event_log.h"

#include "boardio/address_listing.h"
#include "boardio/bit_marks.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavrel {
namespace {

class EventLogTest : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    std::string relays[kBoardSlots];
    std::string inputs[kBoardSlots];

    void SetUp() override {
        t.platform.clock.Set(2026, 12, 7, 14, 3, 0);
        ctx.settings.LoggingOnOff = kTrue;
        ctx.settings.LogFilePath = t.platform.home.Path() + "/";
        ctx.schedule.BoardArray[0].LogBoard = 1;
        ctx.schedule.BoardArray[0].ChipSetType = "CBRelay08";
        ctx.schedule.BoardArray[0].InputAddress = 0x301;
        relays[0] = BitMarks(0b1000'0101);
        inputs[0] = BitMarks(0);
    }
    std::string LogFile() { return test::ReadWholeFile(t.platform.home.File("Tavrel_2026_12_07.Log")); }
};

TEST(EventLogNames, DayFileNameAndDateText) {
    EXPECT_EQ(LogFileNameFor({2026, 12, 7}), "Tavrel_2026_12_07.Log");
    EXPECT_EQ(LogFileNameFor({2027, 1, 31}), "Tavrel_2027_01_31.Log");
    EXPECT_EQ(DateText({2026, 12, 7}), "12/7/2026");
}

TEST(BitMarksText, MarksFollowTheBits) {
    EXPECT_EQ(BitMarks(0x85), "1 - 3 - - - - 8");
    EXPECT_EQ(BitMarks(0xFF), "1 2 3 4 5 6 7 8");
    EXPECT_EQ(BitMarks(0), "- - - - - - - -");
}

TEST_F(EventLogTest, EventLinesAndTheStoredFileName) {
    ctx.settings.LogFileName = "Tavrel_2026_12_06.Log";
    ctx.eventLog.WriteEvent("Open", "c:\\Runs\\Pumps.run");
    ctx.eventLog.WriteEvent("Enabling Timer", " ");
    EXPECT_EQ(LogFile(),
              "14:03:00 12/7/2026 Open c:\\Runs\\Pumps.run\r\n14:03:00 12/7/2026 Enabling Timer  \r\n");
    EXPECT_EQ(ctx.settings.LogFileName, "Tavrel_2026_12_07.Log");
    EXPECT_EQ(ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kConfigKey, "LogFileName", false),
              "Tavrel_2026_12_07.Log");
}

TEST_F(EventLogTest, StateLineOncePerMinute) {
    ctx.eventLog.WriteStateLine(relays, inputs);
    t.platform.clock.Advance(950);
    ctx.eventLog.WriteStateLine(relays, inputs);
    EXPECT_EQ(LogFile(), "14:03:00 <1 - 3 - - - - 8>R><I<- - - - - - - ->I \r\n");
    t.platform.clock.Advance(59'050);
    ctx.eventLog.WriteStateLine(relays, inputs);
    EXPECT_EQ(LogFile().substr(LogFile().find("\r\n") + 2),
              "14:04:00 <1 - 3 - - - - 8>R><I<- - - - - - - ->I \r\n");
}

TEST_F(EventLogTest, StateLineForEachKindOfBoard) {
    ctx.schedule.BoardArray[0].LogBoard = 0;
    EXPECT_EQ(ctx.eventLog.StateLine(60, relays, inputs), "00:01:00 R><II ");
    ctx.schedule.BoardArray[0].LogBoard = 1;
    ctx.schedule.BoardArray[0].InputAddress = 0;
    const std::pair<const char*, const char*> kTypes[] = {{"FireCracker", "<FireCracker>"},
                                                          {"LPT1", "<Lpt1>"},
                                                          {"lpt2", "<Lpt2>"},
                                                          {"Lpt3", "<Lpt3>"},
                                                          {"LPT", "<Lpt>"},
                                                          {"CBRelay08", "<>"}};
    for (const auto& [type, shown] : kTypes) {
        ctx.schedule.BoardArray[0].ChipSetType = type;
        EXPECT_EQ(ctx.eventLog.StateLine(60, relays, inputs),
                  std::string("00:01:00 <1 - 3 - - - - 8>R><I") + shown + "I ")
            << type;
    }
}

TEST_F(EventLogTest, LoggingOffCreatesNoFile) {
    ctx.settings.LoggingOnOff = kFalse;
    ctx.eventLog.WriteEvent("Open", "x");
    ctx.eventLog.WriteStateLine(relays, inputs);
    EXPECT_FALSE(std::filesystem::exists(t.platform.home.File("Tavrel_2026_12_07.Log")));
}

TEST_F(EventLogTest, FolderWithoutBackslashJoinsDirectlyAndFailuresAreSwallowed) {
    ctx.settings.LogFilePath = t.platform.home.File("Logs");
    ctx.eventLog.WriteEvent("Save", "x");
    EXPECT_TRUE(std::filesystem::exists(t.platform.home.File("LogsTavrel_2026_12_07.Log")));
    ctx.settings.LogFilePath = t.platform.home.File("no/such/folder/");
    ctx.eventLog.WriteEvent("Save", "x");
    EXPECT_EQ(t.platform.boxes.Count(), 0u);
}

TEST_F(EventLogTest, AddressListingOfASimulatedSpace) {
    t.platform.SetPortByte(0x200, 0x05);
    t.platform.SetPortByte(0x27F, 0xFF);
    t.platform.SetPortByte(0x3FF, 0x80);
    ListPortAddresses(ctx.portAccess, ctx.eventLog.CurrentLogPath());
    EXPECT_EQ(ctx.schedule.ScheduleSuspended, kFalse);
    const std::string text = LogFile();
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    ASSERT_EQ(lines.size(), 516u);
    EXPECT_EQ(lines[0], "-------Begin H200-H279----------------------------");
    EXPECT_EQ(lines[1], "Decimal: 512 Hex: 200 :1 - 3 - - - - -");
    EXPECT_EQ(lines[2], "Decimal: 513 Hex: 201 :- - - - - - - -");
    EXPECT_EQ(lines[128], "Decimal: 639 Hex: 27F :1 2 3 4 5 6 7 8");
    EXPECT_EQ(lines[129], "-------End   H200-H279----------------------------");
    EXPECT_EQ(lines[130], "-------Begin H280-H3FF----------------------------");
    EXPECT_EQ(lines[131], "Decimal: 640 Hex: 280 :- - - - - - - -");
    EXPECT_EQ(lines[514], "Decimal: 1023 Hex: 3FF :- - - - - - - 8");
    EXPECT_EQ(lines[515], "-------End   H280-H3FF----------------------------");
    EXPECT_EQ(lines[0].size(), 50u);
    EXPECT_EQ(lines[515].size(), 50u);
    EXPECT_EQ(t.platform.PortRangeCalls(), (std::vector<std::string>{"open 200-3FF", "close 200-3FF"}))
        << "the listed ports are held only while the listing reads them";
}

} // namespace
} // namespace tavrel
