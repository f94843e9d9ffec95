#pragma once
// The main window's close request and unload: the save question, the restart file, the reset on exit.
// A close by the user ends the run for good; a close by the system (a stop signal, the end of the desktop
// session) asks nothing and keeps the restart file, so the next start resumes the schedule.

#include <functional>
#include <string>

namespace tavrel {

struct ProgramContext;

enum class CloseKind { ByUser, BySystem };

// Asked when the schedule is saved but has no file name yet: a full path, or "" when the user cancels.
using AskSavePath = std::function<std::string()>;

// Save As: stores the folder and name and writes the schedule there (which ends a crash restart's
// caption). False when the save failed.
bool SaveScheduleAs(ProgramContext& ctx, const std::string& path);

// True when the program is to close. False when the user cancelled the save question (or the save it
// asked for failed): the schedule runs on with the timer enabled.
bool MainWindowCloseRequest(ProgramContext& ctx, CloseKind kind, const AskSavePath& askSavePath);

// After a close request went through: the port layer closed.
void MainWindowUnload(ProgramContext& ctx);

} // namespace tavrel
