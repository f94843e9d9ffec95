#pragma once
// What each control of a relay panel shows: colours, captions and tool tips, from the tick's display
// state, the schedule tables and the settings. Equal looks need no redraw.

#include "config/settings.h"
#include "engine/display_state.h"
#include "engine/schedule_records.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrel {

// A stored colour, blue-green-red: 0x00BBGGRR.
using BgrColour = int32_t;

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

Rgb RgbFromColour(BgrColour colour);
// Black or white, whichever reads better on `background`.
Rgb TextColourOn(BgrColour background);

struct PanelLook {
    BgrColour panel = 0;
    BgrColour nameBackground = 0;
    BgrColour light = 0;
    std::string lightText; // "ON" or "OFF"
    std::array<BgrColour, kPairsPerRelay> startBox{};
    std::array<BgrColour, kPairsPerRelay> endBox{};
    BgrColour codeBox = 0;
    BgrColour manualLabel = 0;
    BgrColour invertLabel = 0;
    std::string invertCaption;
    bool stopped = false;
    std::string totalTimeText;
    BgrColour totalTimeBackground = 0;
    BgrColour counterLabel = 0;
    std::string counterCaption;
    std::string iconFile;

    bool operator==(const PanelLook&) const = default;
};

PanelLook PanelLookFor(int relay, const DisplayState& display, const ScheduleTables& tables,
                       const Settings& settings);

// Before the first tick: every relay OFF, no pair active, the stored figures shown.
void PrimeDisplayState(DisplayState& display, const ScheduleTables& tables, const Settings& settings);

// The tool tip (string-table id) of each panel control.
enum class PanelControl {
    Name,
    StartTime,
    EndTime,
    Light,
    Icon,
    DaysOfWeek,
    CycleCode,
    Manual,
    Invert,
    TotalTime,
    Stop,
    Counter
};
int ToolTipId(PanelControl control);

} // namespace tavrel
