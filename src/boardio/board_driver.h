#pragma once
// What differs between board types: how a board is initialised, switched and read. Emulation, the
// settle pause and the bookkeeping around them are the same for all and live in BoardIo.

#include "boardio/board_record.h"
#include "boardio/port_access.h"
#include "boardio/x10_transmitter.h"

#include <cstdint>

namespace tavrel {

class BoardDriver {
public:
    virtual ~BoardDriver() = default;
    virtual void Initialise(const BoardRecord& board, uint8_t& shadow) = 0;
    // Sets (on) or clears the relay's bit; returns the byte written to a port, or 0.
    virtual uint8_t Write(const BoardRecord& board, int relay, bool on, uint8_t mask, uint8_t& shadow) = 0;
    virtual uint8_t ReadOutputs(const BoardRecord& board, uint8_t& shadow) = 0;
    virtual uint8_t ReadInputs(const BoardRecord& board, uint8_t shadow) = 0;
};

// Every port-I/O type: relay cards, 8255 ports, printer ports, slow cards.
class PortBoardDriver final : public BoardDriver {
public:
    explicit PortBoardDriver(PortAccess& ports) : ports_(ports) {}
    void Initialise(const BoardRecord& board, uint8_t& shadow) override;
    uint8_t Write(const BoardRecord& board, int relay, bool on, uint8_t mask, uint8_t& shadow) override;
    uint8_t ReadOutputs(const BoardRecord& board, uint8_t& shadow) override;
    uint8_t ReadInputs(const BoardRecord& board, uint8_t shadow) override;

private:
    PortAccess& ports_;
};

// X10 modules through a FireCracker transmitter: BaseAddress is the COM port, CntlAddress the house code.
class FireCrackerBoardDriver final : public BoardDriver {
public:
    explicit FireCrackerBoardDriver(X10Transmitter& x10) : x10_(x10) {}
    void Initialise(const BoardRecord& board, uint8_t& shadow) override;
    uint8_t Write(const BoardRecord& board, int relay, bool on, uint8_t mask, uint8_t& shadow) override;
    uint8_t ReadOutputs(const BoardRecord& board, uint8_t& shadow) override;
    uint8_t ReadInputs(const BoardRecord& board, uint8_t shadow) override;

private:
    X10Transmitter& x10_;
};

} // namespace tavrel
