#pragma once
// The topics the program publishes and listens to below its prefix, and the commands it understands.

#include <string>

namespace tavrel {

inline constexpr const char* kMqttOnline = "online";
inline constexpr const char* kMqttOffline = "offline";

std::string AvailabilityTopic(const std::string& prefix);
// `relayNumber` 1..8; `leaf` "state", "name", "mode", "counter", "total_time" or "set".
std::string RelayTopic(const std::string& prefix, int relayNumber, const std::string& leaf);
// `boardNumber` 1..4; `leaf` "problem".
std::string BoardTopic(const std::string& prefix, int boardNumber, const std::string& leaf);
std::string InputsTopic(const std::string& prefix);
std::string ScheduleTopic(const std::string& prefix);
std::string LogTopic(const std::string& prefix);
// Whether today is a holiday ("ON"/"OFF"), and its name and calendar file as JSON.
std::string HolidayTopic(const std::string& prefix);
std::string HolidayAttributesTopic(const std::string& prefix);
std::string CommandTopic(const std::string& prefix);
// What the program subscribes to: every relay's "set" topic.
std::string RelaySetPattern(const std::string& prefix);

// What a relay's panel shows it obeys: "stop", "manual", "invert" or "schedule" (stop overrides manual,
// manual overrides invert).
std::string RelayModeText(bool hardStop, bool manual, bool invert);

enum class MqttCommandKind {
    ManualOn,
    ManualOff,
    InvertOn,
    InvertOff,
    Stop,
    Release,
    AllOff,
    ForceCheck,
    Unknown
};

struct MqttCommand {
    MqttCommandKind kind = MqttCommandKind::Unknown;
    int relay = -1; // 0-based relay index of a relay command
};

// Parses a message on one of the subscribed topics; anything not understood is Unknown.
MqttCommand ParseMqttCommand(const std::string& prefix, const std::string& topic, const std::string& payload);

// Network text as a log line shows it: cut to 64 characters, control characters shown as "?" so that a
// peer can neither break the log into lines nor fill it with one long topic.
std::string MqttShownText(const std::string& text);
// The event-log line's detail for a message that was ignored: its topic and payload, each shown so.
std::string IgnoredMessageText(const std::string& topic, const std::string& payload);

// "MANUAL_ON" .. "FORCE_CHECK".
std::string MqttCommandName(MqttCommandKind kind);

} // namespace tavrel
