#pragma once
// The I/O ports a board drives: what the process asks the system for before it touches them.

#include "boardio/board_record.h"

#include <array>
#include <cstdint>

namespace tavrel {

struct PortRange {
    int32_t first = 0;
    int32_t count = 0;
    friend bool operator==(const PortRange&, const PortRange&) = default;
};

// At most three ranges: the output port, the input port and the control port, adjacent ones joined.
struct BoardPortRanges {
    std::array<PortRange, 3> ranges{};
    size_t size = 0;
    friend bool operator==(const BoardPortRanges&, const BoardPortRanges&) = default;
};

// The ports a port-I/O board reads and writes: its base address, its input address when it has one,
// and its control address when a control word is written there. None for an emulated board or a
// FireCracker (a serial line, no port).
BoardPortRanges PortsOfBoard(const BoardRecord& board);

} // namespace tavrel
