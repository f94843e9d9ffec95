#include "pcistat/pci_view.h"

#include <cstdio>

namespace tavrel {

namespace {

std::string Hex(uint64_t value, int digits) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%0*llX", digits, static_cast<unsigned long long>(value));
    return buffer;
}

std::string Join(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts)
        out += (out.empty() ? "" : ", ") + p;
    return out.empty() ? "none" : out;
}

std::vector<std::string> BitNames(uint16_t value, const char* const* names, int count) {
    std::vector<std::string> out;
    for (int bit = 0; bit < count; ++bit)
        if (((value >> bit) & 1) != 0 && names[bit][0] != '\0')
            out.emplace_back(names[bit]);
    return out;
}

std::string WithName(const std::string& name) {
    return name.empty() ? "" : "  " + name;
}

} // namespace

std::vector<PciBar> DecodeBars(const PciDevice& d) {
    std::vector<PciBar> bars;
    const int headerType = d.Config[0x0E] & 0x7F;
    const int count = headerType == 0 ? 6 : headerType == 1 ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        const uint32_t raw = d.Dword(0x10 + 4 * static_cast<size_t>(i));
        PciBar bar;
        bar.index = i;
        if (raw & 1) {
            bar.io = true;
            bar.address = raw & ~0x3u;
        } else {
            bar.is64 = ((raw >> 1) & 3) == 2;
            bar.prefetchable = (raw & 8) != 0;
            bar.address = raw & ~0xFu;
            if (bar.is64 && i + 1 < count)
                bar.address |= static_cast<uint64_t>(d.Dword(0x10 + 4 * static_cast<size_t>(i + 1))) << 32;
        }
        if (bar.address != 0)
            bars.push_back(bar);
        if (bar.is64)
            ++i;
    }
    return bars;
}

std::string DescribeBar(const PciBar& bar) {
    std::string text = "Base Address " + std::to_string(bar.index) + ": ";
    if (bar.io)
        return text + "I/O at " + Hex(bar.address, 4) + " hex (enter " + Hex(bar.address, 1) +
               " as the board's address)";
    text += bar.is64 ? "64-bit " : "32-bit ";
    text += bar.prefetchable ? "prefetchable memory at " : "memory at ";
    return text + Hex(bar.address, bar.is64 ? 16 : 8) + " hex";
}

std::vector<std::string> CommandBitNames(uint16_t command) {
    static const char* const kNames[] = {"I/O Space",
                                         "Memory Space",
                                         "Bus Master",
                                         "Special Cycles",
                                         "Memory Write and Invalidate",
                                         "VGA Palette Snoop",
                                         "Parity Error Response",
                                         "Stepping",
                                         "SERR# Enable",
                                         "Fast Back-to-Back",
                                         "Interrupt Disable"};
    return BitNames(command, kNames, 11);
}

std::vector<std::string> StatusBitNames(uint16_t status) {
    static const char* const kNames[] = {"",
                                         "",
                                         "",
                                         "Interrupt Status",
                                         "Capabilities List",
                                         "66 MHz Capable",
                                         "",
                                         "Fast Back-to-Back Capable",
                                         "Master Data Parity Error",
                                         "",
                                         "",
                                         "Signaled Target Abort",
                                         "Received Target Abort",
                                         "Received Master Abort",
                                         "Signaled System Error",
                                         "Detected Parity Error"};
    std::vector<std::string> names = BitNames(status, kNames, 16);
    static const char* const kTiming[] = {"DEVSEL Fast", "DEVSEL Medium", "DEVSEL Slow", "DEVSEL Reserved"};
    names.emplace_back(kTiming[(status >> 9) & 3]);
    return names;
}

std::string DeviceView(const PciDevice& d, int number, int count) {
    std::string v;
    v += "Device " + std::to_string(number) + " of " + std::to_string(count) + ": Bus " +
         std::to_string(d.Bus) + ", Device " + std::to_string(d.Device()) + ", Function " +
         std::to_string(d.Function()) + "\n";
    v += "Vendor ID: " + Hex(d.VendorId, 4) + "  " + d.VendorName + "\n";
    v += "Device ID: " + Hex(d.DeviceId, 4) + WithName(d.DeviceName) + "\n";
    v += "Subsystem Vendor ID: " + Hex(d.SubsystemVendorId, 4) + WithName(d.SubsystemVendorName) + "\n";
    v += "Subsystem ID: " + Hex(d.SubsystemId, 4) + WithName(d.SubsystemName) + "\n";
    v += "Revision: " + Hex(d.RevisionId, 2) + "\n";
    v += "Class: " + Hex(d.Config[0x0B], 2) + " " + d.ClassName + "\n";
    v += "Subclass: " + Hex(d.Config[0x0A], 2) + " " + d.SubclassName + "\n";
    v += "Programming Interface: " + Hex(d.Config[0x09], 2) + WithName(d.ProgIfName) + "\n";
    v += "Command: " + Hex(d.Word(0x04), 4) + " (" + Join(CommandBitNames(d.Word(0x04))) + ")\n";
    v += "Status: " + Hex(d.Word(0x06), 4) + " (" + Join(StatusBitNames(d.Word(0x06))) + ")\n";
    const std::vector<PciBar> bars = DecodeBars(d);
    if (bars.empty())
        v += "Base Addresses: none\n";
    for (const PciBar& bar : bars)
        v += DescribeBar(bar) + "\n";
    static const char* const kPins[] = {"none", "INTA#", "INTB#", "INTC#", "INTD#"};
    const uint8_t pin = d.Config[0x3D];
    v += "Interrupt Line: " + std::to_string(d.Config[0x3C]) +
         "  Interrupt Pin: " + (pin <= 4 ? kPins[pin] : "?") + "\n";
    return v;
}

std::string HexDump(const PciDevice& d, bool extended) {
    std::string out = std::string(extended ? kExtendedDumpTitle : kStandardDumpTitle) + "\n";
    for (size_t row = extended ? 0x40 : 0; row < (extended ? 0x100u : 0x40u); row += 16) {
        out += Hex(row, 2) + ":";
        for (size_t i = 0; i < 16; ++i)
            out += " " + Hex(d.Config[row + i], 2);
        out += "\n";
    }
    return out;
}

std::string PciReport(const PciDeviceTable& table, const LocalTime& now, int only) {
    char header[80];
    std::snprintf(header, sizeof header, "Local Report Generated %02d:%02d:%02d on %d/%d/%d",
                  now.secondsOfDay / 3600, (now.secondsOfDay / 60) % 60, now.secondsOfDay % 60,
                  now.date.month, now.date.day, now.date.year);
    std::string out = std::string(header) + "\n" + kPciBanner + "\n" + std::to_string(table.Count) +
                      " PCI function" + (table.Count == 1 ? "" : "s") + " found\n";
    for (int i = 0; i < table.Count; ++i) {
        if (only != 0 && only != i + 1)
            continue;
        const PciDevice& d = table.Devices[static_cast<size_t>(i)];
        out += "\n" + DeviceView(d, i + 1, table.Count) + HexDump(d, false) + HexDump(d, true);
    }
    return out;
}

std::string PciReportFileName(int only) {
    return only == 0 ? "pci-info.txt" : "pci-" + std::to_string(only) + ".txt";
}

std::string EmptyScanExplanation(const PciDeviceTable& table, const PciDriver& driver) {
    if (table.Count == 0 && driver.ShortAnswersSeen())
        return "No PCI function answered with its whole configuration space: only root may read it. "
               "Run morvpci as root (for example with sudo) to list the functions.";
    return "";
}

} // namespace tavrel
