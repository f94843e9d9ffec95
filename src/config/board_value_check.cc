#include "config/board_value_check.h"

#include "boardio/chip_set_types.h"
#include "boardio/port_ranges.h"
#include "common/text.h"
#include "common/vb_conversions.h"
#include "config/board_settings_model.h"
#include "config/config_text.h"
#include "config/settings_table.h"

#include <cstdint>
#include <optional>

namespace tavrel {

namespace {

std::optional<std::string> Stored(modRegAPI& reg, const std::string& name) {
    return reg.ReadRegValue(kHkeyLocalMachine, kConfigKey, name, RegReadMode::Check, false);
}

std::string BoardList() {
    std::string list;
    for (const BoardType& t : kBoardTypes)
        list += (list.empty() ? "" : ", ") + std::string(t.name);
    return list;
}

void CheckBoard(modRegAPI& reg, int board, std::vector<BadSettingValue>& bad) {
    const SettingRow& typeRow = RowOf(&BoardRecord::ChipSetType);
    const std::string typeName = SettingValueName(typeRow, board, 0);
    std::string type;
    if (const auto stored = Stored(reg, typeName)) {
        type = Trim(*stored);
        if (!type.empty() && !KnownBoardType(type))
            bad.push_back({typeName, *stored, "not a chip set type of the board list (" + BoardList() + ")"});
    }
    for (const SettingRow* row : RowsOfKind(SettingKind::Address)) {
        const std::string name = SettingValueName(*row, board, 0);
        const auto text = Stored(reg, name);
        if (!text)
            continue;
        ConversionError error;
        const auto value = ToInteger(*text, INT32_MIN, INT32_MAX, error);
        if (!value)
            bad.push_back({name, *text, "not a whole decimal number (" + error.description + ")"});
        else if (RefusedBoardPort(*row, type, *value))
            bad.push_back(
                {name, *text, std::string(kRefusedPortAddressText) + " (" + HexText(*value) + " hex)"});
    }
}

} // namespace

// A port board's base, input and control addresses are ports; a FireCracker keeps its COM port and house
// code there, and the configuration value is a byte written, not a port.
bool RefusedBoardPort(const SettingRow& row, const std::string& chipSetType, int64_t value) {
    return row.kind == SettingKind::Address && row.index != static_cast<int>(AddressColumn::Config) &&
           ChipSetKind(Trim(chipSetType)) != BoardKind::FireCracker && PortAddressRefused(value);
}

std::vector<BadSettingValue> BadBoardValues(modRegAPI& reg) {
    std::vector<BadSettingValue> bad;
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        CheckBoard(reg, b, bad);
    return bad;
}

std::string BadSettingText(const BadSettingValue& bad) {
    return bad.name + " \"" + bad.stored + "\": " + bad.reason;
}

} // namespace tavrel
