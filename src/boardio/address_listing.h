#pragma once
// The I/O address listing: every port from 200 to 3FF hex read once and appended to the day's log file.

#include "boardio/port_access.h"

#include <cstdint>
#include <string>

namespace tavrel {

// The ports the listing reads: 200 to 3FF hex.
constexpr int32_t kListingFirstPort = 0x200;
constexpr int32_t kListingPortCount = 0x200;

// "Decimal: 512 Hex: 200 :1 - 3 - - - - -" for port 200 hex reading 05 hex.
std::string PortLine(PortAccess& ports, int32_t address);

// Appends the 516 lines to `logPath`; failures are ignored. The caller holds the schedule while it runs.
void ListPortAddresses(PortAccess& ports, const std::string& logPath);

} // namespace tavrel
