#include "shell/console_host.h"

#include "engine/tick.h"
#include "engine/time_of_day.h"
#include "shell/loop_wake.h"
#include "shell/mqtt_service.h"
#include "shell/program_context.h"

#include <ostream>

namespace tavrel {

void ConsoleTickHost::RelaySwitched(int relayIndex, int16_t state) {
    out_ << FormatTimeOfDay(ctx_.clock.TimeOfDay()) << " relay " << relayIndex + 1 << " ("
         << ctx_.schedule.RelayArray[relayIndex].DisplayName << ") " << (state == kStateOn ? "ON" : "OFF")
         << std::endl;
}

void ConsoleTickHost::DisplayChanged() {
    if (mqtt_ != nullptr)
        mqtt_->DisplayChanged();
}

void ConsoleTickHost::StateLineLogged(const std::string& line) {
    out_ << line << std::endl;
    if (mqtt_ != nullptr)
        mqtt_->StateLineLogged(line);
}

void RunSchedulerLoop(ProgramContext& ctx, TickHost& host, const std::function<bool()>& stop,
                      const std::function<void()>& ticked, LoopWake* wake) {
    int64_t deadline = ctx.clock.MonotonicUs();
    while (!stop()) {
        if (ctx.clock.MonotonicUs() >= deadline) {
            if (ctx.engineState.TimerEnabled) {
                Tick(ctx.engine, host);
                FollowNextChanges(ctx, host);
                if (ticked)
                    ticked();
            }
            deadline += static_cast<int64_t>(ctx.engineState.TimerInterval) * 1000;
            // After a long stall (a suspended machine), start afresh rather than tick to catch up.
            if (deadline < ctx.clock.MonotonicUs())
                deadline =
                    ctx.clock.MonotonicUs() + static_cast<int64_t>(ctx.engineState.TimerInterval) * 1000;
        }
        if (wake != nullptr)
            wake->SleepUntil(ctx.clock, deadline);
        else
            ctx.clock.SleepUntilUs(deadline);
    }
}

} // namespace tavrel
