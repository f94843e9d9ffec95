#include "shell/preview_printer.h"

#include <gtest/gtest.h>

#include <sstream>

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

} // namespace
} // namespace tavrel
