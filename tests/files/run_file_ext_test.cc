#include "files/run_file.h"

#include "engine/time_of_day.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tavrel {
namespace {

class RunFileSunTest : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    test::FakeMessageBoxes& boxes = t.platform.boxes;
    ScheduleFileState state;
    RunFiles files{ctx.schedule, ctx.settings, state, boxes, t.platform.drives, t.platform.clock};
    std::string folder = t.platform.home.Path() + "/";
    const CalendarDate day{2027, 3, 28};

    void SetUp() override {
        InitialiseNewSchedule(ctx.schedule);
        t.platform.clock.Set(2027, 3, 28, 12, 0, 0);
        t.platform.clock.SetZone(3600, true);
        ctx.schedule.Sun.SetZone(&t.platform.clock.Zone());
        ctx.settings.Latitude = "52.52";
        ctx.settings.Longitude = "13.405";
        Pair(2, 0) = {"sunset-00:30", "23:00:00", kFalse};
        Pair(5, 3) = {"05:00:00", "sunrise", kFalse};
    }
    TimePair& Pair(int r, int p) { return ctx.schedule.TimeArray[PairIndex(RelayIndex(0, r), p)]; }
    std::vector<std::string> Lines(const std::string& name) {
        std::vector<std::string> lines;
        std::istringstream in(test::ReadWholeFile(folder + name));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.substr(0, line.size() - (line.ends_with('\r') ? 1 : 0)));
        return lines;
    }
    std::string Resolved(const char* text) { return FormatTimeOfDay(*ctx.schedule.Sun.TimeOn(text, day)); }
    // Writes the fixed layout of the schedule now in the tables, then `block` after it.
    void WriteWithBlock(const std::string& block) {
        ASSERT_TRUE(files.SaveRunFile(folder, "Plain.run"));
        std::string text = test::ReadWholeFile(folder + "Plain.run");
        text = text.substr(0, text.find("TAVREL.EXT|")) + block;
        test::WriteWholeFile(folder + "Block.run", text);
    }
};

// Any reader of the fixed lines runs the day of the save; this one gets the sun-based texts back.
TEST_F(RunFileSunTest, FixedLinesHoldTheSaveDaysTimesAndTheBlockTheTexts) {
    ASSERT_TRUE(files.SaveRunFile(folder, "Sun.run"));
    const std::vector<std::string> lines = Lines("Sun.run");
    ASSERT_EQ(lines.size(), 174u);
    EXPECT_EQ(lines[2 + 2 * 21 + 9], Resolved("sunset-00:30"));
    EXPECT_EQ(lines[2 + 5 * 21 + 9 + 7], Resolved("sunrise"));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 170, lines.end()),
              (std::vector<std::string>{"TAVREL.EXT|1", "ASTRO|2|0|ON|sunset-00:30", "ASTRO|5|3|OFF|sunrise",
                                        "TAVREL.END"}));
    InitialiseNewSchedule(ctx.schedule);
    ASSERT_EQ(files.LoadRunFile(folder, "Sun.run", true), kRunFileLoaded);
    EXPECT_EQ(Pair(2, 0).StartTime, "sunset-00:30");
    EXPECT_EQ(Pair(5, 3).EndTime, "sunrise");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(RunFileSunTest, WithNoLocationTheFixedLineIsEmptyAndTheLoadSaysSo) {
    ctx.settings.Latitude.clear();
    ASSERT_TRUE(files.SaveRunFile(folder, "Sun.run"));
    EXPECT_EQ(Lines("Sun.run")[2 + 2 * 21 + 9], "");
    ASSERT_EQ(files.LoadRunFile(folder, "Sun.run", true), kRunFileLoaded);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(), kSunTimesWithoutPlace);
}

TEST_F(RunFileSunTest, LinesOfUnknownKindsAreWrittenBackAfterTheKnownOnes) {
    WriteWithBlock("TAVREL.EXT|1\r\nLATER|x|y\r\nASTRO|2|0|ON|dusk\r\nTAVREL.END\r\n");
    ASSERT_EQ(files.LoadRunFile(folder, "Block.run", true), kRunFileLoaded);
    EXPECT_EQ(Pair(2, 0).StartTime, "dusk");
    ASSERT_TRUE(files.SaveRunFile(folder, "Again.run"));
    const std::vector<std::string> lines = Lines("Again.run");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 171, lines.end()),
              (std::vector<std::string>{"ASTRO|2|0|ON|dusk", "LATER|x|y", "TAVREL.END"}));
}

// The holiday rules other than RUN follow the sun-based times, in relay order, and read back; a file
// without them (as any older one) leaves every relay at RUN.
TEST_F(RunFileSunTest, HolidayRulesFollowTheSunTimesAndReadBack) {
    ctx.schedule.RelayArray[6].Holiday = HolidayRule::Sunday;
    ctx.schedule.RelayArray[1].Holiday = HolidayRule::Skip;
    ASSERT_TRUE(files.SaveRunFile(folder, "Rules.run"));
    const std::vector<std::string> lines = Lines("Rules.run");
    ASSERT_EQ(lines.size(), 176u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 170, lines.end()),
              (std::vector<std::string>{"TAVREL.EXT|1", "ASTRO|2|0|ON|sunset-00:30", "ASTRO|5|3|OFF|sunrise",
                                        "HOLIDAY|1|SKIP", "HOLIDAY|6|SUNDAY", "TAVREL.END"}));
    InitialiseNewSchedule(ctx.schedule);
    ASSERT_EQ(files.LoadRunFile(folder, "Rules.run", true), kRunFileLoaded);
    EXPECT_EQ(ctx.schedule.RelayArray[1].Holiday, HolidayRule::Skip);
    EXPECT_EQ(ctx.schedule.RelayArray[6].Holiday, HolidayRule::Sunday);

    Pair(2, 0) = Pair(5, 3) = {"", "", kFalse};
    ctx.schedule.RelayArray[1].Holiday = ctx.schedule.RelayArray[6].Holiday = HolidayRule::Run;
    ASSERT_TRUE(files.SaveRunFile(folder, "Old.run"));
    EXPECT_EQ(Lines("Old.run").size(), 170u) << "no block when there is nothing to hold";
    ASSERT_EQ(files.LoadRunFile(folder, "Rules.run", true), kRunFileLoaded);
    ASSERT_EQ(files.LoadRunFile(folder, "Old.run", true), kRunFileLoaded);
    EXPECT_EQ(ctx.schedule.RelayArray[1].Holiday, HolidayRule::Run);
    EXPECT_EQ(ctx.schedule.RelayArray[6].Holiday, HolidayRule::Run);
    EXPECT_EQ(boxes.Count(), 0u);
}

// A damaged block: the file loads, the fixed time stays where the block could not be read, one warning.
TEST_F(RunFileSunTest, ADamagedBlockKeepsTheFixedTimesAndNamesTheLine) {
    const std::pair<const char*, const char*> kBlocks[] = {
        {"TAVREL.EXT|1\r\nASTRO|8|0|ON|dusk\r\nTAVREL.END\r\n", "line 172"},
        {"TAVREL.EXT|1\r\nASTRO|2|0|ON|sunset+13:00\r\nTAVREL.END\r\n", "line 172"},
        {"TAVREL.EXT|1\r\nASTRO|5|3|OFF|sunrise\r\nASTRO|2|0|ON\r\nTAVREL.END\r\n", "line 173"},
        {"TAVREL.EXT|1\r\nASTRO|2|x|ON|dusk\r\n", "line 172"},
        {"TAVREL.EXT|1\r\n", "line 172"},
        {"TAVREL.EXT|1\r\nHOLIDAY|2|WEEKEND\r\nTAVREL.END\r\n", "line 172"},
        {"TAVREL.EXT|1\r\nHOLIDAY|8|SKIP\r\nTAVREL.END\r\n", "line 172"},
    };
    for (const auto& [block, line] : kBlocks) {
        SCOPED_TRACE(block);
        SetUp();
        WriteWithBlock(block);
        InitialiseNewSchedule(ctx.schedule);
        const size_t before = boxes.Count();
        ASSERT_EQ(files.LoadRunFile(folder, "Block.run", true), kRunFileLoaded);
        EXPECT_EQ(Pair(2, 0).StartTime, Resolved("sunset-00:30"));
        ASSERT_EQ(boxes.Count(), before + 1);
        EXPECT_NE(boxes.Last().Text().find(line), std::string::npos) << boxes.Last().Text();
    }
}

} // namespace
} // namespace tavrel
