// The serial mode text: a text that reads sets only known settings, the same settings written as a
// mode text read back alike, and a text that does not read leaves the settings untouched.
#include "platform/serial_api.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using tavrel::CommDcb;

void Require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "comm mode: %s\n", what);
        std::abort();
    }
}

bool Same(const CommDcb& a, const CommDcb& b) {
    return a.baudRate == b.baudRate && a.byteSize == b.byteSize && a.parity == b.parity &&
           a.stopBits == b.stopBits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string mode(reinterpret_cast<const char*>(data), size);
    const CommDcb before{1234, 7, 'E', 2};
    CommDcb dcb = before;
    if (!tavrel::ParseCommMode(mode, dcb)) {
        Require(Same(dcb, before), "a refused text changed the settings");
        return 0;
    }
    Require(dcb.baudRate > 0, "baud rate 0");
    Require(dcb.byteSize >= 5 && dcb.byteSize <= 8, "data bits out of range");
    Require(std::string("NEOMS").find(dcb.parity) != std::string::npos, "unknown parity");
    Require(dcb.stopBits == 1 || dcb.stopBits == 2 || dcb.stopBits == 15, "unknown stop bits");
    const std::string written = "baud=" + std::to_string(dcb.baudRate) + " parity=" + dcb.parity +
                                " data=" + std::to_string(dcb.byteSize) +
                                " stop=" + (dcb.stopBits == 15 ? "1.5" : std::to_string(dcb.stopBits));
    CommDcb again;
    Require(tavrel::ParseCommMode(written, again), "the written mode text does not read");
    Require(Same(dcb, again), "the written mode text reads differently");
    return 0;
}
