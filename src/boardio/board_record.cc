#include "boardio/board_record.h"

namespace tavrel {

namespace {

const BoardRecord& BlankBoard() {
    static const BoardRecord blank;
    return blank;
}

const BoardRecord& BoardOrBlank(const BoardTable& boards, int board) {
    const BoardRecord* b = boards.Slot(board);
    return b != nullptr ? *b : BlankBoard();
}

} // namespace

bool BoardEmulated(const BoardRecord& board) {
    return board.RunNoBoard != 0 || board.BaseAddress == 0;
}

std::string BoardChipSetType(const BoardTable& boards, int board) {
    return BoardOrBlank(boards, board).ChipSetType;
}
void ClearBoardReady(BoardTable& boards, int board) {
    if (BoardRecord* b = boards.Slot(board))
        b->BoardReady = kFalse;
}

} // namespace tavrel
