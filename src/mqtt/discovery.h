#pragma once
// Home Assistant's MQTT discovery: per relay a switch for its manual setting, a binary sensor for what
// the relay actually does and a sensor for its counter, all under one device.

#include "mqtt/mqtt_state.h"

#include <string>
#include <vector>

namespace tavrel {

inline constexpr const char* kDiscoveryPrefix = "homeassistant";

struct DiscoveryDevice {
    std::string clientId;
    std::string prefix;
    std::string version;   // the program's
    std::string boardType; // board 1's chip-set type
};

// A JSON string literal, quotes included.
std::string JsonString(const std::string& text);

// The retained config messages of every relay; `names` are the relays' names (UTF-8).
std::vector<MqttPublication> DiscoveryMessages(const DiscoveryDevice& device,
                                               const std::array<std::string, kMqttRelays>& names);

// The retained config message of the holiday sensor, whose attributes are the holiday's name and file.
MqttPublication HolidayDiscoveryMessage(const DiscoveryDevice& device);

} // namespace tavrel
