#pragma once
// The MQTT settings under SOFTWARE\Tavrel\Mqtt of the local machine, each with its default: the MQTT rows
// of the settings table.

#include "config/mqtt_record.h"
#include "config/settings_table.h"

#include <functional>
#include <optional>
#include <string>

namespace tavrel {

class modRegAPI;

// A stored value by name, or nothing when it is not stored.
using MqttSettingLookup = std::function<std::optional<std::string>(const std::string& name)>;

// Missing, empty or unreadable values take their defaults.
MqttSettings MqttSettingsFrom(const MqttSettingLookup& lookup, const std::string& hostName);

// Only the on/off value: a program that keeps MQTT off reads nothing more.
bool MqttEnabled(modRegAPI& reg);

// Stores one MQTT row's value as given in `s`; an empty text removes the value, so its default applies.
void SaveMqttSetting(modRegAPI& reg, const SettingRow& row, const MqttSettings& s);

// A box's ClientId is stored the first time it is needed and never changes after, so that its topics
// and Home Assistant entities stay, whatever becomes of the host name.
// After a save of the MQTT rows that switched MQTT on (`wasEnabled`: what was stored before the save)
// with no ClientId stored: stores "tavrel-<host name>-<8 random hex digits>", so that boxes cloned from
// one image do not take each other's session. Every place that saves the MQTT rows calls it.
void StoreClientIdOnFirstEnable(modRegAPI& reg, bool wasEnabled, const std::string& hostName);
// At start: a box found enabled with no stored ClientId was using MQTT before ClientIds were stored, as
// "tavrel-<host name>"; that id is stored as it is.
void StoreClientIdInUse(modRegAPI& reg, const std::string& hostName);

// Reads the key without a diagnostic: a machine that never set MQTT up has no key at all.
MqttSettings LoadMqttSettings(modRegAPI& reg, const std::string& hostName);

} // namespace tavrel
