#include "mqtt/mqtt_settings.h"

#include "common/text.h"
#include "config/reg_api.h"
#include "platform/cold_code.h"
#include "platform/registry.h"

#include <cctype>
#include <cstdlib>
#include <random>

namespace tavrel {

namespace {

std::string Trimmed(const std::string& text) {
    return std::string(Trim(text));
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

// What a box without a stored ClientId is known as: "tavrel-<host name>".
TAVREL_COLD std::string HostClientId(const std::string& hostName) {
    return hostName.empty() ? "tavrel" : "tavrel-" + PlainName(hostName);
}

// One MQTT row by its load rule; a value that does not fit keeps the default.
void LoadRow(const SettingRow& row, const std::optional<std::string>& stored, MqttSettings& s) {
    if (!stored)
        return;
    WithSettingValue(row, {.mqtt = &s}, 0, 0, [&](auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
            const std::string text = row.rule == LoadRule::Secret ? *stored : Trimmed(*stored);
            if (!text.empty())
                value = text;
        } else if (const std::optional<long> n = Number(*stored)) {
            if (row.rule == LoadRule::WholeFlag)
                value = *n != 0;
            else if (*n > 0 && *n < 65536)
                value = static_cast<T>(*n);
        }
    });
}

} // namespace

TAVREL_COLD MqttSettings MqttSettingsFrom(const MqttSettingLookup& lookup, const std::string& hostName) {
    MqttSettings s;
    ApplyMqttDefaults(s);
    for (const SettingRow& row : SettingRows())
        if (row.key == SettingKey::Mqtt)
            LoadRow(row, lookup(row.name), s);
    if (s.ClientId.empty())
        s.ClientId = HostClientId(hostName);
    // A wildcard cannot stand in a topic that is published to: the commands would never arrive.
    for (char& c : s.TopicPrefix)
        if (c == '+' || c == '#')
            c = '_';
    while (!s.TopicPrefix.empty() && s.TopicPrefix.back() == '/')
        s.TopicPrefix.pop_back();
    if (s.TopicPrefix.empty())
        s.TopicPrefix = "tavrel/" + PlainName(s.ClientId);
    return s;
}

namespace {
MqttSettingLookup RegistryLookup(modRegAPI& reg) {
    return [&reg](const std::string& name) -> std::optional<std::string> {
        return reg.ReadRegValue(kHkeyLocalMachine, kMqttKey, name, RegReadMode::Check, false);
    };
}
} // namespace

// Not cold: the one part that runs when MQTT is off.
bool MqttEnabled(modRegAPI& reg) {
    const SettingRow& row = RowOf(&MqttSettings::Enabled);
    MqttSettings s;
    s.Enabled = DefaultNumber(row.firstRun, 0) != 0;
    LoadRow(row, RegistryLookup(reg)(SettingValueName(row, 0, 0)), s);
    return s.Enabled;
}

TAVREL_COLD MqttSettings LoadMqttSettings(modRegAPI& reg, const std::string& hostName) {
    return MqttSettingsFrom(RegistryLookup(reg), hostName);
}

} // namespace tavrel

namespace tavrel {

TAVREL_COLD void SaveMqttSetting(modRegAPI& reg, const SettingRow& row, const MqttSettings& s) {
    MqttSettings values = s;
    const std::string name = SettingValueName(row, 0, 0);
    WithSettingValue(row, {.mqtt = &values}, 0, 0, [&](const auto& value) {
        std::string text;
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
            text = value;
        else
            text = std::to_string(static_cast<int>(value));
        if (text.empty())
            reg.DeleteRegValue(kHkeyLocalMachine, kMqttKey, name, false);
        else
            reg.SetNewValue(kHkeyLocalMachine, kMqttKey, "String", name, text, false);
    });
}

namespace {

TAVREL_COLD bool ClientIdStored(modRegAPI& reg) {
    const auto stored =
        reg.ReadRegValue(kHkeyLocalMachine, kMqttKey, SettingValueName(RowOf(&MqttSettings::ClientId), 0, 0),
                         RegReadMode::Check, false);
    return stored && !Trim(*stored).empty();
}

TAVREL_COLD void StoreClientId(modRegAPI& reg, const std::string& id) {
    reg.SetNewValue(kHkeyLocalMachine, kMqttKey, "String",
                    SettingValueName(RowOf(&MqttSettings::ClientId), 0, 0), id, false);
}

} // namespace

TAVREL_COLD void StoreClientIdOnFirstEnable(modRegAPI& reg, bool wasEnabled, const std::string& hostName) {
    if (wasEnabled || !MqttEnabled(reg) || ClientIdStored(reg))
        return;
    std::random_device random;
    const uint32_t part = random();
    StoreClientId(reg, HostClientId(hostName) + "-" + ToLower(HexText(part, 8)));
}

TAVREL_COLD void StoreClientIdInUse(modRegAPI& reg, const std::string& hostName) {
    if (MqttEnabled(reg) && !ClientIdStored(reg))
        StoreClientId(reg, HostClientId(hostName));
}

} // namespace tavrel
