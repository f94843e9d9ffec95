#include "config/board_settings_model.h"

#include "boardio/board_presets.h"
#include "boardio/chip_set_types.h"
#include "boardio/port_ranges.h"
#include "config/config_text.h"
#include "config/settings_table.h"

namespace tavrel {

namespace {

constexpr std::string_view kFire = "Fire";
constexpr const char* kFireOnlyTitle = "Some Entries for this board are FireCracker Only!";
constexpr const char* kFireRangeTitle = "xx2xx Some Entries for this board are FireCracker Only!";

// Presets in the order of kBoardPresets.
constexpr size_t kRelayCardPreset = 0;
constexpr size_t kMixedPreset = 1;
constexpr size_t kFireCrackerPreset = 2;

bool IsFireCracker(const std::string& type) {
    return ChipSetKind(type) == BoardKind::FireCracker;
}

std::string_view Column(const AddressPresetRow& row, AddressColumn column) {
    switch (column) {
    case AddressColumn::Base:
        return row.base;
    case AddressColumn::Input:
        return row.input;
    case AddressColumn::Cntl:
        return row.cntl;
    case AddressColumn::Config:
        return row.config;
    }
    return {};
}

// What the base and control fields take on a FireCracker, and the messages that say so.
struct FireAddressField {
    std::string BoardFieldTexts::*text;
    int32_t BoardRecord::*member;
    int (*parse)(std::string_view);
    std::vector<std::string> reserved;
    std::vector<std::string> valid;
};

const FireAddressField kFireBase{&BoardFieldTexts::baseAddress,
                                 &BoardRecord::BaseAddress,
                                 FireCommNumber,
                                 {"FireCOMM1 thru FireCOMM8", "", "are Reserved for FireCracker Only!"},
                                 {"Valid Base Address's are FireCOMM1 thru FireCOMM8"}};
const FireAddressField kFireCntl{&BoardFieldTexts::cntlAddress,
                                 &BoardRecord::CntlAddress,
                                 FireHouseNumber,
                                 {"FireHouseA thru FireHousep", "", "are Reserved fir FireCracker Only!"},
                                 {"Valid Base Address's are FireHouseA thru FireHouseP",
                                  "                     and FireHousea thru FireHousep"}};

std::string BlankAsZero(const std::string& text) {
    return IsBlankEntry(text) ? "0" : text;
}

constexpr const char* kOutOfRangeTitle = "Address Entry is Out of Range!";

} // namespace

BoardSettingsModel::BoardSettingsModel(ConfigurationTargets& targets, ConfigChangeFlag& changes)
    : settings_(targets.settings), boards_(targets.boards), boxes_(targets.boxes), changes_(changes) {
    Refresh();
}

void BoardSettingsModel::Refresh() {
    for (int b = 0; b < kBoardSlots; ++b)
        ShowRecord(b);
    logPathText_ = settings_.LogFilePath;
}

void BoardSettingsModel::ShowRecord(int board) {
    const BoardRecord& r = Record(board);
    BoardFieldTexts& t = TextsOf(board);
    t.chipSetType = r.ChipSetType;
    if (IsFireCracker(r.ChipSetType)) {
        t.baseAddress = FireCommNumber(FireCommName(r.BaseAddress)) != 0 ? FireCommName(r.BaseAddress) : "";
        t.cntlAddress = FireHouseName(r.CntlAddress);
        t.inputAddress = "";
        t.portConfigValue = "0";
        t.portConfigEnabled = false;
    } else {
        t.baseAddress = HexText(r.BaseAddress);
        t.inputAddress = HexText(r.InputAddress);
        t.cntlAddress = HexText(r.CntlAddress);
        t.portConfigValue = HexText(r.PortConfigValue);
        t.portConfigEnabled = true;
    }
}

std::vector<std::string> BoardSettingsModel::AddressList(int board, AddressColumn column) const {
    const bool fire = IsFireCracker(boards_[board].ChipSetType);
    std::vector<std::string> list;
    for (const AddressPresetRow& row : kAddressPresets) {
        const std::string_view entry = Column(row, column);
        const bool fireEntry = StartsWith(entry, kFire) || StartsWith(entry, "NotFire");
        if (fire ? StartsWith(entry, kFire) : !fireEntry)
            list.emplace_back(entry);
    }
    return list;
}

bool BoardSettingsModel::LeaveChipSetType(int board, const TypedText& typed) {
    BoardRecord& r = Record(board);
    BoardFieldTexts& t = TextsOf(board);
    if (RefusedAsUnholdable(typed, "a board type", boxes_)) {
        t.chipSetType = r.ChipSetType;
        return false;
    }
    const std::string& text = typed.text;
    t.chipSetType = text;
    if (text == r.ChipSetType)
        return true;
    const bool toFire = IsFireCracker(text);
    if (!toFire && (StartsWith(t.baseAddress, kFire) || StartsWith(t.cntlAddress, kFire))) {
        boxes_.Tell(MsgIcon::Warning, "Warning!",
                    {"Setting Base and Control Address to 0", "", "You must enter new values"});
        r.BaseAddress = r.InputAddress = r.CntlAddress = r.PortConfigValue = 0;
    }
    if (toFire && (!StartsWith(t.inputAddress, kFire) || !StartsWith(t.portConfigValue, kFire))) {
        const MsgResult answer = boxes_.Show({MsgIcon::Question,
                                              "FireCracker CM17a offers Limited functions",
                                              {"Accept Limitations?"},
                                              MsgButtons::OkCancel,
                                              MsgResult::Ok});
        if (answer != MsgResult::Ok) {
            t.chipSetType = r.ChipSetType;
            return false;
        }
    }
    if (toFire && !IsFireCracker(r.ChipSetType)) {
        // Port addresses mean nothing to a transmitter: an address left behind would be taken for a COM
        // port or a house code. The user picks the port and house anew.
        r.BaseAddress = r.InputAddress = r.CntlAddress = r.PortConfigValue = 0;
    }
    r.ChipSetType = text;
    ShowRecord(board);
    changes_.Mark();
    return true;
}

bool BoardSettingsModel::LeaveAddress(int board, AddressColumn column, const std::string& text) {
    switch (column) {
    case AddressColumn::Input:
        return LeaveInputAddress(board, text);
    case AddressColumn::Config:
        return LeavePortConfigValue(board, text);
    case AddressColumn::Base:
    case AddressColumn::Cntl:
        break;
    }
    return LeavePortOrFireAddress(board, column, text);
}

bool BoardSettingsModel::LeavePortOrFireAddress(int board, AddressColumn column, const std::string& entry) {
    const FireAddressField& field = column == AddressColumn::Base ? kFireBase : kFireCntl;
    BoardRecord& r = Record(board);
    std::string& shown = TextsOf(board).*field.text;
    int32_t& stored = r.*field.member;
    const std::string text = BlankAsZero(entry);
    shown = text;
    if (!IsFireCracker(r.ChipSetType)) {
        if (StartsWith(text, kFire)) {
            boxes_.Tell(MsgIcon::Warning, kFireOnlyTitle, field.reserved);
            return false;
        }
        const int64_t entered = HexTextValue(text);
        if (PortAddressRefused(entered)) {
            boxes_.Tell(MsgIcon::Warning, kOutOfRangeTitle, {kRefusedPortAddressText});
            return false;
        }
        const auto value = static_cast<int32_t>(entered);
        shown = HexText(value);
        if (value != stored) {
            stored = value;
            changes_.Mark();
        }
        return true;
    }
    const int number = field.parse(text);
    if (number == 0) {
        boxes_.Tell(MsgIcon::Warning, kFireRangeTitle, field.valid);
        return false;
    }
    if (number != stored) {
        stored = number;
        changes_.Mark();
    }
    return true;
}

bool BoardSettingsModel::LeaveInputAddress(int board, const std::string& entry) {
    BoardRecord& r = Record(board);
    BoardFieldTexts& t = TextsOf(board);
    const std::string text = BlankAsZero(entry);
    t.inputAddress = text;
    if (IsFireCracker(r.ChipSetType)) {
        t.inputAddress = "";
        return true;
    }
    const int64_t entered = HexTextValue(text);
    if (PortAddressRefused(entered)) {
        boxes_.Tell(MsgIcon::Warning, kOutOfRangeTitle, {kRefusedPortAddressText});
        return false;
    }
    const auto value = static_cast<int32_t>(entered);
    t.inputAddress = HexText(value);
    if (value != r.InputAddress) {
        r.InputAddress = value;
        changes_.Mark();
    }
    return true;
}

bool BoardSettingsModel::LeavePortConfigValue(int board, const std::string& entry) {
    BoardRecord& r = Record(board);
    BoardFieldTexts& t = TextsOf(board);
    std::string text = BlankAsZero(entry);
    if (IsFireCracker(r.ChipSetType) || !IsHexNumber(text))
        text = "0";
    t.portConfigValue = text;
    const int64_t value = HexTextValue(text);
    if (value == r.PortConfigValue)
        return true;
    if (value < 0 || value > 255) {
        boxes_.Tell(MsgIcon::Warning, kOutOfRangeTitle,
                    {"Enter Configuration Value between Hex 0-FF (Dec 0-255)"});
        return false;
    }
    r.PortConfigValue = static_cast<int32_t>(value);
    t.portConfigValue = HexText(value);
    changes_.Mark();
    return true;
}

std::string BoardSettingsModel::RelayName(int board, int relay) const {
    return boards_[board].RelayNames[static_cast<size_t>(relay)];
}

bool BoardSettingsModel::SetRelayName(int board, int relay, const TypedText& name) {
    if (RefusedAsUnholdable(name, "a relay name", boxes_))
        return false;
    std::string& stored = Record(board).RelayNames[static_cast<size_t>(relay)];
    if (stored != name.text) {
        stored = name.text;
        changes_.Mark();
    }
    return true;
}

int16_t BoardRecord::*BoardSettingsModel::OptionMember(BoardOption option) {
    switch (option) {
    case BoardOption::LogBoard:
        return &BoardRecord::LogBoard;
    case BoardOption::ResetOnExit:
        return &BoardRecord::ResetOnExit;
    case BoardOption::RunNoBoard:
        return &BoardRecord::RunNoBoard;
    case BoardOption::WriteToBaseOnly:
        break;
    }
    return &BoardRecord::WriteToBaseOnly;
}

int16_t BoardSettingsModel::Option(int board, BoardOption option) const {
    return boards_[board].*OptionMember(option);
}

void BoardSettingsModel::SetOption(int board, BoardOption option, bool on) {
    int16_t& value = Record(board).*OptionMember(option);
    if (value != (on ? 1 : 0)) {
        value = on ? 1 : 0;
        changes_.Mark();
    }
}

void BoardSettingsModel::SetWarnOverlapTime(bool on) {
    if (settings_.WarnOverLapTime != (on ? 1 : 0)) {
        settings_.WarnOverLapTime = on ? 1 : 0;
        changes_.Mark();
    }
}

void BoardSettingsModel::LeaveLogFilePath(const std::string& text) {
    // A folder of this machine given as its own path ("/srv/logs/") already ends in its separator.
    std::string path = text;
    if (path.empty())
        path = settings_.LogFilePath.empty() ? "c:\\" : settings_.LogFilePath;
    else if (path.back() != '\\' && path.back() != '/')
        path += '\\';
    logPathText_ = path;
    if (path != settings_.LogFilePath) {
        settings_.LogFilePath = path;
        changes_.Mark();
    }
}

void BoardSettingsModel::ApplyPreset(size_t preset) {
    const BoardPreset& p = kBoardPresets[preset];
    const auto types = PresetFields(p.chipSetType);
    const auto base = PresetFields(p.baseAddress);
    const auto input = PresetFields(p.inputAddress);
    const auto cntl = PresetFields(p.cntlAddress);
    const auto config = PresetFields(p.portConfigValue);
    for (int b = 0; b < kBoardSlots; ++b) {
        const auto i = static_cast<size_t>(b);
        BoardRecord& r = Record(b);
        r.ChipSetType = types.at(i);
        // Port-I/O presets are hex addresses; the FireCracker ones are port and house numbers.
        const bool fire = IsFireCracker(r.ChipSetType);
        auto value = [fire](const std::string& t) {
            return static_cast<int32_t>(fire ? LeadingInteger(t) : HexTextValue(t));
        };
        r.BaseAddress = value(base.at(i));
        r.InputAddress = value(input.at(i));
        r.CntlAddress = value(cntl.at(i));
        r.PortConfigValue = value(config.at(i));
    }
    Refresh();
    changes_.Mark();
}

void BoardSettingsModel::ResetAddressDefaults() {
    ApplyPreset(kRelayCardPreset);
}
void BoardSettingsModel::ResetAllFireCracker() {
    ApplyPreset(kFireCrackerPreset);
}
void BoardSettingsModel::ResetMixed() {
    ApplyPreset(kMixedPreset);
}

void BoardSettingsModel::ResetRow(const SettingRow& row) {
    for (int b = 0; b < kBoardSlots; ++b)
        SetToDefault(row, ResetDefault(row), {.boards = &boards_}, b);
    changes_.Mark();
}

void BoardSettingsModel::ResetNames() {
    ResetRow(*RowsOfKind(SettingKind::RelayName).front());
}

void BoardSettingsModel::ResetBoardLogging() {
    ResetRow(RowOf(&BoardRecord::LogBoard));
}

void BoardSettingsModel::ResetResetOnExit() {
    ResetRow(RowOf(&BoardRecord::ResetOnExit));
}

void BoardSettingsModel::ResetAll() {
    ResetAddressDefaults();
    ResetNames();
    ResetBoardLogging();
    ResetResetOnExit();
}

} // namespace tavrel
