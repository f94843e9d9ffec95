#include "boardio/address_listing.h"

#include "boardio/bit_marks.h"
#include "platform/file_io.h"

#include <cstdio>

namespace tavrel {

std::string PortLine(PortAccess& ports, int32_t address) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(address));
    return "Decimal: " + std::to_string(address) + " Hex: " + hex + " :" +
           BitMarks(ports.ReadPortByte(address));
}

void ListPortAddresses(PortAccess& ports, const std::string& logPath) {
    // The listed ports are held only while they are read.
    ports.OpenPortRange(kListingFirstPort, kListingPortCount);
    std::string out;
    auto line = [&](const std::string& text) { out += text + "\r\n"; };
    line("-------Begin H200-H279----------------------------");
    for (int32_t address = kListingFirstPort; address < kListingFirstPort + kListingPortCount; ++address) {
        if (address == 0x280) {
            line("-------End   H200-H279----------------------------");
            line("-------Begin H280-H3FF----------------------------");
        }
        line(PortLine(ports, address));
    }
    line("-------End   H280-H3FF----------------------------");
    ports.ClosePortRange(kListingFirstPort, kListingPortCount);
    // The event log's file: never through a link, and its user's alone when it is made here.
    AppendToFile(logPath, out, FilePrivacy::OwnerOnly);
}

} // namespace tavrel
