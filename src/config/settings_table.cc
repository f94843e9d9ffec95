#include "config/settings_table.h"

#include <type_traits>

namespace tavrel {

// The colours are blue-green-red, as the colours dialog's defaults: green for ON, grey for OFF.
const std::array<SettingField, 28> kSettingFields{{
    {"LoggingOnOff", &Settings::LoggingOnOff, LoadRule::Flag, kTrue},
    {"KillByButton", &Settings::KillByButton, LoadRule::Integer},
    {"KillBySignal", &Settings::KillBySignal, LoadRule::Integer},
    {"KillBySignalBoardNum", &Settings::KillBySignalBoardNum, LoadRule::Integer},
    {"KillBySignalInputNum", &Settings::KillBySignalInputNum, LoadRule::Integer},
    {"KillBySignalGoesHigh", &Settings::KillBySignalGoesHigh, LoadRule::TwoValuedFlag},
    {"KillBySignalGoesLow", &Settings::KillBySignalGoesLow, LoadRule::TwoValuedFlag},
    {"KillActionAllOff", &Settings::KillActionAllOff, LoadRule::Integer},
    {"KillActionExitProgram", &Settings::KillActionExitProgram, LoadRule::Integer},
    {"KillActionShutDown", &Settings::KillActionShutDown, LoadRule::Integer},
    {"KillMiscButtonName", &Settings::KillMiscButtonName, LoadRule::TextOrKill, 0, "Kill",
     SaveDefault::Blank},
    {"KillMiscButtonOnTop", &Settings::KillMiscButtonOnTop, LoadRule::Integer},
    {"KillMiscEnableDelay", &Settings::KillMiscEnableDelay, LoadRule::Integer},
    {"LogFilePath", &Settings::LogFilePath, LoadRule::Text, 0, "c:\\", SaveDefault::LogFolder},
    {"LogFileName", &Settings::LogFileName, LoadRule::Text, 0, "", SaveDefault::LogName},
    {"DataFilePath", &Settings::DataFilePath, LoadRule::Text, 0, "", SaveDefault::ProgramFolder},
    {"DataFileName", &Settings::DataFileName, LoadRule::Text, 0, "", SaveDefault::DataName},
    {"WarnOverLapTime", &Settings::WarnOverLapTime, LoadRule::Integer, 1},
    {"ColorRelayON", &Settings::ColorRelayON, LoadRule::Integer, 0x00FF00},
    {"ColorRelayOFF", &Settings::ColorRelayOFF, LoadRule::Integer, 0xC0C0C0},
    {"ColorTimeON", &Settings::ColorTimeON, LoadRule::Integer, 0x00FF00},
    {"ColorTimeOFF", &Settings::ColorTimeOFF, LoadRule::Integer, 0xC0C0C0},
    {"ColorManualON", &Settings::ColorManualON, LoadRule::Integer, 0x00FF00},
    {"ColorManualOFF", &Settings::ColorManualOFF, LoadRule::Integer, 0xC0C0C0},
    {"ColorInputON", &Settings::ColorInputON, LoadRule::Integer, 0x00FF00},
    {"ColorInputOFF", &Settings::ColorInputOFF, LoadRule::Integer, 0xC0C0C0},
    {"ColorTTimeBkgrnd", &Settings::ColorTTimeBkgrnd, LoadRule::Integer, 0xC0C0C0},
    {"ColorNameBkgrnd", &Settings::ColorNameBkgrnd, LoadRule::Integer, 0x00FFFF},
}};

const std::array<BoardField, 9> kBoardFields{{
    {"ChipSetType", &BoardRecord::ChipSetType},
    {"BaseAddress", &BoardRecord::BaseAddress},
    {"InputAddress", &BoardRecord::InputAddress},
    {"CntlAddress", &BoardRecord::CntlAddress},
    {"PortConfigValue", &BoardRecord::PortConfigValue},
    {"LogBoard", &BoardRecord::LogBoard},
    {"ResetOnExit", &BoardRecord::ResetOnExit},
    {"RunNoBoard", &BoardRecord::RunNoBoard},
    {"WriteToBaseOnly", &BoardRecord::WriteToBaseOnly},
}};

const char* SaveDefaultText(SaveDefault d) {
    switch (d) {
    case SaveDefault::Blank:
        return " ";
    case SaveDefault::LogFolder:
        return "c:\\";
    case SaveDefault::LogName:
        return "TavrelLog.Log";
    case SaveDefault::DataName:
        return "New.run";
    case SaveDefault::ProgramFolder:
    case SaveDefault::None:
        break;
    }
    return "";
}

const std::array<int32_t, kMaxRelayGroupIndex + 1> kDefaultRelayGroupColours{
    0xC0FFFF, 0x8080FF, 0x80C0FF, 0x80FFFF, 0xFFFF80, 0xFF8080, 0xFF80FF, 0xFFFFFF};

void ApplyFirstRunSettings(Settings& settings, RelayGroupColourTable& groupColours) {
    settings = Settings{};
    for (const SettingField& field : kSettingFields) {
        std::visit(
            [&](auto member) {
                auto& value = settings.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>)
                    value = field.firstRunText;
                else
                    value = static_cast<T>(field.firstRunNumber);
            },
            field.member);
    }
    for (int g = 0; g <= kMaxRelayGroupIndex; ++g)
        groupColours[g] = kDefaultRelayGroupColours[static_cast<size_t>(g)];
}

} // namespace tavrel
