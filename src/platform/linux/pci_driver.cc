#include "platform/pci_driver.h"
#include "platform/file_io.h"

namespace tavrel {

std::unique_ptr<PciDriver> MakeSystemPciDriver() {
    return MakeSysfsPciDriver("/sys/bus/pci/devices");
}

bool PciPlatformSupported() {
    return true;
}

std::string SystemPciIdsPath() {
    for (const char* path : {"/usr/share/misc/pci.ids", "/usr/share/hwdata/pci.ids"})
        if (FileExists(path))
            return path;
    return "";
}

} // namespace tavrel
