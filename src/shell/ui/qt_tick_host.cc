#include "shell/ui/qt_tick_host.h"

#include "engine/tick.h"
#include "shell/file_commands.h"
#include "shell/holiday_service.h"
#include "shell/mqtt_service.h"
#include "shell/program_context.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace tavrel {

QtTickHost::QtTickHost(ProgramContext& ctx, QObject* parent) : QObject(parent), ctx_(ctx) {
    timer_.setObjectName("tmrCheckTime");
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtTickHost::Beat);
}

void QtTickHost::Start() {
    timer_.start(ctx_.engineState.TimerInterval);
}

void QtTickHost::Beat() {
    // Inside the gate: a command's forced check lets window events run, and a menu command among them
    // must leave the rest of that check undone as it would a tick's.
    PollMqtt();
    if (holidays_ != nullptr)
        holidays_->NewDayCheck();
    if (ctx_.engineState.TimerEnabled) {
        gate_.Tick(ctx_.engine, *this);
        FollowNextChanges(ctx_, *this);
    } else
        emit statusBarDue(); // the clock fields move on while the schedule waits for its first action
}

void QtTickHost::AttachMqtt(MqttService* mqtt) {
    mqtt_ = mqtt;
    // Called on the network thread: the command is applied on the window's own thread, as a click is.
    mqtt_->SetWake(
        [this] { QMetaObject::invokeMethod(this, &QtTickHost::WokenByMqtt, Qt::QueuedConnection); });
}

void QtTickHost::WokenByMqtt() {
    // Inside a tick (its forced check lets events run) the command waits for the beat that follows.
    if (!gate_.InTick())
        PollMqtt();
}

void QtTickHost::PollMqtt() {
    if (mqtt_ != nullptr && mqtt_->Running())
        gate_.Run(ctx_.schedule, [this] { mqtt_->Poll(*this); });
}

bool QtTickHost::CloseProgram() {
    if (closeProgram_)
        return closeProgram_();
    if (closedBeforeWindow_)
        return true;
    FileCommands files(ctx_);
    files.LoadRecentFiles(); // stored back by the close path: the list must not come back empty
    closedBeforeWindow_ = files.CloseRequest(CloseKind::ByUser);
    return closedBeforeWindow_;
}

void QtTickHost::DisplayChanged() {
    emit displayChanged();
    if (mqtt_ != nullptr)
        mqtt_->DisplayChanged();
}

void QtTickHost::StateLineLogged(const std::string& line) {
    if (mqtt_ != nullptr)
        mqtt_->StateLineLogged(line);
}

void QtTickHost::ProcessPendingMessages() {
    QCoreApplication::processEvents();
}

void QtTickHost::SetBusyPointer(bool busy) {
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace tavrel
