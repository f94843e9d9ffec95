#include "mainwindow/context_entry_effects.h"

#include "engine/tick.h"
#include "files/schedule_commands.h"
#include "shell/program_context.h"

namespace tavrel {

void ContextEntryEffects::WriteRestartFile() {
    tavrel::WriteRestartFile(ctx_);
}

void ContextEntryEffects::EnableTimer() {
    tavrel::EnableTimer(ctx_);
}

void ContextEntryEffects::CheckScheduleNow() {
    ForceCheckTime(ctx_, host_);
}

ScheduleEntry MakeScheduleEntry(ProgramContext& ctx, EntryEffects& effects) {
    return ScheduleEntry(ctx, ctx, ctx, ctx.display, ctx.boxes, effects);
}

} // namespace tavrel
