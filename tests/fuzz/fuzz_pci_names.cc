// The pci.ids name list: any text parses, with all vendors or with the vendors named by the input's first
// bytes, and every look-up answers.
#include "pcistat/pci_names.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8)
        return 0;
    auto word = [&](size_t at) { return static_cast<uint16_t>(data[at] | (data[at + 1] << 8)); };
    const std::string text(reinterpret_cast<const char*>(data) + 8, size - 8);
    for (const std::set<uint16_t>& wanted : {std::set<uint16_t>{}, std::set<uint16_t>{word(0)}}) {
        tavrel::PciNameList list;
        list.Parse(text, wanted);
        (void)list.Vendor(word(0));
        (void)list.Device(word(0), word(2));
        (void)list.Subsystem(word(0), word(2), word(4), word(6));
    }
    return 0;
}
