#include "pcistat/pci_class_names.h"

#include <array>

namespace tavrel {

namespace {

struct Sub {
    uint8_t base, sub;
    const char* name;
};
struct ProgIf {
    uint8_t base, sub, progIf;
    const char* name;
};

constexpr std::array<const char*, 18> kClasses{"Pre-2.0 PCI Device",
                                               "Mass Storage Controller",
                                               "Network Controller",
                                               "Display Controller",
                                               "Multimedia Device",
                                               "Memory Controller",
                                               "Bridge Device",
                                               "Simple Communications Controller",
                                               "Base System Peripheral",
                                               "Input Device",
                                               "Docking Station",
                                               "Processor",
                                               "Serial Bus Controller",
                                               "Wireless Controller",
                                               "Intelligent I/O Controller",
                                               "Satellite Communications Controller",
                                               "Encryption/Decryption Controller",
                                               "Data Acq/Signal Processing"};

constexpr Sub kSubclasses[] = {
    {0x00, 0x00, "Non-VGA Device"},
    {0x00, 0x01, "VGA-Compatible Device"},
    {0x01, 0x00, "SCSI Controller"},
    {0x01, 0x01, "IDE Controller"},
    {0x01, 0x02, "Floppy Controller"},
    {0x01, 0x03, "IPI Controller"},
    {0x01, 0x04, "RAID Controller"},
    {0x01, 0x05, "ATA Controller"},
    {0x01, 0x06, "Serial ATA Controller"},
    {0x01, 0x80, "Other Mass Storage Controller"},
    {0x02, 0x00, "Ethernet Controller"},
    {0x02, 0x01, "Token Ring Controller"},
    {0x02, 0x02, "FDDI Controller"},
    {0x02, 0x03, "ATM Controller"},
    {0x02, 0x04, "ISDN Controller"},
    {0x02, 0x05, "WorldFip Controller"},
    {0x02, 0x06, "PICMG 2.14 Multi Computing"},
    {0x02, 0x80, "Other Network Controller"},
    {0x03, 0x00, "VGA-Compatible Controller"},
    {0x03, 0x01, "XGA Controller"},
    {0x03, 0x02, "3D Controller"},
    {0x03, 0x80, "Other Display Controller"},
    {0x04, 0x00, "Video Device"},
    {0x04, 0x01, "Audio Device"},
    {0x04, 0x02, "Computer Telephony Device"},
    {0x04, 0x80, "Other Multimedia Device"},
    {0x05, 0x00, "RAM"},
    {0x05, 0x01, "Flash"},
    {0x05, 0x80, "Other Memory Controller"},
    {0x06, 0x00, "Host Bridge"},
    {0x06, 0x01, "ISA Bridge"},
    {0x06, 0x02, "EISA Bridge"},
    {0x06, 0x03, "MCA Bridge"},
    {0x06, 0x04, "PCI-to-PCI Bridge"},
    {0x06, 0x05, "PCMCIA Bridge"},
    {0x06, 0x06, "NuBus Bridge"},
    {0x06, 0x07, "CardBus Bridge"},
    {0x06, 0x08, "RACEway Bridge"},
    {0x06, 0x09, "Semi-Transparent PCI-to-PCI Bridge"},
    {0x06, 0x0A, "InfiniBand-to-PCI Host Bridge"},
    {0x06, 0x80, "Other Bridge Device"},
    {0x07, 0x00, "Serial Controller"},
    {0x07, 0x01, "Parallel Port"},
    {0x07, 0x02, "Multiport Serial Controller"},
    {0x07, 0x03, "Modem"},
    {0x07, 0x04, "GPIB (IEEE 488.1/2) Controller"},
    {0x07, 0x05, "Smart Card"},
    {0x07, 0x80, "Other Communications Device"},
    {0x08, 0x00, "PIC"},
    {0x08, 0x01, "DMA Controller"},
    {0x08, 0x02, "System Timer"},
    {0x08, 0x03, "RTC Controller"},
    {0x08, 0x04, "PCI Hot-Plug Controller"},
    {0x08, 0x80, "Other System Peripheral"},
    {0x09, 0x00, "Keyboard Controller"},
    {0x09, 0x01, "Digitizer (Pen)"},
    {0x09, 0x02, "Mouse Controller"},
    {0x09, 0x03, "Scanner Controller"},
    {0x09, 0x04, "Gameport Controller"},
    {0x09, 0x80, "Other Input Controller"},
    {0x0A, 0x00, "Generic Docking Station"},
    {0x0A, 0x80, "Other Docking Station"},
    {0x0B, 0x00, "386"},
    {0x0B, 0x01, "486"},
    {0x0B, 0x02, "Pentium"},
    {0x0B, 0x10, "Alpha"},
    {0x0B, 0x20, "PowerPC"},
    {0x0B, 0x30, "MIPS"},
    {0x0B, 0x40, "Co-Processor"},
    {0x0C, 0x00, "IEEE 1394 (FireWire)"},
    {0x0C, 0x01, "ACCESS.bus"},
    {0x0C, 0x02, "SSA"},
    {0x0C, 0x03, "USB Controller"},
    {0x0C, 0x04, "Fibre Channel"},
    {0x0C, 0x05, "SMBus"},
    {0x0C, 0x06, "InfiniBand"},
    {0x0C, 0x07, "IPMI Interface"},
    {0x0C, 0x08, "SERCOS Interface"},
    {0x0C, 0x09, "CANbus"},
    {0x0D, 0x00, "iRDA Compatible Controller"},
    {0x0D, 0x01, "Consumer IR Controller"},
    {0x0D, 0x10, "RF Controller"},
    {0x0D, 0x11, "Bluetooth Controller"},
    {0x0D, 0x12, "Broadband Controller"},
    {0x0D, 0x20, "Ethernet Controller (802.11a)"},
    {0x0D, 0x21, "Ethernet Controller (802.11b)"},
    {0x0D, 0x80, "Other Wireless Controller"},
    {0x0E, 0x00, "I2O"},
    {0x0F, 0x01, "TV Controller"},
    {0x0F, 0x02, "Audio Controller"},
    {0x0F, 0x03, "Voice Controller"},
    {0x0F, 0x04, "Data Controller"},
    {0x10, 0x00, "Network and Computing Encryption/Decryption"},
    {0x10, 0x10, "Entertainment Encryption/Decryption"},
    {0x10, 0x80, "Other Encryption/Decryption"},
    {0x11, 0x00, "DPIO Modules"},
    {0x11, 0x01, "Performance Counters"},
    {0x11, 0x10, "Communications Synchronization, Time and Frequency"},
    {0x11, 0x20, "Management Card"},
    {0x11, 0x80, "Other Data Acq/Signal Processing Controller"},
};

constexpr ProgIf kProgIfs[] = {
    {0x01, 0x05, 0x20, "ADMA Single Stepping"},
    {0x01, 0x05, 0x30, "ADMA Continuous Operation"},
    {0x01, 0x06, 0x00, "Vendor Specific"},
    {0x01, 0x06, 0x01, "AHCI 1.0"},
    {0x03, 0x00, 0x00, "VGA"},
    {0x03, 0x00, 0x01, "8514"},
    {0x06, 0x04, 0x00, "Normal Decode"},
    {0x06, 0x04, 0x01, "Subtractive Decode"},
    {0x06, 0x09, 0x40, "Primary Bus Towards Host CPU"},
    {0x06, 0x09, 0x80, "Secondary Bus Towards Host CPU"},
    {0x07, 0x00, 0x00, "Generic XT-Compatible"},
    {0x07, 0x00, 0x01, "16450-Compatible"},
    {0x07, 0x00, 0x02, "16550-Compatible"},
    {0x07, 0x00, 0x03, "16650-Compatible"},
    {0x07, 0x00, 0x04, "16750-Compatible"},
    {0x07, 0x00, 0x05, "16850-Compatible"},
    {0x07, 0x00, 0x06, "16950-Compatible"},
    {0x07, 0x01, 0x00, "Parallel Port"},
    {0x07, 0x01, 0x01, "Bi-Directional Parallel Port"},
    {0x07, 0x01, 0x02, "ECP 1.X Compliant Parallel Port"},
    {0x07, 0x01, 0x03, "IEEE 1284 Controller"},
    {0x07, 0x01, 0xFE, "IEEE 1284 Target Device"},
    {0x07, 0x03, 0x00, "Generic Modem"},
    {0x07, 0x03, 0x01, "Hayes 16450-Compatible"},
    {0x07, 0x03, 0x02, "Hayes 16550-Compatible"},
    {0x07, 0x03, 0x03, "Hayes 16650-Compatible"},
    {0x07, 0x03, 0x04, "Hayes 16750-Compatible"},
    {0x08, 0x00, 0x00, "Generic 8259 PIC"},
    {0x08, 0x00, 0x01, "ISA PIC"},
    {0x08, 0x00, 0x02, "EISA PIC"},
    {0x08, 0x00, 0x10, "I/O APIC"},
    {0x08, 0x00, 0x20, "I/O(x) APIC"},
    {0x08, 0x01, 0x00, "Generic 8237 DMA"},
    {0x08, 0x01, 0x01, "ISA DMA"},
    {0x08, 0x01, 0x02, "EISA DMA"},
    {0x08, 0x02, 0x00, "Generic 8254 Timer"},
    {0x08, 0x02, 0x01, "ISA Timer"},
    {0x08, 0x02, 0x02, "EISA Timers"},
    {0x08, 0x03, 0x00, "Generic RTC"},
    {0x08, 0x03, 0x01, "ISA RTC"},
    {0x09, 0x04, 0x00, "Generic"},
    {0x09, 0x04, 0x10, "Legacy"},
    {0x0C, 0x00, 0x00, "Generic"},
    {0x0C, 0x00, 0x10, "OHCI"},
    {0x0C, 0x03, 0x00, "UHCI"},
    {0x0C, 0x03, 0x10, "OHCI"},
    {0x0C, 0x03, 0x20, "EHCI"},
    {0x0C, 0x03, 0x80, "Unspecified"},
    {0x0C, 0x03, 0xFE, "USB Device"},
    {0x0C, 0x07, 0x00, "SMIC"},
    {0x0C, 0x07, 0x01, "Keyboard Controller Style"},
    {0x0C, 0x07, 0x02, "Block Transfer"},
};

} // namespace

std::string PciClassName(uint8_t baseClass) {
    if (baseClass < kClasses.size())
        return kClasses[baseClass];
    return baseClass == 0xFF ? "Device Does Not Fit Any Defined Class" : "Reserved";
}

std::string PciSubclassName(uint8_t baseClass, uint8_t subclass) {
    for (const Sub& s : kSubclasses)
        if (s.base == baseClass && s.sub == subclass)
            return s.name;
    return subclass == 0x80 ? "Other" : "Unknown Subclass";
}

std::string PciProgIfName(uint8_t baseClass, uint8_t subclass, uint8_t progIf) {
    if (baseClass == 0x01 && subclass == 0x01) {
        // IDE: each channel's mode and whether it can switch, and bus mastering.
        std::string name = progIf & 0x80 ? "Bus Master" : "No Bus Master";
        name += progIf & 0x01 ? ", Primary Native" : ", Primary Compatibility";
        name += progIf & 0x04 ? ", Secondary Native" : ", Secondary Compatibility";
        return name;
    }
    for (const ProgIf& p : kProgIfs)
        if (p.base == baseClass && p.sub == subclass && p.progIf == progIf)
            return p.name;
    return "";
}

} // namespace tavrel
