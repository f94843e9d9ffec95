#include "files/run_file.h"

#include "files/run_file_fields.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavrel {
namespace {

const std::string kData = std::string(TAVREL_TEST_DATA) + "/runfiles/";

std::string Two(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

class RunFileTest : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    test::FakeMessageBoxes& boxes = t.platform.boxes;
    ScheduleFileState state;
    RunFiles files{ctx.schedule, ctx.settings, state, boxes, t.platform.drives, t.platform.clock};
    std::string folder = t.platform.home.Path() + "/";

    void SetUp() override { InitialiseNewSchedule(ctx.schedule); }

    // The schedule every golden file holds, seen through what its version stores.
    void ExpectGoldenSchedule(bool countAndStop, bool endTimes) {
        static const char* kCodes[] = {"EO", "TH", "15", "MH", "BH", "MH", "3H", "SS"};
        static const char* kDays[] = {"All Days", "1357", "23456", "7", "1", "All", "246", "12345"};
        for (int r = 0; r < 8; ++r) {
            const RelayRecord& relay = ctx.schedule.RelayArray[r];
            SCOPED_TRACE("relay " + std::to_string(r));
            EXPECT_EQ(relay.DisplayName, "Relay " + std::to_string(r + 1));
            EXPECT_EQ(relay.DaysOfWeek, kDays[r]);
            EXPECT_EQ(relay.CycleCode, kCodes[r]) << "retired codes converted";
            EXPECT_EQ(relay.Manual, r % 2 ? kTrue : kFalse);
            EXPECT_EQ(relay.Invert, r == 5 ? kTrue : kFalse) << "invert cleared on the cyclic relay 3";
            EXPECT_EQ(relay.CountEnabled, r >= 4 ? kTrue : kFalse);
            EXPECT_EQ(relay.Counter, countAndStop ? r * 10 : 0);
            EXPECT_EQ(relay.HardStop, countAndStop && r == 7 ? kTrue : kFalse);
            EXPECT_EQ(relay.IconFile, r % 3 == 0 ? "c:\\icons\\relay" + std::to_string(r + 1) + ".ico" : "");
            for (int p = 0; p < 6; ++p) {
                const TimePair& pair = ctx.schedule.TimeArray[r * 6 + p];
                EXPECT_EQ(pair.StartTime, Two(8 + p) + ":" + Two(r * 5) + ":00");
                EXPECT_EQ(pair.EndTime, endTimes ? Two(8 + p) + ":" + Two(r * 5 + 4) + ":00" : "");
            }
        }
    }
};

TEST_F(RunFileTest, EveryVersionLoads) {
    struct Case {
        const char* file;
        bool logging;
        bool countAndStop;
        bool endTimes;
    };
    const Case kCases[] = {{"v2002_08_01.run", true, true, true},
                           {"v2001_05_01.run", true, true, true},
                           {"v2001_04_15.run", true, true, false},
                           {"v2001_02_29.run", false, true, false},
                           {"v2000_04_24.run", false, false, true}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.file);
        InitialiseNewSchedule(ctx.schedule);
        ctx.settings.LoggingOnOff = kFalse;
        state.RestartedAfterCrash = kTrue;
        ASSERT_EQ(files.LoadRunFile(kData, c.file, true), kRunFileLoaded);
        EXPECT_EQ(ctx.settings.LoggingOnOff, c.logging ? kTrue : kFalse);
        EXPECT_EQ(state.RestartedAfterCrash, kFalse);
        ExpectGoldenSchedule(c.countAndStop, c.endTimes);
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(RunFileTest, SaveWritesTheCurrentLayoutByteForByte) {
    ASSERT_EQ(files.LoadRunFile(kData, "v2002_08_01.run", true), kRunFileLoaded);
    ASSERT_TRUE(files.SaveRunFile(folder, "Saved.run"));
    const std::string written = test::ReadWholeFile(folder + "Saved.run");
    EXPECT_EQ(written, test::ReadWholeFile(kData + "saved_v2002_08_01.run"));
    EXPECT_EQ(files.VersionText, "FV.2002.08.01|.b0.r7.t5");
    size_t lines = 0;
    for (size_t p = 0; (p = written.find("\r\n", p)) != std::string::npos; p += 2)
        ++lines;
    EXPECT_EQ(lines, 170u);
    EXPECT_EQ(written.find('\n'), written.find("\r\n") + 1);
}

TEST_F(RunFileTest, NumbersAndFlagsAsWritten) {
    EXPECT_EQ(NumberFieldLine(0), " 0 \r\n");
    EXPECT_EQ(NumberFieldLine(37), " 37 \r\n");
    EXPECT_EQ(NumberFieldLine(-2), "-2 \r\n");
    EXPECT_EQ(FlagFieldLine(kTrue), " 1 \r\n");
    EXPECT_EQ(FlagFieldLine(kFalse), " 0 \r\n");
}

TEST_F(RunFileTest, SavedFileReloadsEveryStoredField) {
    for (int r = 0; r < 8; ++r) {
        RelayRecord& relay = ctx.schedule.RelayArray[r];
        relay.DisplayName = r == 0 ? "" : "Lamp " + std::to_string(r);
        relay.DaysOfWeek = r == 1 ? "" : "2345";
        relay.CycleCode = r == 2 ? "" : "OD";
        relay.Manual = r == 3 ? kTrue : kFalse;
        relay.Invert = r == 4 ? kTrue : kFalse;
        relay.CountEnabled = kTrue;
        relay.Counter = static_cast<int16_t>(31999 - r);
        relay.HardStop = r == 6 ? kTrue : kFalse;
        relay.IconFile = r == 7 ? "" : "C:\\Icons\\lamp.ico";
        for (int p = 0; p < 6; ++p)
            ctx.schedule.TimeArray[r * 6 + p] = {p == 5 ? "" : "06:00:00", p == 5 ? "" : "07:15:30", kFalse};
    }
    ctx.settings.LoggingOnOff = kTrue;
    const ScheduleTables before = ctx.schedule;
    ASSERT_TRUE(files.SaveRunFile(folder, "Round.run"));
    InitialiseNewSchedule(ctx.schedule);
    ctx.settings.LoggingOnOff = kFalse;
    ASSERT_EQ(files.LoadRunFile(folder, "Round.run", true), kRunFileLoaded);
    EXPECT_EQ(ctx.settings.LoggingOnOff, kTrue);
    for (int r = 0; r < 8; ++r) {
        const RelayRecord& a = before.RelayArray[r];
        const RelayRecord& b = ctx.schedule.RelayArray[r];
        EXPECT_EQ(b.DisplayName, a.DisplayName);
        EXPECT_EQ(b.DaysOfWeek, a.DaysOfWeek);
        EXPECT_EQ(b.CycleCode, a.CycleCode);
        EXPECT_EQ(b.Manual, a.Manual);
        EXPECT_EQ(b.Invert, a.Invert);
        EXPECT_EQ(b.CountEnabled, a.CountEnabled);
        EXPECT_EQ(b.Counter, a.Counter);
        EXPECT_EQ(b.HardStop, a.HardStop);
        EXPECT_EQ(b.IconFile, a.IconFile);
        for (int p = 0; p < 6; ++p) {
            EXPECT_EQ(ctx.schedule.TimeArray[r * 6 + p].StartTime, before.TimeArray[r * 6 + p].StartTime);
            EXPECT_EQ(ctx.schedule.TimeArray[r * 6 + p].EndTime, before.TimeArray[r * 6 + p].EndTime);
        }
    }
}

TEST_F(RunFileTest, TextsThatNeedQuotingRoundTrip) {
    const std::string kTexts[] = {"Pump, main", "\"Quoted\" name",         " leading", "trailing ",
                                  "\t tab",     "say \"hi\", then go",     "6\" pipe", "a\"b",
                                  " ",          "C:\\My Icons, old\\x.ico"};
    EXPECT_EQ(TextFieldLine("6\" pipe"), "6\" pipe\r\n") << "plain where plain reads back";
    EXPECT_EQ(TextFieldLine("Pump, main"), "\"Pump, main\"\r\n");
    EXPECT_EQ(TextFieldLine("\"Q\""), "\"\"\"Q\"\"\"\r\n");
    for (const std::string& text : kTexts) {
        InitialiseNewSchedule(ctx.schedule);
        ctx.schedule.RelayArray[3].DisplayName = text;
        ctx.schedule.RelayArray[3].IconFile = text;
        ctx.schedule.TimeArray[3 * 6].StartTime = text;
        ASSERT_TRUE(files.SaveRunFile(folder, "Q.run"));
        InitialiseNewSchedule(ctx.schedule);
        ASSERT_EQ(files.LoadRunFile(folder, "Q.run", true), kRunFileLoaded) << text;
        EXPECT_EQ(ctx.schedule.RelayArray[3].DisplayName, text);
        EXPECT_EQ(ctx.schedule.RelayArray[3].IconFile, text);
        EXPECT_EQ(ctx.schedule.TimeArray[3 * 6].StartTime, text);
        EXPECT_EQ(ctx.schedule.RelayArray[4].DisplayName, ctx.schedule.BoardArray[0].RelayNames[4])
            << "the next relay is in step";
    }
}

TEST_F(RunFileTest, WiderDimensionsKeepTheTablesAndStayInStep) {
    ASSERT_EQ(files.LoadRunFile(kData, "wide_dimensions.run", true), kRunFileLoaded);
    EXPECT_EQ(boxes.Count(), 0u);
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(ctx.schedule.RelayArray[r].DisplayName, "Relay " + std::to_string(r + 1));
        EXPECT_EQ(ctx.schedule.TimeArray[r * 6 + 5].StartTime, "13:" + Two(r * 5) + ":00");
    }
    EXPECT_EQ(ctx.schedule.RelayArray[8].DisplayName, "") << "slot 8 is never filled";
}

TEST_F(RunFileTest, FlagLinesThatAreNeitherZeroNorOneLeaveTheFlag) {
    std::string text = test::ReadWholeFile(kData + "v2002_08_01.run");
    // Relay 1's Manual line (file line 6) holds " 0 ": make it " 5 "; relay 2's Manual (line 27) " 1 ".
    auto lineStart = [&](int line) {
        size_t p = 0;
        for (int i = 1; i < line; ++i)
            p = text.find("\r\n", p) + 2;
        return p;
    };
    text.replace(lineStart(6), 3, " 5 ");
    test::WriteWholeFile(folder + "F.run", text);
    ctx.schedule.RelayArray[0].Manual = kTrue;
    ASSERT_EQ(files.LoadRunFile(folder, "F.run", true), kRunFileLoaded);
    EXPECT_EQ(ctx.schedule.RelayArray[0].Manual, kTrue);
    EXPECT_EQ(ctx.schedule.RelayArray[1].Manual, kTrue);
}

TEST_F(RunFileTest, UnknownAndFutureTagsChangeNothing) {
    ctx.schedule.RelayArray[0].DisplayName = "kept";
    test::WriteWholeFile(folder + "Later.run", "FV.2003.01.01|.b0.r7.t5\r\n 1 \r\nNew name\r\n");
    EXPECT_EQ(files.LoadRunFile(folder, "Later.run", true), kRunFileUnknownVersion);
    EXPECT_EQ(boxes.Last().title, "Select a Current File");
    EXPECT_EQ(boxes.Last().Text(), "File Load Version Error");
    EXPECT_EQ(boxes.Last().icon, MsgIcon::Warning);
    test::WriteWholeFile(folder + "Future.run", "FV.9999.99.99|.b0.r7.t5\r\n 1 \r\nNew name\r\n");
    EXPECT_EQ(files.LoadRunFile(folder, "Future.run", true), kRunFileFutureVersion);
    EXPECT_EQ(boxes.Last().Text(), "Attempting to Load a file Version that does not exist yet");
    EXPECT_EQ(boxes.Last().icon, MsgIcon::Information);
    EXPECT_EQ(ctx.schedule.RelayArray[0].DisplayName, "kept");
    EXPECT_EQ(ctx.settings.LoggingOnOff, kFalse);
}

TEST_F(RunFileTest, BadVersionLinesAndMissingFiles) {
    EXPECT_EQ(files.LoadRunFile(folder, "Missing.run", false), kRunFileOpenFailed);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(files.LoadRunFile(folder, "Missing.run", true), kRunFileOpenFailed);
    EXPECT_EQ(boxes.Last().title, "Open Run File Error");
    test::WriteWholeFile(folder + "Empty.run", "");
    EXPECT_EQ(files.LoadRunFile(folder, "Empty.run", true), kRunFileVersionUnreadable);
    EXPECT_EQ(boxes.Last().title, "Error Reading Run File");
    test::WriteWholeFile(folder + "NoBar.run", "FV.2002.08.01\r\n");
    EXPECT_EQ(files.LoadRunFile(folder, "NoBar.run", true), kRunFileBadVersionLine);
    EXPECT_EQ(boxes.Last().title, "Error Reading Run File");
}

TEST_F(RunFileTest, AFileCutShortInEachSectionSaysWhere) {
    const std::string full = test::ReadWholeFile(kData + "v2002_08_01.run");
    auto firstLines = [&](int n) {
        size_t p = 0;
        for (int i = 0; i < n; ++i)
            p = full.find("\r\n", p) + 2;
        return full.substr(0, p);
    };
    const std::pair<int, const char*> kCuts[] = {{1, "Error Reading Data File"},
                                                 {5, "Error Reading Relay Array"},
                                                 {15, "Error Reading Time Array"},
                                                 {169, "Error Reading Time Array"},
                                                 {90, "Error Reading Relay Array"}};
    for (const auto& [lines, title] : kCuts) {
        test::WriteWholeFile(folder + "Cut.run", firstLines(lines));
        boxes.Clear();
        EXPECT_EQ(files.LoadRunFile(folder, "Cut.run", true), kRunFileOpenFailed) << lines;
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().title, title) << lines;
        EXPECT_EQ(boxes.Last().Text(), kInputPastEndOfFile);
    }
    test::WriteWholeFile(folder + "BadDims.run", "FV.2002.08.01|.bx.r7.t5\r\n 1 \r\n");
    EXPECT_EQ(files.LoadRunFile(folder, "BadDims.run", true), kRunFileOpenFailed);
    EXPECT_EQ(boxes.Last().title, "Error Reading Board Array");
    test::WriteWholeFile(folder + "BadNumber.run", firstLines(8) + "lots\r\n");
    EXPECT_EQ(files.LoadRunFile(folder, "BadNumber.run", true), kRunFileOpenFailed);
    EXPECT_EQ(boxes.Last().title, "Error Reading Relay Array");
    EXPECT_EQ(boxes.Last().Text(), "Type mismatch");
}

TEST_F(RunFileTest, AFailedSaveLeavesTheOldFileWhole) {
    ASSERT_TRUE(files.SaveRunFile(folder, "Keep.run"));
    const std::string before = test::ReadWholeFile(folder + "Keep.run");
    ctx.schedule.RelayArray[0].DisplayName = "changed";
    // A folder that cannot hold the temp file: the save fails at its start.
    EXPECT_FALSE(files.SaveRunFile(folder + "no-such-folder/", "Keep.run"));
    EXPECT_EQ(boxes.Last().title, "Open File Error");
    EXPECT_EQ(test::ReadWholeFile(folder + "Keep.run"), before);
}

} // namespace
} // namespace tavrel
