#pragma once
// Every setting by its registry value name (the settings table's rows, one per board and instance),
// grouped as the configuration windows group them, with the text that shows its value: what
// `tavreld --config` lists and what `--config set` accepts.

#include "config/configuration_dialog_model.h"
#include "config/settings_table.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

struct SettingName {
    std::string name;  // the registry value name, with its board and relay numbers
    std::string group; // the window section it belongs to
    SettingKind kind;
    int board = 0; // board index of the board settings
    int index = 0; // relay or group number of an indexed row, else the row's own number within its kind
    const SettingRow* row = nullptr;
};

// In the order the windows show them; the boards the store keeps (board 1).
const std::vector<SettingName>& AllSettingNames();

// The setting of that name; registry names compare without regard to case, as Windows compares them.
const SettingName* FindSettingName(const std::string& name);

// Names close to a mistyped one (a few letters apart, or holding it), best first, at most five.
std::vector<std::string> CloseSettingNames(const std::string& name);

// The value as the window's field shows it and `--config set` takes it back ("2A0", "FireCOMM3",
// "#00FF00", "1"), and a note on what is stored when that differs ("672", "stored as 0").
struct ShownSetting {
    std::string value;
    std::string note;
};
// `mqtt` holds the MQTT settings as a load gives them; `stored` tells whether a value is stored.
struct MqttShown {
    const MqttSettings& settings;
    std::function<bool(const std::string& name)> stored;
};
ShownSetting ShowSetting(const SettingName& setting, ConfigurationDialogModel& model,
                         const ConfigurationTargets& targets, const MqttShown* mqtt = nullptr);

// Colours as "#RRGGBB"; the program keeps them blue-green-red (0x00BBGGRR).
std::string ColourHashText(int32_t bgr);
std::optional<int32_t> ParseColourHashText(const std::string& text);

} // namespace tavrel
