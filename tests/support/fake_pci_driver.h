#pragma once
// A PCI driver answering from a table of functions, recording every address asked.

#include "platform/pci_driver.h"

#include <array>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace tavrel::test {

class FakePciDriver final : public PciDriver {
public:
    // Configuration bytes by (bus, DevFn); an answer shorter than 256 bytes is given as it is.
    std::map<std::pair<uint32_t, uint32_t>, std::vector<uint8_t>> functions;
    std::vector<std::pair<uint32_t, uint32_t>> asked;
    bool opens = true;
    bool shortAnswers = false;

    bool Open() override { return opens; }
    void Close() override {}
    bool ShortAnswersSeen() const override { return shortAnswers; }
    bool Request(uint32_t bus, uint32_t devFn, uint8_t* out, uint32_t outSize, uint32_t& returned) override {
        asked.emplace_back(bus, devFn);
        returned = 0;
        const auto it = functions.find({bus, devFn});
        if (it == functions.end())
            return false;
        returned = static_cast<uint32_t>(std::min<size_t>(it->second.size(), outSize));
        std::memcpy(out, it->second.data(), returned);
        return true;
    }

    // A header with the given IDs and class bytes; the rest zero.
    static std::vector<uint8_t> Header(uint16_t vendor, uint16_t device, uint8_t baseClass, uint8_t subclass,
                                       uint8_t progIf = 0) {
        std::vector<uint8_t> c(256, 0);
        c[0] = static_cast<uint8_t>(vendor);
        c[1] = static_cast<uint8_t>(vendor >> 8);
        c[2] = static_cast<uint8_t>(device);
        c[3] = static_cast<uint8_t>(device >> 8);
        c[9] = progIf;
        c[0x0A] = subclass;
        c[0x0B] = baseClass;
        return c;
    }
    static void PutDword(std::vector<uint8_t>& c, size_t offset, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            c[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    }
};

} // namespace tavrel::test
