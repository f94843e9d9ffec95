#include "mainwindow/panel_look.h"

#include "resources/main_window_strings.h"

namespace tavrel {

Rgb RgbFromColour(BgrColour colour) {
    const auto c = static_cast<uint32_t>(colour);
    return {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
            static_cast<uint8_t>((c >> 16) & 0xFF)};
}

Rgb TextColourOn(BgrColour background) {
    const Rgb rgb = RgbFromColour(background);
    const int luma = 299 * rgb.red + 587 * rgb.green + 114 * rgb.blue;
    return luma < 128000 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
}

PanelLook PanelLookFor(int relay, const DisplayState& display, const ScheduleTables& tables,
                       const Settings& settings) {
    return {display.relays[static_cast<size_t>(relay)], tables.RelayGroupColors[relay],
            settings.ColorNameBkgrnd, tables.RelayArray[relay].IconFile};
}

int ToolTipId(PanelControl control) {
    switch (control) {
    case PanelControl::Manual:
        return kTipManual;
    case PanelControl::Invert:
        return kTipInvert;
    case PanelControl::Name:
        return kTipName;
    case PanelControl::StartTime:
        return kTipStartTime;
    case PanelControl::EndTime:
        return kTipEndTime;
    case PanelControl::DaysOfWeek:
        return kTipDaysOfWeek;
    case PanelControl::Light:
        return kTipLight;
    case PanelControl::Icon:
        return kTipIcon;
    case PanelControl::CycleCode:
        return kTipCycleCode;
    case PanelControl::TotalTime:
        return kTipTotalTime;
    case PanelControl::Stop:
        return kTipStop;
    case PanelControl::Counter:
        return kTipCounter;
    }
    return 0;
}

} // namespace tavrel
