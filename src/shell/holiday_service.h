#pragma once
// Keeps the program's holiday calendar read from the files of the "HolidayFiles" setting: at start, at
// a reload, and on the first check of a new day when a file changed since (or the dates read so far run
// short). The calendar library is loaded the first time there are files to read, never before.

#include "engine/holiday_calendar.h"
#include "platform/calendar_reader.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

struct ProgramContext;

using CalendarReaderLoader = std::function<std::unique_ptr<CalendarReader>(std::string& error)>;

class HolidayService {
public:
    // `say` takes each line for the person running the program (null: none); the event log gets them
    // as well.
    HolidayService(ProgramContext& ctx, std::function<void(const std::string&)> say,
                   CalendarReaderLoader loader = LoadCalendarReader);
    ~HolidayService();
    HolidayService(const HolidayService&) = delete;
    HolidayService& operator=(const HolidayService&) = delete;

    // Reads the files of the setting as it is now; with none set, forgets the holidays.
    void Load();
    // Cheap unless the date changed since the last call.
    void NewDayCheck();

    const HolidayCalendar& Calendar() const { return calendar_; }
    // The files of the setting as last read.
    const std::vector<HolidayFile>& Files() const { return files_; }
    // What the last reading could not read, one message each (a file missing or damaged, the library
    // missing); empty when all was read.
    const std::vector<std::string>& Problems() const { return problems_; }
    // Counts the readings, so a window can tell that the calendar changed since it looked.
    int Readings() const { return readings_; }
    // Today's holiday, or null.
    const Holiday* Today() const;
    // Called after each reading and at each new day with today's holiday (null: none) and whether any
    // calendar files are set.
    void OnToday(std::function<void(const Holiday* today, bool calendar)> tell) { tell_ = std::move(tell); }

private:
    bool FilesChanged() const;
    void Say(const std::string& line);
    void Tell();

    ProgramContext& ctx_;
    std::function<void(const std::string&)> say_;
    CalendarReaderLoader loader_;
    std::function<void(const Holiday*, bool)> tell_;
    std::unique_ptr<CalendarReader> reader_;
    HolidayCalendar calendar_;
    std::vector<HolidayFile> files_;
    std::vector<std::optional<int64_t>> fileTimes_; // as last read
    std::vector<std::string> problems_;
    int readings_ = 0;
    CalendarDate day_;
    long readUntil_ = 0; // day number
};

} // namespace tavrel
