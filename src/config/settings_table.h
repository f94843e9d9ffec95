#pragma once
// Every stored setting described once: its registry name, where it lives, how a load reads it and what
// a save writes for an empty text. The load and the save both walk these tables in order.

#include "boardio/board_record.h"
#include "config/settings.h"

#include <array>
#include <variant>

namespace tavrel {

enum class LoadRule {
    Flag,          // "0" false, "1" true, anything else leaves it
    TwoValuedFlag, // a number: 0 false, else true; not a number: true, and a load failure
    Integer,       // integer conversion; a failure keeps the old value
    TextOrKill,    // as stored; an empty text gives "Kill"
    Text,          // as stored
};

enum class SaveDefault { None, Blank, LogFolder, LogName, ProgramFolder, DataName };

using SettingMember = std::variant<int16_t Settings::*, int32_t Settings::*, std::string Settings::*>;

struct SettingField {
    const char* name;
    SettingMember member;
    LoadRule rule;
    // What a fresh installation starts with: a number, or the text of a text setting.
    int32_t firstRunNumber = 0;
    const char* firstRunText = "";
    SaveDefault saveDefault = SaveDefault::None;
};

// In load order. The save writes the first ("LoggingOnOff"), then the boards' emulation flags and the
// version tag, then the rest.
extern const std::array<SettingField, 28> kSettingFields;

using BoardMember = std::variant<int16_t BoardRecord::*, int32_t BoardRecord::*, std::string BoardRecord::*>;

struct BoardField {
    const char* name;
    BoardMember member;
};

// Per board n, stored as name + n; then the relay names "Brd" n "RNam" r.
extern const std::array<BoardField, 9> kBoardFields;

// The text a save writes for an empty text setting; empty when it has none.
const char* SaveDefaultText(SaveDefault d);

// Every setting at its first-run value, the colours at the colours dialog's defaults.
void ApplyFirstRunSettings(Settings& settings, RelayGroupColourTable& groupColours);

} // namespace tavrel
