#include "boardio/board_io.h"

#include "boardio/chip_set_types.h"

namespace tavrel {

BoardIo::BoardIo(BoardTable& boards, PortByteTable& outputReadback, PortByteTable& inputReadback,
                 BoardIoState& state, PortAccess& ports, X10Transmitter& x10, Clock& clock,
                 MessageBoxes& boxes)
    : boards_(boards), outputReadback_(outputReadback), inputReadback_(inputReadback), state_(state),
      clock_(clock), boxes_(boxes), ports_(ports), x10_(x10), portDriver_(ports), fireCrackerDriver_(x10) {}

// The one place that maps a board type to its driver.
BoardDriver& BoardIo::DriverFor(const BoardRecord& b) {
    if (ChipSetKind(b.ChipSetType) == BoardKind::FireCracker)
        return fireCrackerDriver_;
    return portDriver_;
}

void BoardIo::HoldPortsOf(int board) {
    const BoardRecord* b = boards_.Slot(board);
    if (b == nullptr)
        return;
    HeldPorts& held = held_[static_cast<size_t>(board)];
    const BoardPortRanges wanted = PortsOfBoard(*b);
    if (wanted == held.ranges)
        return;
    // The new ports first: a port that both use is never let go in between.
    HeldPorts next{wanted, {}};
    for (size_t i = 0; i < wanted.size; ++i)
        next.opened[i] = ports_.OpenPortRange(wanted.ranges[i].first, wanted.ranges[i].count);
    for (size_t i = 0; i < held.ranges.size; ++i)
        if (held.opened[i])
            ports_.ClosePortRange(held.ranges.ranges[i].first, held.ranges.ranges[i].count);
    held = next;
}

uint8_t BoardIo::RelayBitMask(int relay) {
    if (relay < 0 || relay > 7) {
        boxes_.Tell(MsgIcon::Error, "Tavrel", {"GetANDOR Error, Relay#:" + std::to_string(relay)});
        return 0;
    }
    return static_cast<uint8_t>(1u << relay);
}

uint8_t BoardIo::InitialiseBoard(int board) {
    BoardRecord* b = boards_.Slot(board);
    if (b == nullptr)
        return 0;
    HoldPortsOf(board);
    uint8_t& shadow = state_.OutputShadow[static_cast<size_t>(board)];
    BoardHealth& health = state_.health[static_cast<size_t>(board)];
    health.written = -1;
    health.lastDiff = 0;
    if (BoardEmulated(*b))
        shadow = 0;
    else
        DriverFor(*b).Initialise(*b, shadow);
    b->BoardReady = kTrue;
    SettlePause(board);
    return 0;
}

uint8_t BoardIo::SwitchRelay(int board, int relay, bool on) {
    BoardRecord* b = boards_.Slot(board);
    if (b == nullptr)
        return 0;
    const uint8_t mask = RelayBitMask(relay);
    // A bad relay number switches nothing: with no bit to set, an X10 board would address a wrong unit.
    if (mask == 0)
        return 0;
    HoldPortsOf(board);
    uint8_t& shadow = state_.OutputShadow[static_cast<size_t>(board)];
    uint8_t result = 0;
    if (BoardEmulated(*b)) {
        shadow = on ? static_cast<uint8_t>(shadow | mask) : static_cast<uint8_t>(shadow & ~mask);
    } else {
        if (!IsSet(b->BoardReady))
            InitialiseBoard(board);
        BoardHealth& health = state_.health[static_cast<size_t>(board)];
        BoardDriver& driver = DriverFor(*b);
        // While a transmitter is known to be missing, each retry goes out without a box of its own.
        x10_.QuietOpenErrors = health.sendFault;
        result = driver.Write(*b, relay, on, mask, shadow);
        if (&driver == &fireCrackerDriver_)
            NoteSendResult(health, board, relay, x10_.LastFailure);
        else
            health.written = result;
    }
    SettlePause(board);
    return result;
}

uint8_t BoardIo::RelayOn(int board, int relay) {
    return SwitchRelay(board, relay, true);
}

uint8_t BoardIo::RelayOff(int board, int relay) {
    return SwitchRelay(board, relay, false);
}

uint8_t BoardIo::ReadOutputs(int board) {
    BoardRecord* b = boards_.Slot(board);
    if (b == nullptr)
        return 0;
    HoldPortsOf(board);
    uint8_t& shadow = state_.OutputShadow[static_cast<size_t>(board)];
    return BoardEmulated(*b) ? shadow : DriverFor(*b).ReadOutputs(*b, shadow);
}

uint8_t BoardIo::ReadInputs(int board) {
    BoardRecord* b = boards_.Slot(board);
    if (b == nullptr)
        return 0;
    HoldPortsOf(board);
    const uint8_t shadow = state_.OutputShadow[static_cast<size_t>(board)];
    return BoardEmulated(*b) ? shadow : DriverFor(*b).ReadInputs(*b, shadow);
}

void BoardIo::SettlePause(int board) {
    const int ms = SettlePauseMs(BoardChipSetType(boards_, board));
    if (ms > 0)
        clock_.Sleep(ms);
    if (state_.StepDelayCount == kStepDelaySelected)
        clock_.BusyPause(kStepDelayMs);
}

void BoardIo::InitialiseAllBoards() {
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        InitialiseBoard(b);
}

void BoardIo::SwitchAll(int board, bool on) {
    for (int r = 0; r < kRelaysPerBoard; ++r)
        SwitchRelay(board, r, on);
}

void BoardIo::AllRelaysOn(int board) {
    SwitchAll(board, true);
}

void BoardIo::AllRelaysOff(int board) {
    SwitchAll(board, false);
}

void BoardIo::ResetBoardsOnExit() {
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        // A check-box value: only 1 asks for it, so a stray -1 in the registry switches nothing at exit.
        if (boards_[b].ResetOnExit == 1 && BoardTypeOf(boards_[b].ChipSetType).resetOnExit)
            AllRelaysOff(b);
}

void BoardIo::ReadAllOutputs() {
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        outputReadback_[b] = ReadOutputs(b);
}

void BoardIo::ReadAllInputs() {
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        inputReadback_[b] = ReadInputs(b);
}

void BoardIo::InvalidateBoard(int board) {
    ClearBoardReady(boards_, board);
}

} // namespace tavrel
