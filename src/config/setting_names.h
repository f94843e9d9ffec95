#pragma once
// Every setting by its registry value name, grouped as the configuration windows group them, with the
// text that shows its value: what `tavreld --config` lists and what `--config set` accepts.

#include "config/configuration_dialog_model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

enum class SettingKind {
    ChipSetType,
    BaseAddress,
    InputAddress,
    CntlAddress,
    PortConfigValue,
    RelayName,
    BoardOption,
    WarnOverlapTime,
    LogFolder,
    StatusColour,
    GroupColour,
    KillCheck,
    KillBoardNumber,
    KillInputNumber,
    KillGoesHigh,
    KillGoesLow,
    KillButtonName,
    KillEnableDelay,
    Logging,
    KeptByProgram,
};

struct SettingName {
    std::string name;  // the registry value name: "ChipSetType1", "Brd1RNam3", "ColorRelayON"
    std::string group; // the window section it belongs to
    SettingKind kind;
    int board = 0; // board index of the board settings
    int index = 0; // relay, colour button, option or kill check number within its kind
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
ShownSetting ShowSetting(const SettingName& setting, ConfigurationDialogModel& model,
                         const ConfigurationTargets& targets);

// Colours as "#RRGGBB"; the program keeps them blue-green-red (0x00BBGGRR).
std::string ColourHashText(int32_t bgr);
std::optional<int32_t> ParseColourHashText(const std::string& text);

} // namespace tavrel
