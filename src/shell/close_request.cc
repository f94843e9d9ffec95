#include "shell/close_request.h"

#include "engine/tick.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/startup.h"

namespace tavrel {

namespace {

MsgResult AskToSave(ProgramContext& ctx) {
    MessageBoxRequest box;
    box.icon = MsgIcon::Question;
    box.title = "Tavrel";
    const std::string name = ctx.settings.DataFileName.empty() || ctx.files.RestartedAfterCrash != kFalse
                                 ? "New"
                                 : ctx.settings.DataFilePath + ctx.settings.DataFileName;
    box.lines = {"The schedule has been changed.", "Save it to " + name + " before closing?"};
    box.buttons = MsgButtons::YesNoCancel;
    box.defaultButton = MsgResult::Yes;
    return ctx.boxes.Show(box);
}

// Save, or Save As when the schedule has no name of its own (a new one, or one resumed after a crash).
bool SaveBeforeClosing(ProgramContext& ctx, const AskSavePath& askSavePath) {
    if (!ctx.settings.DataFileName.empty() && ctx.files.RestartedAfterCrash == kFalse)
        return FileSave(ctx);
    const std::string path = askSavePath ? askSavePath() : std::string();
    return !path.empty() && SaveScheduleAs(ctx, path);
}

void KeepRunning(ProgramContext& ctx) {
    ctx.schedule.ScheduleSuspended = kFalse;
    EnableTimer(ctx.engine);
}

} // namespace

bool SaveScheduleAs(ProgramContext& ctx, const std::string& path) {
    if (!FileSaveAs(ctx, path))
        return false;
    ctx.files.RestartedAfterCrash = kFalse;
    return true;
}

bool MainWindowCloseRequest(ProgramContext& ctx, CloseKind kind, const AskSavePath& askSavePath) {
    ctx.schedule.ScheduleSuspended = kTrue;
    ctx.engineState.TimerEnabled = false;
    if (kind == CloseKind::ByUser && ctx.files.ScheduleChanged != kFalse) {
        switch (AskToSave(ctx)) {
        case MsgResult::Yes:
            // A save that did not happen must not end the run: the changes would be lost with the
            // restart file.
            if (!SaveBeforeClosing(ctx, askSavePath)) {
                KeepRunning(ctx);
                return false;
            }
            break;
        case MsgResult::No:
            break;
        default:
            KeepRunning(ctx);
            return false;
        }
    }
    if (kind == CloseKind::ByUser)
        DeleteRestartFile(ctx);
    ctx.boards.ResetBoardsOnExit();
    return true;
}

void MainWindowUnload(ProgramContext& ctx) {
    PortLayerControl(ctx, "Unload");
}

} // namespace tavrel
