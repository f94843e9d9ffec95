#pragma once
class QWidget;
namespace tavrel {
struct ProgramContext;
void ShowLogViewer(ProgramContext& ctx, QWidget* parent);   // "View Log File"
void ShowLogDelete(ProgramContext& ctx, QWidget* parent);   // "Delete Log Files"
void ShowLogPath(ProgramContext& ctx, QWidget* parent);     // "Log File Path"
void PrintWindow(QWidget* window);                          // "Print Window" / "Print Form"
void PrintScreen(QWidget* anyWindowOnTheScreen);            // "Print Screen"
} // namespace tavrel
