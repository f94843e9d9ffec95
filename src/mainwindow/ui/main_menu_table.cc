// The main window's menus as a table: each row a caption, an object name, a shortcut and the command;
// groups of rows that repeat per board, relay or recent file are made by the functions that follow.

#include "boardio/address_listing.h"
#include "engine/counters.h"
#include "engine/relay_commands.h"
#include "engine/tick.h"
#include "files/run_on_boot.h"
#include "mainwindow/ui/frm_relay.h"
#include "mainwindow/ui/log_commands.h"
#include "mainwindow/ui/main_menu.h"
#include "resources/help_texts.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/ui/info_windows.h"
#include "shell/ui/qt_tick_host.h"

#include <QMenuBar>

namespace tavrel {

namespace {

constexpr int kDeveloperIntervals[] = {1000, 2000, 3000};

template <typename Window> void ShowOwnWindow(Window* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
}

} // namespace

MainMenu::Menu MainMenu::ToolMenu() {
    using M = MainMenu;
    return {"&Tool",
            "mnuTool",
            {
                {"Logging", "mnuToolLogging", [](M& m) { m.LoggingCommand(); }, nullptr, &M::logging_, true},
                {"View Log File", "mnuToolLogFileView",
                 [](M& m) { m.Run([&m] { ShowLogViewer(m.ctx_, &m.window_); }); }},
                {"Remove Log File(s)", "mnuToolRemoveLogFile",
                 [](M& m) { m.Run([&m] { ShowLogDelete(m.ctx_, &m.window_); }); }},
                {"Log File Path", "mnuToolLogFilePath",
                 [](M& m) { m.Run([&m] { ShowLogPath(m.ctx_, &m.window_); }); }},
                {"Remove Restart File", "mnuToolRemoveRestartFile",
                 [](M& m) { m.Run([&m] { DeleteRestartFile(m.ctx_); }); }},
                {nullptr, "mnuToolSep1"},
                {.group = [](M& m, QMenu* menu) { m.AddBoardCommands(menu); }},
                {nullptr, "mnuToolSep2"},
                {"Reset All Counters", "mnuToolZeroCounters",
                 [](M& m) { m.Run([&m] { ZeroCounters(m.ctx_.engine); }); }},
                // The tick itself is the command: it runs at once, unheld.
                {"Force Time Check", "mnuToolForceCheckTime",
                 [](M& m) { m.host_.Gate().Tick(m.ctx_.engine, m.host_); }, nullptr, &M::forceCheckTime_},
                {"Day View", "mnuToolDayView", [](M& m) { m.Run([&m] { m.ShowDayView(); }); }},
                {"Holidays", "mnuToolHolidays", [](M& m) { m.Run([&m] { m.ShowHolidays(); }); }},
                {"List Addresses H200-H3FF", "mnuToolListAddress_H200_H3FF",
                 [](M& m) {
                     m.Run([&m] { ListPortAddresses(m.ctx_.portAccess, m.ctx_.eventLog.CurrentLogPath()); });
                 },
                 nullptr, &M::listAddresses_},
                {nullptr, "mnuToolSep3"},
                {.group = [](M& m, QMenu* menu) { m.AddEmulation(menu); }},
                {nullptr, "mnuToolSep4"},
                {.group = [](M& m, QMenu* menu) { m.AddRunOnBoot(menu); }},
            },
            [](M& m) { m.RefreshRunOnBootChecks(); }};
}

const std::vector<MainMenu::Menu>& MainMenu::Table() {
    using M = MainMenu;
    static const std::vector<Menu> table = {
        {"&File",
         "mnuFile",
         {
             {"&New", "mnuFileNew", [](M& m) { m.FileNewCommand(); }, "Ctrl+N"},
             {"&Open", "mnuFileOpen", [](M& m) { m.FileOpenCommand(); }, "Ctrl+O"},
             {nullptr, "mnuFileSep1sepbar"},
             {"Print Window", "mnuFilePrintForm", [](M& m) { m.Run([&m] { PrintWindow(&m.window_); }); }},
             {"Print Screen", "mnuFilePrintScreen", [](M& m) { m.Run([&m] { PrintScreen(&m.window_); }); }},
             {nullptr, "mnuFileSep2sepbar"},
             {"&Save", "mnuFileSave", [](M& m) { m.FileSaveCommand(); }, "Ctrl+S", &M::save_},
             {"Save &As...", "mnuFileSaveAs", [](M& m) { m.FileSaveAsCommand(); }},
             {nullptr, "mnuFileSep3sepbar"},
             {"Configuration", "mnuFileConfiguration", [](M& m) { m.ConfigurationCommand(); }},
             {"Configuration (Remove)", "mnuFileConfigurationRemove",
              [](M& m) { m.Run([&m] { RemoveConfiguration(m.ctx_); }); }},
             {.group = [](M& m, QMenu* menu) { m.AddRecentFiles(menu); }},
             {nullptr, "mnuFileSep5sepbar"},
             {"E&xit", "mnuFileExit", [](M& m) { m.window_.close(); }, "Ctrl+Q"},
         }},
        {"&Edit", "mnuEdit", {}, nullptr, [](M& m) { m.Run([&m] { ShowEditNotCoded(m.ctx_.boxes); }); }},
        ToolMenu(),
        {"Dev",
         "mnuDev",
         {
             {"Timer Disable", "mnuDevTimerEnableDisable", [](M& m) { m.TimerSwitchCommand(); }, nullptr,
              &M::timerSwitch_},
             {.group = [](M& m, QMenu* menu) { m.AddIntervals(menu); }},
             {"Test Accum Total Time", "mnuDevTestAccumTotalTime",
              [](M& m) { m.Run([&m] { m.TestAccumTotalTime(); }); }},
         },
         // Whatever started or stopped the timer, the switch offers the other way.
         [](M& m) {
             m.timerSwitch_->setText(m.ctx_.engineState.TimerEnabled ? "Timer Disable" : "Timer Enable");
         }},
        {"States/Inputs", "mnuState", {{.group = [](M& m, QMenu* menu) { m.AddManualBoards(menu); }}}},
        {"&Help",
         "mnuHelp",
         {
             {"Help (General)", "mnuHelpGeneral",
              [](M& m) { m.Run([&m] { ShowOwnWindow(new frmHelp(kHelpGeneral, &m.window_)); }); }},
             {"Help (Configuration)", "mnuHelpConfiguration",
              [](M& m) { m.Run([&m] { ShowOwnWindow(new frmHelp(kHelpConfiguration, &m.window_)); }); }},
             {"Splash Screen", "mnuHelpSplash", [](M& m) { m.Run([&m] { ShowSplashAgain(&m.window_); }); }},
             {"&About", "mnuHelpAbout",
              [](M& m) { m.Run([&m] { ShowOwnWindow(new frmAbout(&m.window_)); }); }},
             {nullptr, "mnuHelpSep1"},
             {"Board Addresses (Not Defined)", "mnuDisplayAddress", nullptr, nullptr, &M::boardAddresses_},
         }},
    };
    return table;
}

void MainMenu::Build(QMenu* menu, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        if (row.group != nullptr) {
            row.group(*this, menu);
            continue;
        }
        if (row.caption == nullptr) {
            AddSeparator(menu, row.name);
            continue;
        }
        std::function<void()> command;
        if (row.command != nullptr)
            command = [this, run = row.command] { run(*this); };
        QAction* item = Add(menu, row.caption, row.name, std::move(command));
        if (row.shortcut != nullptr)
            item->setShortcut(QKeySequence(row.shortcut));
        item->setCheckable(row.checkable);
        if (row.keep != nullptr)
            this->*row.keep = item;
    }
}

void MainMenu::AddRecentFiles(QMenu* file) {
    recentSeparator_ = file->addSeparator();
    recentSeparator_->setObjectName("mnuFileSep4sepbar");
    for (int i = 0; i < static_cast<int>(kRecentFilesCapacity); ++i) {
        QAction* item = Add(file, QString("MRU %1").arg(i), QString("mnuFileMRU_%1").arg(i),
                            [this, i] { RecentFileCommand(i); });
        item->setVisible(false);
        recentItems_[static_cast<size_t>(i)] = item;
    }
}

void MainMenu::AddBoardCommands(QMenu* tool) {
    const struct {
        const char* caption;
        const char* name;
        void (*command)(Engine&, TickHost&);
    } boardCommands[] = {
        {"Set All Relays", "mnuToolSetRelays", SetAllRelays},
        {"Set All Relays (w/Delay)", "mnuToolSetRelaysDelay", SetAllRelaysDelay},
        {"Set All Relays (w/Pause)", "mnuToolSetRelaysPause", SetAllRelaysPause},
        {"Reset All Relays", "mnuToolResetRelays", ResetAllRelays},
        {"Reset All Relays (w/Delay)", "mnuToolResetRelaysDelay", ResetAllRelaysDelay},
        {"Reset All Relays (w/Pause)", "mnuToolResetRelaysPause", ResetAllRelaysPause},
    };
    for (const auto& c : boardCommands)
        Add(tool, c.caption, c.name,
            [this, command = c.command] { RunBoardCommand([&] { command(ctx_.engine, host_); }); });
}

void MainMenu::AddEmulation(QMenu* tool) {
    for (int b = 0; b < kBoardSlots; ++b)
        emulation_[static_cast<size_t>(b)] =
            Add(tool, QString("Emulation Mode Board %1 (Run With No Board) ").arg(b + 1),
                QString("mnuToolRunNoBoard_%1").arg(b), [this, b] {
                    if (b == 0)
                        EmulationCommand();
                });
}

void MainMenu::AddRunOnBoot(QMenu* tool) {
    QMenu* boot = tool->addMenu("Run when Computer Boots (Starts)");
    boot->menuAction()->setObjectName("mnuToolRunOnBoot");
    const struct {
        const char* caption;
        const char* name;
        int16_t kind;
    } bootItems[] = {{"Next Time", "mnuToolRunOnBootOnce", kRunOnBootOnce},
                     {"Always", "mnuToolRunOnBootAlways", kRunOnBootAlways},
                     {"Never", "mnuToolRunOnBootNever", kRunOnBootNone}};
    for (size_t i = 0; i < std::size(bootItems); ++i) {
        QAction* item = Add(boot, bootItems[i].caption, bootItems[i].name,
                            [this, kind = bootItems[i].kind] { RunOnBootCommand(kind); });
        item->setCheckable(true);
        runOnBoot_[i] = item;
    }
}

void MainMenu::AddIntervals(QMenu* dev) {
    for (size_t i = 0; i < std::size(kDeveloperIntervals); ++i) {
        const int ms = kDeveloperIntervals[i];
        Add(dev, QString("Timer Set Interval = %1").arg(ms), QString("mnuDevTimerSetInterval_%1").arg(i),
            [this, ms] {
                Run([this, ms] {
                    ctx_.engineState.TimerInterval = ms;
                    host_.Start();
                });
            });
    }
}

void MainMenu::AddManualBoard(QMenu* states, int board) {
    const int n = board + 1;
    QMenu* manual = states->addMenu(QString("Manual Set Board %1").arg(n));
    manual->menuAction()->setObjectName(QString("mnuStateManualBoard_%1").arg(board));
    const QString prefix = QString("mnuStateMan_B%1_").arg(n);
    Engine& e = ctx_.engine;
    Add(manual, "Step Thru All", prefix + "StepAll",
        [this, &e] { RunBoardCommand([&] { StateStepAll(e, host_); }); });
    AddSeparator(manual, prefix + "Sep1");
    for (int r = 1; r <= kRelaysPerBoard; ++r)
        Add(manual, QString("On %1").arg(r), prefix + QString("On_%1").arg(r - 1),
            [this, &e, n, r] { RunBoardCommand([&] { StateRelayOn(e, host_, n, r); }); });
    AddSeparator(manual, prefix + "Sep2");
    for (int r = 1; r <= kRelaysPerBoard; ++r)
        Add(manual, QString("Off %1").arg(r), prefix + QString("Off_%1").arg(r - 1),
            [this, &e, n, r] { RunBoardCommand([&] { StateRelayOff(e, host_, n, r); }); });
    AddSeparator(manual, prefix + "Sep3");
    Add(manual, "All On", prefix + "AllOn", [this, &e] { RunBoardCommand([&] { StateAllOn(e, host_); }); });
    Add(manual, "All Off", prefix + "AllOff",
        [this, &e] { RunBoardCommand([&] { StateAllOff(e, host_); }); });
    Add(manual, "All On (with Pause)", prefix + "AllOnPause",
        [this, &e, n] { RunBoardCommand([&] { StateAllOnPause(e, host_, n); }); });
    Add(manual, "All Off (with Pause)", prefix + "AllOffPause",
        [this, &e, n] { RunBoardCommand([&] { StateAllOffPause(e, host_, n); }); });
}

void MainMenu::AddManualBoards(QMenu* states) {
    for (int b = 0; b < kBoardSlots; ++b)
        AddManualBoard(states, b);
    AddSeparator(states, "mnuStateSep1");
    for (int b = 0; b < kBoardSlots; ++b)
        states_[static_cast<size_t>(b)] = Add(states, QString("Board %1 State (Not Set)").arg(b + 1),
                                              QString("mnuStateDisplayState_%1").arg(b), nullptr);
    AddSeparator(states, "mnuStateSep2");
    for (int b = 0; b < kBoardSlots; ++b)
        inputs_[static_cast<size_t>(b)] = Add(states, QString("Board %1 Inputs (Not Set)").arg(b + 1),
                                              QString("mnuStateDisplayInput_%1").arg(b), nullptr);
}

} // namespace tavrel
