#pragma once
// What the main window's caption and status bar say: the time, the date, the timer, the schedule's file,
// board 1 and the focused box.

#include "engine/schedule_records.h"
#include "platform/clock.h"

#include <array>
#include <string>

namespace tavrel {

// String-table text 1400: the caption while a schedule resumed after a crash has not been saved by name.
inline constexpr const char* kRestartCaption = "AUTOMATIC RESTART following Power Failure or System Crash";

struct StatusBarInput {
    LocalTime now;
    bool timerEnabled = false;
    int16_t restartedAfterCrash = 0;
    int16_t restartWriteDisabled = 0; // the restart file could not be written and is being tried again
    std::string logProblem;           // why the event log cannot be written, or ""
    std::string dataFilePath;
    std::string dataFileName; // "" for a schedule with no file of its own
    BoardRecord board1;
    std::string board1Fault; // the standing fault's line, "" when board 1 does what it is told
    std::string focusedText;
};

enum StatusField {
    kStatusTime,
    kStatusDate,
    kStatusTimer,
    kStatusFile,
    kStatusBoard,
    kStatusFocus,
    kStatusFields
};

// The file path, "New", or the restart caption.
std::string MainWindowCaption(const StatusBarInput& in);

// One text per field, in the order of StatusField.
std::array<std::string, kStatusFields> StatusBarTexts(const StatusBarInput& in);

} // namespace tavrel
