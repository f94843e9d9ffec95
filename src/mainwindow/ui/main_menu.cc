#include "mainwindow/ui/main_menu.h"

#include "engine/tick.h"
#include "engine/total_time.h"
#include "files/run_on_boot.h"
#include "mainwindow/ui/day_view_window.h"
#include "mainwindow/ui/frm_relay.h"
#include "mainwindow/ui/holidays_window.h"
#include "mainwindow/ui/program_configuration.h"
#include "mainwindow/ui/relay_panels_view.h"
#include "platform/autostart.h"
#include "shell/boot_command.h"
#include "shell/menu_command_gate.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/ui/qt_tick_host.h"

#include <QFileDialog>
#include <QMenuBar>

namespace tavrel {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A menu item shows "&" as an access key; a path shows its own.
QString Literal(const QString& text) {
    return QString(text).replace("&", "&&");
}

} // namespace

MainMenu::MainMenu(ProgramContext& ctx, QtTickHost& host, FileCommands& files, frmRelay& window)
    : QObject(&window), ctx_(ctx), host_(host), files_(files), window_(window) {
    setObjectName("MainMenu");
    files_.SetAskOpenPath([this] {
        return QFileDialog::getOpenFileName(&window_, "Open Run-Schedule",
                                            Q(ctx_.drives.Map(ctx_.settings.DataFilePath)), kRunFileFilter)
            .toStdString();
    });
    for (const Menu& row : Table()) {
        if (row.command != nullptr) {
            QAction* item = window_.menuBar()->addAction(row.caption);
            item->setObjectName(row.name);
            connect(item, &QAction::triggered, this, [this, run = row.command] { run(*this); });
            continue;
        }
        QMenu* menu = window_.menuBar()->addMenu(row.caption);
        menu->setObjectName(row.name);
        if (row.aboutToShow != nullptr)
            connect(menu, &QMenu::aboutToShow, this, [this, show = row.aboutToShow] { show(*this); });
        Build(menu, row.rows);
    }
    RefreshRecentItems();
    connect(&host_, &QtTickHost::displayChanged, this, &MainMenu::RefreshTickCaptions);
}

MainMenu::~MainMenu() = default;

void MainMenu::Run(const std::function<void()>& command) {
    RunMenuCommand(ctx_.schedule, host_.Gate(), command);
    // Only what the command changed is repainted.
    window_.Panels().ApplyDisplayState();
}

void MainMenu::RunBoardCommand(const std::function<void()>& command) {
    Run(command);
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
    const auto& files = files_.Recent().Files();
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
    files_.LoadRecentFiles();
    RefreshRecentItems();
    ApplyStates(MenuStatesAtLoad(ctx_));
    RefreshRunOnBootChecks();
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

void MainMenu::AfterOpen(OpenOutcome outcome) {
    if (outcome == OpenOutcome::Opened)
        window_.ClearNote();
    RefreshRecentItems();
    if (outcome != OpenOutcome::Cancelled)
        AfterScheduleChange();
}

void MainMenu::FileNewCommand() {
    Run([this] {
        if (files_.New())
            window_.ClearNote();
    });
    AfterScheduleChange();
}

void MainMenu::FileOpenCommand() {
    OpenOutcome outcome = OpenOutcome::Cancelled;
    Run([&] { outcome = files_.Open(); });
    AfterOpen(outcome);
}

void MainMenu::OpenRunFile(const QString& path) {
    OpenOutcome outcome = OpenOutcome::Cancelled;
    Run([&] { outcome = files_.OpenPath(path.toStdString()); });
    AfterOpen(outcome);
}

void MainMenu::RecentFileCommand(int index) {
    OpenOutcome outcome = OpenOutcome::Cancelled;
    Run([&] { outcome = files_.OpenRecent(static_cast<size_t>(index)); });
    AfterOpen(outcome);
}

void MainMenu::FileSaveCommand() {
    Run([this] {
        if (files_.Save())
            window_.ClearNote();
    });
    RefreshRecentItems();
    window_.RefreshCaptionAndStatus();
}

void MainMenu::FileSaveAsCommand() {
    Run([this] {
        if (files_.SaveAs())
            window_.ClearNote();
    });
    RefreshRecentItems();
    window_.RefreshCaptionAndStatus();
}

void MainMenu::ConfigurationCommand() {
    Run([this] { OpenProgramConfiguration(ctx_, {host_.Mqtt(), host_.Holidays()}, &window_); });
    // New boards, colours or logging: the menus and panels as a load would set them.
    ApplyStates(MenuStatesAtLoad(ctx_));
    RefreshWithoutEvaluation(ctx_.engine, host_);
    AfterScheduleChange();
}

void MainMenu::LoggingCommand() {
    MenuItemState state;
    Run([&] { state = ToggleLogging(ctx_); });
    Apply(logging_, state);
}

void MainMenu::EmulationCommand() {
    RunBoardCommand([this] { ToggleEmulation(ctx_, host_); });
    Apply(emulation_[0], EmulationItem(ctx_.schedule.BoardArray, 0));
    RefreshTickCaptions();
}

void MainMenu::TimerSwitchCommand() {
    Run([this] { DeveloperTimerSwitch(ctx_.engine); });
    timerSwitch_->setText(Q(ctx_.engineState.TimerMenuCaption));
}

void MainMenu::RunOnBootCommand(int16_t kind) {
    const std::string bootCommand = BootCommandOfThisProgram(ctx_.folders.ProgramDirectory());
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
    ComputeAllTotalTimes(ctx_.schedule, ctx_.clock.Now().date);
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
        dayView_->FollowHolidays(host_.Holidays());
    }
    dayView_->show();
    dayView_->raise();
    dayView_->activateWindow();
}

void MainMenu::ShowHolidays() {
    if (holidays_.isNull()) {
        holidays_ = new HolidaysWindow(ctx_, host_.Holidays(), &window_);
        holidays_->setAttribute(Qt::WA_DeleteOnClose);
        connect(holidays_.data(), &HolidaysWindow::configurationWanted, this,
                &MainMenu::ConfigurationCommand);
    }
    holidays_->show();
    holidays_->raise();
    holidays_->activateWindow();
}

} // namespace tavrel
