#pragma once
// The COM port slots used to drive a port's control lines, with the last-error record of the failing step.

#include "platform/serial_api.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrel {

constexpr int kCommPortSlots = 8; // COM1..COM8, as the board settings offer them

// Control lines for CommSetLine.
constexpr int kLineBreak = 1;
constexpr int kLineDtr = 2;
constexpr int kLineRts = 3;

class CommPorts {
public:
    explicit CommPorts(SerialApi& api) : api_(api) {}

    // 0 when open, else the error number (-1 when the slot is already open).
    int32_t CommOpen(int port, const std::string& name, const std::string& settings);
    int32_t CommClose(int port);
    int32_t CommSetLine(int port, int line, bool value);
    std::string CommErrorText(int32_t number) const;

    int32_t CommLastError = 0;
    std::string CommLastErrorSource;
    std::string CommLastErrorText;

    bool PortOpen(int port) const;

private:
    struct Slot {
        CommHandle handle = kInvalidCommHandle;
        bool PortOpen = false;
        CommDcb dcb;
    };

    Slot* SlotFor(int port, const char* operation);
    int32_t Record(const char* step);
    int32_t RecordNumber(int32_t number, const std::string& source, const std::string& text);

    SerialApi& api_;
    std::array<Slot, kCommPortSlots> slots_{};
};

} // namespace tavrel
