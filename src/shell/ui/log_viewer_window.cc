#include "shell/ui/log_viewer_window.h"

#include "formutil/ui/window_placement_ui.h"
#include "shell/log_files.h"
#include "shell/program_context.h"
#include "shell/ui/log_text_loader.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

namespace tavrel {

namespace {

constexpr const char* kWindowName = "frmLogFileViewer";

QAction* MenuItem(QMenu* menu, const QString& text, const char* name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

frmLogFileViewer::frmLogFileViewer(ProgramContext& ctx, LogViewerSeams seams, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), seams_(std::move(seams)) {
    setObjectName(kWindowName);
    setWindowTitle("Log File Viewer");
    setAccessibleName("Log file viewer");

    text_ = new QPlainTextEdit(this);
    text_->setObjectName("rtbViewLogs");
    text_->setAccessibleName("Log file text");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font("Courier", 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    text_->setFont(font);
    setCentralWidget(text_);

    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    file->setAccessibleName("File menu");
    connect(MenuItem(file, "Print &Log", "mnuFilePrintLog"), &QAction::triggered, this,
            &frmLogFileViewer::PrintLog);
    connect(MenuItem(file, "Print &Form", "mnuFilePrintForm"), &QAction::triggered, this,
            [this] { ReportPrintResult(PrintWidgetImage(*this, seams_.choosePrinter), this); });
    connect(MenuItem(file, "Print &Screen", "mnuFilePrintScreen"), &QAction::triggered, this,
            [this] { ReportPrintResult(PrintScreenImage(*this, seams_.choosePrinter), this); });
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    edit->setAccessibleName("Edit menu");
    connect(MenuItem(edit, "&Font", "mnuEditFont"), &QAction::triggered, this, &frmLogFileViewer::ChooseFont);

    loader_ = new LogTextLoader(*text_, this);
    closeTimer_ = new QTimer(this);
    closeTimer_->setObjectName("tmrClose");
    closeTimer_->setInterval(500);
    closeTimer_->setSingleShot(true);
    connect(closeTimer_, &QTimer::timeout, this, &QWidget::close);
    resize(800, 560);
}

void frmLogFileViewer::Load() {
    const std::string folder = ctx_.settings.LogFilePath;
    const QString today = QString::fromStdString(ctx_.drives.Map(folder + ctx_.settings.LogFileName));
    const QString start = !ctx_.settings.LogFileName.empty() && QFileInfo(today).isFile()
                              ? today
                              : QString::fromStdString(ctx_.drives.Map(StartFolder(folder)));
    const QString chosen = seams_.chooseFile(start, parentWidget());
    if (chosen.isEmpty()) {
        CloseSoon();
        return;
    }
    if (!loader_->Start(chosen)) {
        ctx_.boxes.Tell(MsgIcon::Warning, "Select LogFile",
                        {"The log file could not be read:", chosen.toStdString()});
        CloseSoon();
        return;
    }
    setWindowTitle(QFileInfo(chosen).absoluteFilePath());
    RestoreWindowPlacement(*this, ctx_.regApi, kWindowName);
    shown_ = true;
    show();
}

void frmLogFileViewer::CloseSoon() {
    closeTimer_->start();
}

void frmLogFileViewer::ChooseFont() {
    if (const auto font = seams_.chooseFont(text_->font(), this))
        text_->setFont(*font);
}

void frmLogFileViewer::PrintLog() {
    ReportPrintResult(PrintDocument(*text_->document(), this, seams_.choosePrinter), this);
}

void frmLogFileViewer::closeEvent(QCloseEvent* event) {
    if (shown_)
        SaveWindowPlacement(*this, ctx_.regApi, kWindowName);
    QMainWindow::closeEvent(event);
}

} // namespace tavrel
