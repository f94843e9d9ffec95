#pragma once
// What the relay panels and state captions show; engine/relay_display.h decides a relay's record and the
// window only renders it.

#include "engine/next_change.h"
#include "engine/schedule_records.h"
#include "resources/main_window_strings.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrel {

// The red of a stopped relay's total-time label (default-colour resource 378), as a BGR colour.
constexpr int32_t kColourStopRed = kStopRedColour;

struct RelayDisplay {
    int32_t light = 0;
    std::string lightText = "OFF"; // "ON" or "OFF"
    std::array<int32_t, kPairsPerRelay> startBox{};
    std::array<int32_t, kPairsPerRelay> endBox{};
    int32_t codeBox = 0;
    int32_t manualLabel = 0;
    int32_t invertLabel = 0;
    std::string invertCaption = "Invert";
    bool stopped = false; // the stop image shows
    std::string caption;  // ">Manual<", ">Invr-Man<", " Invert ", "> STOP <" or empty
    std::string totalTimeText;
    int32_t totalTimeBackground = 0;
    int32_t counterLabel = 0;
    std::string counterCaption = "Counter";
    std::string fault; // "fault: board reads OFF" and the like; "" for a relay that does what it is told
    std::string next;  // "next: ON at 18:00:00", or "" before it is first reckoned

    bool operator==(const RelayDisplay&) const = default;
};

struct BoardDisplay {
    std::string relayText; // "1 - 3 - - - - 8"
    std::string inputText;
    std::string relayCaption; // "RelayState 1 : ..." or "FireCraker 1 : ..."
    std::string inputCaption; // "Inputstate 1 : ..." or "FireCracker"
    std::string fault;        // the standing fault's line, or ""
};

struct DisplayState {
    std::array<RelayDisplay, kRelaysPerBoard> relays{};
    std::array<BoardDisplay, kBoardSlots> boards{};
    // Each relay's next change, reckoned off the tick; nothing is known before the first answer.
    NextChanges next{};
    bool nextKnown = false;
};

} // namespace tavrel
