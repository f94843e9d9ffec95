#include "boardio/port_ranges.h"

namespace tavrel {

bool PortAddressRefused(int64_t address) {
    if (address == 0)
        return false;
    return address < 0x100 || address > 0xFFFF || (address >= 0xCF8 && address <= 0xCFF);
}

} // namespace tavrel
