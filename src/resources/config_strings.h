#pragma once
// The string-table texts of the configuration windows: the tool tips of the board, colour and kill
// controls, by their string-table ids.

#include <string_view>

namespace tavrel {

struct StringTableEntry {
    int id;
    std::string_view text;
};

namespace config_tip {
// Group colour buttons 1..8: kGroupColour + group index.
constexpr int kGroupColour = 330;
// Status colour buttons 0..9: kStatusColour + button index.
constexpr int kStatusColour = 340;
constexpr int kBoardLabel = 350;
constexpr int kChipSetType = 351;
constexpr int kBaseAddress = 352;
constexpr int kInputAddress = 353;
constexpr int kCntlAddress = 354;
constexpr int kPortConfigValue = 355;
constexpr int kRelayName = 356;
constexpr int kLogBoard = 357;
constexpr int kResetOnExit = 358;
constexpr int kEmulate = 359;
constexpr int kReadWrite = 360;
constexpr int kWarnOverlapTime = 361;
constexpr int kLogFilePath = 362;
constexpr int kKillByButton = 405;
constexpr int kKillBySignal = 406;
constexpr int kKillBoardNum = 407;
constexpr int kKillInputNum = 408;
constexpr int kKillGoesHigh = 409;
constexpr int kKillGoesLow = 410;
constexpr int kKillAllOff = 411;
constexpr int kKillExitProgram = 412;
constexpr int kKillShutDown = 413;
constexpr int kKillButtonName = 414;
constexpr int kKillAlwaysOnTop = 415;
constexpr int kKillEnableDelay = 416;
} // namespace config_tip

// The text of a configuration string id; empty for an id the table does not hold.
std::string_view ConfigStringText(int id);

} // namespace tavrel
