#pragma once
// frmRelay: the main window. It hosts the relay panels, shows the status bar and caption, runs the
// check-time timer and takes the close request; every rule it follows lives in the core.

#include "shell/file_commands.h"

#include <QMainWindow>

#include <functional>

class QLabel;
class QPushButton;

namespace tavrel {

struct ProgramContext;
class MainMenu;
class QtTickHost;
class RelayPanelsView;

class frmRelay final : public QMainWindow {
    Q_OBJECT
public:
    // `host` is the check-time timer, shared with the kill window.
    frmRelay(ProgramContext& ctx, QtTickHost& host, QWidget* parent = nullptr);
    ~frmRelay() override;

    // The load step: a new schedule, board 1 initialised, a restart file resumed, the panels filled, the
    // placement restored and the heartbeat started. True after a crash restart.
    bool Load();
    // Opens a run file as File Open does; a restart in force wins and the status bar says so.
    void OpenFromCommandLine(const QString& path);
    // The system ends the program (a stop signal, the end of the session): nothing is asked, the restart
    // file is kept.
    void CloseBySystem();
    // From now on a close is the system's (the desktop session is ending).
    void MarkSystemEnding() { closeBySystem_ = true; }

    QtTickHost& Host() { return host_; }
    RelayPanelsView& Panels() { return *panels_; }
    MainMenu& Menu() { return *menu_; }
    // The File commands and the close path; they ask for file names through the window's dialogs.
    FileCommands& Files() { return files_; }
    void RefreshCaptionAndStatus();
    // A schedule of the user's own is in the window: the remark about a file not opened goes.
    void ClearNote() { note_.clear(); }

signals:
    // The user kept the program running at the save question.
    void closeCancelled();
    // The close went through and the port layer is closed.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildStatusBar();
    void RefreshMqttField();
    void RefreshHolidayField();
    std::string AskForSavePath();

    ProgramContext& ctx_;
    QtTickHost& host_;
    FileCommands files_;
    RelayPanelsView* panels_;
    MainMenu* menu_;
    QList<QLabel*> statusFields_;
    QPushButton* mqttField_ = nullptr;    // the MQTT link's state; a click opens its settings
    QPushButton* holidayField_ = nullptr; // today's holiday, a calendar not read; a click lists them
    QString focusedText_;
    QString note_; // a one-off remark in the file field ("FILE not opened: ...")
    bool closeBySystem_ = false;
    bool closed_ = false;
};

} // namespace tavrel
