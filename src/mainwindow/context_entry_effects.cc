#include "mainwindow/context_entry_effects.h"

#include "engine/tick.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"

namespace tavrel {

void ContextEntryEffects::WriteRestartFile() {
    tavrel::WriteRestartFile(ctx_);
}

void ContextEntryEffects::EnableTimer() {
    tavrel::EnableTimer(ctx_.engine);
}

void ContextEntryEffects::CheckScheduleNow() {
    ForceCheckTime(ctx_.engine, host_);
}

ScheduleEntry MakeScheduleEntry(ProgramContext& ctx, EntryEffects& effects) {
    return ScheduleEntry(ctx.schedule, ctx.files, ctx.settings, ctx.display, ctx.boxes, effects, ctx.clock);
}

} // namespace tavrel
