#include "shell/preview_printer.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

namespace tavrel {
namespace {

TEST(PreviewPrinterTest, ParseIsoDate) {
    const std::pair<const char*, bool> cases[] = {
        {"2026-12-12", true}, {"2024-02-29", true},  {"2026-02-29", false}, {"2026-13-01", false},
        {"2026-1-01", false}, {"2026-12-1x", false}, {"0000-01-01", false}};
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(ParseIsoDate(text).has_value(), valid) << text;
    EXPECT_EQ(ParseIsoDate("2026-12-12"), (CalendarDate{2026, 12, 12}));
}

std::string Printed(const DayPreview& day) {
    std::ostringstream out;
    PrintDayPreview(day, out);
    return out.str();
}

TEST(PreviewPrinterTest, ListsIntervalsThenHoursAboveTheLimit) {
    DayPreview day;
    day.date = {2026, 12, 12};
    day.weekday = 7;
    day.relays[0] = {"Pump", false, {{28801, 61200}}, 32399, "09:00:00", {}};
    day.relays[1].name = "Fan";
    day.relays[1].cyclic = true;
    for (int32_t i = 0; i < static_cast<int32_t>(kMaxListedIntervals) + 1; ++i)
        day.relays[1].intervals.push_back({3600 + i * 60, 3600 + i * 60 + 30});
    day.relays[2].intervals = {{0, 86400}};
    const std::string text = Printed(day);
    EXPECT_NE(text.find("Preview of 2026-12-12 (Saturday)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Relay 1: Pump\n  08:00:01-17:00:00\n  ON 08:59:59 of total time 09:00:00\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("    hour 01: 41 switched ON, 1230 s ON\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("01:00:00-01:00:30"), std::string::npos) << "more than the limit: no list";
    EXPECT_NE(text.find("  00:00:00-24:00:00\n"), std::string::npos) << text;
    EXPECT_NE(text.find("cyclic"), std::string::npos);
    EXPECT_EQ(text.find("Note:"), text.rfind("Note:")) << "the note is said once";
}

// The holiday and the rules are on lines of their own; the interval lines keep their form.
TEST(PreviewPrinterTest, NamesTheHolidayAndTheRules) {
    ScheduleTables t;
    InitialiseNewSchedule(t);
    const CalendarDate holiday{2026, 12, 23};
    t.Holidays.SetLookup([&holiday](const CalendarDate& d) {
        return d == holiday ? std::optional<std::string>("Works closing") : std::nullopt;
    });
    t.RelayArray[0].DisplayName = "Pump";
    t.RelayArray[0].Holiday = HolidayRule::Skip;
    t.RelayArray[1].DisplayName = "Lights";
    t.RelayArray[1].Holiday = HolidayRule::Sunday;
    t.RelayArray[1].DaysOfWeek = "1";
    t.TimeArray[PairIndex(0, 0)] = t.TimeArray[PairIndex(1, 0)] = {"08:00:00", "09:00:00", kFalse};

    const std::string onHoliday = Printed(PreviewDay(t, holiday));
    EXPECT_NE(onHoliday.find("Preview of 2026-12-23 (Wednesday)\nHoliday: Works closing\nRelay 1: Pump\n"
                             "  holiday rule: SKIP (not run on this holiday)\n  OFF all day\n"),
              std::string::npos)
        << onHoliday;
    EXPECT_NE(onHoliday.find("Relay 2: Lights\n  holiday rule: SUNDAY (run as a Sunday on this holiday)\n"
                             "  08:00:01-09:00:00\n"),
              std::string::npos)
        << onHoliday;

    const std::string dayAfter = Printed(PreviewDay(t, {2026, 12, 24}));
    EXPECT_EQ(dayAfter.find("Holiday:"), std::string::npos) << dayAfter;
    EXPECT_NE(dayAfter.find("Relay 1: Pump\n  holiday rule: SKIP\n  08:00:01-09:00:00\n"), std::string::npos)
        << dayAfter;
    EXPECT_NE(dayAfter.find("Relay 2: Lights\n  holiday rule: SUNDAY\n  OFF all day\n"), std::string::npos)
        << dayAfter;
}

} // namespace
} // namespace tavrel
