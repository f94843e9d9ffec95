#include "config/settings_table.h"

namespace tavrel {

const std::array<SettingField, 28> kSettingFields{{
    {"LoggingOnOff", &Settings::LoggingOnOff, LoadRule::Flag},
    {"KillByButton", &Settings::KillByButton, LoadRule::Integer},
    {"KillBySignal", &Settings::KillBySignal, LoadRule::Integer},
    {"KillBySignalBoardNum", &Settings::KillBySignalBoardNum, LoadRule::Integer},
    {"KillBySignalInputNum", &Settings::KillBySignalInputNum, LoadRule::Integer},
    {"KillBySignalGoesHigh", &Settings::KillBySignalGoesHigh, LoadRule::TwoValuedFlag},
    {"KillBySignalGoesLow", &Settings::KillBySignalGoesLow, LoadRule::TwoValuedFlag},
    {"KillActionAllOff", &Settings::KillActionAllOff, LoadRule::Integer},
    {"KillActionExitProgram", &Settings::KillActionExitProgram, LoadRule::Integer},
    {"KillActionShutDown", &Settings::KillActionShutDown, LoadRule::Integer},
    {"KillMiscButtonName", &Settings::KillMiscButtonName, LoadRule::TextOrKill, SaveDefault::Blank},
    {"KillMiscButtonOnTop", &Settings::KillMiscButtonOnTop, LoadRule::Integer},
    {"KillMiscEnableDelay", &Settings::KillMiscEnableDelay, LoadRule::Integer},
    {"LogFilePath", &Settings::LogFilePath, LoadRule::Text, SaveDefault::LogFolder},
    {"LogFileName", &Settings::LogFileName, LoadRule::Text, SaveDefault::LogName},
    {"DataFilePath", &Settings::DataFilePath, LoadRule::Text, SaveDefault::ProgramFolder},
    {"DataFileName", &Settings::DataFileName, LoadRule::Text, SaveDefault::DataName},
    {"WarnOverLapTime", &Settings::WarnOverLapTime, LoadRule::Integer},
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

} // namespace tavrel
