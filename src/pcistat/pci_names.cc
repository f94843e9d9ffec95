#include "pcistat/pci_names.h"

#include "platform/file_io.h"

#include <cctype>
#include <sstream>

namespace tavrel {

namespace {

bool HexField(const std::string& line, size_t at, uint16_t& value) {
    if (line.size() < at + 4)
        return false;
    uint32_t v = 0;
    for (size_t i = at; i < at + 4; ++i) {
        const char c = line[i];
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        v = v * 16 + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(c))
                                               ? c - '0'
                                               : (std::tolower(c) - 'a' + 10));
    }
    value = static_cast<uint16_t>(v);
    return true;
}

std::string NameAfter(const std::string& line, size_t at) {
    size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string::npos)
        return "";
    std::string name = line.substr(start);
    while (!name.empty() && (name.back() == '\r' || name.back() == ' '))
        name.pop_back();
    return name;
}

} // namespace

void PciNameList::Parse(const std::string& text, const std::set<uint16_t>& wanted) {
    std::istringstream in(text);
    std::string line;
    uint16_t vendor = 0;
    uint16_t device = 0;
    bool keep = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        // The class list at the end of pci.ids ("C 00  ...") has no vendors.
        if (line[0] == 'C' && line.size() > 1 && line[1] == ' ')
            break;
        uint16_t a = 0, b = 0;
        if (line[0] != '\t') {
            if (!HexField(line, 0, a))
                continue;
            vendor = a;
            keep = wanted.empty() || wanted.count(a) != 0;
            if (keep)
                vendors_[a] = NameAfter(line, 4);
        } else if (!keep) {
            continue;
        } else if (line.size() > 1 && line[1] != '\t') {
            if (HexField(line, 1, a)) {
                device = a;
                devices_[(static_cast<uint32_t>(vendor) << 16) | a] = NameAfter(line, 5);
            }
        } else if (HexField(line, 2, a) && HexField(line, 7, b)) {
            const uint64_t key = (static_cast<uint64_t>(vendor) << 48) |
                                 (static_cast<uint64_t>(device) << 32) | (static_cast<uint64_t>(a) << 16) | b;
            subsystems_[key] = NameAfter(line, 11);
        }
    }
}

std::string PciNameList::Vendor(uint16_t vendor) const {
    const auto it = vendors_.find(vendor);
    return it == vendors_.end() ? "" : it->second;
}

std::string PciNameList::Device(uint16_t vendor, uint16_t device) const {
    const auto it = devices_.find((static_cast<uint32_t>(vendor) << 16) | device);
    return it == devices_.end() ? "" : it->second;
}

std::string PciNameList::Subsystem(uint16_t vendor, uint16_t device, uint16_t subVendor,
                                   uint16_t subDevice) const {
    const uint64_t key = (static_cast<uint64_t>(vendor) << 48) | (static_cast<uint64_t>(device) << 32) |
                         (static_cast<uint64_t>(subVendor) << 16) | subDevice;
    const auto it = subsystems_.find(key);
    return it == subsystems_.end() ? "" : it->second;
}

void LookUpPciNames(PciDeviceTable& table, const std::vector<std::string>& lists) {
    std::set<uint16_t> wanted;
    for (int i = 0; i < table.Count; ++i) {
        wanted.insert(table.Devices[static_cast<size_t>(i)].VendorId);
        wanted.insert(table.Devices[static_cast<size_t>(i)].SubsystemVendorId);
    }
    PciNameList names;
    for (const std::string& path : lists) {
        std::string text;
        if (!path.empty() && ReadFileBytes(path, text)) {
            names.Parse(text, wanted);
            break;
        }
    }
    for (int i = 0; i < table.Count; ++i) {
        PciDevice& d = table.Devices[static_cast<size_t>(i)];
        const std::string vendor = names.Vendor(d.VendorId);
        d.VendorName = vendor.empty() ? "Unknown" : vendor;
        d.DeviceName = names.Device(d.VendorId, d.DeviceId);
        d.SubsystemVendorName = names.Vendor(d.SubsystemVendorId);
        d.SubsystemName = names.Subsystem(d.VendorId, d.DeviceId, d.SubsystemVendorId, d.SubsystemId);
    }
}

} // namespace tavrel
