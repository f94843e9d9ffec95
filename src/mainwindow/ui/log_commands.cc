// The menu commands around log files and printing: each opens its window on the program's context.

#include "mainwindow/ui/log_commands.h"

#include "formutil/ui/printing.h"
#include "shell/program_context.h"
#include "shell/ui/log_delete_window.h"
#include "shell/ui/log_path_window.h"
#include "shell/ui/log_viewer_window.h"

namespace tavrel {

void ShowLogViewer(ProgramContext& ctx, QWidget* parent) {
    // Modeless: it stays open beside the main window and deletes itself when closed.
    auto* viewer = new frmLogFileViewer(ctx, SystemLogViewerSeams(), parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->Load();
}

void ShowLogDelete(ProgramContext& ctx, QWidget* parent) {
    frmLogFileDelete window(ctx, frmLogFileDelete::TrashOps(ctx.drives), parent);
    window.exec();
}

void ShowLogPath(ProgramContext& ctx, QWidget* parent) {
    frmLogFilePath window(ctx, parent);
    window.exec();
}

void PrintWindow(QWidget* window) {
    if (window != nullptr)
        ReportPrintResult(PrintWidgetImage(*window, SystemPrinterChooser()), window);
}

void PrintScreen(QWidget* anyWindowOnTheScreen) {
    if (anyWindowOnTheScreen != nullptr)
        ReportPrintResult(PrintScreenImage(*anyWindowOnTheScreen, SystemPrinterChooser()),
                          anyWindowOnTheScreen);
}

} // namespace tavrel
