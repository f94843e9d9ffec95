#pragma once
// What the configuration windows edit and how they reach the store: the narrow references both section
// models and the window model share.

#include "boardio/board_record.h"
#include "config/settings.h"
#include "platform/calendar_reader.h"
#include "platform/message_box.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrel {

using GroupColourTable = RelayGroupColourTable;

// A date the holiday calendar files cover, as the Calendar section lists it.
struct ComingHoliday {
    CalendarDate date;
    std::string name;
    friend bool operator==(const ComingHoliday&, const ComingHoliday&) = default;
};

// What the program's calendar made of a "HolidayFiles" value: the first dates it covers from today on,
// and a line about each file it could not read (whole), in the reader's words.
struct HolidaysAhead {
    std::vector<ComingHoliday> dates;
    std::vector<std::string> problems;
};

struct ConfigurationTargets {
    Settings& settings;
    BoardTable& boards;
    GroupColourTable& groupColors;
    MessageBoxes& boxes;
    // Writes every setting to the registry (a new clsConfiguration's ConfigurationSaveToReg).
    std::function<void()> saveToStore;
    // Nothing is stored yet (a first run): the defaults shown are changes still to be saved.
    bool nothingStored = false;
    // Today's sunrise and sunset at a place (latitude, longitude), in words; empty where nothing can say.
    std::function<std::string(double, double)> sunToday = nullptr;
    // The calendar library, loaded only once there are calendar files to read.
    std::function<std::unique_ptr<CalendarReader>(std::string& error)> loadCalendarReader = nullptr;
    // Reads the files of a "HolidayFiles" value through `reader`: at most `count` dates from today on.
    std::function<HolidaysAhead(CalendarReader& reader, const std::string& setting, int count)>
        holidaysAhead = nullptr;
};

// The window-level changed flag that every stored edit raises.
struct ConfigChangeFlag {
    bool changed = false;
    void Mark() { changed = true; }
};

} // namespace tavrel
