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
        relay.Holiday = HolidayRule::Run;
        for (int p = 0; p < kPairsPerRelay; ++p) {
            TimePair& pair = t.TimeArray[PairIndex(RelayIndex(0, r), p)];
            pair.StartTime = "";
            pair.EndTime = "";
        }
    }
}

} // namespace tavrel
