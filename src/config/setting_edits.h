#pragma once
// A setting changed by its registry name, through the configuration window's own model: the value is
// taken as if typed into the setting's field and the field left, so it is refused by the same rules and
// with the same message box. The presets and resets are the window's reset menu entries.

#include "config/configuration_dialog_model.h"
#include "config/setting_names.h"

#include <string>

namespace tavrel {

// False when refused. `reason` then says why when the command itself refuses a text that the window's
// field could not hold (a board type not in its list, "x" for a check box, "0x378" for an address);
// else it stays empty and the model has shown its message box through the targets' boxes.
// The MQTT rows change `mqtt`.
bool ApplySetting(ConfigurationDialogModel& model, Settings& settings, const SettingName& setting,
                  const std::string& value, std::string& reason, MqttSettings* mqtt = nullptr);

// An MQTT row set from its text, refused (with `reason`) where a load would not take the text as given:
// the checks of both `--config set` and the window's MQTT section.
bool ApplyMqttSetting(MqttSettings& mqtt, const SettingName& setting, const std::string& value,
                      std::string& reason);

// "relay-card", "firecracker", "mixed": the address presets of the reset menu. False for another word.
bool ApplyPreset(ConfigurationDialogModel& model, const std::string& word);
inline constexpr const char* kPresetWords = "relay-card, firecracker, mixed";

// "colours", "names", "logging", "reset-on-exit", "all": the reset menu's other entries.
bool ApplyReset(ConfigurationDialogModel& model, const std::string& word);
inline constexpr const char* kResetWords = "colours, names, logging, reset-on-exit, all";

} // namespace tavrel
