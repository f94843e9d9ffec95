#include "shell/file_commands.h"

#include "engine/tick.h"
#include "files/run_file.h"
#include "platform/file_io.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/startup.h"

namespace tavrel {

namespace {

// A schedule resumed after a crash has no name of its own: its file may be older than what runs.
bool HasOwnName(const ProgramContext& ctx) {
    return !ctx.settings.DataFileName.empty() && !IsSet(ctx.files.RestartedAfterCrash);
}

std::string Ask(const AskPath& ask) {
    return ask ? ask() : std::string();
}

void KeepRunning(ProgramContext& ctx) {
    ctx.schedule.ScheduleSuspended = kFalse;
    EnableTimer(ctx.engine);
}

} // namespace

bool FileCommands::SaveChangesFirst(SaveMoment moment) {
    if (!IsSet(ctx_.files.ScheduleChanged))
        return true;
    const bool named = HasOwnName(ctx_);
    MessageBoxRequest box;
    box.icon = MsgIcon::Question;
    box.title = "Tavrel";
    box.lines = {"The schedule has been changed.",
                 "Save it to " + (named ? ctx_.settings.DataFilePath + ctx_.settings.DataFileName : "New") +
                     (moment == SaveMoment::BeforeClosing ? " before closing?" : " first?")};
    box.buttons = MsgButtons::YesNoCancel;
    box.defaultButton = MsgResult::Yes;
    switch (ctx_.boxes.Show(box)) {
    case MsgResult::Yes:
        return named ? SaveUnderItsName() : SaveAs();
    case MsgResult::No:
        return true;
    default:
        return false;
    }
}

void FileCommands::LoadRecentFiles() {
    recent_.Load(ctx_.regApi);
}

bool FileCommands::New() {
    if (!SaveChangesFirst(SaveMoment::BeforeReplacing))
        return false;
    FileNew(ctx_);
    EnableTimer(ctx_.engine);
    return true;
}

OpenOutcome FileCommands::Open() {
    if (!SaveChangesFirst(SaveMoment::BeforeReplacing))
        return OpenOutcome::Cancelled;
    const std::string path = Ask(askOpenPath_);
    return path.empty() ? OpenOutcome::Cancelled : OpenPath(path);
}

OpenOutcome FileCommands::OpenPath(const std::string& path) {
    if (FileOpen(ctx_, path) != kRunFileLoaded)
        return OpenOutcome::Failed;
    EnableTimer(ctx_.engine);
    recent_.Add(path);
    return OpenOutcome::Opened;
}

OpenOutcome FileCommands::OpenRecent(size_t index) {
    if (!SaveChangesFirst(SaveMoment::BeforeReplacing))
        return OpenOutcome::Cancelled;
    const std::optional<std::string> path = recent_.Choose(
        index, [this](const std::string& p) { return FileExists(ctx_.drives.Map(p)); }, ctx_.boxes);
    return path ? OpenPath(*path) : OpenOutcome::Cancelled;
}

bool FileCommands::Save() {
    if (IsSet(ctx_.files.RestartedAfterCrash))
        return false;
    return SaveUnderItsName() || SaveAs();
}

bool FileCommands::SaveUnderItsName() {
    if (!FileSave(ctx_))
        return false;
    recent_.Add(ctx_.settings.DataFilePath + ctx_.settings.DataFileName);
    return true;
}

bool FileCommands::SaveAs() {
    const std::string path = Ask(askSavePath_);
    if (path.empty() || !FileSaveAs(ctx_, path))
        return false;
    recent_.Add(path);
    return true;
}

bool FileCommands::CloseRequest(CloseKind kind) {
    ctx_.schedule.ScheduleSuspended = kTrue;
    ctx_.engineState.TimerEnabled = false;
    // A save that did not happen must not end the run: the changes would be lost with the restart file.
    if (kind == CloseKind::ByUser && !SaveChangesFirst(SaveMoment::BeforeClosing)) {
        KeepRunning(ctx_);
        return false;
    }
    recent_.Save(ctx_.regApi);
    CloseProgram(ctx_, kind == CloseKind::ByUser ? RestartFileOnClose::Delete : RestartFileOnClose::Keep);
    return true;
}

} // namespace tavrel
