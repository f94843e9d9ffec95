#include "engine/counters.h"

#include "engine/engine.h"
#include "engine/relay_display.h"

namespace tavrel {

void CountInputs(Engine& engine) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        if (IsSet(engine.schedule.ScheduleSuspended))
            return;
        RelayRecord& relay = engine.schedule.RelayArray[r];
        if ((engine.schedule.InputReadback[0] >> r) & 1) {
            if (IsSet(relay.CountEnabled) && relay.PrevInput == 0 && relay.Counter < kCounterCap) {
                ++relay.Counter;
                engine.state.CountersChanged = true;
            }
            relay.PrevInput = 1;
        } else {
            relay.PrevInput = 0;
        }
    }
}

void CounterClicked(Engine& engine, int relayNumber, MouseButton button) {
    RelayRecord* relay = engine.schedule.RelayArray.Slot(relayNumber);
    if (relay == nullptr || relayNumber >= kRelaysPerBoard)
        return;
    if (button == MouseButton::Left) {
        relay->CountEnabled = ToFlag(!IsSet(relay->CountEnabled));
    } else {
        relay->CountEnabled = kTrue;
        relay->Counter = 0;
    }
    UpdateRelayDisplay(engine.display, engine.schedule, engine.settings, relayNumber);
    engine.events.RestartFileDue();
}

void ZeroCounters(Engine& engine) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        engine.schedule.RelayArray[r].Counter = 0;
        UpdateRelayDisplay(engine.display, engine.schedule, engine.settings, r);
    }
    engine.events.RestartFileDue();
}

} // namespace tavrel
