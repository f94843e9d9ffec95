#include "mainwindow/ui/main_menu.h"

#include "boardio/address_listing.h"
#include "engine/counters.h"
#include "engine/relay_commands.h"
#include "engine/tick.h"
#include "engine/total_time.h"
#include "files/run_file.h"
#include "files/run_on_boot.h"
#include "mainwindow/ui/day_view_window.h"
#include "mainwindow/ui/frm_relay.h"
#include "mainwindow/ui/log_commands.h"
#include "mainwindow/ui/program_configuration.h"
#include "mainwindow/ui/relay_panels_view.h"
#include "platform/autostart.h"
#include "platform/file_io.h"
#include "resources/help_texts.h"
#include "shell/menu_command_gate.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/ui/info_windows.h"
#include "shell/ui/qt_tick_host.h"

#include <QFileDialog>
#include <QMenuBar>

namespace tavrel {

namespace {

constexpr int kDeveloperIntervals[] = {1000, 2000, 3000};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A menu item shows "&" as an access key; a path shows its own.
QString Literal(const QString& text) {
    return QString(text).replace("&", "&&");
}

template <typename Window> void ShowOwnWindow(Window* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
}

} // namespace

MainMenu::MainMenu(ProgramContext& ctx, QtTickHost& host, frmRelay& window)
    : QObject(&window), ctx_(ctx), host_(host), window_(window) {
    setObjectName("MainMenu");
    askOpenPath_ = [this] {
        return QFileDialog::getOpenFileName(&window_, "Open Run-Schedule",
                                            Q(ctx_.drives.Map(ctx_.settings.DataFilePath)), kRunFileFilter);
    };
    BuildFile();
    QAction* edit = window_.menuBar()->addAction("&Edit");
    edit->setObjectName("mnuEdit");
    connect(edit, &QAction::triggered, this, [this] { Run([this] { ShowEditNotCoded(ctx_.boxes); }); });
    BuildTool();
    BuildDev();
    BuildStates();
    BuildHelp();
    connect(&host_, &QtTickHost::displayChanged, this, &MainMenu::RefreshTickCaptions);
}

MainMenu::~MainMenu() = default;

template <typename Command> void MainMenu::Run(Command&& command) {
    RunMenuCommand(ctx_.schedule, host_.Gate(), std::forward<Command>(command));
    // Only what the command changed is repainted.
    window_.Panels().ApplyDisplayState();
}

template <typename Command> void MainMenu::RunBoardCommand(Command&& command) {
    Run(std::forward<Command>(command));
    // Redraws through the display signal; does nothing while an outer command still holds the schedule.
    RefreshWithoutEvaluation(ctx_.engine, host_);
}

QAction* MainMenu::Add(QMenu* menu, const QString& caption, const QString& name,
                       std::function<void()> command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (command)
        connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

void MainMenu::AddSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

void MainMenu::BuildFile() {
    QMenu* file = window_.menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    Add(file, "&New", "mnuFileNew", [this] { FileNewCommand(); })->setShortcut(QKeySequence("Ctrl+N"));
    Add(file, "&Open", "mnuFileOpen", [this] { FileOpenCommand(); })->setShortcut(QKeySequence("Ctrl+O"));
    AddSeparator(file, "mnuFileSep1sepbar");
    Add(file, "Print Window", "mnuFilePrintForm", [this] { Run([this] { PrintWindow(&window_); }); });
    Add(file, "Print Screen", "mnuFilePrintScreen", [this] { Run([this] { PrintScreen(&window_); }); });
    AddSeparator(file, "mnuFileSep2sepbar");
    save_ = Add(file, "&Save", "mnuFileSave", [this] { FileSaveCommand(); });
    save_->setShortcut(QKeySequence("Ctrl+S"));
    Add(file, "Save &As...", "mnuFileSaveAs", [this] { FileSaveAsCommand(); });
    AddSeparator(file, "mnuFileSep3sepbar");
    Add(file, "Configuration", "mnuFileConfiguration", [this] { ConfigurationCommand(); });
    Add(file, "Configuration (Remove)", "mnuFileConfigurationRemove",
        [this] { Run([this] { RemoveConfiguration(ctx_); }); });
    recentSeparator_ = file->addSeparator();
    recentSeparator_->setObjectName("mnuFileSep4sepbar");
    for (int i = 0; i < static_cast<int>(kRecentFilesCapacity); ++i) {
        QAction* item = Add(file, QString("MRU %1").arg(i), QString("mnuFileMRU_%1").arg(i),
                            [this, i] { RecentFileCommand(i); });
        item->setVisible(false);
        recentItems_[static_cast<size_t>(i)] = item;
    }
    AddSeparator(file, "mnuFileSep5sepbar");
    Add(file, "E&xit", "mnuFileExit", [this] { window_.close(); })->setShortcut(QKeySequence("Ctrl+Q"));
    RefreshRecentItems();
}

void MainMenu::BuildTool() {
    QMenu* tool = window_.menuBar()->addMenu("&Tool");
    tool->setObjectName("mnuTool");
    connect(tool, &QMenu::aboutToShow, this, &MainMenu::RefreshRunOnBootChecks);
    Engine& e = ctx_.engine;
    logging_ = Add(tool, "Logging", "mnuToolLogging", [this] {
        MenuItemState state;
        Run([&] { state = ToggleLogging(ctx_); });
        Apply(logging_, state);
    });
    logging_->setCheckable(true);
    Add(tool, "View Log File", "mnuToolLogFileView",
        [this] { Run([this] { ShowLogViewer(ctx_, &window_); }); });
    Add(tool, "Remove Log File(s)", "mnuToolRemoveLogFile",
        [this] { Run([this] { ShowLogDelete(ctx_, &window_); }); });
    Add(tool, "Log File Path", "mnuToolLogFilePath",
        [this] { Run([this] { ShowLogPath(ctx_, &window_); }); });
    Add(tool, "Remove Restart File", "mnuToolRemoveRestartFile",
        [this] { Run([this] { DeleteRestartFile(ctx_); }); });
    AddSeparator(tool, "mnuToolSep1");
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
            [this, &e, command = c.command] { RunBoardCommand([&] { command(e, host_); }); });
    AddSeparator(tool, "mnuToolSep2");
    Add(tool, "Reset All Counters", "mnuToolZeroCounters", [this, &e] { Run([&] { ZeroCounters(e); }); });
    // The tick itself is the command: it runs at once, unheld.
    forceCheckTime_ =
        Add(tool, "Force Time Check", "mnuToolForceCheckTime", [this, &e] { host_.Gate().Tick(e, host_); });
    Add(tool, "Day View", "mnuToolDayView", [this] { Run([this] { ShowDayView(); }); });
    listAddresses_ = Add(tool, "List Addresses H200-H3FF", "mnuToolListAddress_H200_H3FF", [this] {
        Run([this] { ListPortAddresses(ctx_.portAccess, ctx_.eventLog.CurrentLogPath()); });
    });
    AddSeparator(tool, "mnuToolSep3");
    for (int b = 0; b < kBoardSlots; ++b) {
        emulation_[static_cast<size_t>(b)] =
            Add(tool, QString("Emulation Mode Board %1 (Run With No Board) ").arg(b + 1),
                QString("mnuToolRunNoBoard_%1").arg(b), [this, b] {
                    if (b != 0)
                        return;
                    RunBoardCommand([this] { ToggleEmulation(ctx_, host_); });
                    Apply(emulation_[0], EmulationItem(ctx_.schedule.BoardArray, 0));
                    RefreshTickCaptions();
                });
    }
    AddSeparator(tool, "mnuToolSep4");
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

void MainMenu::BuildDev() {
    QMenu* dev = window_.menuBar()->addMenu("Dev");
    dev->setObjectName("mnuDev");
    connect(dev, &QMenu::aboutToShow, this, [this] {
        // Whatever started or stopped the timer, the switch offers the other way.
        timerSwitch_->setText(ctx_.engineState.TimerEnabled ? "Timer Disable" : "Timer Enable");
    });
    timerSwitch_ = Add(dev, "Timer Disable", "mnuDevTimerEnableDisable", [this] {
        Run([this] { DeveloperTimerSwitch(ctx_.engine); });
        timerSwitch_->setText(Q(ctx_.engineState.TimerMenuCaption));
    });
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
    Add(dev, "Test Accum Total Time", "mnuDevTestAccumTotalTime",
        [this] { Run([this] { TestAccumTotalTime(); }); });
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

void MainMenu::BuildStates() {
    QMenu* states = window_.menuBar()->addMenu("States/Inputs");
    states->setObjectName("mnuState");
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

void MainMenu::BuildHelp() {
    QMenu* help = window_.menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    Add(help, "Help (General)", "mnuHelpGeneral",
        [this] { Run([this] { ShowOwnWindow(new frmHelp(kHelpGeneral, &window_)); }); });
    Add(help, "Help (Configuration)", "mnuHelpConfiguration",
        [this] { Run([this] { ShowOwnWindow(new frmHelp(kHelpConfiguration, &window_)); }); });
    Add(help, "Splash Screen", "mnuHelpSplash", [this] { Run([this] { ShowSplashAgain(&window_); }); });
    Add(help, "&About", "mnuHelpAbout", [this] { Run([this] { ShowOwnWindow(new frmAbout(&window_)); }); });
    AddSeparator(help, "mnuHelpSep1");
    boardAddresses_ = Add(help, "Board Addresses (Not Defined)", "mnuDisplayAddress", nullptr);
}

void MainMenu::Apply(QAction* action, const MenuItemState& state) {
    action->setText(Literal(Q(state.caption)));
    action->setEnabled(state.enabled);
    if (action->isCheckable())
        action->setChecked(state.checked);
}

void MainMenu::ApplyStates(const MainMenuState& state) {
    Apply(logging_, state.logging);
    listAddresses_->setEnabled(state.listAddressesEnabled);
    forceCheckTime_->setEnabled(state.forceCheckTimeEnabled);
    for (size_t b = 0; b < kBoardSlots; ++b) {
        Apply(emulation_[b], state.emulation[b]);
        Apply(states_[b], state.states[b]);
        Apply(inputs_[b], state.inputs[b]);
    }
    boardAddresses_->setText(Literal(Q(state.boardAddresses)));
}

void MainMenu::RefreshTickCaptions() {
    for (int b = 0; b < kBoardSlots; ++b) {
        const auto i = static_cast<size_t>(b);
        Apply(states_[i], StateItem(ctx_.display, b));
        Apply(inputs_[i], InputItem(ctx_.display, ctx_.schedule.BoardArray, b));
    }
}

void MainMenu::RefreshRunOnBootChecks() {
    const int16_t state = clsRunOnBootOnceAlways(ctx_.regApi, ctx_.boxes).CheckRunMeOnBoot();
    runOnBoot_[0]->setChecked(state == kRunOnBootOnce);
    runOnBoot_[1]->setChecked(state == kRunOnBootAlways);
    runOnBoot_[2]->setChecked(state == kRunOnBootNone);
}

void MainMenu::RefreshRecentItems() {
    const auto& files = recent_.Files();
    for (size_t i = 0; i < recentItems_.size(); ++i) {
        QAction* item = recentItems_[i];
        const bool used = i < files.size();
        item->setVisible(used);
        if (!used)
            continue;
        const QString path = Q(files[i]);
        item->setText(QString("&%1 %2").arg(i + 1).arg(Literal(path)));
        item->setToolTip(path);
    }
    recentSeparator_->setVisible(!files.empty());
}

void MainMenu::Load() {
    recent_.Load(ctx_.regApi);
    RefreshRecentItems();
    ApplyStates(MenuStatesAtLoad(ctx_));
    RefreshRunOnBootChecks();
}

void MainMenu::Unload() {
    recent_.Save(ctx_.regApi);
}

void MainMenu::SetAutostart(std::unique_ptr<Autostart> autostart) {
    autostart_ = std::move(autostart);
}

Autostart& MainMenu::SystemAutostart() {
    if (!autostart_)
        autostart_ = MakeSystemAutostart();
    return *autostart_;
}

void MainMenu::SetSaveEnabled(bool enabled) {
    save_->setEnabled(enabled);
}

void MainMenu::AfterScheduleChange() {
    window_.Panels().LoadFromTables();
    window_.RefreshCaptionAndStatus();
}

bool MainMenu::SaveChangesFirst() {
    return tavrel::SaveChangesFirst(ctx_, [this] { return window_.AskSavePathNow(); });
}

void MainMenu::FileNewCommand() {
    Run([this] {
        if (!SaveChangesFirst())
            return;
        FileNew(ctx_);
        EnableTimer(ctx_.engine);
        window_.ClearNote();
    });
    AfterScheduleChange();
}

void MainMenu::FileOpenCommand() {
    QString path;
    Run([&] {
        if (SaveChangesFirst())
            path = askOpenPath_ ? askOpenPath_() : QString();
    });
    if (!path.isEmpty())
        OpenRunFile(path);
}

void MainMenu::OpenRunFile(const QString& path) {
    Run([&] {
        if (FileOpen(ctx_, path.toStdString()) != kRunFileLoaded)
            return;
        EnableTimer(ctx_.engine);
        recent_.Add(path.toStdString());
        window_.ClearNote();
    });
    RefreshRecentItems();
    AfterScheduleChange();
}

void MainMenu::RecentFileCommand(int index) {
    std::optional<std::string> path;
    Run([&] {
        if (!SaveChangesFirst())
            return;
        path = recent_.Choose(
            static_cast<size_t>(index),
            [this](const std::string& p) { return FileExists(ctx_.drives.Map(p)); }, ctx_.boxes);
    });
    RefreshRecentItems();
    if (path)
        OpenRunFile(Q(*path));
}

void MainMenu::FileSaveCommand() {
    if (IsSet(ctx_.files.RestartedAfterCrash))
        return;
    bool saved = false;
    Run([&] { saved = FileSave(ctx_); });
    if (!saved) {
        FileSaveAsCommand();
        return;
    }
    recent_.Add(ctx_.settings.DataFilePath + ctx_.settings.DataFileName);
    RefreshRecentItems();
    window_.RefreshCaptionAndStatus();
}

void MainMenu::FileSaveAsCommand() {
    Run([this] {
        const std::string path = window_.AskSavePathNow();
        if (path.empty() || !SaveScheduleAs(ctx_, path))
            return;
        recent_.Add(path);
        window_.ClearNote();
    });
    RefreshRecentItems();
    window_.RefreshCaptionAndStatus();
}

void MainMenu::ConfigurationCommand() {
    Run([this] { OpenProgramConfiguration(ctx_, &window_); });
    // New boards, colours or logging: the menus and panels as a load would set them.
    ApplyStates(MenuStatesAtLoad(ctx_));
    RefreshWithoutEvaluation(ctx_.engine, host_);
    AfterScheduleChange();
}

void MainMenu::RunOnBootCommand(int16_t kind) {
    const std::string bootCommand = ctx_.folders.ProgramDirectory() + "/tavreld --boot";
    Run([&] {
        if (kind == kRunOnBootAlways)
            RunOnBootAlways(ctx_, SystemAutostart(), bootCommand);
        else if (kind == kRunOnBootOnce)
            RunOnBootNextTime(ctx_, SystemAutostart(), bootCommand);
        else
            RunOnBootNever(ctx_, SystemAutostart());
    });
    RefreshRunOnBootChecks();
}

void MainMenu::TestAccumTotalTime() {
    ComputeAllTotalTimes(ctx_.schedule);
    std::vector<std::string> lines;
    for (int r = 0; r < kRelaysPerBoard; ++r)
        lines.push_back("Relay " + std::to_string(r + 1) + ": " + ctx_.schedule.RelayArray[r].TotalTimeText);
    ctx_.boxes.Tell(MsgIcon::Information, "Test Accum Total Time", lines);
}

void MainMenu::ShowDayView() {
    // One Day View at a time; a second choice brings it to the front.
    if (dayView_.isNull()) {
        dayView_ = new DayViewWindow(ctx_, &window_);
        dayView_->setWindowFlag(Qt::Window);
        dayView_->setAttribute(Qt::WA_DeleteOnClose);
        connect(&window_.Panels(), &RelayPanelsView::scheduleEdited, dayView_.data(),
                &DayViewWindow::ScheduleChanged);
    }
    dayView_->show();
    dayView_->raise();
    dayView_->activateWindow();
}

} // namespace tavrel
