#include "engine/counters.h"

#include "engine/engine.h"

namespace tavrel {

namespace {
std::string CounterCaption(const RelayRecord& relay) {
    return IsSet(relay.CountEnabled) ? std::to_string(relay.Counter) : "Counter";
}
} // namespace

void CountInputs(Engine& engine) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        if (IsSet(engine.schedule.ScheduleSuspended))
            return;
        RelayRecord& relay = engine.schedule.RelayArray[r];
        RelayDisplay& d = engine.display.relays[static_cast<size_t>(r)];
        if ((engine.schedule.InputReadback[0] >> r) & 1) {
            d.counterLabel = engine.settings.ColorInputON;
            if (IsSet(relay.CountEnabled) && relay.PrevInput == 0 && relay.Counter < kCounterCap) {
                ++relay.Counter;
                engine.state.CountersChanged = true;
            }
            relay.PrevInput = 1;
        } else {
            d.counterLabel = engine.settings.ColorInputOFF;
            relay.PrevInput = 0;
        }
        d.counterCaption = CounterCaption(relay);
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
    engine.display.relays[static_cast<size_t>(relayNumber)].counterCaption = CounterCaption(*relay);
    engine.events.RestartFileDue();
}

void ZeroCounters(Engine& engine) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        engine.schedule.RelayArray[r].Counter = 0;
        engine.display.relays[static_cast<size_t>(r)].counterCaption =
            CounterCaption(engine.schedule.RelayArray[r]);
    }
    engine.events.RestartFileDue();
}

} // namespace tavrel
