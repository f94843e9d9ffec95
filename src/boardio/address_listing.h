#pragma once
// The I/O address listing: every port from 200 to 3FF hex read once and appended to the day's log file.

#include "boardio/port_access.h"
#include "engine/schedule_records.h"

#include <cstdint>
#include <string>

namespace tavrel {

// "Decimal: 512 Hex: 200 :1 - 3 - - - - -" for port 200 hex reading 05 hex.
std::string PortLine(PortAccess& ports, int32_t address);

// Appends the 516 lines to `logPath`, holding ScheduleSuspended while it runs; failures are ignored.
void ListPortAddresses(ScheduleTables& tables, PortAccess& ports, const std::string& logPath);

} // namespace tavrel
