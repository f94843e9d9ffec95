#pragma once
// The next holidays a "HolidayFiles" value gives, read as the running program reads it: what the
// configuration window's Calendar section lists.

#include "config/config_dialog_types.h"
#include "platform/calendar_reader.h"

#include <string>

namespace tavrel {

class DriveMap;

// At most `count` dates covered in the year from `today`, and the reading's words about each file it
// could not read (whole) or the events it left out.
HolidaysAhead ReadHolidaysAhead(CalendarReader& reader, const std::string& setting, const DriveMap& drives,
                                const CalendarDate& today, int count);

} // namespace tavrel
