#pragma once
// The evaluation pass (what the schedule wants of each relay) and the output pass (what is written).

#include "boardio/board_io.h"
#include "engine/day_pair_times.h"
#include "engine/pair_rules.h"
#include "engine/schedule_records.h"
#include "platform/clock.h"
#include "platform/message_box.h"

namespace tavrel {

// What the schedule wants of each relay of board 1 now. The tick looks the pairs' times up in the day's
// (`day` resolves them when the date, a text or the place changed); a caller that evaluates many times
// over unchanged texts on one date may resolve them once and pass them.
void EvaluateSchedule(ScheduleTables& tables, const Clock& clock, DayPairTimes& day);
void EvaluateSchedule(ScheduleTables& tables, const Clock& clock, const BoardPairSeconds& seconds);
void ApplyOutputs(ScheduleTables& tables, BoardIo& boards, MessageBoxes& boxes);

// Every relay of board 1 OFF and stopped (the kill action's "all relays OFF").
void StopAll(ScheduleTables& tables, BoardIo& boards);
// Every relay released from stop, its cycle started afresh.
void ReleaseAll(ScheduleTables& tables);
// After a whole-board command: each relay of `board` starts its cycle afresh.
void RestartCycles(ScheduleTables& tables, int board);

} // namespace tavrel
