#pragma once
// Reads the events of an iCalendar file (.ics) through a calendar library opened at run time, with the
// dates of their recurrences.

#include "platform/clock.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrel {

// One VEVENT as the file gives it; what makes a holiday of it is decided above this layer.
struct CalendarEventRecord {
    std::string summary;
    bool allDay = false; // DTSTART is a date, not a time of day
    CalendarDate start;
    // The day after its last day (DTEND is exclusive; without DTEND, the library's own end: the next day
    // for a date, DURATION where given).
    CalendarDate end;
    // Where the event starts again: the recurrence rule's dates (the first is `start`) and RDATEs, up to
    // the date asked for. Empty for an event that does not recur.
    std::vector<CalendarDate> repeats;
    std::vector<CalendarDate> excluded; // EXDATE
};

struct CalendarFileRecord {
    bool opened = false;
    std::string openError;   // why the file could not be read, when not `opened`
    bool isCalendar = false; // a VCALENDAR was found in it
    std::vector<CalendarEventRecord> events;
    int damagedLines = 0;     // lines the library could not read (each is left out)
    int firstDamagedLine = 0; // counted from 1, the file's own lines (folded lines count each)
    std::string firstDamage;  // the library's words about it
};

class CalendarReader {
public:
    virtual ~CalendarReader() = default;
    // Recurrences are expanded up to `until` (inclusive).
    virtual CalendarFileRecord ReadFile(const std::string& path, const CalendarDate& until) = 0;
};

// Whether this build carries a calendar library at all.
bool CalendarReaderBuiltIn();

// Loads the calendar library (only now, so that a program without calendar files maps none of it). Null
// with `error` when the library is missing or the build has none.
std::unique_ptr<CalendarReader> LoadCalendarReader(std::string& error);

} // namespace tavrel
