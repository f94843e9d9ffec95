#pragma once
// The engine's host without a window: each relay switch and each logged state line as a line of text.

#include "engine/tick_host.h"

#include <functional>
#include <iosfwd>

namespace tavrel {

struct ProgramContext;
class MqttService;
class LoopWake;

class ConsoleTickHost final : public TickHost {
public:
    // `mqtt` (null: none) publishes each change.
    ConsoleTickHost(ProgramContext& ctx, std::ostream& out, MqttService* mqtt = nullptr)
        : ctx_(ctx), out_(out), mqtt_(mqtt) {}

    // "09:00:04 relay 1 (Pump) ON"
    void RelaySwitched(int relayIndex, int16_t state) override;
    void DisplayChanged() override;
    void StateLineLogged(const std::string& line) override;
    bool CloseProgram() override {
        closeRequested = true;
        return true;
    }

    bool closeRequested = false;

private:
    ProgramContext& ctx_;
    std::ostream& out_;
    MqttService* mqtt_;
};

// Runs a tick every TimerInterval milliseconds on monotonic deadlines (so the ticks do not drift) while
// the timer is on, until `stop` says so. `stop` is asked before each tick: the place for the work that
// waits on nothing (the MQTT link's queued commands, a reload). `ticked`, when given, is called after
// each tick that ran to its end (the service manager's watchdog is fed from there, never from the loop
// alone, so that a hung tick shows). With `wake`, the sleep between ticks ends early when woken, and
// `stop` is asked again at once.
void RunSchedulerLoop(ProgramContext& ctx, TickHost& host, const std::function<bool()>& stop,
                      const std::function<void()>& ticked = {}, LoopWake* wake = nullptr);

} // namespace tavrel
