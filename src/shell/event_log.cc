#include "shell/event_log.h"

#include "engine/time_of_day.h"

#include <cstdio>
#include <fstream>

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
    // A log line that cannot be written is lost; the program carries on.
    std::ofstream out(CurrentLogPath(), std::ios::binary | std::ios::app);
    out << line << "\r\n";
}

void EventLog::WriteEvent(const std::string& what, const std::string& detail) {
    if (settings_.LoggingOnOff != kTrue)
        return;
    const LocalTime now = clock_.Now();
    Append(FormatTimeOfDay(now.secondsOfDay) + " " + DateText(now.date) + " " + what + " " + detail);
}

std::string EventLog::StateLine(int32_t now, const std::string (&relayTexts)[kBoardSlots],
                                const std::string (&inputTexts)[kBoardSlots]) const {
    std::string line = FormatTimeOfDay(now) + " ";
    for (int b = 0; b <= kLastScheduledBoard; ++b)
        if (tables_.BoardArray[b].LogBoard != 0)
            line += "<" + relayTexts[b] + ">";
    line += "R><I";
    for (int b = 0; b <= kLastScheduledBoard; ++b) {
        const BoardRecord& board = tables_.BoardArray[b];
        if (board.LogBoard == 0)
            continue;
        line += "<";
        const std::string& type = board.ChipSetType;
        if (board.InputAddress != 0)
            line += inputTexts[b];
        else if (type == "FireCracker")
            line += "FireCracker";
        else if (type == "LPT1" || type == "Lpt1" || type == "lpt1")
            line += "Lpt1";
        else if (type == "LPT2" || type == "Lpt2" || type == "lpt2")
            line += "Lpt2";
        else if (type == "LPT3" || type == "Lpt3" || type == "lpt3")
            line += "Lpt3";
        else if (type == "LPT" || type == "Lpt" || type == "lpt")
            line += "Lpt";
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
    if (settings_.LoggingOnOff != kTrue)
        return "";
    std::string line = StateLine(now, relayTexts, inputTexts);
    Append(line);
    return line;
}

} // namespace tavrel
