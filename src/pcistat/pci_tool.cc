#include "pcistat/pci_tool.h"

#include "pcistat/pci_names.h"
#include "pcistat/pci_view.h"
#include "platform/file_io.h"

namespace tavrel {

bool PciTool::Start(std::string& message) {
    if (!PciPlatformSupported()) {
        message = "Requires Windows NT/2000/XP Pro";
        return false;
    }
    if (!driver_.Open()) {
        message = "No Device Detected...\nMay be claimed by another application";
        return false;
    }
    ScanPciBus(driver_, table_);
    LookUpPciNames(table_, nameLists_);
    current_ = 1;
    return true;
}

std::string PciTool::CounterText() const {
    if (table_.Count == 0)
        return "No Devices";
    return "Device " + std::to_string(current_) + " of " + std::to_string(table_.Count);
}

void PciTool::Next() {
    if (table_.Count > 0)
        current_ = current_ % table_.Count + 1;
}

void PciTool::Previous() {
    if (table_.Count > 0)
        current_ = (current_ + table_.Count - 2) % table_.Count + 1;
}

std::string PciTool::CurrentView() const {
    if (table_.Count == 0)
        return EmptyExplanation().empty() ? "No PCI functions found." : EmptyExplanation();
    return DeviceView(table_.Devices[static_cast<size_t>(current_ - 1)], current_, table_.Count);
}

std::string PciTool::CurrentDump(bool extended) const {
    if (table_.Count == 0)
        return "";
    return HexDump(table_.Devices[static_cast<size_t>(current_ - 1)], extended);
}

std::string PciTool::EmptyExplanation() const {
    return EmptyScanExplanation(table_, driver_);
}

std::string PciTool::WriteReport(const std::string& folder, bool allDevices, const LocalTime& now) const {
    const int only = allDevices ? 0 : current_;
    const std::string path = folder + "/" + PciReportFileName(only);
    return WriteFileAtomically(path, PciReport(table_, now, only), FilePrivacy::UserDefault) == 0 ? path : "";
}

std::vector<std::string> PciNameListPaths(const std::string& programFolder) {
    return {programFolder + "/pcidevs.txt", SystemPciIdsPath()};
}

} // namespace tavrel
