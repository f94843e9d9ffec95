#pragma once
// frmLogFileViewer: shows one log file, read-only, in a fixed-width font, with its print commands.

#include "shell/ui/log_window_seams.h"

#include <QMainWindow>

class QPlainTextEdit;
class QTimer;

namespace tavrel {

struct ProgramContext;
class LogTextLoader;

class frmLogFileViewer final : public QMainWindow {
    Q_OBJECT
public:
    frmLogFileViewer(ProgramContext& ctx, LogViewerSeams seams, QWidget* parent = nullptr);

    // Asks for the file and shows it; when none is chosen or read, the window closes half a second later.
    void Load();
    LogTextLoader& Loader() { return *loader_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CloseSoon();
    void ChooseFont();
    void PrintLog();

    ProgramContext& ctx_;
    LogViewerSeams seams_;
    QPlainTextEdit* text_;
    LogTextLoader* loader_;
    QTimer* closeTimer_;
    bool shown_ = false;
};

} // namespace tavrel
