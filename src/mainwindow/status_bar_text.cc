#include "mainwindow/status_bar_text.h"

#include "common/text.h"

#include "boardio/chip_set_types.h"
#include "engine/time_of_day.h"
#include "shell/event_log.h"

namespace tavrel {

namespace {

// Where the board sits: a FireCracker's base address is the number of its COM port.
std::string BoardPlace(const BoardRecord& board) {
    if (ChipSetKind(board.ChipSetType) == BoardKind::FireCracker)
        return "COM" + std::to_string(board.BaseAddress);
    return HexText(static_cast<uint32_t>(board.BaseAddress)) + " hex";
}

} // namespace

std::string MainWindowCaption(const StatusBarInput& in) {
    if (in.restartedAfterCrash != kFalse)
        return kRestartCaption;
    if (in.dataFileName.empty())
        return "New";
    return in.dataFilePath + in.dataFileName;
}

std::array<std::string, kStatusFields> StatusBarTexts(const StatusBarInput& in) {
    std::array<std::string, kStatusFields> texts;
    texts[kStatusTime] = FormatTimeOfDay(in.now.secondsOfDay);
    texts[kStatusDate] = DateText(in.now.date);
    texts[kStatusTimer] = in.timerEnabled ? "Timer Running" : "Timer Stopped";
    texts[kStatusFile] = MainWindowCaption(in);
    // Until it is written again a crash would resume an older schedule: the user must see it.
    if (in.restartWriteDisabled != kFalse)
        texts[kStatusFile] += " - restart file not written (tried again each minute)";
    if (!in.logProblem.empty())
        texts[kStatusFile] += " - " + in.logProblem;
    const std::string type(Trim(in.board1.ChipSetType, " "));
    texts[kStatusBoard] = "Board 1: " + (type.empty() ? std::string("(no type)") : type) + " at " +
                          BoardPlace(in.board1) + ", " + (BoardEmulated(in.board1) ? "Emulation" : "Active");
    if (!in.board1Fault.empty())
        texts[kStatusBoard] += " - " + in.board1Fault;
    texts[kStatusFocus] = in.focusedText;
    return texts;
}

} // namespace tavrel
