#include "config/settings_table.h"

#include <algorithm>
#include <array>

namespace tavrel {

std::string NumberedText(const char* pattern, int board, int index) {
    std::string out;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (p[0] == '%' && (p[1] == 'b' || p[1] == 'i')) {
            out += std::to_string((*++p == 'b' ? board : index) + 1);
        } else {
            out += *p;
        }
    }
    return out;
}

const char* SettingKeyPath(SettingKey key) {
    switch (key) {
    case SettingKey::Mqtt:
        return kMqttKey;
    case SettingKey::Calendar:
        return kCalendarKey;
    case SettingKey::Location:
        return kLocationKey;
    case SettingKey::Config:
        break;
    }
    return kConfigKey;
}

std::string SettingGroupTitle(SettingGroup group, int board) {
    switch (group) {
    case SettingGroup::Board:
        return "Interface Boards: Board " + std::to_string(board + 1);
    case SettingGroup::BoardWide:
        return "Interface Boards";
    case SettingGroup::StatusColours:
        return "Colors: Status";
    case SettingGroup::GroupColours:
        return "Colors: Relay Group Backgrounds";
    case SettingGroup::Kill:
        return "Kill Options";
    case SettingGroup::Kept:
        return "Kept by the program (Logging menu, open run file, day's log)";
    case SettingGroup::Mqtt:
        return "MQTT";
    case SettingGroup::Calendar:
        return "Calendar";
    case SettingGroup::Location:
        return "Location";
    }
    return "";
}

bool PerBoard(const SettingRow& row) {
    return row.group == SettingGroup::Board;
}

std::vector<const SettingRow*> RowsOfKind(SettingKind kind) {
    std::vector<const SettingRow*> rows;
    for (const SettingRow& row : SettingRows())
        if (row.kind == kind)
            rows.push_back(&row);
    return rows;
}

const std::vector<const SettingRow*>& RowsInStoreOrder() {
    static const std::vector<const SettingRow*> rows = [] {
        std::vector<const SettingRow*> r;
        for (const SettingRow& row : SettingRows())
            r.push_back(&row);
        std::stable_sort(r.begin(), r.end(), [](const SettingRow* a, const SettingRow* b) {
            return a->storeOrder < b->storeOrder;
        });
        return r;
    }();
    return rows;
}

const SettingRow& RowOf(const SettingMember& member) {
    const std::span<const SettingRow> rows = SettingRows();
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&member](const SettingRow& row) { return row.member == member; });
    return it == rows.end() ? rows.front() : *it;
}

std::string SettingValueName(const SettingRow& row, int board, int index) {
    return NumberedText(row.name, board, index);
}

std::string DefaultText(const SettingDefault& d, int index) {
    return NumberedText(d.text, 0, index);
}

int32_t DefaultNumber(const SettingDefault& d, int index) {
    return d.each != nullptr ? d.each[index] : d.number;
}

const SettingDefault& ResetDefault(const SettingRow& row) {
    return row.resetDiffers ? row.reset : row.firstRun;
}

void SetToDefault(const SettingRow& row, const SettingDefault& d, const SettingTargets& targets, int board) {
    for (int i = 0; i < row.count; ++i)
        WithSettingValue(row, targets, board, i, [&](auto& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, std::string>)
                value = DefaultText(d, i);
            else
                value = static_cast<T>(DefaultNumber(d, i));
        });
}

void ApplyFirstRunSettings(Settings& settings, BoardTable& boards, RelayGroupColourTable& groupColours) {
    settings = Settings{};
    boards[0] = BoardRecord{};
    const SettingTargets targets{&settings, &boards, &groupColours};
    for (const SettingRow& row : SettingRows())
        if (row.key == SettingKey::Config)
            SetToDefault(row, row.firstRun, targets, 0);
}

void ApplyMqttDefaults(MqttSettings& mqtt) {
    const SettingTargets targets{.mqtt = &mqtt};
    for (const SettingRow& row : SettingRows())
        if (row.key == SettingKey::Mqtt)
            SetToDefault(row, row.firstRun, targets, 0);
}

} // namespace tavrel
