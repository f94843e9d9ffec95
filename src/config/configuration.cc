#include "config/configuration.h"

#include "config/location.h"

#include "common/vb_conversions.h"
#include "config/board_value_check.h"
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

std::string Name(const SettingMember& member, int board = 0) {
    return SettingValueName(RowOf(member), board, 0);
}

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

std::string SaveDefaultFor(const SettingRow& row, const SystemFolders& folders) {
    return row.saveDefault == SaveDefault::ProgramFolder ? folders.ProgramDirectory()
                                                         : SaveDefaultText(row.saveDefault);
}

} // namespace

std::string clsConfiguration::Read(const std::string& name) {
    return reg_.ReadRegValue(HKLM, kConfigKey, name, RegReadMode::Store, showErrors_).value_or("");
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
    return reg_.ReadRegValueCheck(HKLM, kConfigKey, kConfigVersionName, showErrors_);
}

bool clsConfiguration::ConfigurationDeleteFromReg() {
    reg_.DeleteRegKey(HKLM, kConfigKey, showErrors_);
    return false;
}

void clsConfiguration::ConfigurationDeleteLastPos() {
    reg_.DeleteRegKey(HKLM, kStartupKey, showErrors_);
}

int16_t clsConfiguration::ConfigurationFlagLoggingLoad() {
    const std::string text = Read(Name(&Settings::LoggingOnOff));
    if (text == "0")
        return kFalse;
    if (text == "1")
        return kTrue;
    return settings_.LoggingOnOff;
}

int16_t clsConfiguration::LoadBoardInt16(int16_t BoardRecord::*member, int board) {
    if (!boards_.InRange(board))
        return 0;
    ConversionError error;
    return ToInt16(Read(Name(member, board)), error).value_or(0);
}

int16_t clsConfiguration::ConfigurationRunNoBoardLoad(int board) {
    return LoadBoardInt16(&BoardRecord::RunNoBoard, board);
}

int16_t clsConfiguration::ConfigurationBaseWriteOnlyLoad(int board) {
    return LoadBoardInt16(&BoardRecord::WriteToBaseOnly, board);
}

void clsConfiguration::ConfigurationFlagLoggingSave(int16_t flag) {
    Write(Name(&Settings::LoggingOnOff), FlagText(flag));
}

void clsConfiguration::ConfigurationRunNoBoardSave(int16_t value, int board) {
    if (boards_.InRange(board))
        Write(Name(&BoardRecord::RunNoBoard, board), std::to_string(value));
}

void clsConfiguration::ConfigurationBaseWriteOnlySave(int16_t value, int board) {
    if (boards_.InRange(board))
        Write(Name(&BoardRecord::WriteToBaseOnly, board), std::to_string(value));
}

void clsConfiguration::ConfigurationLogFileNameSave() {
    Write(Name(&Settings::LogFileName), settings_.LogFileName);
}
void clsConfiguration::ConfigurationLogFilePathSave() {
    Write(Name(&Settings::LogFilePath), settings_.LogFilePath);
}
void clsConfiguration::ConfigurationDataFileNameSave() {
    Write(Name(&Settings::DataFileName), settings_.DataFileName);
}
void clsConfiguration::ConfigurationDataFilePathSave() {
    Write(Name(&Settings::DataFilePath), settings_.DataFilePath);
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
    for (const SettingRow* row : RowsInStoreOrder())
        if (row->key == SettingKey::Config && !PerBoard(*row))
            for (int i = 0; i < (row->kind == SettingKind::GroupColour ? groupDigit + 1 : row->count); ++i)
                LoadValue(*row, 0, i);
    for (int b = 0; b <= boardDigit; ++b)
        for (const SettingRow* row : RowsInStoreOrder())
            if (PerBoard(*row))
                for (int i = 0; i < row->count; ++i)
                    LoadValue(*row, b, i);
    // A value that converts may still be one no board can be driven by.
    for (const BadSettingValue& bad : BadBoardValues(reg_))
        LoadFailed(BadSettingText(bad));
    LoadCalendarKey();
    LoadLocation();
}

// A configuration saved before calendars existed has no Calendar key: read quietly, missing is empty.
void clsConfiguration::LoadCalendarKey() {
    for (const SettingRow* row : RowsInStoreOrder())
        if (row->key == SettingKey::Calendar)
            WithSettingValue(*row, Targets(), 0, 0, [&](auto& value) {
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                    value = reg_.ReadRegValue(HKLM, kCalendarKey, row->name, RegReadMode::Check, false)
                                .value_or("");
            });
}

// An empty text is no value at all, so that a machine without calendars keeps no Calendar key; a value
// is written only when it changed.
void clsConfiguration::SaveCalendarKey() {
    for (const SettingRow* row : RowsInStoreOrder())
        if (row->key == SettingKey::Calendar)
            WithSettingValue(*row, Targets(), 0, 0, [&](const auto& value) {
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
                    const auto stored =
                        reg_.ReadRegValue(HKLM, kCalendarKey, row->name, RegReadMode::Check, false);
                    if (!value.empty() && stored != value)
                        reg_.SetNewValue(HKLM, kCalendarKey, "String", row->name, value, showErrors_);
                    else if (value.empty() && stored)
                        reg_.DeleteRegValue(HKLM, kCalendarKey, row->name, showErrors_);
                }
            });
}

// The Location key is optional: a missing value, or one that is no coordinate, leaves no location set.
void clsConfiguration::LoadLocation() {
    for (const SettingRow* row : RowsOfKind(SettingKind::Coordinate)) {
        const auto stored = reg_.ReadRegValue(HKLM, kLocationKey, row->name, RegReadMode::Check, false);
        const bool good = stored && ParseCoordinate(*stored, static_cast<Coordinate>(row->index));
        settings_.*std::get<std::string Settings::*>(row->member) = good ? *stored : "";
    }
}

// Written only when set, and removed when cleared, so that a machine without sun-based times keeps its
// registry as it was.
void clsConfiguration::SaveLocation() {
    for (const SettingRow* row : RowsOfKind(SettingKind::Coordinate)) {
        const std::string& value = settings_.*std::get<std::string Settings::*>(row->member);
        if (!value.empty())
            reg_.SetNewValue(HKLM, kLocationKey, "String", row->name, value, showErrors_);
        else if (reg_.ReadRegValue(HKLM, kLocationKey, row->name, RegReadMode::Check, false))
            reg_.DeleteRegValue(HKLM, kLocationKey, row->name, showErrors_);
    }
}

void clsConfiguration::LoadValue(const SettingRow& row, int board, int index) {
    const std::string text = Read(SettingValueName(row, board, index));
    ConversionError error;
    WithSettingValue(row, Targets(), board, index, [&](auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
            value = row.rule == LoadRule::TextOrKill && text.empty() ? "Kill" : text;
        } else if constexpr (std::is_same_v<T, bool>) {
            // Only the MQTT key holds yes/no members, and the store never loads it.
        } else if (row.rule == LoadRule::Flag) {
            if (text == "0" || text == "1")
                value = text == "1" ? kTrue : kFalse;
        } else if (row.rule == LoadRule::TwoValuedFlag) {
            const auto n = ToInteger(text, INT32_MIN, INT32_MAX, error);
            if (!n)
                LoadFailed(error.description);
            value = n && *n == 0 ? kFalse : kTrue;
        } else if (const auto n =
                       ToInteger(text, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), error)) {
            // A port of the machine's own is never taken: the old value stays, as for a failed conversion.
            if (!RefusedBoardPort(row, boards_[board].ChipSetType, *n))
                value = static_cast<T>(*n);
        } else {
            LoadFailed(error.description);
        }
    });
}

void ApplySaveDefaults(const SettingTargets& targets, const SystemFolders& folders) {
    for (const SettingRow& row : SettingRows())
        if (row.key == SettingKey::Config)
            for (int b = 0; b <= (PerBoard(row) ? kMaxBoardIndex : 0); ++b)
                for (int i = 0; i < row.count; ++i)
                    WithSettingValue(row, targets, b, i, [&](auto& value) {
                        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
                            if (value.empty())
                                value = SaveDefaultFor(row, folders);
                    });
}

void clsConfiguration::SaveValue(const SettingRow& row, int board, int index) {
    const std::string name = SettingValueName(row, board, index);
    WithSettingValue(row, Targets(), board, index, [&](auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
            const std::string stored = value.empty() ? SaveDefaultFor(row, folders_) : value;
            // An unnamed schedule stays unnamed: a name here would let Save write over a file the user
            // never chose.
            if (row.saveDefault != SaveDefault::DataName)
                value = stored;
            Write(name, stored);
        } else if (row.rule == LoadRule::Flag || row.rule == LoadRule::TwoValuedFlag) {
            Write(name, FlagText(static_cast<int16_t>(value)));
        } else {
            Write(name, std::to_string(value));
        }
    });
}

bool clsConfiguration::ConfigurationSaveToReg() {
    // The logging flag and the boards' emulation flags go first, then the version tag, then the rest in
    // load order (the emulation flags once more with their board).
    const auto& rows = RowsInStoreOrder();
    for (const SettingRow* row : rows)
        if (row->savedFirst && !PerBoard(*row))
            SaveValue(*row, 0, 0);
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        for (const SettingRow* row : rows)
            if (row->savedFirst && PerBoard(*row))
                SaveValue(*row, b, 0);
    settings_.ConfigVersion = kConfigVersionTag;
    Write(kConfigVersionName, kConfigVersionTag);
    for (const SettingRow* row : rows)
        if (row->key == SettingKey::Config && !PerBoard(*row) && !row->savedFirst)
            for (int i = 0; i < row->count; ++i)
                SaveValue(*row, 0, i);
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        for (const SettingRow* row : rows)
            if (PerBoard(*row))
                for (int i = 0; i < row->count; ++i)
                    SaveValue(*row, b, i);
    SaveCalendarKey();
    SaveLocation();
    return false;
}

} // namespace tavrel
