#pragma once
// The PCI statistics tool without its window: start-up checks, the device table, the device shown,
// the dumps and the reports. The dialog renders what this holds.

#include "pcistat/pci_device.h"
#include "platform/clock.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrel {

class PciTool {
public:
    PciTool(PciDriver& driver, std::vector<std::string> nameLists)
        : driver_(driver), nameLists_(std::move(nameLists)) {}

    // The platform check, the driver's opening and the scan. False with the message to show (the banner is
    // its caption) when the tool cannot run.
    bool Start(std::string& message);
    void Stop() { driver_.Close(); }

    const PciDeviceTable& Table() const { return table_; }
    int CurrentDevice() const { return current_; }
    // "Device 2 of 6", or "No Devices".
    std::string CounterText() const;
    void Next();
    void Previous();
    std::string CurrentView() const;
    std::string CurrentDump(bool extended) const;
    // Why the table is empty, when that is known.
    std::string EmptyExplanation() const;

    // Writes the all-devices report ("pci-info.txt") or the current device's ("pci-N.txt") into `folder`;
    // returns the path written, or "" on failure.
    std::string WriteReport(const std::string& folder, bool allDevices, const LocalTime& now) const;

private:
    PciDriver& driver_;
    std::vector<std::string> nameLists_;
    PciDeviceTable table_;
    int current_ = 1;
};

// The name lists in the order they are tried: "pcidevs.txt" in `programFolder`, then the system's list.
std::vector<std::string> PciNameListPaths(const std::string& programFolder);

} // namespace tavrel
