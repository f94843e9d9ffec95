#include "mqtt/mqtt_commands.h"

#include "boardio/chip_set_types.h"
#include "engine/engine.h"
#include "engine/evaluation.h"
#include "engine/relay_commands.h"
#include "engine/tick.h"
#include "platform/cold_code.h"

namespace tavrel {

namespace {

// Toggles a setting only when it is not yet `wanted`; "" when nothing changed.
template <typename Toggle>
TAVREL_COLD std::string SetTo(Engine& engine, const MqttCommand& c, int16_t RelayRecord::*setting,
                              bool wanted, Toggle toggle) {
    RelayRecord& relay = engine.schedule.RelayArray[c.relay];
    if (IsSet(relay.*setting) == wanted)
        return "";
    toggle(engine, c.relay);
    // A cyclic relay's invert does nothing: then neither does the command.
    if (IsSet(relay.*setting) != wanted)
        return "";
    return "relay " + std::to_string(c.relay + 1) + " " + MqttCommandName(c.kind);
}

} // namespace

TAVREL_COLD std::string ApplyMqttCommand(Engine& engine, TickHost& host, const MqttCommand& c) {
    switch (c.kind) {
    case MqttCommandKind::ManualOn:
    case MqttCommandKind::ManualOff:
        return SetTo(engine, c, &RelayRecord::Manual, c.kind == MqttCommandKind::ManualOn, ToggleManual);
    case MqttCommandKind::InvertOn:
    case MqttCommandKind::InvertOff:
        return SetTo(engine, c, &RelayRecord::Invert, c.kind == MqttCommandKind::InvertOn, ToggleInvert);
    case MqttCommandKind::Stop:
    case MqttCommandKind::Release:
        return SetTo(engine, c, &RelayRecord::HardStop, c.kind == MqttCommandKind::Stop, ToggleStop);
    case MqttCommandKind::AllOff: {
        bool allStopped = true;
        for (int r = 0; r < kRelaysPerBoard; ++r)
            allStopped = allStopped && IsSet(engine.schedule.RelayArray[r].HardStop);
        if (allStopped)
            return "";
        {
            ScheduleHold hold(engine.schedule);
            StopAll(engine.schedule, engine.boards);
        }
        // Unlike the kill window, nothing else will save the stopped relays before a crash.
        engine.events.RestartFileDue();
        RefreshWithoutEvaluation(engine, host);
        return "ALL_OFF";
    }
    case MqttCommandKind::ForceCheck:
        // Not offered for a FireCracker board, whose every switch takes half a second on the serial line.
        if (ChipSetKind(engine.schedule.BoardArray[0].ChipSetType) == BoardKind::FireCracker)
            return "";
        ForceCheckTime(engine, host);
        return "FORCE_CHECK";
    case MqttCommandKind::Unknown:
        break;
    }
    return "";
}

} // namespace tavrel
