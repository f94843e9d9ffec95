#pragma once
// Vendor, device and subsystem names from a list in the pci.ids layout:
//   vendor  name            (four hex digits, two blanks)
//   <tab>device  name
//   <tab><tab>subvendor subdevice  name

#include "pcistat/pci_device.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tavrel {

class PciNameList {
public:
    // Keeps the names of `vendors` only; all vendors when the set is empty.
    void Parse(const std::string& text, const std::set<uint16_t>& vendors = {});
    std::string Vendor(uint16_t vendor) const;
    std::string Device(uint16_t vendor, uint16_t device) const;
    std::string Subsystem(uint16_t vendor, uint16_t device, uint16_t subVendor, uint16_t subDevice) const;

private:
    std::map<uint16_t, std::string> vendors_;
    std::map<uint32_t, std::string> devices_;
    std::map<uint64_t, std::string> subsystems_;
};

// Fills the names of the table's devices from the first of `lists` that can be read: "pcidevs.txt" in
// the program's folder, then the system's pci.ids. A vendor not found stays "Unknown".
void LookUpPciNames(PciDeviceTable& table, const std::vector<std::string>& lists);

} // namespace tavrel
