#pragma once
// A board's settings and the tables the board layer reads and writes: the boards, and the bytes read
// back from their output and input ports.

#include "common/checked_table.h"
#include "common/flags.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrel {

constexpr int kBoardSlots = 4;
constexpr int kRelaysPerBoard = 8;
// The highest board index that is stored, scheduled, driven and logged (boards 1 .. this + 1).
constexpr int kMaxBoardIndex = 0;

struct BoardRecord {
    std::string ChipSetType = " ";
    int32_t BaseAddress = 0;
    int32_t InputAddress = 0;
    int32_t CntlAddress = 0;
    int32_t PortConfigValue = 0;
    int16_t BoardReady = kFalse;
    int16_t LogBoard = 0;
    int16_t ResetOnExit = 0;
    int16_t RunNoBoard = 0;
    int16_t WriteToBaseOnly = 0;
    std::array<std::string, kRelaysPerBoard> RelayNames{};
};

using BoardTable = CheckedTable<BoardRecord, kBoardSlots>;
using PortByteTable = CheckedTable<uint8_t, kBoardSlots>;

// Whether the board is emulated: nothing is read from or written to it. Any non-zero "RunNoBoard" or a
// base address of 0 (no board set) emulates; the board layer, the menu, the status bar and the board
// claim all ask here.
bool BoardEmulated(const BoardRecord& board);

// By board index 0..3. A bad index is reported and reads as a blank board, or changes nothing.
std::string BoardChipSetType(const BoardTable& boards, int board);
void ClearBoardReady(BoardTable& boards, int board);

} // namespace tavrel
