#pragma once
// The consequences of an accepted edit in the running program: the restart file, the timer, a tick.

#include "mainwindow/schedule_entry.h"

namespace tavrel {

struct ProgramContext;
class TickHost;

class ContextEntryEffects final : public EntryEffects {
public:
    ContextEntryEffects(ProgramContext& ctx, TickHost& host) : ctx_(ctx), host_(host) {}
    void WriteRestartFile() override;
    void EnableTimer() override;
    void CheckScheduleNow() override;

private:
    ProgramContext& ctx_;
    TickHost& host_;
};

// The entry rules over the program's own tables, settings and message boxes.
ScheduleEntry MakeScheduleEntry(ProgramContext& ctx, EntryEffects& effects);

} // namespace tavrel
