#include "mqtt/mqtt_state.h"

#include "boardio/bit_marks.h"
#include "engine/engine.h"
#include "engine/next_change.h"
#include "mqtt/mqtt_topics.h"
#include "platform/cold_code.h"
#include "platform/hive/text_encoding.h"

namespace tavrel {

TAVREL_COLD MqttState TakeMqttState(const Engine& engine) {
    MqttState s;
    const ScheduleTables& t = engine.schedule;
    for (int r = 0; r < kMqttRelays; ++r) {
        const RelayRecord& relay = t.RelayArray[r];
        MqttRelayState& out = s.relays[static_cast<size_t>(r)];
        out.state = relay.CurrentState == kStateOn ? "ON" : relay.CurrentState == kStateOff ? "OFF" : "";
        out.name = Cp1252ToUtf8(relay.DisplayName);
        out.mode = RelayModeText(IsSet(relay.HardStop), IsSet(relay.Manual), IsSet(relay.Invert));
        out.counter = std::to_string(relay.Counter);
        out.totalTime = Cp1252ToUtf8(relay.TotalTimeText);
        if (engine.display.nextKnown)
            out.next = NextChangeJson(engine.display.next[static_cast<size_t>(r)]);
    }
    s.inputs = BitMarks(t.InputReadback[0]);
    s.schedule = Cp1252ToUtf8(engine.settings.DataFileName);
    s.problem = engine.boardState.health[0].Fault() ? "ON" : "OFF";
    return s;
}

TAVREL_COLD std::vector<MqttPublication> StateChanges(const std::optional<MqttState>& before,
                                                      const MqttState& now, const std::string& prefix) {
    std::vector<MqttPublication> out;
    const auto add = [&out](const std::string& topic, const std::string& was, const std::string& is,
                            bool first) {
        if (first || was != is)
            out.push_back({topic, is, true});
    };
    const bool all = !before.has_value();
    const MqttState empty;
    const MqttState& was = all ? empty : *before;
    for (int r = 0; r < kMqttRelays; ++r) {
        const MqttRelayState& a = was.relays[static_cast<size_t>(r)];
        const MqttRelayState& b = now.relays[static_cast<size_t>(r)];
        if (!b.state.empty())
            add(RelayTopic(prefix, r + 1, "state"), a.state, b.state, all);
        add(RelayTopic(prefix, r + 1, "name"), a.name, b.name, all);
        add(RelayTopic(prefix, r + 1, "mode"), a.mode, b.mode, all);
        add(RelayTopic(prefix, r + 1, "counter"), a.counter, b.counter, all);
        add(RelayTopic(prefix, r + 1, "total_time"), a.totalTime, b.totalTime, all);
        if (!b.next.empty())
            add(RelayTopic(prefix, r + 1, "next"), a.next, b.next, all);
    }
    add(InputsTopic(prefix), was.inputs, now.inputs, all);
    add(ScheduleTopic(prefix), was.schedule, now.schedule, all);
    if (!now.holiday.empty()) {
        add(HolidayTopic(prefix), was.holiday, now.holiday, all);
        add(HolidayAttributesTopic(prefix), was.holidayAttributes, now.holidayAttributes, all);
    }
    add(BoardTopic(prefix, 1, "problem"), was.problem, now.problem, all);
    return out;
}

} // namespace tavrel
