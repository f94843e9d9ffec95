#pragma once
// The main window's menu bar: every command that is not a click on a relay panel. Each command holds the
// schedule while it runs, calls the core operation and refreshes the window; the states and captions come
// from the menu model.

#include "formutil/recent_files.h"
#include "mainwindow/main_menu_model.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QMenu;

namespace tavrel {

struct ProgramContext;
class Autostart;
class QtTickHost;
class frmRelay;
class DayViewWindow;

// The run files the file dialogs offer.
inline constexpr const char* kRunFileFilter = "Run Files (*.run);;All Files (*)";

class MainMenu final : public QObject {
    Q_OBJECT
public:
    // Asks which run file to open: a full path, or "" when the user cancels.
    using AskOpenPath = std::function<QString()>;

    MainMenu(ProgramContext& ctx, QtTickHost& host, frmRelay& window);
    ~MainMenu() override;

    // As the window loads: the menu states and the recent files.
    void Load();
    // As the window unloads: the recent files are stored.
    void Unload();

    // Opens a run file the way File Open and a recent file do.
    void OpenRunFile(const QString& path);
    void SetAskOpenPath(AskOpenPath ask) { askOpenPath_ = std::move(ask); }
    // Where the run-on-boot commands install the log-on entry; the system's own unless set.
    void SetAutostart(std::unique_ptr<Autostart> autostart);
    void SetSaveEnabled(bool enabled);
    const RecentFiles& Recent() const { return recent_; }

private:
    template <typename Command> void Run(Command&& command);
    // A direct board command: run, then read the boards back and redraw.
    template <typename Command> void RunBoardCommand(Command&& command);

    QAction* Add(QMenu* menu, const QString& caption, const QString& name, std::function<void()> command);
    void AddSeparator(QMenu* menu, const QString& name);
    void BuildFile();
    void BuildTool();
    void BuildDev();
    void BuildStates();
    void BuildHelp();
    void AddManualBoard(QMenu* states, int board);

    void Apply(QAction* action, const MenuItemState& state);
    void ApplyStates(const MainMenuState& state);
    void RefreshTickCaptions();
    void RefreshRunOnBootChecks();
    void RefreshRecentItems();
    void AfterScheduleChange();
    bool SaveChangesFirst();

    void FileNewCommand();
    void FileOpenCommand();
    void FileSaveCommand();
    void FileSaveAsCommand();
    void RecentFileCommand(int index);
    void ConfigurationCommand();
    void RunOnBootCommand(int16_t kind);
    void TestAccumTotalTime();
    void ShowDayView();
    Autostart& SystemAutostart();

    ProgramContext& ctx_;
    QtTickHost& host_;
    frmRelay& window_;
    RecentFiles recent_;
    AskOpenPath askOpenPath_;
    std::unique_ptr<Autostart> autostart_;

    QAction* save_ = nullptr;
    QAction* logging_ = nullptr;
    QAction* forceCheckTime_ = nullptr;
    QAction* listAddresses_ = nullptr;
    QPointer<DayViewWindow> dayView_;
    QAction* recentSeparator_ = nullptr;
    QAction* timerSwitch_ = nullptr;
    QAction* boardAddresses_ = nullptr;
    std::array<QAction*, kRecentFilesCapacity> recentItems_{};
    std::array<QAction*, kBoardSlots> emulation_{};
    std::array<QAction*, kBoardSlots> states_{};
    std::array<QAction*, kBoardSlots> inputs_{};
    std::array<QAction*, 3> runOnBoot_{}; // Next Time, Always, Never
};

} // namespace tavrel
