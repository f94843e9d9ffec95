#pragma once
// The PCI access driver's one request: a function's 256 bytes of configuration space by bus and DevFn.

#include <cstdint>
#include <memory>
#include <string>

namespace tavrel {

class PciDriver {
public:
    virtual ~PciDriver() = default;
    virtual bool Open() = 0;
    // Request code 0: in, the bus and the DevFn; out, up to `outSize` bytes; `returned` says how many.
    virtual bool Request(uint32_t bus, uint32_t devFn, uint8_t* out, uint32_t outSize,
                         uint32_t& returned) = 0;
    virtual void Close() = 0;
    // Some functions answered with less than their whole configuration space (an unprivileged reader).
    virtual bool ShortAnswersSeen() const = 0;
};

// Windows: the device "\\.\MORVPCI". Linux: /sys/bus/pci/devices.
std::unique_ptr<PciDriver> MakeSystemPciDriver();

// A folder laid out as /sys/bus/pci/devices: "0000:BB:DD.F/config" for each function.
std::unique_ptr<PciDriver> MakeSysfsPciDriver(const std::string& devicesFolder);

// The system's PCI name list in the pci.ids layout, or "" where there is none.
std::string SystemPciIdsPath();

// True on the systems the tool runs on (the NT family on Windows, any Linux).
bool PciPlatformSupported();

} // namespace tavrel
