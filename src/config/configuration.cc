#include "config/configuration.h"

#include "common/vb_conversions.h"
#include "config/settings_table.h"

#include <algorithm>
#include <limits>
#include <type_traits>

namespace tavrel {

namespace {

constexpr int32_t HKLM = kHkeyLocalMachine;

std::string FlagText(int16_t flag) {
    // A flag that is neither false nor true gives an empty text, which the registry layer refuses.
    return flag == kFalse ? "0" : flag == kTrue ? "1" : "";
}

// The board and relay-group digits of a version tag: the 3rd and 6th characters after the "|".
bool TagDigits(const std::string& tag, int& board, int& groups, ConversionError& error) {
    const size_t bar = tag.find('|');
    if (bar == std::string::npos || tag.size() < bar + 7) {
        error = {9, "Subscript out of range"};
        return false;
    }
    const auto b = ToInt16(tag.substr(bar + 3, 1), error);
    const auto g = ToInt16(tag.substr(bar + 6, 1), error);
    if (!b || !g)
        return false;
    board = std::min<int>(*b, kMaxBoardIndex);
    groups = std::min<int>(*g, kMaxRelayGroupIndex);
    return true;
}

} // namespace

std::string clsConfiguration::Read(const std::string& name) {
    return reg_.ReadRegValue(HKLM, kConfigKey, name, "Absolute", showErrors_);
}

void clsConfiguration::Write(const std::string& name, const std::string& text) {
    reg_.SetNewValue(HKLM, kConfigKey, "String", name, text, showErrors_);
}

void clsConfiguration::LoadFailed(const std::string& description) {
    if (loadFailed_)
        return;
    loadFailed_ = true;
    boxes_.Tell(MsgIcon::Warning, "Load Configuration Error ",
                {description, "Configuration Load Errors", "", "Correct the Problem or ", "",
                 "ReEnter Board Values, ('File, Configuration)", "Then 'Save', to correct"});
}

std::string clsConfiguration::ConfigurationLoadVersionFromReg() {
    return reg_.ReadRegValueCheck(HKLM, kConfigKey, "ConfigVersion", showErrors_);
}

bool clsConfiguration::ConfigurationDeleteFromReg() {
    reg_.DeleteRegKey(HKLM, kConfigKey, showErrors_);
    return false;
}

void clsConfiguration::ConfigurationDeleteLastPos() {
    reg_.DeleteRegKey(HKLM, kStartupKey, showErrors_);
}

int16_t clsConfiguration::ConfigurationFlagLoggingLoad() {
    const std::string text = Read("LoggingOnOff");
    if (text == "0")
        return kFalse;
    if (text == "1")
        return kTrue;
    return settings_.LoggingOnOff;
}

int16_t clsConfiguration::LoadBoardInt16(const std::string& name, int board) {
    if (!boards_.InRange(board))
        return 0;
    ConversionError error;
    return ToInt16(Read(name + std::to_string(board + 1)), error).value_or(0);
}

int16_t clsConfiguration::ConfigurationRunNoBoardLoad(int board) {
    return LoadBoardInt16("RunNoBoard", board);
}

int16_t clsConfiguration::ConfigurationBaseWriteOnlyLoad(int board) {
    return LoadBoardInt16("WriteToBaseOnly", board);
}

void clsConfiguration::ConfigurationFlagLoggingSave(int16_t flag) {
    Write("LoggingOnOff", FlagText(flag));
}

void clsConfiguration::ConfigurationRunNoBoardSave(int16_t value, int board) {
    if (boards_.InRange(board))
        Write("RunNoBoard" + std::to_string(board + 1), std::to_string(value));
}

void clsConfiguration::ConfigurationBaseWriteOnlySave(int16_t value, int board) {
    if (boards_.InRange(board))
        Write("WriteToBaseOnly" + std::to_string(board + 1), std::to_string(value));
}

void clsConfiguration::ConfigurationLogFileNameSave() {
    Write("LogFileName", settings_.LogFileName);
}
void clsConfiguration::ConfigurationLogFilePathSave() {
    Write("LogFilePath", settings_.LogFilePath);
}
void clsConfiguration::ConfigurationDataFileNameSave() {
    Write("DataFileName", settings_.DataFileName);
}
void clsConfiguration::ConfigurationDataFilePathSave() {
    Write("DataFilePath", settings_.DataFilePath);
}

void clsConfiguration::ConfigurationLoadFromReg() {
    loadFailed_ = false;
    if (settings_.ConfigVersion == kRegKeyNotFound || settings_.ConfigVersion == kRegValueNameNotFound)
        return;
    settings_.ConfigVersion = ConfigurationLoadVersionFromReg();
    int boardDigit = kMaxBoardIndex;
    int groupDigit = kMaxRelayGroupIndex;
    ConversionError error;
    if (!TagDigits(settings_.ConfigVersion, boardDigit, groupDigit, error))
        LoadFailed(error.description);

    for (const SettingField& field : kSettingFields) {
        const std::string text = Read(field.name);
        std::visit(
            [&](auto member) {
                auto& value = settings_.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    value = field.rule == LoadRule::TextOrKill && text.empty() ? "Kill" : text;
                } else if (field.rule == LoadRule::Flag) {
                    if (text == "0" || text == "1")
                        value = text == "1" ? kTrue : kFalse;
                } else if (field.rule == LoadRule::TwoValuedFlag) {
                    const auto n = ToInteger(text, INT32_MIN, INT32_MAX, error);
                    if (!n)
                        LoadFailed(error.description);
                    value = n && *n == 0 ? kFalse : kTrue;
                } else if (const auto n = ToInteger(text, std::numeric_limits<T>::min(),
                                                    std::numeric_limits<T>::max(), error)) {
                    value = static_cast<T>(*n);
                } else {
                    LoadFailed(error.description);
                }
            },
            field.member);
    }
    for (int g = 0; g <= groupDigit; ++g) {
        if (const auto n = ToInt32(Read("ColorRelayGroup" + std::to_string(g + 1)), error))
            groupColours_[g] = *n;
        else
            LoadFailed(error.description);
    }
    for (int b = 0; b <= boardDigit; ++b)
        LoadBoard(b);
}

void clsConfiguration::LoadBoard(int board) {
    BoardRecord& record = boards_[board];
    const std::string n = std::to_string(board + 1);
    ConversionError error;
    for (const BoardField& field : kBoardFields) {
        const std::string text = Read(field.name + n);
        std::visit(
            [&](auto member) {
                auto& value = record.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    value = text;
                } else if (const auto v = ToInteger(text, std::numeric_limits<T>::min(),
                                                    std::numeric_limits<T>::max(), error)) {
                    value = static_cast<T>(*v);
                } else {
                    LoadFailed(error.description);
                }
            },
            field.member);
    }
    for (int r = 0; r < kRelaysPerBoard; ++r)
        record.RelayNames[static_cast<size_t>(r)] = Read("Brd" + n + "RNam" + std::to_string(r + 1));
}

bool clsConfiguration::ConfigurationSaveToReg() {
    auto saveField = [&](const SettingField& field) {
        std::visit(
            [&](auto member) {
                auto& value = settings_.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    if (value.empty())
                        value = field.saveDefault == SaveDefault::ProgramFolder
                                    ? folders_.ProgramDirectory()
                                    : SaveDefaultText(field.saveDefault);
                    Write(field.name, value);
                } else if (field.rule == LoadRule::Flag || field.rule == LoadRule::TwoValuedFlag) {
                    Write(field.name, FlagText(value));
                } else {
                    Write(field.name, std::to_string(value));
                }
            },
            field.member);
    };

    saveField(kSettingFields[0]);
    for (int b = 0; b <= kMaxBoardIndex; ++b) {
        Write("RunNoBoard" + std::to_string(b + 1), std::to_string(boards_[b].RunNoBoard));
        Write("WriteToBaseOnly" + std::to_string(b + 1), std::to_string(boards_[b].WriteToBaseOnly));
    }
    settings_.ConfigVersion = kConfigVersionTag;
    Write("ConfigVersion", kConfigVersionTag);
    for (size_t i = 1; i < kSettingFields.size(); ++i)
        saveField(kSettingFields[i]);
    for (int g = 0; g <= kMaxRelayGroupIndex; ++g)
        Write("ColorRelayGroup" + std::to_string(g + 1), std::to_string(groupColours_[g]));
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        SaveBoard(b);
    return false;
}

void clsConfiguration::SaveBoard(int board) {
    BoardRecord& record = boards_[board];
    const std::string n = std::to_string(board + 1);
    for (const BoardField& field : kBoardFields) {
        std::visit(
            [&](auto member) {
                auto& value = record.*member;
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    if (value.empty())
                        value = " ";
                    Write(field.name + n, value);
                } else {
                    Write(field.name + n, std::to_string(value));
                }
            },
            field.member);
    }
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        std::string& name = record.RelayNames[static_cast<size_t>(r)];
        if (name.empty())
            name = " ";
        Write("Brd" + n + "RNam" + std::to_string(r + 1), name);
    }
}

} // namespace tavrel
