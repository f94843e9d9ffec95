#include "config/settings_table.h"

#include "config/colour_defaults.h"

#include <type_traits>

namespace tavrel {

// The colours start at the colours dialog's defaults (colour_defaults.h).
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
    {"ColorRelayON", &Settings::ColorRelayON, LoadRule::Integer},
    {"ColorRelayOFF", &Settings::ColorRelayOFF, LoadRule::Integer},
    {"ColorTimeON", &Settings::ColorTimeON, LoadRule::Integer},
    {"ColorTimeOFF", &Settings::ColorTimeOFF, LoadRule::Integer},
    {"ColorManualON", &Settings::ColorManualON, LoadRule::Integer},
    {"ColorManualOFF", &Settings::ColorManualOFF, LoadRule::Integer},
    {"ColorInputON", &Settings::ColorInputON, LoadRule::Integer},
    {"ColorInputOFF", &Settings::ColorInputOFF, LoadRule::Integer},
    {"ColorTTimeBkgrnd", &Settings::ColorTTimeBkgrnd, LoadRule::Integer},
    {"ColorNameBkgrnd", &Settings::ColorNameBkgrnd, LoadRule::Integer},
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
    for (int i = 0; i < static_cast<int>(kStatusColours.size()); ++i)
        settings.*kStatusColours[static_cast<size_t>(i)].member = DefaultStatusColour(i);
    for (int g = 0; g <= kMaxRelayGroupIndex; ++g)
        groupColours[g] = DefaultGroupColour(g);
}

} // namespace tavrel
