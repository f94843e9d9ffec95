#include "boardio/board_driver.h"

namespace tavrel {

namespace {
uint8_t Apply(uint8_t byte, uint8_t mask, bool on) {
    return on ? static_cast<uint8_t>(byte | mask) : static_cast<uint8_t>(byte & ~mask);
}
} // namespace

void PortBoardDriver::Initialise(const BoardRecord& b, uint8_t& shadow) {
    if (b.CntlAddress == 0 || b.PortConfigValue == 0)
        return;
    ports_.WritePortByte(b.CntlAddress, static_cast<uint8_t>(b.PortConfigValue));
    ports_.WritePortByte(b.BaseAddress, 0);
    if (b.InputAddress != 0)
        ports_.WritePortByte(b.InputAddress, 0);
    shadow = 0;
}

uint8_t PortBoardDriver::Write(const BoardRecord& b, int, bool on, uint8_t mask, uint8_t& shadow) {
    // Read-modify-write leaves the port's other seven relays as they are.
    const uint8_t current = IsSet(b.WriteToBaseOnly) ? shadow : ports_.ReadPortByte(b.BaseAddress);
    const uint8_t next = Apply(current, mask, on);
    ports_.WritePortByte(b.BaseAddress, next);
    shadow = next;
    return next;
}

uint8_t PortBoardDriver::ReadOutputs(const BoardRecord& b, uint8_t& shadow) {
    shadow = IsSet(b.WriteToBaseOnly) ? shadow : ports_.ReadPortByte(b.BaseAddress);
    return shadow;
}

uint8_t PortBoardDriver::ReadInputs(const BoardRecord& b, uint8_t shadow) {
    if (b.InputAddress != 0)
        return ports_.ReadPortByte(b.InputAddress);
    return IsSet(b.WriteToBaseOnly) ? shadow : ports_.ReadPortByte(b.BaseAddress);
}

void FireCrackerBoardDriver::Initialise(const BoardRecord&, uint8_t& shadow) {
    shadow = 0;
}

uint8_t FireCrackerBoardDriver::Write(const BoardRecord& b, int relay, bool on, uint8_t mask,
                                      uint8_t& shadow) {
    // House numbers 1..16 drive units 1..8 of houses A..P; 17..32 drive units 9..16.
    const bool lowUnits = b.CntlAddress <= 16;
    const int house = lowUnits ? b.CntlAddress : b.CntlAddress - 16;
    const int unit = lowUnits ? relay + 1 : relay + 9;
    x10_.SendX10(b.BaseAddress, house, unit, on ? kX10On : kX10Off);
    // A command that never left is not taken as done: the relay keeps its state and the next tick asks
    // again, so it is switched as soon as the transmitter is back.
    if (!x10_.LastFrameLost)
        shadow = Apply(shadow, mask, on);
    return 0;
}

uint8_t FireCrackerBoardDriver::ReadOutputs(const BoardRecord&, uint8_t& shadow) {
    return shadow;
}

uint8_t FireCrackerBoardDriver::ReadInputs(const BoardRecord&, uint8_t shadow) {
    return shadow;
}

} // namespace tavrel
