#include "shell/event_log.h"

#include "boardio/chip_set_types.h"
#include "engine/time_of_day.h"
#include "platform/file_io.h"

#include <cctype>
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

namespace {
constexpr int64_t kLogRetryMs = 60'000;

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}
} // namespace

void EventLog::Say(const std::string& line) {
    if (OnNotice)
        OnNotice(line);
}

int EventLog::Mend(const std::string& path, const std::string& bytes, int error) {
    if (IsSymbolicLink(path)) {
        // As the restart file does: the link goes, wherever it led, and the day's log is a file of its own.
        if (!RemoveFile(path))
            return error;
        error = AppendToFile(path, bytes, FilePrivacy::OwnerOnly);
        if (error == 0)
            Say("the event log " + path + " was a symbolic link: replaced with a file of its own");
        return error;
    }
    // A folder on one of the program's drives is made as drive_c is; any other is the user's to make.
    if (HasDriveLetter(settings_.LogFilePath) && MakePrivateFolders(drives_.Map(settings_.LogFilePath)))
        return AppendToFile(path, bytes, FilePrivacy::OwnerOnly);
    return error;
}

void EventLog::Append(const std::string& line) {
    // A log line that cannot be written is lost; the program carries on, says so once and tries again
    // each minute. The log tells when relays switched and what the network sent: its user's alone, in
    // any folder, whatever the umask.
    const int64_t now = clock_.MonotonicMs();
    if (!Problem.empty() && now < retryAtMs_)
        return;
    const std::string path = CurrentLogPath();
    const std::string bytes = line + "\r\n";
    int error = AppendToFile(path, bytes, FilePrivacy::OwnerOnly);
    if (error != 0)
        error = Mend(path, bytes, error);
    if (error == 0) {
        if (!Problem.empty())
            Say("the event log is written again: " + path);
        Problem.clear();
        return;
    }
    retryAtMs_ = now + kLogRetryMs;
    if (!Problem.empty())
        return;
    Problem = "event log not written (" + path + ": " + SystemErrorText(error) + "), tried again each minute";
    Say(Problem);
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
