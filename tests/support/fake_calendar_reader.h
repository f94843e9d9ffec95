#pragma once
// Hands out calendar files as given records, and records which paths were read up to which date.

#include "platform/calendar_reader.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tavrel::test {

class FakeCalendarReader final : public CalendarReader {
public:
    std::map<std::string, CalendarFileRecord> files; // a path not here cannot be opened
    std::vector<std::string> read;
    CalendarDate lastUntil;

    CalendarFileRecord ReadFile(const std::string& path, const CalendarDate& until) override {
        read.push_back(path);
        lastUntil = until;
        const auto it = files.find(path);
        if (it != files.end())
            return it->second;
        CalendarFileRecord missing;
        missing.openError = "No such file or directory";
        return missing;
    }
};

// An all-day event from `start` up to `end` (not included).
inline CalendarEventRecord AllDayEvent(const std::string& summary, const CalendarDate& start,
                                       const CalendarDate& end) {
    CalendarEventRecord event;
    event.summary = summary;
    event.allDay = true;
    event.start = start;
    event.end = end;
    return event;
}

// A calendar file holding `events`.
inline CalendarFileRecord CalendarFile(std::vector<CalendarEventRecord> events) {
    CalendarFileRecord file;
    file.opened = file.isCalendar = true;
    file.events = std::move(events);
    return file;
}

// A calendar file holding one all-day event from `start` up to `end` (not included).
inline CalendarFileRecord AllDayEventFile(const std::string& summary, const CalendarDate& start,
                                          const CalendarDate& end) {
    return CalendarFile({AllDayEvent(summary, start, end)});
}

// A loader for the holiday service that hands out a reader of `files`.
inline auto ReaderOf(std::map<std::string, CalendarFileRecord> files) {
    return [files](std::string&) -> std::unique_ptr<CalendarReader> {
        auto reader = std::make_unique<FakeCalendarReader>();
        reader->files = files;
        return reader;
    };
}

} // namespace tavrel::test
