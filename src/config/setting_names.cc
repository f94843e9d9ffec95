#include "config/setting_names.h"

#include "common/flags.h"
#include "common/text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace tavrel {

namespace {

std::vector<SettingName> BuildNames() {
    std::vector<SettingName> names;
    auto add = [&names](const SettingRow& row, int board) {
        for (int i = 0; i < row.count; ++i)
            names.push_back({SettingValueName(row, board, i), SettingGroupTitle(row.group, board), row.kind,
                             board, row.count > 1 ? i : row.index, &row});
    };
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        for (const SettingRow& row : SettingRows())
            if (PerBoard(row))
                add(row, b);
    for (const SettingRow& row : SettingRows())
        if (!PerBoard(row))
            add(row, 0);
    return names;
}

std::string Lower(const std::string& text) {
    return ToLower(text);
}

size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string ZeroOne(int64_t value) {
    return value != 0 ? "1" : "0";
}

ShownSetting ShowMqtt(const SettingName& setting, const MqttShown& mqtt) {
    ShownSetting shown;
    MqttSettings values = mqtt.settings;
    WithSettingValue(*setting.row, {.mqtt = &values}, 0, 0, [&shown, &setting](const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>)
            shown.value =
                setting.kind == SettingKind::MqttPassword ? (value.empty() ? "(none)" : "(set)") : value;
        else if constexpr (std::is_same_v<T, bool>)
            shown.value = ZeroOne(value);
        else
            shown.value = std::to_string(value);
    });
    if (!mqtt.stored(setting.name) && setting.kind != SettingKind::MqttPassword)
        shown.note = "not stored: the default";
    return shown;
}

} // namespace

const std::vector<SettingName>& AllSettingNames() {
    static const std::vector<SettingName> names = BuildNames();
    return names;
}

const SettingName* FindSettingName(const std::string& name) {
    const std::string wanted = Lower(name);
    for (const SettingName& s : AllSettingNames())
        if (Lower(s.name) == wanted)
            return &s;
    return nullptr;
}

std::vector<std::string> CloseSettingNames(const std::string& name) {
    const std::string wanted = Lower(name);
    std::vector<std::pair<size_t, std::string>> scored;
    for (const SettingName& s : AllSettingNames()) {
        const std::string candidate = Lower(s.name);
        const size_t distance = EditDistance(wanted, candidate);
        const bool holds = wanted.size() >= 4 && candidate.find(wanted) != std::string::npos;
        if (distance <= 3 || holds)
            scored.emplace_back(holds ? std::min<size_t>(distance, 1) : distance, s.name);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> out;
    for (size_t i = 0; i < scored.size() && i < 5; ++i)
        out.push_back(scored[i].second);
    return out;
}

std::string ColourHashText(int32_t bgr) {
    const auto v = static_cast<uint32_t>(bgr);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    return text;
}

std::optional<int32_t> ParseColourHashText(const std::string& text) {
    if (text.size() != 7 || text[0] != '#' || !std::all_of(text.begin() + 1, text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c));
        }))
        return std::nullopt;
    const auto rgb = static_cast<uint32_t>(std::stoul(text.substr(1), nullptr, 16));
    return static_cast<int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

ShownSetting ShowSetting(const SettingName& setting, ConfigurationDialogModel& model,
                         const ConfigurationTargets& targets, const MqttShown* mqtt) {
    BoardSettingsModel& boards = model.Boards();
    ColoursKillModel& colours = model.Colours();
    const Settings& settings = targets.settings;
    const BoardFieldTexts& texts = boards.Texts(setting.board);
    const BoardRecord& record = targets.boards[setting.board];
    // Addresses show as the fields show them; the note gives the stored number.
    auto address = [](const std::string& text, int32_t stored) {
        if (text.empty() || text.rfind("Fire", 0) == 0)
            return ShownSetting{text.empty() ? "\"\"" : text, "stored as " + std::to_string(stored)};
        return ShownSetting{text, "hexadecimal; " + std::to_string(stored) + " decimal"};
    };
    const std::string* addressTexts[] = {&texts.baseAddress, &texts.inputAddress, &texts.cntlAddress,
                                         &texts.portConfigValue};
    const int32_t addresses[] = {record.BaseAddress, record.InputAddress, record.CntlAddress,
                                 record.PortConfigValue};
    switch (setting.kind) {
    case SettingKind::ChipSetType:
        return {texts.chipSetType, ""};
    case SettingKind::Address:
        return address(*addressTexts[setting.index], addresses[setting.index]);
    case SettingKind::RelayName:
        return {boards.RelayName(setting.board, setting.index), ""};
    case SettingKind::BoardOption:
        return {ZeroOne(boards.Option(setting.board, static_cast<BoardOption>(setting.index))), ""};
    case SettingKind::WarnOverlapTime:
        return {ZeroOne(settings.WarnOverLapTime), ""};
    case SettingKind::LogFolder:
        return {boards.LogFilePathText(), ""};
    case SettingKind::StatusColour:
        return {ColourHashText(colours.StatusColour(setting.index)), ""};
    case SettingKind::GroupColour:
        return {ColourHashText(colours.GroupColour(setting.index)), ""};
    case SettingKind::KillCheck:
        return {ZeroOne(colours.Check(static_cast<KillCheck>(setting.index)) ? 1 : 0), ""};
    case SettingKind::KillBoardNumber:
        return {colours.BoardNumberText(),
                "board number; stored as " + std::to_string(settings.KillBySignalBoardNum)};
    case SettingKind::KillInputNumber:
        return {colours.InputNumberText(),
                "input number; stored as " + std::to_string(settings.KillBySignalInputNum)};
    case SettingKind::KillGoesHigh:
        return {colours.GoesHigh() ? "1" : "0", ""};
    case SettingKind::KillGoesLow:
        return {colours.GoesLow() ? "1" : "0", ""};
    case SettingKind::KillButtonName:
        return {colours.ButtonNameText(), ""};
    case SettingKind::KillEnableDelay:
        return {colours.EnableDelayText(), ""};
    case SettingKind::Logging:
        return {IsSet(settings.LoggingOnOff) ? "1" : "0", ""};
    case SettingKind::KeptByProgram:
        return {settings.*std::get<std::string Settings::*>(setting.row->member), "kept by the program"};
    case SettingKind::MqttFlag:
    case SettingKind::MqttPort:
    case SettingKind::MqttText:
    case SettingKind::MqttPassword:
        return mqtt != nullptr ? ShowMqtt(setting, *mqtt) : ShownSetting{};
    case SettingKind::HolidayFiles:
        if (settings.HolidayFiles.empty())
            return {"\"\"", "no holiday calendar"};
        return {settings.HolidayFiles, ""};
    case SettingKind::Coordinate: {
        const std::string& value = settings.*std::get<std::string Settings::*>(setting.row->member);
        return value.empty() ? ShownSetting{"\"\"", "not set: sun-based times do not run"}
                             : ShownSetting{value, ""};
    }
    }
    return {};
}

} // namespace tavrel
