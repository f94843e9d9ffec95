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
    const RelayDisplay& d = display.relays[static_cast<size_t>(relay)];
    const RelayRecord& r = tables.RelayArray[relay];
    PanelLook look;
    look.panel = tables.RelayGroupColors[relay];
    look.nameBackground = settings.ColorNameBkgrnd;
    look.light = d.light;
    look.lightText = r.CurrentState == kStateOn ? "ON" : "OFF";
    look.startBox = d.startBox;
    look.endBox = d.endBox;
    look.codeBox = d.codeBox;
    look.manualLabel = d.manualLabel;
    look.invertLabel = d.invertLabel;
    look.invertCaption = d.invertCaption;
    look.stopped = IsSet(r.HardStop);
    look.totalTimeText = d.totalTimeText;
    look.totalTimeBackground = d.totalTimeBackground;
    look.counterLabel = d.counterLabel;
    look.counterCaption = d.counterCaption;
    look.iconFile = r.IconFile;
    return look;
}

void PrimeDisplayState(DisplayState& display, const ScheduleTables& tables, const Settings& s) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        const RelayRecord& relay = tables.RelayArray[r];
        RelayDisplay& d = display.relays[static_cast<size_t>(r)];
        d = RelayDisplay{};
        d.light = relay.CurrentState == kStateOn ? s.ColorRelayON : s.ColorRelayOFF;
        d.startBox.fill(s.ColorTimeOFF);
        d.endBox.fill(s.ColorTimeOFF);
        d.codeBox = s.ColorTimeOFF;
        d.manualLabel = s.ColorManualOFF;
        d.invertLabel = s.ColorManualOFF;
        d.totalTimeText = relay.TotalTimeText;
        d.totalTimeBackground = s.ColorTTimeBkgrnd;
        d.counterLabel = s.ColorInputOFF;
        d.counterCaption = IsSet(relay.CountEnabled) ? std::to_string(relay.Counter) : "Counter";
    }
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
