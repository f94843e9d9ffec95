#pragma once
// What a relay panel draws: the relay's display record (engine/relay_display.h decides it) with the
// panel's own colours and icon, and the tool tips. Equal looks need no redraw.

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
    RelayDisplay relay;
    BgrColour panel = 0;
    BgrColour nameBackground = 0;
    std::string iconFile;

    bool operator==(const PanelLook&) const = default;
};

PanelLook PanelLookFor(int relay, const DisplayState& display, const ScheduleTables& tables,
                       const Settings& settings);

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
