#include "boardio/board_ports.h"

#include "boardio/chip_set_types.h"

#include <algorithm>

namespace tavrel {

BoardPortRanges PortsOfBoard(const BoardRecord& board) {
    BoardPortRanges out;
    if (BoardEmulated(board) || ChipSetKind(board.ChipSetType) == BoardKind::FireCracker)
        return out;
    std::array<int32_t, 3> ports{board.BaseAddress, board.InputAddress,
                                 board.PortConfigValue != 0 ? board.CntlAddress : 0};
    std::sort(ports.begin(), ports.end());
    for (const int32_t port : ports) {
        if (port == 0)
            continue;
        PortRange* last = out.size > 0 ? &out.ranges[out.size - 1] : nullptr;
        if (last != nullptr && port <= last->first + last->count) {
            last->count = std::max(last->count, port - last->first + 1);
            continue;
        }
        out.ranges[out.size++] = {port, 1};
    }
    return out;
}

} // namespace tavrel
