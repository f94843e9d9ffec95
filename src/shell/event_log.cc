#include "shell/event_log.h"

#include "boardio/chip_set_types.h"
#include "engine/time_of_day.h"
#include "platform/file_io.h"

#include <cstdio>

namespace tavrel {

std::string LogFileNameFor(const CalendarDate& date) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "Tavrel_%04d_%02d_%02d.Log", date.year, date.month, date.day);
    return buffer;
}

std::string DateText(const CalendarDate& date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

std::string EventLog::CurrentLogPath() {
    const std::string name = LogFileNameFor(clock_.Today());
    if (name != settings_.LogFileName) {
        settings_.LogFileName = name;
        if (saveLogFileName_)
            saveLogFileName_();
    }
    return drives_.Map(settings_.LogFilePath + name);
}

void EventLog::Append(const std::string& line) {
    // A log line that cannot be written is lost; the program carries on. The log tells when relays
    // switched and what the network sent: its user's alone, in any folder, whatever the umask.
    AppendToFile(CurrentLogPath(), line + "\r\n", FilePrivacy::OwnerOnly);
}

void EventLog::WriteEvent(const std::string& what, const std::string& detail) {
    if (!IsSet(settings_.LoggingOnOff))
        return;
    const LocalTime now = clock_.Now();
    Append(FormatTimeOfDay(now.secondsOfDay) + " " + DateText(now.date) + " " + what + " " + detail);
}

std::string EventLog::StateLine(int32_t now, const std::string (&relayTexts)[kBoardSlots],
                                const std::string (&inputTexts)[kBoardSlots]) const {
    std::string line = FormatTimeOfDay(now) + " ";
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        if (IsSet(boards_[b].LogBoard))
            line += "<" + relayTexts[b] + ">";
    line += "R><I";
    for (int b = 0; b <= kMaxBoardIndex; ++b) {
        const BoardRecord& board = boards_[b];
        if (!IsSet(board.LogBoard))
            continue;
        line += "<";
        if (board.InputAddress != 0)
            line += inputTexts[b];
        else
            line += LogTagOf(board.ChipSetType);
        line += ">";
    }
    return line + "I ";
}

std::string EventLog::WriteStateLine(const std::string (&relayTexts)[kBoardSlots],
                                     const std::string (&inputTexts)[kBoardSlots]) {
    const int32_t now = clock_.TimeOfDay();
    const int minute = MinuteOf(now);
    if (minute == LastStateMinute)
        return "";
    LastStateMinute = minute;
    if (!IsSet(settings_.LoggingOnOff))
        return "";
    std::string line = StateLine(now, relayTexts, inputTexts);
    Append(line);
    return line;
}

} // namespace tavrel
