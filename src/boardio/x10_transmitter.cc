#include "boardio/x10_transmitter.h"

#include <array>

namespace tavrel {

namespace {

constexpr std::array<const char*, 16> kHouseNibbles{"0110", "0111", "0100", "0101", "1000", "1001",
                                                    "1010", "1011", "1110", "1111", "1100", "1101",
                                                    "0000", "0001", "0010", "0011"};
constexpr std::array<const char*, 4> kUnitLowBits{"00", "10", "01", "11"};

bool ValidCode(int n) {
    return n >= 1 && n <= 16;
}

} // namespace

std::string BuildX10Frame(int house, int unit, int command) {
    std::string frame = "1101010110101010";
    if (ValidCode(house))
        frame += kHouseNibbles[static_cast<size_t>(house - 1)];
    if (ValidCode(unit))
        frame += unit >= 9 ? "0100" : "0000";
    frame += "0";
    if (ValidCode(unit))
        frame += (unit >= 5 && unit <= 8) || unit >= 13 ? "1" : "0";
    frame += command == kX10On ? "0" : "1";
    if (ValidCode(unit))
        frame += kUnitLowBits[static_cast<size_t>((unit - 1) % 4)];
    frame += "000";
    frame += "10101101";
    return frame;
}

void X10Transmitter::SetAndHold(int line, bool value, int64_t ms, bool& failed) {
    if (ports_.CommSetLine(X10OpenPort, line, value) != 0)
        failed = true;
    // Timed from the moment the change has surely taken effect, so no state is held short; the clock
    // sleeps to an absolute deadline, so its wake-up delays do not add up over the frame.
    if (ms > 0)
        clock_.SleepUntilUs(clock_.MonotonicUs() + ms * 1000);
}

void X10Transmitter::ClockBit(bool one, bool& failed) {
    if (one) {
        SetAndHold(kLineRts, true, 1, failed);
        SetAndHold(kLineDtr, false, 1, failed);
    } else {
        SetAndHold(kLineRts, false, 1, failed);
        SetAndHold(kLineDtr, true, 1, failed);
    }
    SetAndHold(kLineRts, true, 2, failed);
    SetAndHold(kLineDtr, true, 2, failed);
}

int16_t X10Transmitter::SendX10Frame(int port, const std::string& frame) {
    LastFailure.clear();
    LastFrameLost = false;
    if (frame.size() < static_cast<size_t>(kX10FrameBits))
        return 1;
    if (X10OpenPort != port) {
        if (X10OpenPort != 0) {
            ports_.CommClose(X10OpenPort);
            X10OpenPort = 0;
        }
        const std::string name = "COM" + std::to_string(port);
        if (ports_.CommOpen(port, name, "baud=9600 parity=N data=8 stop=1") != 0) {
            const std::string error = ports_.CommLastErrorSource + " " +
                                      std::to_string(ports_.CommLastError) + " " + ports_.CommLastErrorText;
            if (!QuietOpenErrors)
                boxes_.Tell(MsgIcon::Error, "Tavrel", {"COM Error: " + name + " " + error, "Exiting Send"});
            LastFailure = name + " cannot be opened (" + error + "), relays not switched";
            LastFrameLost = true;
            // A port whose open failed part-way is closed again, so the next command can retry it.
            ports_.CommClose(port);
            X10OpenPort = 0;
            return 0;
        }
        X10OpenPort = static_cast<int16_t>(port);
    }

    clock_.Sleep(50);
    clock_.Sleep(10);
    bool resetFailed = false;
    // Reset the transmitter; both lines high is its idle, powered state.
    SetAndHold(kLineRts, false, 0, resetFailed);
    SetAndHold(kLineDtr, false, 50, resetFailed);
    SetAndHold(kLineRts, true, 0, resetFailed);
    SetAndHold(kLineDtr, true, 50, resetFailed);

    // A failed line change is recorded by the port layer; the frame is clocked out to its end all the same,
    // and the status tells the caller.
    bool bitsFailed = false;
    for (char c : frame)
        ClockBit(c != 0 && c != '0', bitsFailed);
    const int16_t status = bitsFailed ? 2 : 0;
    if (bitsFailed)
        LastFailure =
            "COM" + std::to_string(port) + " lines could not be set, the transmitter may not have switched";
    clock_.Sleep(60);
    ports_.CommClose(X10OpenPort);
    X10OpenPort = 0;
    return status;
}

int16_t X10Transmitter::SendX10(int port, int house, int unit, int command) {
    SendX10Frame(port, BuildX10Frame(house, unit, command));
    return 0;
}

} // namespace tavrel
