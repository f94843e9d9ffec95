#pragma once
// Every stored setting described once: its registry key and value name, where it lives in memory, how a
// load reads it and a save writes it, its first-run and reset values, and how the configuration windows
// and `tavreld --config` show it. Load, save, the listing, `--config set`, the resets and the windows'
// fields all walk this one table.

#include "boardio/board_record.h"
#include "config/mqtt_record.h"
#include "config/settings.h"

#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace tavrel {

inline constexpr const char* kConfigKey = "SOFTWARE\\Tavrel\\Config";
inline constexpr const char* kMqttKey = "SOFTWARE\\Tavrel\\Mqtt";
inline constexpr const char* kCalendarKey = "SOFTWARE\\Tavrel\\Calendar";
inline constexpr const char* kLocationKey = "SOFTWARE\\Tavrel\\Location";

// The key a row is stored under, below HKEY_LOCAL_MACHINE.
enum class SettingKey { Config, Mqtt, Calendar, Location };
const char* SettingKeyPath(SettingKey key);

// The window section a row belongs to, in the order the listing shows them.
enum class SettingGroup {
    Board,
    BoardWide,
    StatusColours,
    GroupColours,
    Kill,
    Kept,
    Mqtt,
    Calendar,
    Location
};
// The listing's heading: "Interface Boards: Board 1", "Kill Options".
std::string SettingGroupTitle(SettingGroup group, int board);

// What kind of field edits the setting, which decides how it is shown and what `--config set` takes.
enum class SettingKind {
    ChipSetType,
    Address, // `index` is the AddressColumn
    RelayName,
    BoardOption, // `index` is the BoardOption
    WarnOverlapTime,
    LogFolder,
    StatusColour, // `index` is the status colour button
    GroupColour,
    KillCheck, // `index` is the KillCheck
    KillBoardNumber,
    KillInputNumber,
    KillGoesHigh,
    KillGoesLow,
    KillButtonName,
    KillEnableDelay,
    Logging,
    KeptByProgram,
    MqttFlag,
    MqttPort,
    MqttText,
    MqttPassword,
    HolidayFiles,
    Coordinate, // `index` is the Coordinate (latitude, longitude)
};

enum class LoadRule {
    Flag,          // "0" false, "1" true, anything else leaves it
    TwoValuedFlag, // a number: 0 false, else true; not a number: true, and a load failure
    Integer,       // integer conversion; a failure keeps the old value
    TextOrKill,    // as stored; an empty text gives "Kill"
    Text,          // as stored
    // The MQTT key: a missing, empty or unreadable value keeps the default.
    WholeFlag,   // a whole number, not 0 is on
    PortNumber,  // 1..65535
    TrimmedText, // blanks around it dropped
    Secret,      // as stored: blanks may belong to it
};

// The text a save writes for an empty text, also stored back into the setting.
enum class SaveDefault { None, Blank, LogFolder, LogName, ProgramFolder, DataName };

// A relay's default name and a relay group's colour: the row's instances are indexed.
struct RelayNameSlot {
    bool operator==(const RelayNameSlot&) const = default;
};
struct GroupColourSlot {
    bool operator==(const GroupColourSlot&) const = default;
};

using SettingMember =
    std::variant<int16_t Settings::*, int32_t Settings::*, std::string Settings::*, int16_t BoardRecord::*,
                 int32_t BoardRecord::*, std::string BoardRecord::*, RelayNameSlot, GroupColourSlot,
                 bool MqttSettings::*, int MqttSettings::*, std::string MqttSettings::*>;

// A value a row starts from: a number or a text; `each` gives indexed rows one number per instance; a
// "%i" in the text stands for the instance's number from 1 ("Relay %i").
struct SettingDefault {
    int32_t number = 0;
    const char* text = "";
    const int32_t* each = nullptr;
};

struct SettingRow {
    // The registry value name; "%b" stands for the board number, "%i" for the instance number, both
    // counted from 1 (a base address per board, a name per board and relay).
    const char* name;
    SettingKey key;
    SettingGroup group;
    SettingKind kind;
    SettingMember member;
    LoadRule rule;
    // A name or text in the program's Windows-1252, which a console or a window shows and takes in its own
    // encoding; numbers, listed words and paths (the bytes the file system takes) are not.
    bool programText = false;
    int index = 0;           // the kind's own number (see SettingKind)
    int count = 1;           // instances: 8 relay names, 8 group colours
    int storeOrder = 0;      // place in the load and the save
    bool savedFirst = false; // written before the version tag
    SettingDefault firstRun{};
    bool resetDiffers = false; // the windows' reset menu puts back `reset`, not `firstRun`
    SettingDefault reset{};
    SaveDefault saveDefault = SaveDefault::None;
    // The window's control: object name, caption, accessible name, string-table id of its tool tip.
    const char* control = "";
    const char* label = "";
    const char* plain = "";
    int tip = 0;
};

bool PerBoard(const SettingRow& row);

// In the order the windows and the listing show them.
std::span<const SettingRow> SettingRows();
// The rows of one kind, in table order (the address columns, the board options, the kill checks...).
std::vector<const SettingRow*> RowsOfKind(SettingKind kind);
// The rows in the order the store loads and saves them.
const std::vector<const SettingRow*>& RowsInStoreOrder();
// The row that keeps `member`.
const SettingRow& RowOf(const SettingMember& member);

// The pattern with "%b" and "%i" replaced by the board and instance numbers counted from 1.
std::string NumberedText(const char* pattern, int board, int index);
// The value name of one instance: a board row on board 0 ends in 1.
std::string SettingValueName(const SettingRow& row, int board, int index);
std::string DefaultText(const SettingDefault& d, int index);
int32_t DefaultNumber(const SettingDefault& d, int index);
const SettingDefault& ResetDefault(const SettingRow& row);

// What the rows point into; a row whose target is not given is left alone.
struct SettingTargets {
    Settings* settings = nullptr;
    BoardTable* boards = nullptr;
    RelayGroupColourTable* groupColours = nullptr;
    MqttSettings* mqtt = nullptr;
};

// Calls `f` with a reference to the row's value for one instance (int16_t, int32_t, std::string, bool
// or int).
template <typename F>
void WithSettingValue(const SettingRow& row, const SettingTargets& t, int board, int index, F f) {
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, RelayNameSlot>) {
                if (t.boards != nullptr)
                    f((*t.boards)[board].RelayNames[static_cast<size_t>(index)]);
            } else if constexpr (std::is_same_v<M, GroupColourSlot>) {
                if (t.groupColours != nullptr)
                    f((*t.groupColours)[index]);
            } else if constexpr (requires(BoardRecord r) { r.*member; }) {
                if (t.boards != nullptr)
                    f((*t.boards)[board].*member);
            } else if constexpr (requires(Settings s) { s.*member; }) {
                if (t.settings != nullptr)
                    f(t.settings->*member);
            } else if (t.mqtt != nullptr) {
                f(t.mqtt->*member);
            }
        },
        row.member);
}

// Every instance of the row on `board` set to `value`.
void SetToDefault(const SettingRow& row, const SettingDefault& value, const SettingTargets& targets,
                  int board);

// Every setting at its first-run value: the settings, board 1 and the relay group colours.
void ApplyFirstRunSettings(Settings& settings, BoardTable& boards, RelayGroupColourTable& groupColours);
// The defaults of the MQTT rows.
void ApplyMqttDefaults(MqttSettings& mqtt);

} // namespace tavrel
