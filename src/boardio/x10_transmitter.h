#pragma once
// The FireCracker CM17A X10 transmitter: a 40-bit command clocked out on a COM port's RTS and DTR lines.

#include "boardio/comm_ports.h"
#include "platform/clock.h"
#include "platform/message_box.h"

#include <cstdint>
#include <string>

namespace tavrel {

constexpr int kX10FrameBits = 40;
constexpr int kX10On = 1;
constexpr int kX10Off = 0;

// The command for one unit (1..16) of one house (1..16 = A..P) as "0"/"1" characters, first bit first.
// An out-of-range house or unit gives a shorter text, which the sender refuses.
std::string BuildX10Frame(int house, int unit, int command);

class X10Transmitter {
public:
    X10Transmitter(CommPorts& ports, Clock& clock, MessageBoxes& boxes)
        : ports_(ports), clock_(clock), boxes_(boxes) {}

    // 0 = sent (or the open failure reported), 1 = frame too short, 2 = a line change failed in the bit loop.
    int16_t SendX10Frame(int port, const std::string& frame);
    // Builds and sends one command; always 0.
    int16_t SendX10(int port, int house, int unit, int command);

    int16_t X10OpenPort = 0;
    // Why the last frame failed ("" when it went out), and whether it never left (the port did not open).
    std::string LastFailure;
    bool LastFrameLost = false;
    // An open failure is not shown in a box (the board's fault line said it once already).
    bool QuietOpenErrors = false;

private:
    // Changes one line and holds the new state for at least `ms`.
    void SetAndHold(int line, bool value, int64_t ms, bool& failed);
    void ClockBit(bool one, bool& failed);

    CommPorts& ports_;
    Clock& clock_;
    MessageBoxes& boxes_;
};

} // namespace tavrel
