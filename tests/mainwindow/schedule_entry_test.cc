// The entry boxes' rules: what is stored, the exact refusals, the overlap warning.

#include "mainwindow/schedule_entry.h"

#include "support/fake_clock.h"
#include "support/fake_message_boxes.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct RecordingEffects final : EntryEffects {
    int restartWrites = 0;
    int timerEnables = 0;
    int checks = 0;
    void WriteRestartFile() override { ++restartWrites; }
    void EnableTimer() override { ++timerEnables; }
    void CheckScheduleNow() override { ++checks; }
};

const char* const kFormatText = "Time Entered is NOT a valid Time, please re-enter\r\n\r\n"
                                "Format is HH:MM:SS or HH:MM am/pm (:SS is optional)";

class ScheduleEntryTest : public ::testing::Test {
protected:
    ScheduleTables tables;
    ScheduleFileState files;
    Settings settings;
    DisplayState display;
    test::FakeMessageBoxes boxes;
    RecordingEffects effects;
    test::FakeClock clock;
    ScheduleEntry entry{tables, files, settings, display, boxes, effects, clock};

    void SetUp() override {
        InitialiseNewSchedule(tables);
        settings.WarnOverLapTime = 1;
    }
    // Enters a pair of relay `relay`, pair `pair`; both must be accepted.
    void Pair(int relay, int pair, const char* start, const char* end) {
        ASSERT_TRUE(entry.LeaveStartTime(relay * 6 + pair, start).accepted);
        ASSERT_TRUE(entry.LeaveEndTime(relay * 6 + pair, end).accepted);
    }
};

TEST_F(ScheduleEntryTest, ARefusedTimeKeepsTheBoxAndShowsTheFormatMessage) {
    const EntryOutcome out = entry.LeaveStartTime(13, "25:00");
    EXPECT_FALSE(out.accepted);
    EXPECT_EQ(out.shown, "25:00");
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, "Entry Error");
    EXPECT_EQ(boxes.Last().icon, MsgIcon::Warning);
    EXPECT_EQ(boxes.Last().Text(), kFormatText);
    EXPECT_EQ(tables.TimeArray[13].StartTime, "");
    EXPECT_EQ(files.ScheduleChanged, 0);
    EXPECT_EQ(effects.restartWrites, 0);
}

TEST_F(ScheduleEntryTest, APmTimeIsStoredInTwentyFourHourFormAndItsConsequencesFollow) {
    const EntryOutcome out = entry.LeaveStartTime(6, "2:30 pm");
    EXPECT_TRUE(out.accepted);
    EXPECT_EQ(out.shown, "14:30:00");
    EXPECT_EQ(tables.TimeArray[6].StartTime, "14:30:00");
    EXPECT_EQ(files.ScheduleChanged, kTrue);
    EXPECT_EQ(effects.restartWrites, 1);
    EXPECT_EQ(effects.timerEnables, 1);
    EXPECT_EQ(effects.checks, 1);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(ScheduleEntryTest, PairOrderRefusals) {
    Pair(2, 1, "08:00", "10:00");
    struct Row {
        bool start;
        const char* typed;
        const char* message;
    };
    const Row kRows[] = {{true, "11:00", "ON time must be earlier then OFF time"},
                         {true, "10:00:00", "ON time same as OFF"},
                         {false, "7:00 am", "ON time must be earlier then OFF time"},
                         {false, "8:00", "ON time same as OFF"}};
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.typed);
        boxes.Clear();
        const EntryOutcome out =
            row.start ? entry.LeaveStartTime(13, row.typed) : entry.LeaveEndTime(13, row.typed);
        EXPECT_FALSE(out.accepted);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text(), row.message);
        EXPECT_EQ(boxes.Last().title, "Entry Error");
    }
    EXPECT_EQ(tables.TimeArray[13].StartTime, "08:00:00");
    EXPECT_EQ(tables.TimeArray[13].EndTime, "10:00:00");
}

TEST_F(ScheduleEntryTest, AnEndTimeWithoutAStartIsRefusedAndClearingAStartIsAlwaysAccepted) {
    const EntryOutcome out = entry.LeaveEndTime(0, "10:00");
    EXPECT_FALSE(out.accepted);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(), "Start time Required with End time\r\nTo Remove time-pair...\r\n"
                                   "   Remove End time first\r\nTo create Time-pair...\r\n"
                                   "   Enter Start time first");
    EXPECT_EQ(tables.TimeArray[0].EndTime, "");

    Pair(0, 0, "08:00", "10:00");
    EXPECT_TRUE(entry.LeaveStartTime(0, " ").accepted);
    EXPECT_EQ(tables.TimeArray[0].StartTime, "");
    EXPECT_EQ(tables.TimeArray[0].EndTime, "10:00:00");
}

TEST_F(ScheduleEntryTest, OverlapWarningOnlyForRealOverlapsAndOnlyWhenSwitchedOn) {
    struct Row {
        const char *start2, *end2;
        int16_t warn;
        bool warned;
    };
    const Row kRows[] = {{"09:00", "11:00", 1, true},
                         {"08:00", "10:00", 1, false},
                         {"10:00", "11:00", 1, false},
                         {"09:00", "11:00", 0, false}};
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.start2) + "-" + row.end2);
        InitialiseNewSchedule(tables);
        settings.WarnOverLapTime = row.warn;
        Pair(4, 0, "08:00", "10:00");
        boxes.Clear();
        Pair(4, 3, row.start2, row.end2);
        ASSERT_EQ(boxes.Count(), row.warned ? 1u : 0u);
        if (row.warned) {
            EXPECT_EQ(boxes.Last().title, "Warning !");
            EXPECT_EQ(boxes.Last().icon, MsgIcon::Warning);
            EXPECT_EQ(boxes.Last().Text(), "Your Last Entry Over-Laps another Time-Pair");
        }
        EXPECT_EQ(tables.TimeArray[27].EndTime, std::string(row.end2) + ":00") << "the entry stays";
    }
}

TEST_F(ScheduleEntryTest, EditingPairFiveUpdatesItsOwnRelaysTotalTime) {
    display.relays[1].totalTimeText = "untouched";
    Pair(0, 5, "08:00", "12:30");
    EXPECT_EQ(display.relays[0].totalTimeText, "04:30:00");
    EXPECT_EQ(display.relays[1].totalTimeText, "untouched");
}

TEST_F(ScheduleEntryTest, DaysOfWeekTexts) {
    const std::pair<const char*, bool> kRows[] = {{"Days", true},     {"ALL Days", true}, {"All", true},
                                                  {"23456", true},    {" ", true},        {"Mon", false},
                                                  {"all days", false}};
    for (const auto& [typed, accepted] : kRows) {
        SCOPED_TRACE(typed);
        boxes.Clear();
        EXPECT_EQ(entry.LeaveDaysOfWeek(3, typed).accepted, accepted);
        if (!accepted)
            EXPECT_EQ(boxes.Last().Text(), "Invalid Days of Week Entered, please re-enter");
        else
            EXPECT_EQ(tables.RelayArray[3].DaysOfWeek, typed);
    }
}

TEST_F(ScheduleEntryTest, CycleCodes) {
    const std::pair<const char*, const char*> kRows[] = {
        {"th", "TH"}, {"0", ""}, {"123", "12"}, {"eo", "EO"}, {"3h", "3H"}, {"xyz", nullptr}, {"Q", nullptr}};
    for (const auto& [typed, stored] : kRows) {
        SCOPED_TRACE(typed);
        boxes.Clear();
        const EntryOutcome out = entry.LeaveCycleCode(2, typed);
        EXPECT_EQ(out.accepted, stored != nullptr);
        if (stored != nullptr) {
            EXPECT_EQ(tables.RelayArray[2].CycleCode, stored);
            EXPECT_EQ(out.shown, stored);
        } else {
            EXPECT_EQ(boxes.Last().Text(), "Invalid Even/Odd Entered, please re-enter");
        }
    }
}

TEST_F(ScheduleEntryTest, ACyclicCodeClearsInvertBeforeTheRestartFileIsWritten) {
    tables.RelayArray[1].Invert = kTrue;
    entry.LeaveCycleCode(1, "15");
    EXPECT_EQ(tables.RelayArray[1].Invert, kFalse);
    EXPECT_EQ(effects.restartWrites, 1);
}

TEST_F(ScheduleEntryTest, NamesAndIcons) {
    entry.LeaveDisplayName(7, {"Pump", {}});
    EXPECT_EQ(tables.RelayArray[7].DisplayName, "Pump");
    entry.SetIconFile(7, "");
    EXPECT_EQ(effects.restartWrites, 1) << "a cancelled choice writes nothing";
    entry.SetIconFile(7, "/icons/pump.png");
    EXPECT_EQ(tables.RelayArray[7].IconFile, "/icons/pump.png");
    EXPECT_EQ(effects.restartWrites, 2);
    EXPECT_EQ(files.ScheduleChanged, kTrue);
}

TEST_F(ScheduleEntryTest, ANameWithACharacterTheSettingsCannotHoldIsRefusedAndTheOldNameStays) {
    entry.LeaveDisplayName(2, {"Pump", {}});
    const EntryOutcome out = entry.LeaveDisplayName(2, TypedFromUtf8("Łódź"));
    EXPECT_FALSE(out.accepted);
    EXPECT_EQ(out.shown, "Pump");
    EXPECT_EQ(tables.RelayArray[2].DisplayName, "Pump");
    EXPECT_EQ(effects.restartWrites, 1);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, "Character Cannot Be Stored");
}

} // namespace
} // namespace tavrel

namespace tavrel {
namespace {

class SunEntryTest : public ScheduleEntryTest {
protected:
    void SetUp() override {
        ScheduleEntryTest::SetUp();
        clock.Set(2027, 6, 21, 12, 0, 0);
        clock.SetZone(3600, true);
        tables.Sun.SetZone(&clock.Zone());
        tables.Sun.FollowSettings(&settings);
        settings.Latitude = "52.52";
        settings.Longitude = "13.405";
    }
};

TEST_F(SunEntryTest, RefusedWithNoLocationSayingWhereToSetIt) {
    settings.Latitude.clear();
    const EntryOutcome out = entry.LeaveStartTime(0, "Sunset - 0:30");
    EXPECT_FALSE(out.accepted);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().lines[0], kSunEntryWithoutPlace[0]);
    EXPECT_EQ(tables.TimeArray[0].StartTime, "");
}

// Out of order today (sunrise 04:43 in June) is no refusal: the pair runs on winter mornings.
TEST_F(SunEntryTest, StoredNormalisedAndNotRefusedForTodaysOrder) {
    Pair(0, 0, "Sunset - 0:30", "23:00");
    EXPECT_EQ(tables.TimeArray[0].StartTime, "sunset-00:30");
    Pair(1, 0, "6:00", "SUNRISE");
    EXPECT_EQ(tables.TimeArray[6].EndTime, "sunrise");
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_FALSE(entry.LeaveEndTime(12, "dusk").accepted || !entry.LeaveStartTime(12, "dusk").accepted);
    boxes.Clear();
    EXPECT_FALSE(entry.LeaveEndTime(12, "dusk").accepted);
    EXPECT_EQ(boxes.Last().Text(), "ON time same as OFF");
}

TEST_F(SunEntryTest, APairThatRunsOnNoDayOfTheYearIsKeptWithAWarning) {
    Pair(0, 0, "sunset", "sunrise");
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().title, "Warning !");
    EXPECT_NE(boxes.Last().Text().find("sunset to 23:59:59 and 00:00:00 to sunrise"), std::string::npos);
    EXPECT_EQ(tables.TimeArray[0].EndTime, "sunrise");
}

} // namespace
} // namespace tavrel
