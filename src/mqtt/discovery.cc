#include "mqtt/discovery.h"

#include "mqtt/mqtt_topics.h"
#include "platform/cold_code.h"

#include <cctype>
#include <cstdio>

namespace tavrel {

namespace {

// Discovery ids and topic levels take letters, digits, "_" and "-" only.
TAVREL_COLD std::string NodeId(const std::string& clientId) {
    std::string out;
    for (const char c : clientId)
        out += std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' ? c : '_';
    return out;
}

TAVREL_COLD std::string ConfigTopic(const DiscoveryDevice& d, const char* component,
                                    const std::string& object) {
    return std::string(kDiscoveryPrefix) + "/" + component + "/" + NodeId(d.clientId) + "/" + object +
           "/config";
}

TAVREL_COLD std::string Field(const char* name, const std::string& value) {
    return JsonString(name) + ":" + JsonString(value);
}

TAVREL_COLD std::string DeviceJson(const DiscoveryDevice& d) {
    return "\"device\":{\"identifiers\":[" + JsonString(NodeId(d.clientId)) + "]," +
           Field("name", "Tavrel " + d.clientId) + "," + Field("manufacturer", "Tavrel") + "," +
           Field("model", d.boardType) + "," + Field("sw_version", d.version) + "}";
}

// The fields every entity shares: its name, id, availability and device.
TAVREL_COLD std::string Common(const DiscoveryDevice& d, const std::string& name, const std::string& object) {
    return Field("name", name) + "," + Field("unique_id", NodeId(d.clientId) + "_" + object) + "," +
           Field("availability_topic", AvailabilityTopic(d.prefix)) + "," + DeviceJson(d);
}

struct Entity {
    const char* component;
    const char* object; // relay<n> is followed by this
};
constexpr Entity kEntities[] = {
    {"switch", "manual"}, {"binary_sensor", "state"}, {"sensor", "counter"}, {"sensor", "next"}};

TAVREL_COLD std::string Payload(const DiscoveryDevice& d, const Entity& e, int n,
                                const std::string& relayName) {
    const std::string object = "relay" + std::to_string(n) + "_" + e.object;
    const std::string name = relayName.empty() ? "Relay " + std::to_string(n) : relayName;
    const std::string component = e.component;
    if (component == "switch")
        return "{" + Common(d, name + " manual", object) + "," +
               Field("command_topic", RelayTopic(d.prefix, n, "set")) + "," +
               Field("payload_on", "MANUAL_ON") + "," + Field("payload_off", "MANUAL_OFF") + "," +
               Field("state_topic", RelayTopic(d.prefix, n, "mode")) + "," +
               Field("value_template", "{{ 'ON' if value == 'manual' else 'OFF' }}") + "," +
               Field("state_on", "ON") + "," + Field("state_off", "OFF") + "}";
    if (component == "binary_sensor")
        return "{" + Common(d, name, object) + "," + Field("state_topic", RelayTopic(d.prefix, n, "state")) +
               "," + Field("payload_on", "ON") + "," + Field("payload_off", "OFF") + "}";
    if (std::string(e.object) == "next")
        return "{" + Common(d, name + " next change", object) + "," + Field("device_class", "timestamp") +
               "," + Field("state_topic", RelayTopic(d.prefix, n, "next")) + "," +
               Field("value_template", "{{ value_json.at | default(None) }}") + "," +
               Field("json_attributes_topic", RelayTopic(d.prefix, n, "next")) + "}";
    return "{" + Common(d, name + " counter", object) + "," +
           Field("state_topic", RelayTopic(d.prefix, n, "counter")) + "}";
}

TAVREL_COLD MqttPublication BoardProblem(const DiscoveryDevice& d, int n) {
    const std::string object = "board" + std::to_string(n) + "_problem";
    return {ConfigTopic(d, "binary_sensor", object),
            "{" + Common(d, "Board " + std::to_string(n) + " problem", object) + "," +
                Field("device_class", "problem") + "," +
                Field("state_topic", BoardTopic(d.prefix, n, "problem")) + "," + Field("payload_on", "ON") +
                "," + Field("payload_off", "OFF") + "}",
            true};
}

} // namespace

TAVREL_COLD MqttPublication HolidayDiscoveryMessage(const DiscoveryDevice& d) {
    return {ConfigTopic(d, "binary_sensor", "holiday"),
            "{" + Common(d, "Holiday", "holiday") + "," + Field("state_topic", HolidayTopic(d.prefix)) + "," +
                Field("payload_on", "ON") + "," + Field("payload_off", "OFF") + "," +
                Field("json_attributes_topic", HolidayAttributesTopic(d.prefix)) + "}",
            true};
}

TAVREL_COLD std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

TAVREL_COLD std::vector<MqttPublication>
DiscoveryMessages(const DiscoveryDevice& device, const std::array<std::string, kMqttRelays>& names) {
    std::vector<MqttPublication> out;
    for (int n = 1; n <= kMqttRelays; ++n)
        for (const Entity& e : kEntities)
            out.push_back({ConfigTopic(device, e.component, "relay" + std::to_string(n) + "_" + e.object),
                           Payload(device, e, n, names[static_cast<size_t>(n - 1)]), true});
    out.push_back(BoardProblem(device, 1));
    return out;
}

} // namespace tavrel
