#include "pcistat/pci_device.h"

#include "pcistat/pci_class_names.h"

namespace tavrel {

bool ReadConfigSpace(PciDriver& driver, uint8_t bus, uint8_t devFn, uint8_t* buffer) {
    if (buffer == nullptr)
        return false;
    uint32_t returned = 0;
    return driver.Request(bus, devFn, buffer, kPciConfigBytes, returned) && returned == kPciConfigBytes;
}

void ScanPciBus(PciDriver& driver, PciDeviceTable& table) {
    table.Count = 0;
    for (int bus = 0; bus < kPciBuses; ++bus)
        for (int devFn = 0; devFn < 256; ++devFn) {
            std::array<uint8_t, kPciConfigBytes> config{};
            // Every address is asked, even once the table is full.
            if (!ReadConfigSpace(driver, static_cast<uint8_t>(bus), static_cast<uint8_t>(devFn),
                                 config.data()) ||
                table.Count >= kPciMaxDevices)
                continue;
            PciDevice& d = table.Devices[static_cast<size_t>(table.Count++)];
            d = PciDevice{};
            d.Bus = static_cast<uint8_t>(bus);
            d.DevFn = static_cast<uint8_t>(devFn);
            d.Config = config;
            d.VendorId = d.Word(0x00);
            d.DeviceId = d.Word(0x02);
            d.RevisionId = config[0x08];
            d.SubsystemVendorId = d.Word(0x2C);
            d.SubsystemId = d.Word(0x2E);
            d.ClassName = PciClassName(config[0x0B]);
            d.SubclassName = PciSubclassName(config[0x0B], config[0x0A]);
            d.ProgIfName = PciProgIfName(config[0x0B], config[0x0A], config[0x09]);
        }
}

} // namespace tavrel
