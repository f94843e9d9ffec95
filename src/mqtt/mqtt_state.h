#pragma once
// The program's state as published: what each relay does and why, the inputs, the schedule's name; and
// the messages that bring a broker from one state to the next.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

struct Engine;
struct Settings;

inline constexpr int kMqttRelays = 8;

struct MqttRelayState {
    std::string state; // "ON", "OFF", or "" while not yet known
    std::string name;
    std::string mode;
    std::string counter;
    std::string totalTime;
    std::string next; // {"at":...,"state":...} or {}; "" until first reckoned
    bool operator==(const MqttRelayState&) const = default;
};

struct MqttState {
    std::array<MqttRelayState, kMqttRelays> relays;
    std::string inputs;
    std::string schedule;
    // "ON" or "OFF" for today, and {"name":...,"file":...}; both "" without holiday calendars.
    std::string holiday;
    std::string holidayAttributes;
    std::string problem; // board 1: "ON" while it has a fault, else "OFF"
    bool operator==(const MqttState&) const = default;
};

struct MqttPublication {
    std::string topic;
    std::string payload;
    bool retain = true;
    bool operator==(const MqttPublication&) const = default;
};

// Board 1 as the engine holds it now; texts in UTF-8.
MqttState TakeMqttState(const Engine& engine);

// The retained messages that differ between `before` (nothing yet: every value) and `now`; a relay state
// not yet known is left out.
std::vector<MqttPublication> StateChanges(const std::optional<MqttState>& before, const MqttState& now,
                                          const std::string& prefix);

} // namespace tavrel
