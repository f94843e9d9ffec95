#pragma once
// The PCI functions found on the machine: their configuration headers, in scan order.

#include "platform/pci_driver.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrel {

// The title line of the tool: the caption of its window and of every message box.
inline constexpr const char* kPciBanner = "Morvatec PCI Statisitcs V4.02 - PCI Spec V2.3";

constexpr int kPciMaxDevices = 32;
constexpr int kPciBuses = 16;
constexpr size_t kPciConfigBytes = 256;

struct PciDevice {
    uint8_t Bus = 0;
    uint8_t DevFn = 0;
    uint16_t VendorId = 0;
    uint16_t DeviceId = 0;
    uint16_t SubsystemVendorId = 0;
    uint16_t SubsystemId = 0;
    uint16_t RevisionId = 0;
    std::string VendorName = "Unknown";
    std::string DeviceName;
    std::string SubsystemVendorName;
    std::string SubsystemName;
    std::string ClassName;
    std::string SubclassName;
    std::string ProgIfName;
    std::array<uint8_t, kPciConfigBytes> Config{};

    int Device() const { return DevFn >> 3; }
    int Function() const { return DevFn & 7; }
    uint16_t Word(size_t offset) const {
        return static_cast<uint16_t>(Config[offset] | (Config[offset + 1] << 8));
    }
    uint32_t Dword(size_t offset) const {
        return Word(offset) | (static_cast<uint32_t>(Word(offset + 2)) << 16);
    }
};

struct PciDeviceTable {
    std::array<PciDevice, kPciMaxDevices> Devices{};
    int16_t Count = 0;
};

// One driver request; false when the buffer is missing, the request fails or fewer than 256 bytes come.
bool ReadConfigSpace(PciDriver& driver, uint8_t bus, uint8_t devFn, uint8_t* buffer);

// Buses 0..15, every DevFn, in order; the first 32 functions that answer are kept.
void ScanPciBus(PciDriver& driver, PciDeviceTable& table);

} // namespace tavrel
