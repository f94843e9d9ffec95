#include "mqtt/mqtt_settings.h"

#include "config/reg_api.h"
#include "platform/cold_code.h"
#include "platform/registry.h"

#include <cctype>
#include <cstdlib>

namespace tavrel {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A whole decimal number, or nothing.
std::optional<long> Number(const std::string& text) {
    const std::string t = Trimmed(text);
    if (t.empty())
        return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(t.c_str(), &end, 10);
    if (end == nullptr || *end != '\0')
        return std::nullopt;
    return value;
}

// Topic levels may not hold the wildcards "+" and "#"; a client id is kept to plain characters.
TAVREL_COLD std::string PlainName(const std::string& text) {
    std::string out;
    for (const char c : text)
        out += std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.' ? c : '_';
    return out;
}

bool Flag(const MqttSettingLookup& lookup, const char* name, bool fallback) {
    const std::optional<std::string> value = lookup(name);
    const std::optional<long> n = value ? Number(*value) : std::nullopt;
    return n ? *n != 0 : fallback;
}

} // namespace

TAVREL_COLD MqttSettings MqttSettingsFrom(const MqttSettingLookup& lookup, const std::string& hostName) {
    MqttSettings s;
    const auto text = [&lookup](const char* name) {
        const std::optional<std::string> value = lookup(name);
        return value ? Trimmed(*value) : std::string();
    };
    s.Enabled = Flag(lookup, "Enabled", false);
    s.Discovery = Flag(lookup, "Discovery", true);
    if (const std::string host = text("Host"); !host.empty())
        s.Host = host;
    if (const std::optional<std::string> port = lookup("Port")) {
        const std::optional<long> n = Number(*port);
        if (n && *n > 0 && *n < 65536)
            s.Port = static_cast<int>(*n);
    }
    s.ClientId = text("ClientId");
    if (s.ClientId.empty())
        s.ClientId = hostName.empty() ? "tavrel" : "tavrel-" + PlainName(hostName);
    s.TopicPrefix = text("TopicPrefix");
    // A wildcard cannot stand in a topic that is published to: the commands would never arrive.
    for (char& c : s.TopicPrefix)
        if (c == '+' || c == '#')
            c = '_';
    while (!s.TopicPrefix.empty() && s.TopicPrefix.back() == '/')
        s.TopicPrefix.pop_back();
    if (s.TopicPrefix.empty())
        s.TopicPrefix = "tavrel/" + PlainName(s.ClientId);
    s.Username = text("Username");
    // A password is taken as stored: spaces may belong to it.
    s.Password = lookup("Password").value_or("");
    s.TlsCaFile = text("TlsCaFile");
    return s;
}

namespace {
MqttSettingLookup RegistryLookup(modRegAPI& reg) {
    return [&reg](const std::string& name) -> std::optional<std::string> {
        std::string value = reg.ReadRegValue(kHkeyLocalMachine, kMqttKey, name, "CHECK", false);
        if (value == kRegKeyNotFound || value == kRegValueNameNotFound)
            return std::nullopt;
        return value;
    };
}
} // namespace

// Not cold: the one part that runs when MQTT is off.
bool MqttEnabled(modRegAPI& reg) {
    return Flag(RegistryLookup(reg), "Enabled", false);
}

TAVREL_COLD MqttSettings LoadMqttSettings(modRegAPI& reg, const std::string& hostName) {
    return MqttSettingsFrom(RegistryLookup(reg), hostName);
}

} // namespace tavrel
