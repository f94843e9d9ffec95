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

std::string BoardChipSetType(const BoardTable& boards, int board) {
    return BoardOrBlank(boards, board).ChipSetType;
}
int32_t BoardBaseAddress(const BoardTable& boards, int board) {
    return BoardOrBlank(boards, board).BaseAddress;
}
int32_t BoardInputAddress(const BoardTable& boards, int board) {
    return BoardOrBlank(boards, board).InputAddress;
}
int32_t BoardCntlAddress(const BoardTable& boards, int board) {
    return BoardOrBlank(boards, board).CntlAddress;
}
int32_t BoardPortConfigValue(const BoardTable& boards, int board) {
    return BoardOrBlank(boards, board).PortConfigValue;
}
int16_t BoardRunNoBoard(const BoardTable& boards, int board) {
    return ToFlag(IsSet(BoardOrBlank(boards, board).RunNoBoard));
}
int16_t BoardWriteToBaseOnly(const BoardTable& boards, int board) {
    return ToFlag(IsSet(BoardOrBlank(boards, board).WriteToBaseOnly));
}
int16_t BoardReadyFlag(const BoardTable& boards, int board) {
    return BoardOrBlank(boards, board).BoardReady;
}

void SetBoardReady(BoardTable& boards, int board) {
    if (BoardRecord* b = boards.Slot(board))
        b->BoardReady = kTrue;
}

void ClearBoardReady(BoardTable& boards, int board) {
    if (BoardRecord* b = boards.Slot(board))
        b->BoardReady = kFalse;
}

} // namespace tavrel
