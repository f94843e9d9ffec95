#pragma once
// What the tool shows of a PCI function: its IDs and names, command and status bits, base addresses,
// interrupt, the hex dumps; and the text reports built from them.

#include "pcistat/pci_device.h"
#include "platform/clock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrel {

// One base address register, decoded.
struct PciBar {
    int index = 0;
    bool io = false;
    bool is64 = false;
    bool prefetchable = false;
    uint64_t address = 0;
};

// The base addresses in use: six for an ordinary function, two for a bridge; a 64-bit BAR takes two.
std::vector<PciBar> DecodeBars(const PciDevice& device);
std::string DescribeBar(const PciBar& bar);

std::vector<std::string> CommandBitNames(uint16_t command);
std::vector<std::string> StatusBitNames(uint16_t status);

// The per-device view, device `number` (1-based) of `count`.
std::string DeviceView(const PciDevice& device, int number, int count);

inline constexpr const char* kStandardDumpTitle = "Hex Dump (Standard PCI Header)";
inline constexpr const char* kExtendedDumpTitle = "Hex Dump (Extended Space, Not Always Implemented)";
// Offsets 00..3F or 40..FF, sixteen bytes a row.
std::string HexDump(const PciDevice& device, bool extended);

// "Local Report Generated 09:05:03 on 12/7/2026", then the devices: all of them (`only` 0) or device
// `only` (1-based).
std::string PciReport(const PciDeviceTable& table, const LocalTime& now, int only = 0);
// "pci-info.txt" for all devices, "pci-3.txt" for device 3.
std::string PciReportFileName(int only);

// Why a scan found nothing, when the reason is known; otherwise "".
std::string EmptyScanExplanation(const PciDeviceTable& table, const PciDriver& driver);

} // namespace tavrel
