#pragma once
// Every board type's facts in one row: its driver, its settle time, its tag in the event log, whether
// the settings dialog offers it and whether reset on exit applies to it.

#include <array>
#include <string>
#include <string_view>

namespace tavrel {

enum class BoardKind { PortIo, FireCracker };

inline constexpr std::string_view kFireCracker = "FireCracker";

struct BoardType {
    std::string_view name;
    BoardKind kind = BoardKind::PortIo;
    int settleMs = 0;        // pause after each write
    std::string_view logTag; // the state line's input mark of a board without an input address
    bool offered = false;    // in the settings dialog's list
    bool resetOnExit = true; // "ResetOnExit" switches it OFF when the program ends
};

// In the order of the settings dialog's list, then the types that are read but not offered.
inline constexpr std::array<BoardType, 17> kBoardTypes{{
    {"CBRelay08", BoardKind::PortIo, 0, "", true},
    {"CBRelay16A", BoardKind::PortIo, 0, "", true},
    {"CBRelay16B", BoardKind::PortIo, 0, "", true},
    {"8255PortA", BoardKind::PortIo, 0, "", true},
    {"8255PortB", BoardKind::PortIo, 0, "", true},
    {"PCL-725", BoardKind::PortIo, 200, "", true},
    {"ACL-7125", BoardKind::PortIo, 300, "", true},
    // The transmitter takes a while per command and cannot be read back, so exit leaves it alone.
    {"FireCracker", BoardKind::FireCracker, 400, "FireCracker", true, false},
    {"LPT1", BoardKind::PortIo, 0, "Lpt1", true},
    {"LPT2", BoardKind::PortIo, 0, "Lpt2", true},
    {"LPT3", BoardKind::PortIo, 0, "Lpt3", true},
    {"LPT", BoardKind::PortIo, 0, "Lpt", false},
    {"SlowCard1", BoardKind::PortIo, 100, "", false},
    {"SlowCard2", BoardKind::PortIo, 200, "", false},
    {"SlowCard3", BoardKind::PortIo, 300, "", false},
    {"SlowCard4", BoardKind::PortIo, 400, "", false},
    {"SlowCard5", BoardKind::PortIo, 500, "", false},
}};

namespace detail {
constexpr auto OfferedTypes() {
    std::array<std::string_view, 11> names{};
    size_t n = 0;
    for (const BoardType& t : kBoardTypes)
        if (t.offered)
            names[n++] = t.name;
    return names;
}
} // namespace detail

// The settings dialog's list, in order.
inline constexpr std::array<std::string_view, 11> kChipSetTypes = detail::OfferedTypes();

// The row of a stored type name; an unknown name reads as a plain port-I/O card (no pause, no tag).
// Names match exactly; the log tag also answers to the all-lower and capitalised spellings ("Lpt1", "lpt1").
const BoardType& BoardTypeOf(std::string_view chipSetType);

// A name of the board list (exactly as it is spelled there).
bool KnownBoardType(std::string_view chipSetType);
BoardKind ChipSetKind(std::string_view chipSetType);
int SettlePauseMs(std::string_view chipSetType);
// The input mark of the event log's state line for a board without an input address ("" for none).
std::string_view LogTagOf(std::string_view chipSetType);

// The state captions of board `n` (1-based): "RelayState 1 : ..." and "Inputstate 1 : ...", or for a
// transmitter "FireCraker 1 : ..." and "FireCracker".
std::string RelayStateCaption(std::string_view chipSetType, int n, const std::string& relayMarks);
std::string InputStateCaption(std::string_view chipSetType, int n, const std::string& inputMarks);

} // namespace tavrel
