#pragma once
// The port addresses a board may never be given: the machine's own devices below 100 hex (a write of FE
// hex to the keyboard controller at 64 hex resets it), the PCI configuration ports CF8-CFF hex, and
// anything beyond the 64 KiB port space.

#include <cstdint>

namespace tavrel {

// The one message that says which addresses are refused, wherever one is refused.
inline constexpr const char* kRefusedPortAddressText =
    "A port address must be 0 (no port) or from 100 to FFFF hex, outside CF8-CFF hex";

// True for an address a port board's base, input or control address may not hold; 0 (no port) is fine.
bool PortAddressRefused(int64_t address);

} // namespace tavrel
