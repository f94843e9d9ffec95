#pragma once
// The holiday calendar of the "HolidayFiles" setting: its files as this machine finds them, and
// `tavreld --holidays [FROM [TO]]`, which lists the dates they cover:
//   2027-07-26  Summer closing  /etc/tavrel/holidays.ics

#include "common/date_text.h"
#include "engine/holiday_calendar.h"
#include "platform/clock.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tavrel {

class DriveMap;

// "Holidays: available" or "Holidays: not built in", for --version.
std::string HolidaysVersionText();
// The stored "HolidayFiles" setting; "" when nothing is stored yet.
std::string StoredHolidayFilesSetting(const std::string& home, std::ostream& err);

// The setting's files, each as listed and as this machine opens it (Windows paths through dosdevices).
std::vector<HolidayFile> HolidayFilesOf(const std::string& setting, const DriveMap& drives);

// The same day a year on; a 29 February becomes the 28th.
CalendarDate YearLater(const CalendarDate& date);

// The dates from FROM to TO (both included; by default today to one year later). 0, or 1 when a file
// could not be read (or not whole: the others are listed still), 2 for a bad date.
int HolidaysCommand(const std::string& home, const std::vector<std::string>& dates, const CalendarDate& today,
                    std::ostream& out, std::ostream& err);

} // namespace tavrel
