#pragma once
// The commands around the event log files and printing that the menus reach: the log file viewer, the
// delete and folder windows, and the printouts of a window or of the screen.

class QWidget;

namespace tavrel {

struct ProgramContext;

void ShowLogViewer(ProgramContext& ctx, QWidget* parent); // "View Log File"
void ShowLogDelete(ProgramContext& ctx, QWidget* parent); // "Delete Log Files"
void ShowLogPath(ProgramContext& ctx, QWidget* parent);   // "Log File Path"
void PrintWindow(QWidget* window);                        // "Print Window" / "Print Form"
void PrintScreen(QWidget* anyWindowOnTheScreen);          // "Print Screen"

} // namespace tavrel
