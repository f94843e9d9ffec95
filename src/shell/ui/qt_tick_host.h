#pragma once
// The check-time timer of the window program: a QTimer that runs the tick while the timer is enabled, and
// the engine's requests (pending messages, busy pointer, refresh, close) answered in Qt.

#include "engine/tick_host.h"
#include "shell/menu_command_gate.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace tavrel {

struct ProgramContext;
class HolidayService;
class MqttService;

class QtTickHost final : public QObject, public TickHost {
    Q_OBJECT
public:
    explicit QtTickHost(ProgramContext& ctx, QObject* parent = nullptr);

    // Starts the heartbeat; each beat ticks when the timer is enabled and refreshes the status bar.
    void Start();
    // One beat now, as the timer would run it.
    void Beat();
    // Counts the ticks in progress, so a menu command can tell it started inside one.
    TickGate& Gate() { return gate_; }

    void ProcessPendingMessages() override;
    void SetBusyPointer(bool busy) override;
    void DisplayChanged() override;
    void StateLineLogged(const std::string& line) override;
    void RefreshStatusBar() override { emit statusBarDue(); }
    // Answered by the main window's close path; false when the user kept the program running. Before
    // the main window exists (a kill while a start-up warning is open) the same close path runs here.
    bool CloseProgram() override;
    void SetCloseProgram(std::function<bool()> close) { closeProgram_ = std::move(close); }
    // The close path ran before the main window existed: the start-up ends there.
    bool ClosedBeforeWindow() const { return closedBeforeWindow_; }
    // The MQTT service: its commands applied as they arrive (and at the start of each beat), changes
    // published. Attach before the service starts.
    void AttachMqtt(MqttService* mqtt);
    MqttService* Mqtt() const { return mqtt_; }
    // The holiday calendars: each beat makes their new-day check, before the tick evaluates the day.
    void AttachHolidays(HolidayService* holidays) { holidays_ = holidays; }
    HolidayService* Holidays() const { return holidays_; }

signals:
    void displayChanged();
    void statusBarDue();

private:
    void PollMqtt();
    void WokenByMqtt();

    ProgramContext& ctx_;
    QTimer timer_;
    TickGate gate_;
    bool busy_ = false;
    std::function<bool()> closeProgram_;
    bool closedBeforeWindow_ = false;
    MqttService* mqtt_ = nullptr;
    HolidayService* holidays_ = nullptr;
};

} // namespace tavrel
