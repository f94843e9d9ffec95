// The configuration window's Calendar section: what the field stores, the files chosen, and the list of
// the next holidays read through the program's calendar (on a fake calendar library).

#include "config/holiday_files.h"
#include "config/holiday_files_model.h"
#include "engine/schedule_records.h"
#include "platform/drive_map.h"
#include "shell/holidays_ahead.h"

#include "support/fake_calendar_reader.h"
#include "support/fake_message_boxes.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

CalendarEventRecord AllDay(const char* name, CalendarDate start, CalendarDate end) {
    return test::AllDayEvent(name, start, end);
}

class CalendarSection : public ::testing::Test {
protected:
    CalendarSection() {
        CalendarFileRecord holidays;
        holidays.opened = true;
        holidays.isCalendar = true;
        CalendarEventRecord christmas = AllDay("Christmas Day", {2020, 12, 25}, {2020, 12, 26});
        christmas.repeats = {{2020, 12, 25}, {2026, 12, 25}, {2027, 12, 25}};
        holidays.events = {christmas, AllDay("Closing", {2027, 7, 26}, {2027, 8, 7}),
                           AllDay("Gone by", {2026, 1, 1}, {2026, 1, 2})};
        files["/cal/holidays.ics"] = holidays;
        targets.loadCalendarReader = [this](std::string& error) -> std::unique_ptr<CalendarReader> {
            ++loads;
            if (!libraryThere) {
                error = "libical.so.3: cannot open shared object file";
                return nullptr;
            }
            auto reader = std::make_unique<test::FakeCalendarReader>();
            reader->files = files;
            return reader;
        };
        targets.holidaysAhead = [this](CalendarReader& reader, const std::string& setting, int count) {
            ++reads;
            return ReadHolidaysAhead(reader, setting, DriveMap("/nonexistent-home"), {2026, 12, 7}, count);
        };
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (const ComingHoliday& h : model.Coming())
            lines.push_back(HolidayFilesModel::Line(h));
        return lines;
    }

    std::map<std::string, CalendarFileRecord> files;
    bool libraryThere = true;
    int loads = 0;
    int reads = 0;
    Settings settings;
    ScheduleTables tables;
    test::FakeMessageBoxes boxes;
    ConfigurationTargets targets{settings, tables.BoardArray, tables.RelayGroupColors, boxes, {}};
    ConfigChangeFlag changes;
    HolidayFilesModel model{targets, changes};
};

TEST_F(CalendarSection, ListsTheNextHolidaysOfTheFilesSetAndReadsOnlyWhenTheyChange) {
    EXPECT_EQ(model.Notes(), std::vector<std::string>{kNoHolidayFilesText});
    EXPECT_EQ(loads, 0); // no files: the calendar library stays unloaded

    EXPECT_TRUE(model.Leave("/cal/holidays.ics"));
    EXPECT_TRUE(changes.changed);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"2026-12-25  Christmas Day", "2027-07-26  Closing",
                                                 "2027-07-27  Closing", "2027-07-28  Closing",
                                                 "2027-07-29  Closing", "2027-07-30  Closing",
                                                 "2027-07-31  Closing", "2027-08-01  Closing"}));
    EXPECT_TRUE(model.Notes().empty());
    model.Coming();
    EXPECT_TRUE(model.Leave(" /cal/holidays.ics "));
    model.Coming();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(loads, 1);
}

TEST_F(CalendarSection, AFileThatCannotBeReadIsNamedAndTheOthersStillListed) {
    model.AddChosen({"/cal/gone.ics", "/cal/holidays.ics"});
    EXPECT_EQ(settings.HolidayFiles, "/cal/gone.ics;/cal/holidays.ics");
    EXPECT_EQ(model.Coming().size(), size_t(kComingHolidayCount));
    ASSERT_EQ(model.Notes().size(), size_t(1));
    EXPECT_EQ(model.Notes()[0], "The calendar file \"/cal/gone.ics\" cannot be read (No such file or "
                                "directory); the other calendar files stay in force.");
}

TEST_F(CalendarSection, RefusesWhatTavreldRefusesAndKeepsTheSetting) {
    settings.HolidayFiles = "/cal/holidays.ics";
    model.Refresh();
    EXPECT_FALSE(model.Leave("/cal/holidays.ics;holidays.ics"));
    EXPECT_EQ(settings.HolidayFiles, "/cal/holidays.ics");
    EXPECT_EQ(model.Text(), "/cal/holidays.ics");
    EXPECT_FALSE(changes.changed);
    ASSERT_EQ(boxes.Count(), size_t(1));
    std::string reason;
    HolidayFilesValue("holidays.ics", reason);
    EXPECT_EQ(boxes.Last().Text(), reason);
}

TEST_F(CalendarSection, AMissingCalendarLibraryIsSaid) {
    libraryThere = false;
    model.Leave("/cal/holidays.ics");
    EXPECT_TRUE(model.Coming().empty());
    EXPECT_EQ(model.Notes(), std::vector<std::string>{"The calendar files cannot be read: libical.so.3: "
                                                      "cannot open shared object file"});
}

} // namespace
} // namespace tavrel
