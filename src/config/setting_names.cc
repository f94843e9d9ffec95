#include "config/setting_names.h"

#include "common/flags.h"
#include "config/colour_defaults.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace tavrel {

namespace {

constexpr std::array<const char*, 6> kKillCheckNames{"KillByButton",       "KillBySignal",
                                                     "KillActionAllOff",   "KillActionExitProgram",
                                                     "KillActionShutDown", "KillMiscButtonOnTop"};
constexpr std::array<const char*, 4> kOptionNames{"LogBoard", "ResetOnExit", "RunNoBoard", "WriteToBaseOnly"};
constexpr std::array<const char*, 3> kKeptNames{"LogFileName", "DataFilePath", "DataFileName"};

std::vector<SettingName> BuildNames() {
    std::vector<SettingName> names;
    for (int b = 0; b <= kMaxBoardIndex; ++b) {
        const std::string n = std::to_string(b + 1);
        const std::string group = "Interface Boards: Board " + n;
        names.push_back({"ChipSetType" + n, group, SettingKind::ChipSetType, b});
        names.push_back({"BaseAddress" + n, group, SettingKind::BaseAddress, b});
        names.push_back({"InputAddress" + n, group, SettingKind::InputAddress, b});
        names.push_back({"CntlAddress" + n, group, SettingKind::CntlAddress, b});
        names.push_back({"PortConfigValue" + n, group, SettingKind::PortConfigValue, b});
        for (int r = 0; r < kRelaysPerBoard; ++r)
            names.push_back(
                {"Brd" + n + "RNam" + std::to_string(r + 1), group, SettingKind::RelayName, b, r});
        for (int o = 0; o < static_cast<int>(kOptionNames.size()); ++o)
            names.push_back(
                {kOptionNames[static_cast<size_t>(o)] + n, group, SettingKind::BoardOption, b, o});
    }
    names.push_back({"WarnOverLapTime", "Interface Boards", SettingKind::WarnOverlapTime});
    names.push_back({"LogFilePath", "Interface Boards", SettingKind::LogFolder});
    for (int i = 0; i < static_cast<int>(kStatusColours.size()); ++i)
        names.push_back({std::string(kStatusColours[static_cast<size_t>(i)].setting), "Colors: Status",
                         SettingKind::StatusColour, 0, i});
    for (int g = 0; g <= kMaxRelayGroupIndex; ++g)
        names.push_back({"ColorRelayGroup" + std::to_string(g + 1), "Colors: Relay Group Backgrounds",
                         SettingKind::GroupColour, 0, g});
    const std::string kill = "Kill Options";
    names.push_back({"KillByButton", kill, SettingKind::KillCheck, 0, static_cast<int>(KillCheck::ByButton)});
    names.push_back({"KillBySignal", kill, SettingKind::KillCheck, 0, static_cast<int>(KillCheck::BySignal)});
    names.push_back({"KillBySignalBoardNum", kill, SettingKind::KillBoardNumber});
    names.push_back({"KillBySignalInputNum", kill, SettingKind::KillInputNumber});
    names.push_back({"KillBySignalGoesHigh", kill, SettingKind::KillGoesHigh});
    names.push_back({"KillBySignalGoesLow", kill, SettingKind::KillGoesLow});
    for (KillCheck c : {KillCheck::ActionAllOff, KillCheck::ActionExitProgram, KillCheck::ActionShutDown})
        names.push_back(
            {kKillCheckNames[static_cast<size_t>(c)], kill, SettingKind::KillCheck, 0, static_cast<int>(c)});
    names.push_back({"KillMiscButtonName", kill, SettingKind::KillButtonName});
    names.push_back(
        {"KillMiscButtonOnTop", kill, SettingKind::KillCheck, 0, static_cast<int>(KillCheck::ButtonOnTop)});
    names.push_back({"KillMiscEnableDelay", kill, SettingKind::KillEnableDelay});
    const std::string kept = "Kept by the program (Logging menu, open run file, day's log)";
    names.push_back({"LoggingOnOff", kept, SettingKind::Logging});
    for (int k = 0; k < static_cast<int>(kKeptNames.size()); ++k)
        names.push_back({kKeptNames[static_cast<size_t>(k)], kept, SettingKind::KeptByProgram, 0, k});
    return names;
}

std::string Lower(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
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

std::string ZeroOne(int16_t value) {
    return value != 0 ? "1" : "0";
}

const std::string& KeptMember(const Settings& settings, int index) {
    switch (index) {
    case 0:
        return settings.LogFileName;
    case 1:
        return settings.DataFilePath;
    default:
        return settings.DataFileName;
    }
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
                         const ConfigurationTargets& targets) {
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
    switch (setting.kind) {
    case SettingKind::ChipSetType:
        return {texts.chipSetType, ""};
    case SettingKind::BaseAddress:
        return address(texts.baseAddress, record.BaseAddress);
    case SettingKind::InputAddress:
        return address(texts.inputAddress, record.InputAddress);
    case SettingKind::CntlAddress:
        return address(texts.cntlAddress, record.CntlAddress);
    case SettingKind::PortConfigValue:
        return address(texts.portConfigValue, record.PortConfigValue);
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
        return {KeptMember(settings, setting.index), "kept by the program"};
    }
    return {};
}

} // namespace tavrel
