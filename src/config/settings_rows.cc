// The settings table's rows: every stored setting, in the order the windows and the listing show them.

#include "config/settings_table.h"
#include "resources/config_strings.h"

#include <array>

namespace tavrel {

namespace {

using G = SettingGroup;
using K = SettingKind;
using R = LoadRule;
constexpr SettingKey kConfig = SettingKey::Config;
constexpr SettingKey kMqtt = SettingKey::Mqtt;

// Blue-green-red (0x00BBGGRR), as the colour dialog's defaults.
constexpr int32_t kGreen = 0x00FF00;
constexpr int32_t kGrey = 0xC0C0C0;
constexpr std::array<int32_t, kMaxRelayGroupIndex + 1> kGroupColours{0xC0FFFF, 0x8080FF, 0x80C0FF, 0x80FFFF,
                                                                     0xFFFF80, 0xFF8080, 0xFF80FF, 0xFFFFFF};

constexpr int kBoardOrder = 100;    // board values load and save after every program-wide one
constexpr int kMqttOrder = 200;     // never written by the store
constexpr int kCalendarOrder = 300; // loaded and saved after the key of the rest, without a diagnostic
constexpr int kLocationOrder = 400;

// The Location key: decimal degrees as typed, "" while not set (see config/location.h).
constexpr SettingRow Place(const char* name, std::string Settings::*member, int coordinate,
                           const char* control, const char* label, const char* plain) {
    return {.name = name,
            .key = SettingKey::Location,
            .group = G::Location,
            .kind = K::Coordinate,
            .member = member,
            .rule = R::Text,
            .index = coordinate,
            .storeOrder = kLocationOrder + coordinate,
            .control = control,
            .label = label,
            .plain = plain};
}

// Status colours in the order of their buttons; their store order is that of the settings.
constexpr SettingRow Status(const char* name, int32_t Settings::*member, int button, int order,
                            int32_t colour, const char* label, const char* plain) {
    return {.name = name,
            .key = kConfig,
            .group = G::StatusColours,
            .kind = K::StatusColour,
            .member = member,
            .rule = R::Integer,
            .index = button,
            .storeOrder = order,
            .firstRun = {colour},
            .control = "cmdSetColorIndicator",
            .label = label,
            .plain = plain,
            .tip = config_tip::kStatusColour + button};
}

constexpr SettingRow Address(const char* name, int32_t BoardRecord::*member, int column, const char* control,
                             const char* label, const char* plain, int tip, int32_t firstRun) {
    return {.name = name,
            .key = kConfig,
            .group = G::Board,
            .kind = K::Address,
            .member = member,
            .rule = R::Integer,
            .index = column,
            .storeOrder = kBoardOrder + 1 + column,
            .firstRun = {firstRun},
            .control = control,
            .label = label,
            .plain = plain,
            .tip = tip};
}

constexpr SettingRow Option(const char* name, int16_t BoardRecord::*member, int option, bool savedFirst,
                            const char* control, const char* label, const char* plain, int tip,
                            int16_t firstRun) {
    return {.name = name,
            .key = kConfig,
            .group = G::Board,
            .kind = K::BoardOption,
            .member = member,
            .rule = R::Integer,
            .index = option,
            .storeOrder = kBoardOrder + 5 + option,
            .savedFirst = savedFirst,
            .firstRun = {firstRun},
            .control = control,
            .label = label,
            .plain = plain,
            .tip = tip};
}

constexpr SettingRow KillCheckRow(const char* name, int16_t Settings::*member, int check, int order,
                                  const char* control, const char* label, const char* plain, int tip,
                                  bool resetOn = false) {
    return {.name = name,
            .key = kConfig,
            .group = G::Kill,
            .kind = K::KillCheck,
            .member = member,
            .rule = R::Integer,
            .index = check,
            .storeOrder = order,
            .resetDiffers = resetOn,
            .reset = {resetOn ? 1 : 0},
            .control = control,
            .label = label,
            .plain = plain,
            .tip = tip};
}

constexpr SettingRow Kill(const char* name, int16_t Settings::*member, K kind, int order, const char* control,
                          const char* label, const char* plain, int tip) {
    return {.name = name,
            .key = kConfig,
            .group = G::Kill,
            .kind = kind,
            .member = member,
            .rule = R::Integer,
            .storeOrder = order,
            .control = control,
            .label = label,
            .plain = plain,
            .tip = tip};
}

constexpr SettingRow Kept(const char* name, std::string Settings::*member, int order,
                          SaveDefault saveDefault) {
    return {.name = name,
            .key = kConfig,
            .group = G::Kept,
            .kind = K::KeptByProgram,
            .member = member,
            .rule = R::Text,
            .storeOrder = order,
            .saveDefault = saveDefault};
}

template <typename M>
constexpr SettingRow Mqtt(const char* name, M member, K kind, R rule, int order, SettingDefault d,
                          bool programText = false) {
    return {.name = name,
            .key = kMqtt,
            .group = G::Mqtt,
            .kind = kind,
            .member = member,
            .rule = rule,
            .programText = programText,
            .storeOrder = kMqttOrder + order,
            .firstRun = d};
}

} // namespace

// Every registry value name the program stores is spelled here and nowhere else.
constexpr auto kRows = std::to_array<SettingRow>({
    {.name = "ChipSetType%b",
     .key = kConfig,
     .group = G::Board,
     .kind = K::ChipSetType,
     .member = &BoardRecord::ChipSetType,
     .rule = R::Text,
     .storeOrder = kBoardOrder,
     .firstRun = {0, "CBRelay08"},
     .saveDefault = SaveDefault::Blank,
     .control = "cmbChipSetType",
     .label = "Chip Set",
     .plain = "chip set",
     .tip = config_tip::kChipSetType},
    Address("BaseAddress%b", &BoardRecord::BaseAddress, 0, "cmbBaseAddress", "Base Address", "base address",
            config_tip::kBaseAddress, 0x300),
    Address("InputAddress%b", &BoardRecord::InputAddress, 1, "cmbInputAddress", "Input Address",
            "input address", config_tip::kInputAddress, 0x301),
    Address("CntlAddress%b", &BoardRecord::CntlAddress, 2, "cmbCntlAddress", "Control Address",
            "control address", config_tip::kCntlAddress, 0),
    Address("PortConfigValue%b", &BoardRecord::PortConfigValue, 3, "cmbPortConfigValue", "Config Value",
            "configuration value", config_tip::kPortConfigValue, 0),
    {.name = "Brd%bRNam%i",
     .key = kConfig,
     .group = G::Board,
     .kind = K::RelayName,
     .member = RelayNameSlot{},
     .rule = R::Text,
     .programText = true,
     .count = kRelaysPerBoard,
     .storeOrder = kBoardOrder + 9,
     .firstRun = {0, "Relay %i"},
     .saveDefault = SaveDefault::Blank,
     .control = "txtRelayName",
     .label = "Relay %i Name",
     .plain = "relay %i name",
     .tip = config_tip::kRelayName},
    Option("LogBoard%b", &BoardRecord::LogBoard, 0, false, "chkLogBoard", "Log", "logging",
           config_tip::kLogBoard, 1),
    Option("ResetOnExit%b", &BoardRecord::ResetOnExit, 1, false, "chkResetOnExit", "Reset", "reset on exit",
           config_tip::kResetOnExit, 1),
    Option("RunNoBoard%b", &BoardRecord::RunNoBoard, 2, true, "chkEmulate", "Emulate", "emulate only",
           config_tip::kEmulate, 1),
    Option("WriteToBaseOnly%b", &BoardRecord::WriteToBaseOnly, 3, true, "chkReadWrite", "Write Only",
           "write only", config_tip::kReadWrite, 0),

    {.name = "WarnOverLapTime",
     .key = kConfig,
     .group = G::BoardWide,
     .kind = K::WarnOverlapTime,
     .member = &Settings::WarnOverLapTime,
     .rule = R::Integer,
     .storeOrder = 18,
     .firstRun = {1},
     .control = "chkWarnOverlapTime",
     .label = "Warn Overlapping Time",
     .plain = "Warn overlapping time",
     .tip = config_tip::kWarnOverlapTime},
    {.name = "LogFilePath",
     .key = kConfig,
     .group = G::BoardWide,
     .kind = K::LogFolder,
     .member = &Settings::LogFilePath,
     .rule = R::Text,
     .storeOrder = 14,
     .firstRun = {0, "c:\\"},
     .saveDefault = SaveDefault::LogFolder,
     .control = "txtLogFilePath",
     .label = "Log Folder",
     .plain = "Log folder",
     .tip = config_tip::kLogFilePath},

    Status("ColorNameBkgrnd", &Settings::ColorNameBkgrnd, 0, 28, 0x00FFFF, "Relay Name",
           "Relay name background colour"),
    Status("ColorRelayON", &Settings::ColorRelayON, 1, 19, kGreen, "Relay ON", "Relay ON colour"),
    Status("ColorRelayOFF", &Settings::ColorRelayOFF, 2, 20, kGrey, "Relay OFF", "Relay OFF colour"),
    Status("ColorTimeON", &Settings::ColorTimeON, 3, 21, kGreen, "Time ON", "Time pair ON colour"),
    Status("ColorTimeOFF", &Settings::ColorTimeOFF, 4, 22, kGrey, "Time OFF", "Time pair OFF colour"),
    Status("ColorManualON", &Settings::ColorManualON, 5, 23, kGreen, "Manual ON", "Manual ON colour"),
    Status("ColorManualOFF", &Settings::ColorManualOFF, 6, 24, kGrey, "Manual OFF", "Manual OFF colour"),
    Status("ColorInputON", &Settings::ColorInputON, 7, 25, kGreen, "Input ON", "Input ON colour"),
    Status("ColorInputOFF", &Settings::ColorInputOFF, 8, 26, kGrey, "Input OFF", "Input OFF colour"),
    Status("ColorTTimeBkgrnd", &Settings::ColorTTimeBkgrnd, 9, 27, kGrey, "Total Time",
           "Total time background colour"),
    {.name = "ColorRelayGroup%i",
     .key = kConfig,
     .group = G::GroupColours,
     .kind = K::GroupColour,
     .member = GroupColourSlot{},
     .rule = R::Integer,
     .count = kMaxRelayGroupIndex + 1,
     .storeOrder = 29,
     .firstRun = {0, "", kGroupColours.data()},
     .control = "cmdSetColorGroupBkgrnd",
     .label = "Group %i",
     .plain = "Group %i background colour",
     .tip = config_tip::kGroupColour},

    KillCheckRow("KillByButton", &Settings::KillByButton, 0, 2, "chkKillByButton", "Button ",
                 "Kill by button", config_tip::kKillByButton),
    KillCheckRow("KillBySignal", &Settings::KillBySignal, 1, 3, "chkKillBySignal", "Signal", "Kill by signal",
                 config_tip::kKillBySignal),
    Kill("KillBySignalBoardNum", &Settings::KillBySignalBoardNum, K::KillBoardNumber, 4,
         "txtKillBySignalBoardNum", "Board #", "Kill by signal board number", config_tip::kKillBoardNum),
    Kill("KillBySignalInputNum", &Settings::KillBySignalInputNum, K::KillInputNumber, 5,
         "txtKillBySignalInputNum", "Input #", "Kill by signal input number", config_tip::kKillInputNum),
    {.name = "KillBySignalGoesHigh",
     .key = kConfig,
     .group = G::Kill,
     .kind = K::KillGoesHigh,
     .member = &Settings::KillBySignalGoesHigh,
     .rule = R::TwoValuedFlag,
     .storeOrder = 6,
     .resetDiffers = true,
     .reset = {kTrue},
     .control = "btnKillBySignalGoesHigh",
     .label = "Goes High",
     .plain = "Kill when the signal goes high",
     .tip = config_tip::kKillGoesHigh},
    {.name = "KillBySignalGoesLow",
     .key = kConfig,
     .group = G::Kill,
     .kind = K::KillGoesLow,
     .member = &Settings::KillBySignalGoesLow,
     .rule = R::TwoValuedFlag,
     .storeOrder = 7,
     .control = "btnKillBySignalGoesLow",
     .label = "Goes Low",
     .plain = "Kill when the signal goes low",
     .tip = config_tip::kKillGoesLow},
    KillCheckRow("KillActionAllOff", &Settings::KillActionAllOff, 2, 8, "chkKillActionAllOFF", "All Off",
                 "Kill action all relays off", config_tip::kKillAllOff, true),
    KillCheckRow("KillActionExitProgram", &Settings::KillActionExitProgram, 3, 9, "chkKillActionExitProgram",
                 "Exit Program", "Kill action exit the program", config_tip::kKillExitProgram),
    KillCheckRow("KillActionShutDown", &Settings::KillActionShutDown, 4, 10, "chkKillActionShutDown",
                 "Shut Down", "Kill action shut the computer down", config_tip::kKillShutDown),
    {.name = "KillMiscButtonName",
     .key = kConfig,
     .group = G::Kill,
     .kind = K::KillButtonName,
     .member = &Settings::KillMiscButtonName,
     .rule = R::TextOrKill,
     .programText = true,
     .storeOrder = 11,
     .firstRun = {0, "Kill"},
     .saveDefault = SaveDefault::Blank,
     .control = "txtKillMiscButtonName",
     .label = "Button Caption",
     .plain = "Kill button caption",
     .tip = config_tip::kKillButtonName},
    KillCheckRow("KillMiscButtonOnTop", &Settings::KillMiscButtonOnTop, 5, 12, "chkKillMiscAlwaysOnTop",
                 "On Top?", "Kill button always on top", config_tip::kKillAlwaysOnTop),
    Kill("KillMiscEnableDelay", &Settings::KillMiscEnableDelay, K::KillEnableDelay, 13,
         "txtKillMiscEnableDelay", "Delay Multiplier", "Kill by signal enable delay multiplier",
         config_tip::kKillEnableDelay),

    {.name = "LoggingOnOff",
     .key = kConfig,
     .group = G::Kept,
     .kind = K::Logging,
     .member = &Settings::LoggingOnOff,
     .rule = R::Flag,
     .storeOrder = 1,
     .savedFirst = true,
     .firstRun = {kTrue}},
    Kept("LogFileName", &Settings::LogFileName, 15, SaveDefault::LogName),
    Kept("DataFilePath", &Settings::DataFilePath, 16, SaveDefault::ProgramFolder),
    Kept("DataFileName", &Settings::DataFileName, 17, SaveDefault::DataName),

    Place("Latitude", &Settings::Latitude, 0, "txtLatitude", "Latitude", "latitude"),
    Place("Longitude", &Settings::Longitude, 1, "txtLongitude", "Longitude", "longitude"),

    Mqtt("Enabled", &MqttSettings::Enabled, K::MqttFlag, R::WholeFlag, 0, {0}),
    Mqtt("Host", &MqttSettings::Host, K::MqttText, R::TrimmedText, 1, {0, "localhost"}, true),
    Mqtt("Port", &MqttSettings::Port, K::MqttPort, R::PortNumber, 2, {kMqttDefaultPort}),
    Mqtt("ClientId", &MqttSettings::ClientId, K::MqttText, R::TrimmedText, 3, {}, true),
    Mqtt("TopicPrefix", &MqttSettings::TopicPrefix, K::MqttText, R::TrimmedText, 4, {}, true),
    Mqtt("Username", &MqttSettings::Username, K::MqttText, R::TrimmedText, 5, {}, true),
    Mqtt("Password", &MqttSettings::Password, K::MqttPassword, R::Secret, 6, {}, true),
    // The MQTT link opens this path through its Windows-1252 text, as the MQTT window stores it, so it is
    // taken and shown as text, unlike the program's other paths.
    Mqtt("TlsCaFile", &MqttSettings::TlsCaFile, K::MqttText, R::TrimmedText, 7, {}, true),
    Mqtt("TlsSystemCa", &MqttSettings::TlsSystemCa, K::MqttFlag, R::WholeFlag, 10, {0}),
    Mqtt("Discovery", &MqttSettings::Discovery, K::MqttFlag, R::WholeFlag, 8, {1}),
    Mqtt("AcceptCommands", &MqttSettings::AcceptCommands, K::MqttFlag, R::WholeFlag, 9, {1}),

    {.name = "HolidayFiles",
     .key = SettingKey::Calendar,
     .group = G::Calendar,
     .kind = K::HolidayFiles,
     .member = &Settings::HolidayFiles,
     .rule = R::Text,
     .storeOrder = kCalendarOrder,
     .control = "txtHolidayFiles",
     .label = "Holiday Files",
     .plain = "Holiday calendar files (.ics, separated by ;)"},
});

std::span<const SettingRow> SettingRows() {
    return kRows;
}

} // namespace tavrel
