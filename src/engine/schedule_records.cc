#include "engine/schedule_records.h"

namespace tavrel {

ScheduleTables::ScheduleTables() {
    for (int i = 0; i < OutputReadback.Size(); ++i) {
        OutputReadback[i] = 0;
        InputReadback[i] = 0;
    }
}

void ScheduleTables::SetIndexErrorReporter(const IndexErrorReporter& reporter) {
    BoardArray.SetReporter(reporter);
    RelayArray.SetReporter(reporter);
    TimeArray.SetReporter(reporter);
    OutputReadback.SetReporter(reporter);
    InputReadback.SetReporter(reporter);
    RelayGroupColors.SetReporter(reporter);
}

namespace {

const BoardRecord& BlankBoard() {
    static const BoardRecord blank;
    return blank;
}

const BoardRecord& BoardOrBlank(const ScheduleTables& t, int board) {
    const BoardRecord* b = t.BoardArray.Slot(board);
    return b != nullptr ? *b : BlankBoard();
}

} // namespace

std::string BoardChipSetType(const ScheduleTables& t, int board) {
    return BoardOrBlank(t, board).ChipSetType;
}
int32_t BoardBaseAddress(const ScheduleTables& t, int board) {
    return BoardOrBlank(t, board).BaseAddress;
}
int32_t BoardInputAddress(const ScheduleTables& t, int board) {
    return BoardOrBlank(t, board).InputAddress;
}
int32_t BoardCntlAddress(const ScheduleTables& t, int board) {
    return BoardOrBlank(t, board).CntlAddress;
}
int32_t BoardPortConfigValue(const ScheduleTables& t, int board) {
    return BoardOrBlank(t, board).PortConfigValue;
}
int16_t BoardRunNoBoard(const ScheduleTables& t, int board) {
    return BoardOrBlank(t, board).RunNoBoard != 0 ? kTrue : kFalse;
}
int16_t BoardWriteToBaseOnly(const ScheduleTables& t, int board) {
    return BoardOrBlank(t, board).WriteToBaseOnly != 0 ? kTrue : kFalse;
}
int16_t BoardReadyFlag(const ScheduleTables& t, int board) {
    return BoardOrBlank(t, board).BoardReady;
}

void SetBoardReady(ScheduleTables& t, int board) {
    if (BoardRecord* b = t.BoardArray.Slot(board))
        b->BoardReady = kTrue;
}

void ClearBoardReady(ScheduleTables& t, int board) {
    if (BoardRecord* b = t.BoardArray.Slot(board))
        b->BoardReady = kFalse;
}

void InitialiseNewSchedule(ScheduleTables& t) {
    const BoardRecord& board = t.BoardArray[0];
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        RelayRecord& relay = t.RelayArray[RelayIndex(0, r)];
        relay.DisplayName = board.RelayNames[static_cast<size_t>(r)];
        relay.DaysOfWeek = "All Days";
        relay.CycleCode = "EO";
        relay.Manual = kFalse;
        relay.Invert = kFalse;
        relay.CountEnabled = kFalse;
        relay.HardStop = kFalse;
        relay.IconFile = "";
        relay.CurrentState = kStateUnknown;
        relay.NewState = kStateUnknown;
        relay.NextCycleTick = 0;
        relay.PrevInput = kStateUnknown;
        relay.Counter = 0;
        for (int p = 0; p < kPairsPerRelay; ++p) {
            TimePair& pair = t.TimeArray[PairIndex(RelayIndex(0, r), p)];
            pair.StartTime = "";
            pair.EndTime = "";
        }
    }
}

} // namespace tavrel
