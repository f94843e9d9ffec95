#include "engine/relay_display.h"

#include "engine/pair_rules.h"

#include <string>
#include <string_view>

namespace tavrel {

namespace {

// Whether the relay's code governs a pair under `rule` (the pairs whose activity also lights the code box).
bool CodeGoverns(PairRule rule) {
    return rule == PairRule::TopOfHour || rule == PairRule::MiddleOfHour || rule == PairRule::BottomOfHour ||
           rule == PairRule::Cyclic;
}

// The tick shows every relay every second and its texts seldom change: a text is written only when it does.
void SetText(std::string& field, std::string_view text) {
    if (field != text)
        field.assign(text);
}

std::string CounterCaption(const RelayRecord& relay) {
    return IsSet(relay.CountEnabled) ? std::to_string(relay.Counter) : "Counter";
}

void ShowOutput(RelayDisplay& d, const RelayRecord& relay, const Settings& s) {
    const bool on = relay.CurrentState == kStateOn;
    d.light = on ? s.ColorRelayON : s.ColorRelayOFF;
    SetText(d.lightText, on ? "ON" : "OFF");
}

void ShowPairs(RelayDisplay& d, const ScheduleTables& t, int r, const PairRules& rules, const Settings& s) {
    d.codeBox = s.ColorTimeOFF;
    for (int p = 0; p < kPairsPerRelay; ++p) {
        const bool active = IsSet(t.TimeArray[PairIndex(r, p)].PairActive);
        const int32_t colour = active ? s.ColorTimeON : s.ColorTimeOFF;
        d.startBox[static_cast<size_t>(p)] = colour;
        d.endBox[static_cast<size_t>(p)] = colour;
        if (active && CodeGoverns(rules[static_cast<size_t>(p)]))
            d.codeBox = s.ColorTimeON;
    }
}

// The manual, invert and stop labels, and the caption that covers the total while one of them holds.
void ShowOverrides(RelayDisplay& d, const RelayRecord& relay, const Settings& s) {
    d.caption.clear();
    d.totalTimeBackground = s.ColorTTimeBkgrnd;
    d.invertLabel = IsSet(relay.Invert) ? s.ColorManualON : s.ColorManualOFF;
    if (IsSet(relay.Manual)) {
        d.manualLabel = s.ColorManualON;
        d.caption = IsSet(relay.Invert) ? ">Invr-Man<" : ">Manual<";
    } else {
        d.manualLabel = s.ColorManualOFF;
        if (IsSet(relay.Invert))
            d.caption = " Invert ";
    }
    d.stopped = IsSet(relay.HardStop);
    if (d.stopped) {
        d.caption = "> STOP <";
        d.totalTimeBackground = kColourStopRed;
        d.manualLabel = d.invertLabel = d.codeBox = s.ColorManualOFF;
    }
    SetText(d.totalTimeText, d.caption.empty() ? relay.TotalTimeText : d.caption);
}

} // namespace

void UpdateRelayDisplay(DisplayState& display, const ScheduleTables& t, const Settings& s, int r) {
    const RelayRecord& relay = t.RelayArray[r];
    RelayDisplay& d = display.relays[static_cast<size_t>(r)];
    const PairRules rules = RulesForCode(relay.CycleCode);
    SetText(d.invertCaption, rules[0] == PairRule::Cyclic ? std::string_view(relay.NextCycleText) : "Invert");
    ShowOutput(d, relay, s);
    ShowPairs(d, t, r, rules, s);
    ShowOverrides(d, relay, s);
    // PrevInput holds the input line as the last tick read it.
    d.counterLabel = relay.PrevInput == 1 ? s.ColorInputON : s.ColorInputOFF;
    d.counterCaption = CounterCaption(relay);
}

void UpdateAllRelayDisplays(DisplayState& display, const ScheduleTables& t, const Settings& s) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        if (IsSet(t.ScheduleSuspended))
            return;
        UpdateRelayDisplay(display, t, s, r);
    }
}

void PrimeDisplayState(DisplayState& display, const ScheduleTables& tables, const Settings& s) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        const RelayRecord& relay = tables.RelayArray[r];
        RelayDisplay& d = display.relays[static_cast<size_t>(r)];
        d = RelayDisplay{};
        ShowOutput(d, relay, s);
        d.startBox.fill(s.ColorTimeOFF);
        d.endBox.fill(s.ColorTimeOFF);
        d.codeBox = s.ColorTimeOFF;
        d.manualLabel = s.ColorManualOFF;
        d.invertLabel = s.ColorManualOFF;
        d.stopped = IsSet(relay.HardStop);
        d.totalTimeText = relay.TotalTimeText;
        d.totalTimeBackground = s.ColorTTimeBkgrnd;
        d.counterLabel = s.ColorInputOFF;
        d.counterCaption = CounterCaption(relay);
    }
}

void BlankTotalTime(DisplayState& display, int relay) {
    display.relays[static_cast<size_t>(relay)].totalTimeText.clear();
}

} // namespace tavrel
