#pragma once
// Menu commands and the tick: every command holds ScheduleSuspended while it runs, and a command that
// starts while a tick is between its steps (the tick lets window events run) leaves the rest of that tick
// undone: the schedule stays held until the tick has returned.

#include "engine/engine.h"

#include <functional>
#include <utility>

namespace tavrel {

struct Engine;
class TickHost;

class TickGate {
public:
    // One tick, counted so that a command can tell it started inside one.
    void Tick(Engine& engine, TickHost& host);
    // Other work that may tick and let window events run (the MQTT link's queued commands), counted the
    // same way.
    void Run(ScheduleTables& schedule, const std::function<void()>& work);
    bool InTick() const { return depth_ > 0; }
    // A command ends inside a tick: ScheduleSuspended stays set until the outermost tick returns.
    void HoldUntilTickEnds(ScheduleTables& schedule);

private:
    int depth_ = 0;
    bool releaseAfterTick_ = false;
};

template <typename Command> void RunMenuCommand(ScheduleTables& schedule, TickGate& gate, Command&& command) {
    {
        ScheduleHold hold(schedule);
        std::forward<Command>(command)();
    }
    if (gate.InTick())
        gate.HoldUntilTickEnds(schedule);
}

} // namespace tavrel
