#pragma once
// The board types the settings offer, what kind of driver each needs and how long it settles after a write.

#include <array>
#include <string_view>

namespace tavrel {

enum class BoardKind { PortIo, FireCracker };

inline constexpr std::string_view kFireCracker = "FireCracker";

// In the order of the settings dialog's list.
inline constexpr std::array<std::string_view, 11> kChipSetTypes{
    "CBRelay08", "CBRelay16A",  "CBRelay16B", "8255PortA", "8255PortB", "PCL-725",
    "ACL-7125",  "FireCracker", "LPT1",       "LPT2",      "LPT3"};

// Every name that is not "FireCracker" is a port-I/O board, known or not.
BoardKind ChipSetKind(std::string_view chipSetType);

// Milliseconds to wait after each write: the slow cards, "SlowCard1".."SlowCard5", and the transmitter.
int SettlePauseMs(std::string_view chipSetType);

} // namespace tavrel
