#include "shell/menu_command_gate.h"

#include "engine/tick.h"

namespace tavrel {

void TickGate::Tick(Engine& engine, TickHost& host) {
    ++depth_;
    tavrel::Tick(engine, host);
    --depth_;
    if (depth_ == 0 && releaseAfterTick_) {
        releaseAfterTick_ = false;
        engine.schedule.ScheduleSuspended = kFalse;
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
