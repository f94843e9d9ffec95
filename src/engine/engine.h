#pragma once
// What the schedule engine works on: the tables, its own state, the settings it reads, the display it
// computes, the boards it drives, the clock, the message boxes and the events it hands outward.

#include "boardio/board_io.h"
#include "config/settings.h"
#include "engine/display_state.h"
#include "engine/engine_events.h"
#include "engine/engine_state.h"
#include "engine/schedule_records.h"
#include "platform/clock.h"
#include "platform/message_box.h"

namespace tavrel {

struct Engine {
    ScheduleTables& schedule;
    EngineState& state;
    Settings& settings;
    DisplayState& display;
    BoardIo& boards;
    BoardIoState& boardState;
    Clock& clock;
    MessageBoxes& boxes;
    EngineEvents& events;
};

// Holds ScheduleSuspended for the length of a command, so the tick and every per-relay loop stop at
// their next step; the flag is given back as it was, also when the command leaves early.
class ScheduleHold {
public:
    explicit ScheduleHold(ScheduleTables& schedule) : schedule_(schedule), was_(schedule.ScheduleSuspended) {
        schedule_.ScheduleSuspended = kTrue;
    }
    ~ScheduleHold() { schedule_.ScheduleSuspended = was_; }
    ScheduleHold(const ScheduleHold&) = delete;
    ScheduleHold& operator=(const ScheduleHold&) = delete;

private:
    ScheduleTables& schedule_;
    int16_t was_;
};

} // namespace tavrel
