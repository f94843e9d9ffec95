#include "shell/menu_command_gate.h"

#include "engine/tick.h"

namespace tavrel {

void TickGate::Tick(Engine& engine, TickHost& host) {
    Run(engine.schedule, [&] { tavrel::Tick(engine, host); });
}

void TickGate::Run(ScheduleTables& schedule, const std::function<void()>& work) {
    ++depth_;
    work();
    --depth_;
    if (depth_ == 0 && releaseAfterTick_) {
        releaseAfterTick_ = false;
        schedule.ScheduleSuspended = kFalse;
    }
}

void TickGate::HoldUntilTickEnds(ScheduleTables& schedule) {
    // A hold already in force (a command inside a command's dialog) is its owner's to release.
    if (IsSet(schedule.ScheduleSuspended))
        return;
    schedule.ScheduleSuspended = kTrue;
    releaseAfterTick_ = true;
}

} // namespace tavrel
