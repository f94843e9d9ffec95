#pragma once
// The daily event log: one file a day in the log folder, event lines and a state line once a minute.

#include "boardio/board_record.h"
#include "config/settings.h"
#include "platform/clock.h"
#include "platform/drive_map.h"

#include <functional>
#include <string>

namespace tavrel {

// "Tavrel_2026_12_07.Log" for 7 December 2026.
std::string LogFileNameFor(const CalendarDate& date);

// The date as the event lines show it: month/day/year, "12/7/2026".
std::string DateText(const CalendarDate& date);

class EventLog {
public:
    // `saveLogFileName` stores the LogFileName setting when a new day changes it.
    EventLog(Settings& settings, const BoardTable& boards, Clock& clock, DriveMap& drives,
             std::function<void()> saveLogFileName)
        : settings_(settings), boards_(boards), clock_(clock), drives_(drives),
          saveLogFileName_(std::move(saveLogFileName)) {}

    // The day's file on this machine; keeps the stored LogFileName up to date.
    std::string CurrentLogPath();

    void WriteEvent(const std::string& what, const std::string& detail);

    // `relayTexts` and `inputTexts` hold each board's eight marks. Writes when logging is on and the
    // clock minute differs from that of the last state line; returns the line written, or "".
    std::string WriteStateLine(const std::string (&relayTexts)[kBoardSlots],
                               const std::string (&inputTexts)[kBoardSlots]);

    // The state line for the time `now`, without its line end.
    std::string StateLine(int32_t now, const std::string (&relayTexts)[kBoardSlots],
                          const std::string (&inputTexts)[kBoardSlots]) const;

    int LastStateMinute = -1;
    // Why the day's log cannot be written ("" while it can), for the status bar.
    std::string Problem;
    // Says a line to the person running the program (tavreld: standard error).
    std::function<void(const std::string&)> OnNotice;

private:
    void Append(const std::string& line);
    // After a failed append: a link in the file's place or a missing folder under the program's drives
    // is mended and the line written again. Returns 0 or the error that stands.
    int Mend(const std::string& path, const std::string& bytes, int error);
    void Say(const std::string& line);

    Settings& settings_;
    const BoardTable& boards_;
    Clock& clock_;
    DriveMap& drives_;
    std::function<void()> saveLogFileName_;
    int64_t retryAtMs_ = 0;
};

} // namespace tavrel
