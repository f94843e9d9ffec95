#include "engine/counters.h"

#include "files/schedule_commands.h"
#include "shell/program_context.h"

namespace tavrel {

namespace {
std::string CounterCaption(const RelayRecord& relay) {
    return relay.CountEnabled != 0 ? std::to_string(relay.Counter) : "Counter";
}
} // namespace

void CountInputs(ProgramContext& ctx) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        if (ctx.ScheduleSuspended == kTrue)
            return;
        RelayRecord& relay = ctx.RelayArray[r];
        RelayDisplay& d = ctx.display.relays[static_cast<size_t>(r)];
        if ((ctx.InputReadback[0] >> r) & 1) {
            d.counterLabel = ctx.ColorInputON;
            if (relay.CountEnabled == kTrue && relay.PrevInput == 0 && relay.Counter < kCounterCap) {
                ++relay.Counter;
                ctx.CountersChanged = true;
            }
            relay.PrevInput = 1;
        } else {
            d.counterLabel = ctx.ColorInputOFF;
            relay.PrevInput = 0;
        }
        d.counterCaption = CounterCaption(relay);
    }
}

void CounterClicked(ProgramContext& ctx, int relayNumber, MouseButton button) {
    RelayRecord* relay = ctx.RelayArray.Slot(relayNumber);
    if (relay == nullptr || relayNumber >= kRelaysPerBoard)
        return;
    if (button == MouseButton::Left) {
        relay->CountEnabled = relay->CountEnabled != 0 ? kFalse : kTrue;
    } else {
        relay->CountEnabled = kTrue;
        relay->Counter = 0;
    }
    ctx.display.relays[static_cast<size_t>(relayNumber)].counterCaption = CounterCaption(*relay);
    WriteRestartFile(ctx);
}

void ZeroCounters(ProgramContext& ctx) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        ctx.RelayArray[r].Counter = 0;
        ctx.display.relays[static_cast<size_t>(r)].counterCaption = CounterCaption(ctx.RelayArray[r]);
    }
    WriteRestartFile(ctx);
}

} // namespace tavrel
