#pragma once
// Hands out calendar files as given records, and records which paths were read up to which date.

#include "platform/calendar_reader.h"

#include <map>
#include <string>
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

} // namespace tavrel::test
