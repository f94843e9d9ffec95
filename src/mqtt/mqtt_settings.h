#pragma once
// The MQTT settings under SOFTWARE\Tavrel\Mqtt of the local machine, each with its default.

#include <functional>
#include <optional>
#include <string>

namespace tavrel {

class modRegAPI;

inline constexpr const char* kMqttKey = "SOFTWARE\\Tavrel\\Mqtt";
inline constexpr int kMqttDefaultPort = 1883;

struct MqttSettings {
    bool Enabled = false;
    std::string Host = "localhost";
    int Port = kMqttDefaultPort;
    std::string ClientId;    // "tavrel-" + the host name
    std::string TopicPrefix; // "tavrel/" + ClientId, without a closing "/"
    std::string Username;
    std::string Password;
    std::string TlsCaFile;
    bool Discovery = true;

    bool operator==(const MqttSettings&) const = default;
};

// A stored value by name, or nothing when it is not stored.
using MqttSettingLookup = std::function<std::optional<std::string>(const std::string& name)>;

// Missing, empty or unreadable values take their defaults.
MqttSettings MqttSettingsFrom(const MqttSettingLookup& lookup, const std::string& hostName);

// Only "Enabled": a program that keeps MQTT off reads nothing more.
bool MqttEnabled(modRegAPI& reg);

// Reads the key without a diagnostic: a machine that never set MQTT up has no key at all.
MqttSettings LoadMqttSettings(modRegAPI& reg, const std::string& hostName);

} // namespace tavrel
