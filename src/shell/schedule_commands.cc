#include "shell/schedule_commands.h"

#include "engine/counters.h"
#include "engine/total_time.h"
#include "files/run_on_boot.h"
#include "platform/autostart.h"
#include "platform/file_io.h"
#include "shell/program_context.h"

#include <ostream>

namespace tavrel {

namespace {

void StoreCurrentFile(ProgramContext& ctx, const std::string& path) {
    SplitRunFilePath(path, ctx.settings.DataFilePath, ctx.settings.DataFileName);
    auto store = ctx.NewConfiguration();
    store.ConfigurationDataFilePathSave();
    ctx.NewConfiguration().ConfigurationDataFileNameSave();
}

void SetUpRunOnBoot(ProgramContext& ctx, Autostart& autostart, const std::string& bootCommand, bool always) {
    if (!ctx.portAccess.InstallPortLibraryFiles()) {
        ShowPortLibraryFilesMissing(ctx.boxes);
        return;
    }
    clsRunOnBootOnceAlways boot(ctx.regApi, ctx.boxes);
    if (!boot.VerifyRunOnBoot())
        ctx.boxes.Tell(MsgIcon::None, "Tavrel",
                       {"Error-Unable to setup Auto-Restart", "", "Please create a Short-Cut", "",
                        "    in the Start-up group of the Start Button"});
    boot.SetRunMeNever();
    if (always)
        boot.SetRunMeAlways(ctx.folders.ProgramPath());
    else
        boot.SetRunMeOnce(ctx.folders.ProgramPath());
    autostart.Install(bootCommand);
}

} // namespace

void SplitRunFilePath(const std::string& path, std::string& folder, std::string& name) {
    const size_t cut = path.find_last_of("\\/");
    folder = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    name = cut == std::string::npos ? path : path.substr(cut + 1);
}

void WriteRestartFile(ProgramContext& ctx) {
    // After a failure (a full disk, say) the file is tried again, at most once a minute, until it is
    // written: a crash must not resume a schedule older than the last change. The failure and the
    // recovery are said once each.
    const int64_t now = ctx.clock.MonotonicMs();
    const bool failing = IsSet(ctx.files.RestartWriteDisabled);
    if (failing && now < ctx.files.RestartRetryAtMs) {
        ctx.engineState.RestartWriteOwed = true;
        return;
    }
    const bool written =
        ctx.runFiles.WriteRunFileKeepingRestartFlag(kRestartFolder, kRestartFileName, !failing);
    ctx.engineState.RestartWriteOwed = !written;
    if (written) {
        ctx.files.RestartWriteDisabled = kFalse;
        if (failing) {
            ctx.eventLog.WriteEvent("Restart File", "Written again");
            if (ctx.notices != nullptr)
                *ctx.notices << "tavreld: the restart file is written again.\n";
        }
        return;
    }
    ctx.files.RestartRetryAtMs = now + kRestartRetryMs;
    if (failing)
        return;
    ctx.files.RestartWriteDisabled = kTrue;
    const std::string why = ctx.runFiles.LastWriteError;
    ctx.eventLog.WriteEvent("Restart File", "Cannot be written (" + why + "), tried again once a minute");
    ctx.boxes.Tell(MsgIcon::Warning, "Unable to Create Restart File!",
                   {"Restart Capability will be Disabled", "",
                    std::string(kRestartFolder) + kRestartFileName + ": " + why,
                    "Tavrel tries again once a minute and says when it succeeds."});
}

namespace {
std::string OrderlyStopPath(const ProgramContext& ctx) {
    return ctx.drives.Map(std::string(kRestartFolder) + kOrderlyStopFileName);
}
} // namespace

void DeleteRestartFile(ProgramContext& ctx) {
    const std::string path = ctx.drives.Map(std::string(kRestartFolder) + kRestartFileName);
    RemoveRegularFile(path); // a folder or a link in its place is not the restart file
    RemoveRegularFile(OrderlyStopPath(ctx));
}

void MarkOrderlyStop(ProgramContext& ctx) {
    // Without the mark the next start says "crashed": a false alarm, never a lost schedule.
    WriteFileAtomically(OrderlyStopPath(ctx), "Stopped in order\r\n", FilePrivacy::OwnerOnly);
}

bool LoadRestartFile(ProgramContext& ctx) {
    const bool orderly = FileExists(OrderlyStopPath(ctx));
    RemoveRegularFile(OrderlyStopPath(ctx));
    if (ctx.runFiles.LoadRunFile(kRestartFolder, kRestartFileName, false) != kRunFileLoaded)
        return false;
    ComputeAllTotalTimes(ctx.schedule, ctx.clock.Now().date);
    ctx.eventLog.WriteEvent("ReStart", orderly ? "****** System Stopped & Restarted ******"
                                               : "****** System Crashed & Restarted ******");
    return true;
}

void FileNew(ProgramContext& ctx) {
    ScheduleHold hold(ctx.schedule);
    DeleteRestartFile(ctx);
    InitialiseNewSchedule(ctx.schedule);
    ctx.files.RestartedAfterCrash = kFalse;
    ctx.files.RestartRetryAtMs = 0; // tried at once, without waiting for the minute
    ctx.files.ScheduleChanged = kFalse;
    ctx.settings.DataFileName = "";
    ComputeAllTotalTimes(ctx.schedule, ctx.clock.Now().date);
    WriteRestartFile(ctx);
}

int16_t FileOpen(ProgramContext& ctx, const std::string& given) {
    // The stored folder is what a later Save and the next start use, whatever the working folder then.
    const std::string path = AbsolutePath(given);
    ScheduleHold hold(ctx.schedule);
    std::string folder;
    std::string name;
    SplitRunFilePath(path, folder, name);
    InitialiseNewSchedule(ctx.schedule);
    const int16_t result = ctx.runFiles.LoadRunFile(folder, name, true);
    if (result != kRunFileLoaded) {
        // The stored run file stays the last one that opened.
        ctx.boxes.Tell(MsgIcon::None, "Tavrel", {"New, error encountered loading selected Run-Schedule"});
        ctx.settings.DataFileName = "";
        InitialiseNewSchedule(ctx.schedule);
        return result;
    }
    StoreCurrentFile(ctx, path);
    ComputeAllTotalTimes(ctx.schedule, ctx.clock.Now().date);
    ctx.eventLog.WriteEvent("Open", ctx.settings.DataFilePath + ctx.settings.DataFileName);
    ctx.files.ScheduleChanged = kFalse;
    ctx.files.RestartRetryAtMs = 0;
    DeleteRestartFile(ctx);
    // Zeroing the counters writes the restart file afresh.
    ZeroCounters(ctx.engine);
    return result;
}

bool FileSave(ProgramContext& ctx) {
    if (ctx.settings.DataFilePath.empty() || ctx.settings.DataFileName.empty())
        return false;
    ScheduleHold hold(ctx.schedule);
    if (!ctx.runFiles.SaveRunFile(ctx.settings.DataFilePath, ctx.settings.DataFileName))
        return false;
    ctx.eventLog.WriteEvent("Save", ctx.settings.DataFilePath + ctx.settings.DataFileName);
    ctx.files.ScheduleChanged = kFalse;
    return true;
}

bool FileSaveAs(ProgramContext& ctx, const std::string& path) {
    StoreCurrentFile(ctx, path);
    if (!FileSave(ctx))
        return false;
    ctx.files.RestartedAfterCrash = kFalse;
    return true;
}

void RunOnBootAlways(ProgramContext& ctx, Autostart& autostart, const std::string& bootCommand) {
    SetUpRunOnBoot(ctx, autostart, bootCommand, true);
}

void RunOnBootNextTime(ProgramContext& ctx, Autostart& autostart, const std::string& bootCommand) {
    SetUpRunOnBoot(ctx, autostart, bootCommand, false);
}

void RunOnBootNever(ProgramContext& ctx, Autostart& autostart) {
    clsRunOnBootOnceAlways boot(ctx.regApi, ctx.boxes);
    boot.SetRunMeNever();
    if (boot.CheckRunMeOnBoot() == kRunOnBootNone)
        autostart.Remove();
}

} // namespace tavrel
