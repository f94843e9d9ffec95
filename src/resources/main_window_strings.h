#pragma once
// The string-table texts of the main window: the relay panels' tool tips, the stop red and the caption
// shown after an automatic restart.

#include <cstdint>
#include <string_view>

namespace tavrel {

// Tool tips of the relay panel controls.
constexpr int kTipManual = 205;
constexpr int kTipInvert = 210;
constexpr int kTipName = 215;
constexpr int kTipStartTime = 220;
constexpr int kTipEndTime = 225;
constexpr int kTipDaysOfWeek = 230;
constexpr int kTipLight = 235;
constexpr int kTipIcon = 240;
constexpr int kTipCycleCode = 245;
constexpr int kTipTotalTime = 250;
constexpr int kTipStop = 255;
constexpr int kTipCounter = 265;

// The window caption while the schedule is the one resumed after a crash.
constexpr int kCaptionRestarted = 1400;

// Default-colour resource 378: the red of a stopped relay, as its table text and as a BGR colour.
constexpr int kStopRedResource = 378;
constexpr std::string_view kStopRedText = "&HFF&";
constexpr int32_t kStopRedColour = 0x0000FF;

// The text of `id`, or an empty text for an id this table does not hold.
std::string_view MainWindowString(int id);

} // namespace tavrel
