#include "config/setting_edits.h"

#include "common/text.h"

#include "boardio/chip_set_types.h"
#include "common/blank_entry.h"
#include "common/flags.h"
#include "config/config_text.h"
#include "config/holiday_files.h"
#include "config/location.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace tavrel {

namespace {

// The board type as the list spells it; empty when there is no such type.
std::string ListedType(const std::string& text) {
    for (const BoardType& t : kBoardTypes)
        if (EqualsNoCase(t.name, text))
            return std::string(t.name);
    return {};
}

std::string OfferedTypes() {
    std::string list;
    for (std::string_view t : kChipSetTypes)
        list += (list.empty() ? "" : ", ") + std::string(t);
    return list;
}

bool ZeroOrOne(const std::string& value, bool& on, std::string& reason) {
    if (value != "0" && value != "1") {
        reason = "\"" + value + "\" is not 0 or 1";
        return false;
    }
    on = value == "1";
    return true;
}

bool IsWholeNumber(const std::string& text) {
    const size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
    return text.size() > digits &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(digits), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// An address field holds a hexadecimal number (or a FireCracker word, which the model judges).
bool AddressText(const std::string& value, std::string& reason) {
    if (IsBlankEntry(value) || StartsWith(value, "Fire") || IsHexNumber(value))
        return true;
    reason = "\"" + value + "\" is not a hexadecimal number; addresses are written as the window shows " +
             "them, as 2A0 or 378";
    return false;
}

bool ApplyBoardSetting(BoardSettingsModel& boards, const SettingName& setting, const std::string& value,
                       std::string& reason) {
    const int b = setting.board;
    switch (setting.kind) {
    case SettingKind::ChipSetType: {
        const std::string type = ListedType(value);
        if (type.empty()) {
            reason = "\"" + value + "\" is not a board type; the list holds " + OfferedTypes();
            return false;
        }
        return boards.LeaveChipSetType(b, {type, {}});
    }
    case SettingKind::Address:
        return AddressText(value, reason) &&
               boards.LeaveAddress(b, static_cast<AddressColumn>(setting.index), value);
    case SettingKind::RelayName:
        return boards.SetRelayName(b, setting.index, {value, {}});
    case SettingKind::BoardOption: {
        bool on = false;
        if (!ZeroOrOne(value, on, reason))
            return false;
        boards.SetOption(b, static_cast<BoardOption>(setting.index), on);
        return true;
    }
    case SettingKind::WarnOverlapTime: {
        bool on = false;
        if (!ZeroOrOne(value, on, reason))
            return false;
        boards.SetWarnOverlapTime(on);
        return true;
    }
    case SettingKind::LogFolder:
        // A folder of this machine ends in its own separator rather than the "\" the field adds.
        boards.LeaveLogFilePath(!value.empty() && value[0] == '/' && value.back() != '/' ? value + "/"
                                                                                         : value);
        return true;
    default:
        return false;
    }
}

bool ApplyColourKillSetting(ColoursKillModel& colours, const SettingName& setting, const std::string& value,
                            std::string& reason) {
    bool on = false;
    switch (setting.kind) {
    case SettingKind::StatusColour:
    case SettingKind::GroupColour: {
        const std::optional<int32_t> colour = ParseColourHashText(value);
        if (!colour) {
            reason = "\"" + value + "\" is not a colour written as #RRGGBB (red, green, blue in hexadecimal)";
            return false;
        }
        if (setting.kind == SettingKind::StatusColour)
            colours.PickStatusColour(setting.index, colour);
        else
            colours.PickGroupColour(setting.index, colour);
        return true;
    }
    case SettingKind::KillCheck:
        if (!ZeroOrOne(value, on, reason))
            return false;
        colours.SetCheck(static_cast<KillCheck>(setting.index), on);
        return true;
    case SettingKind::KillBoardNumber:
        return colours.LeaveBoardNumber(value);
    case SettingKind::KillInputNumber:
        return colours.LeaveInputNumber(value);
    case SettingKind::KillGoesHigh:
    case SettingKind::KillGoesLow:
        if (!ZeroOrOne(value, on, reason))
            return false;
        // The two are one pair of option buttons: setting one clears the other.
        colours.SetGoesHigh(setting.kind == SettingKind::KillGoesHigh ? on : !on);
        return true;
    case SettingKind::KillButtonName:
        return colours.LeaveButtonName({value, {}});
    case SettingKind::KillEnableDelay:
        if (!IsWholeNumber(value)) {
            reason = "\"" + value + "\" is not a whole number";
            return false;
        }
        colours.LeaveEnableDelay(value);
        return true;
    default:
        return false;
    }
}

} // namespace

bool ApplyMqttSetting(MqttSettings& mqtt, const SettingName& setting, const std::string& value,
                      std::string& reason) {
    bool on = false;
    if (setting.kind == SettingKind::MqttFlag && !ZeroOrOne(value, on, reason))
        return false;
    if (setting.kind == SettingKind::MqttPort &&
        (!IsWholeNumber(value) || value.size() > 5 || std::stoi(value) < 1 || std::stoi(value) > 65535)) {
        reason = "\"" + value + "\" is not a port number from 1 to 65535";
        return false;
    }
    if (setting.row == &RowOf(&MqttSettings::TopicPrefix) && value.find_first_of("+#") != std::string::npos) {
        reason = "a topic prefix cannot hold the wildcards + and #";
        return false;
    }
    WithSettingValue(*setting.row, {.mqtt = &mqtt}, 0, 0, [&](auto& member) {
        using T = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<T, std::string>)
            member = value;
        else if constexpr (std::is_same_v<T, bool>)
            member = on;
        else
            member = static_cast<T>(std::stoi(value));
    });
    return true;
}

namespace {

// An empty value clears the location.
bool ApplyCoordinate(Settings& settings, const SettingName& setting, const std::string& value,
                     std::string& reason) {
    const auto which = static_cast<Coordinate>(setting.row->index);
    const std::string text(Trim(value));
    if (!text.empty() && !ParseCoordinate(text, which)) {
        reason = CoordinateRefusal(which);
        return false;
    }
    settings.*std::get<std::string Settings::*>(setting.row->member) = text;
    return true;
}

} // namespace

bool ApplySetting(ConfigurationDialogModel& model, Settings& settings, const SettingName& setting,
                  const std::string& value, std::string& reason, MqttSettings* mqtt) {
    reason.clear();
    switch (setting.kind) {
    case SettingKind::MqttFlag:
    case SettingKind::MqttPort:
    case SettingKind::MqttText:
    case SettingKind::MqttPassword:
        return mqtt != nullptr && ApplyMqttSetting(*mqtt, setting, value, reason);
    case SettingKind::Coordinate:
        return ApplyCoordinate(settings, setting, value, reason);
    case SettingKind::Logging: {
        // The main window's logging menu entry, which has no window of its own.
        bool on = false;
        if (!ZeroOrOne(value, on, reason))
            return false;
        settings.LoggingOnOff = on ? kTrue : kFalse;
        return true;
    }
    case SettingKind::HolidayFiles: {
        const std::optional<std::string> files = HolidayFilesValue(value, reason);
        if (files)
            settings.HolidayFiles = *files;
        return files.has_value();
    }
    case SettingKind::KeptByProgram:
        reason = setting.name + " is kept by the program itself (the run file last opened, the day's log " +
                 "file) and is not set by hand";
        return false;
    case SettingKind::StatusColour:
    case SettingKind::GroupColour:
    case SettingKind::KillCheck:
    case SettingKind::KillBoardNumber:
    case SettingKind::KillInputNumber:
    case SettingKind::KillGoesHigh:
    case SettingKind::KillGoesLow:
    case SettingKind::KillButtonName:
    case SettingKind::KillEnableDelay:
        return ApplyColourKillSetting(model.Colours(), setting, value, reason);
    default:
        return ApplyBoardSetting(model.Boards(), setting, value, reason);
    }
}

bool ApplyPreset(ConfigurationDialogModel& model, const std::string& word) {
    BoardSettingsModel& boards = model.Boards();
    if (word == "relay-card")
        boards.ResetAddressDefaults();
    else if (word == "firecracker")
        boards.ResetAllFireCracker();
    else if (word == "mixed")
        boards.ResetMixed();
    else
        return false;
    return true;
}

bool ApplyReset(ConfigurationDialogModel& model, const std::string& word) {
    BoardSettingsModel& boards = model.Boards();
    if (word == "colours" || word == "colors")
        model.ResetColours();
    else if (word == "names")
        boards.ResetNames();
    else if (word == "logging")
        boards.ResetBoardLogging();
    else if (word == "reset-on-exit")
        boards.ResetResetOnExit();
    else if (word == "all")
        model.ResetAllDefaults();
    else
        return false;
    return true;
}

} // namespace tavrel
