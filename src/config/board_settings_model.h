#pragma once
// The board section of the configuration windows: per board its chip set, addresses, configuration
// value, default relay names and options, plus the overlap warning and the log folder. Entries are checked
// when their field is left; a refused entry keeps the focus and never reaches the board table.

#include "common/typed_text.h"
#include "config/config_dialog_types.h"

#include <array>
#include <string>
#include <vector>

namespace tavrel {

// The texts the board's address fields show; the record holds their values.
struct BoardFieldTexts {
    std::string chipSetType;
    std::string baseAddress;
    std::string inputAddress;
    std::string cntlAddress;
    std::string portConfigValue;
    bool portConfigEnabled = true;
};

enum class AddressColumn { Base, Input, Cntl, Config };
enum class BoardOption { LogBoard, ResetOnExit, RunNoBoard, WriteToBaseOnly };

class BoardSettingsModel {
public:
    BoardSettingsModel(ConfigurationTargets& targets, ConfigChangeFlag& changes);

    const BoardFieldTexts& Texts(int board) const { return texts_[static_cast<size_t>(board)]; }
    // The entries the address list offers for the board's type.
    std::vector<std::string> AddressList(int board, AddressColumn column) const;
    // Shows every board's record again (after a reset or a restore).
    void Refresh();

    // Field left with `text`; false = refused, the focus stays in the field.
    // A type the list does not hold is taken as typed, unless the settings cannot hold one of its characters.
    bool LeaveChipSetType(int board, const TypedText& typed);
    bool LeaveAddress(int board, AddressColumn column, const std::string& text);

    std::string RelayName(int board, int relay) const;
    // False, with a box naming it, when the name holds a character the settings cannot.
    bool SetRelayName(int board, int relay, const TypedText& name);
    int16_t Option(int board, BoardOption option) const;
    void SetOption(int board, BoardOption option, bool on);

    bool WarnOverlapTime() const { return IsSet(settings_.WarnOverLapTime); }
    void SetWarnOverlapTime(bool on);
    const std::string& LogFilePathText() const { return logPathText_; }
    void LeaveLogFilePath(const std::string& text);

    // The reset menu: each refills the fields and marks the window changed; only Save stores them.
    void ResetAddressDefaults();
    void ResetAllFireCracker();
    void ResetMixed();
    void ResetNames();
    void ResetBoardLogging();
    void ResetResetOnExit();
    void ResetAll();

private:
    BoardRecord& Record(int board) { return boards_[board]; }
    BoardFieldTexts& TextsOf(int board) { return texts_[static_cast<size_t>(board)]; }
    void ShowRecord(int board);
    // The base and control addresses: a port address, or on a FireCracker its COM port or house code.
    bool LeavePortOrFireAddress(int board, AddressColumn column, const std::string& text);
    bool LeaveInputAddress(int board, const std::string& text);
    bool LeavePortConfigValue(int board, const std::string& text);
    void ApplyPreset(size_t preset);
    // Every board's instances of the row back at the reset menu's value.
    void ResetRow(const struct SettingRow& row);
    static int16_t BoardRecord::*OptionMember(BoardOption option);

    Settings& settings_;
    BoardTable& boards_;
    MessageBoxes& boxes_;
    ConfigChangeFlag& changes_;
    std::array<BoardFieldTexts, kBoardSlots> texts_{};
    std::string logPathText_;
};

} // namespace tavrel
