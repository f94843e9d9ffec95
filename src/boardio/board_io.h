#pragma once
// Switches relay r of board b and reads a board's outputs and inputs back, whatever the board's type.

#include "boardio/board_driver.h"
#include "boardio/board_health.h"
#include "boardio/board_ports.h"
#include "boardio/board_record.h"
#include "boardio/port_access.h"
#include "boardio/x10_transmitter.h"

#include <array>
#include <cstdint>

namespace tavrel {

// The step delay between relays of the "w/Delay" commands: selected by StepDelayCount 2000.
constexpr int16_t kStepDelaySelected = 2000;
constexpr int64_t kStepDelayMs = 100;

struct BoardIoState {
    // The logical state of each board's eight outputs as last written (bit r = relay r).
    std::array<uint8_t, kBoardSlots> OutputShadow{};
    int16_t StepDelayCount = 0;
    std::array<BoardHealth, kBoardSlots> health{};
};

class BoardIo {
public:
    BoardIo(BoardTable& boards, PortByteTable& outputReadback, PortByteTable& inputReadback,
            BoardIoState& state, PortAccess& ports, X10Transmitter& x10, Clock& clock, MessageBoxes& boxes);

    uint8_t RelayBitMask(int relay);
    uint8_t InitialiseBoard(int board);
    uint8_t RelayOn(int board, int relay);
    uint8_t RelayOff(int board, int relay);
    uint8_t ReadOutputs(int board);
    uint8_t ReadInputs(int board);
    void SettlePause(int board);
    void InitialiseAllBoards();
    // Relay by relay, with the board's settle pause after each.
    void AllRelaysOn(int board);
    void AllRelaysOff(int board);
    void ResetBoardsOnExit();
    void ReadAllOutputs();
    void ReadAllInputs();
    void InvalidateBoard(int board);

private:
    uint8_t SwitchRelay(int board, int relay, bool on);
    void SwitchAll(int board, bool on);
    BoardDriver& DriverFor(const BoardRecord& b);
    // Asks for the ports the board drives now and gives back those it no longer drives (another
    // address, emulation, a FireCracker), so that the process holds only its boards' ports.
    void HoldPortsOf(int board);

    BoardTable& boards_;
    PortByteTable& outputReadback_;
    PortByteTable& inputReadback_;
    BoardIoState& state_;
    Clock& clock_;
    MessageBoxes& boxes_;
    PortAccess& ports_;
    X10Transmitter& x10_;
    struct HeldPorts {
        BoardPortRanges ranges;
        std::array<bool, 3> opened{}; // a range the system refused is not given back
    };
    std::array<HeldPorts, kBoardSlots> held_{};
    PortBoardDriver portDriver_;
    FireCrackerBoardDriver fireCrackerDriver_;
};

} // namespace tavrel
