#include "files/schedule_commands.h"

#include "engine/total_time.h"
#include "files/run_on_boot.h"
#include "platform/autostart.h"
#include "platform/file_io.h"
#include "shell/program_context.h"

namespace tavrel {

namespace {

// Holds ScheduleSuspended for the length of a command.
class Suspend {
public:
    explicit Suspend(ScheduleTables& t) : t_(t), was_(t.ScheduleSuspended) { t_.ScheduleSuspended = kTrue; }
    ~Suspend() { t_.ScheduleSuspended = was_; }
    Suspend(const Suspend&) = delete;
    Suspend& operator=(const Suspend&) = delete;

private:
    ScheduleTables& t_;
    int16_t was_;
};

void StoreCurrentFile(ProgramContext& ctx, const std::string& path) {
    SplitRunFilePath(path, ctx.DataFilePath, ctx.DataFileName);
    auto store = ctx.NewConfiguration();
    store.ConfigurationDataFilePathSave();
    ctx.NewConfiguration().ConfigurationDataFileNameSave();
}

void ZeroCounters(ProgramContext& ctx) {
    for (int r = 0; r < kRelaysPerBoard; ++r)
        ctx.RelayArray[r].Counter = 0;
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
    if (ctx.RestartWriteDisabled != kFalse)
        return;
    if (!ctx.runFiles.WriteRunFileKeepingRestartFlag(kRestartFolder, kRestartFileName)) {
        ctx.boxes.Tell(MsgIcon::Warning, "Unable to Create Restart File!",
                       {"Restart Capability will be Disabled"});
        ctx.RestartWriteDisabled = kTrue;
    }
}

void DeleteRestartFile(ProgramContext& ctx) {
    const std::string path = ctx.drives.Map(std::string(kRestartFolder) + kRestartFileName);
    if (FileExists(path))
        RemoveFile(path);
}

bool LoadRestartFile(ProgramContext& ctx) {
    if (ctx.runFiles.LoadRunFile(kRestartFolder, kRestartFileName, false) != kRunFileLoaded)
        return false;
    ComputeAllTotalTimes(ctx);
    ctx.eventLog.WriteEvent("ReStart", "****** System Crashed & Restarted ******");
    return true;
}

void FileNew(ProgramContext& ctx) {
    Suspend suspend(ctx);
    DeleteRestartFile(ctx);
    InitialiseNewSchedule(ctx);
    ctx.RestartedAfterCrash = kFalse;
    ctx.RestartWriteDisabled = kFalse;
    ctx.ScheduleChanged = kFalse;
    ctx.DataFileName = "";
    ComputeAllTotalTimes(ctx);
    WriteRestartFile(ctx);
}

int16_t FileOpen(ProgramContext& ctx, const std::string& path) {
    Suspend suspend(ctx);
    StoreCurrentFile(ctx, path);
    InitialiseNewSchedule(ctx);
    const int16_t result = ctx.runFiles.LoadRunFile(ctx.DataFilePath, ctx.DataFileName, true);
    if (result != kRunFileLoaded) {
        ctx.boxes.Tell(MsgIcon::None, "Tavrel", {"New, error encountered loading selected Run-Schedule"});
        ctx.DataFileName = "";
        InitialiseNewSchedule(ctx);
        return result;
    }
    ComputeAllTotalTimes(ctx);
    ctx.eventLog.WriteEvent("Open", ctx.DataFilePath + ctx.DataFileName);
    ctx.ScheduleChanged = kFalse;
    ctx.RestartWriteDisabled = kFalse;
    DeleteRestartFile(ctx);
    ZeroCounters(ctx);
    WriteRestartFile(ctx);
    return result;
}

bool FileSave(ProgramContext& ctx) {
    if (ctx.DataFilePath.empty() || ctx.DataFileName.empty())
        return false;
    Suspend suspend(ctx);
    if (!ctx.runFiles.SaveRunFile(ctx.DataFilePath, ctx.DataFileName))
        return false;
    ctx.eventLog.WriteEvent("Save", ctx.DataFilePath + ctx.DataFileName);
    ctx.ScheduleChanged = kFalse;
    return true;
}

bool FileSaveAs(ProgramContext& ctx, const std::string& path) {
    StoreCurrentFile(ctx, path);
    return FileSave(ctx);
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
