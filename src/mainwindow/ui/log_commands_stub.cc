// Stand-ins for the log windows and printing until they are built: each command says it is not there yet.

#include "mainwindow/ui/log_commands.h"

#include <QMessageBox>

namespace tavrel {

namespace {

void NotYet(QWidget* parent, const char* what) {
    QMessageBox::information(parent, "Tavrel", QString("%1 is not available yet.").arg(what));
}

} // namespace

void ShowLogViewer(ProgramContext&, QWidget* parent) {
    NotYet(parent, "The log file viewer");
}
void ShowLogDelete(ProgramContext&, QWidget* parent) {
    NotYet(parent, "Deleting log files");
}
void ShowLogPath(ProgramContext&, QWidget* parent) {
    NotYet(parent, "Choosing the log folder");
}
void PrintWindow(QWidget* window) {
    NotYet(window, "Printing");
}
void PrintScreen(QWidget* anyWindowOnTheScreen) {
    NotYet(anyWindowOnTheScreen, "Printing");
}

} // namespace tavrel
