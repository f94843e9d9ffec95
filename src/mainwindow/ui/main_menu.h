#pragma once
// The main window's menu bar: every command that is not a click on a relay panel, built from the table
// in main_menu_table.cc. Each command holds the schedule while it runs, calls the core operation (the
// File commands' whole sequence lives in FileCommands) and refreshes the window; the states and captions
// come from the menu model.

#include "mainwindow/main_menu_model.h"
#include "shell/file_commands.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace tavrel {

struct ProgramContext;
class Autostart;
class QtTickHost;
class frmRelay;
class DayViewWindow;
class HolidaysWindow;

// The run files the file dialogs offer.
inline constexpr const char* kRunFileFilter = "Run Files (*.run);;All Files (*)";

class MainMenu final : public QObject {
    Q_OBJECT
public:
    MainMenu(ProgramContext& ctx, QtTickHost& host, FileCommands& files, frmRelay& window);
    ~MainMenu() override;

    // As the window loads: the menu states and the recent files.
    void Load();

    // Opens a run file the way File Open and a recent file do.
    void OpenRunFile(const QString& path);
    // Where the run-on-boot commands install the log-on entry; the system's own unless set.
    void SetAutostart(std::unique_ptr<Autostart> autostart);
    void SetSaveEnabled(bool enabled);
    // Tool > Holidays: one window at a time, brought to the front when chosen again.
    void ShowHolidays();

    // One row of a menu's table: a command, a separator (no caption) or a group of rows made in code.
    struct Row {
        const char* caption = nullptr;
        const char* name = "";
        void (*command)(MainMenu&) = nullptr;
        const char* shortcut = nullptr;
        QAction* MainMenu::*keep = nullptr; // the item, kept for its state
        bool checkable = false;
        void (*group)(MainMenu&, QMenu*) = nullptr;
    };
    // A menu of the bar, or (no rows) a command on the bar itself.
    struct Menu {
        const char* caption;
        const char* name;
        std::vector<Row> rows;
        void (*aboutToShow)(MainMenu&) = nullptr;
        void (*command)(MainMenu&) = nullptr;
    };

private:
    static const std::vector<Menu>& Table();
    static Menu ToolMenu();

    void Run(const std::function<void()>& command);
    // A direct board command: run, then read the boards back and redraw.
    void RunBoardCommand(const std::function<void()>& command);

    QAction* Add(QMenu* menu, const QString& caption, const QString& name, std::function<void()> command);
    void AddSeparator(QMenu* menu, const QString& name);
    void Build(QMenu* menu, const std::vector<Row>& rows);
    void AddRecentFiles(QMenu* file);
    void AddBoardCommands(QMenu* tool);
    void AddEmulation(QMenu* tool);
    void AddRunOnBoot(QMenu* tool);
    void AddIntervals(QMenu* dev);
    void AddManualBoards(QMenu* states);
    void AddManualBoard(QMenu* states, int board);

    void Apply(QAction* action, const MenuItemState& state);
    void ApplyStates(const MainMenuState& state);
    void RefreshTickCaptions();
    void RefreshRunOnBootChecks();
    void RefreshRecentItems();
    void AfterScheduleChange();
    void AfterOpen(OpenOutcome outcome);

    void FileNewCommand();
    void FileOpenCommand();
    void FileSaveCommand();
    void FileSaveAsCommand();
    void RecentFileCommand(int index);
    void ConfigurationCommand();
    void LoggingCommand();
    void EmulationCommand();
    void TimerSwitchCommand();
    void RunOnBootCommand(int16_t kind);
    void TestAccumTotalTime();
    void ShowDayView();
    Autostart& SystemAutostart();

    ProgramContext& ctx_;
    QtTickHost& host_;
    FileCommands& files_;
    frmRelay& window_;
    std::unique_ptr<Autostart> autostart_;

    QAction* save_ = nullptr;
    QAction* logging_ = nullptr;
    QAction* forceCheckTime_ = nullptr;
    QAction* listAddresses_ = nullptr;
    QPointer<DayViewWindow> dayView_;
    QPointer<HolidaysWindow> holidays_;
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
