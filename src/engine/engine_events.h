#pragma once
// What the engine needs done outside itself; the program's shell carries it out.

#include "boardio/board_record.h"

#include <string>

namespace tavrel {

class EngineEvents {
public:
    virtual ~EngineEvents() = default;
    // The schedule or its counters changed: write the crash-restart file.
    virtual void RestartFileDue() = 0;
    // One line of the event log.
    virtual void LogEvent(const std::string& what, const std::string& detail) = 0;
    // The minute's state line from each board's eight marks; returns the line written, or "" when none was
    // due (the same minute, or logging off).
    virtual std::string LogStateLine(const std::string (&relayTexts)[kBoardSlots],
                                     const std::string (&inputTexts)[kBoardSlots]) = 0;
    // The kill's "Shut Down": no run at the next boot, then the computer powers off.
    virtual void ShutDownComputer() = 0;
    // A line for the person running the program besides the event log (tavreld: standard error).
    virtual void Notice(const std::string& /*line*/) {}
    // A line every program says on standard error, with or without a window (a kill).
    virtual void Trace(const std::string& /*line*/) {}
};

} // namespace tavrel
