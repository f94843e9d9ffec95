#include "shell/startup.h"

#include "config/configuration.h"
#include "config/settings_table.h"
#include "engine/evaluation.h"
#include "engine/relay_display.h"
#include "engine/tick.h"
#include "engine/total_time.h"
#include "platform/file_io.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/version.h"

#include <ostream>

namespace tavrel {

std::string ProgramLoadTimeText(int32_t s) {
    return std::to_string(s / 3600) + ":" + std::to_string((s / 60) % 60) + ":" + std::to_string(s % 60);
}

bool PrepareHomeFolder(ProgramContext& ctx) {
    const std::string& home = ctx.drives.Home();
    if (const int error = FolderWritable(home); error != 0) {
        ctx.boxes.Tell(MsgIcon::Error, "Tavrel",
                       {"Tavrel cannot write to its folder " + home + ": " + SystemErrorText(error), "",
                        "The settings, the restart file and the event log are kept there.",
                        "Make the folder writable, or set TAVREL_HOME to a folder that is."});
        return false;
    }
    for (const std::string& folder : {home, home + "/registry", ctx.drives.Map(kRestartFolder)})
        RemoveStaleTempFiles(folder);
    return true;
}

void ApplyDefaultConfiguration(ProgramContext& ctx) {
    ApplyFirstRunSettings(ctx.settings, ctx.schedule.BoardArray, ctx.schedule.RelayGroupColors);
}

bool CheckConfigurationHeadless(ProgramContext& ctx, std::ostream& err) {
    ctx.settings.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
    if (ctx.settings.ConfigVersion == kConfigVersionTag) {
        ctx.NewConfiguration().ConfigurationLoadFromReg();
        return true;
    }
    if (ctx.settings.ConfigVersion == kRegKeyNotFound ||
        ctx.settings.ConfigVersion == kRegValueNameNotFound) {
        err << "tavreld: Tavrel is not Configured! Saving the default configuration: board 1 a CBRelay08 at "
               "300 hex, emulated (no port is touched). Change it in the registry key "
               "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrel\\Config.\n";
    } else {
        err << "tavreld: Tavrel is not Configured! The stored configuration is for version "
            << ctx.settings.ConfigVersion << ".\n";
        if (ctx.settings.ConfigVersion.find('|') != std::string::npos &&
            ctx.settings.ConfigVersion.size() > ctx.settings.ConfigVersion.find('|') + 3 &&
            ctx.settings.ConfigVersion[ctx.settings.ConfigVersion.find('|') + 3] > '0')
            err << "Your Configuration is for more boards then this program will support\n"
                   "The additional board information will be removed\n";
        err << "tavreld: saving the default configuration.\n";
    }
    ApplyDefaultConfiguration(ctx);
    ctx.NewConfiguration().ConfigurationSaveToReg();
    return true;
}

bool PortLayerControl(ProgramContext& ctx, const std::string& operation) {
    if (operation == "Load") {
        if (!ctx.portAccess.PortLibraryReady())
            ctx.portAccess.OpenPortLibrary();
    } else {
        ctx.portAccess.ClosePortLibrary();
    }
    return ctx.portAccess.PortLibraryReady();
}

void LogProgramLoad(ProgramContext& ctx) {
    ctx.eventLog.WriteEvent("Program Load ", ProgramLoadTimeText(ctx.clock.TimeOfDay()));
    ctx.eventLog.WriteEvent("Program Load, Version ", kProgramVersion);
}

bool LoadScheduleAtStart(ProgramContext& ctx, bool resume) {
    InitialiseNewSchedule(ctx.schedule);
    ctx.boards.InitialiseAllBoards();
    ctx.files.RestartedAfterCrash = resume && LoadRestartFile(ctx) ? kTrue : kFalse;
    ComputeAllTotalTimes(ctx.schedule, ctx.clock.Now().date);
    if (ctx.engineState.KillWindowShowsUnKill) {
        // An "all OFF" kill pressed while a start-up warning was open: the stop holds until Un-kill.
        StopAll(ctx.schedule, ctx.boards);
        for (int r = 0; r < kRelaysPerBoard; ++r)
            UpdateRelayDisplay(ctx.display, ctx.schedule, ctx.settings, r);
    }
    if (IsSet(ctx.files.RestartedAfterCrash)) {
        EnableTimer(ctx.engine);
        ctx.eventLog.WriteEvent("Timer Started", "Restart After Crash");
    }
    return IsSet(ctx.files.RestartedAfterCrash);
}

void CloseProgram(ProgramContext& ctx, RestartFileOnClose restartFile) {
    ctx.schedule.ScheduleSuspended = kTrue;
    ctx.engineState.TimerEnabled = false;
    if (restartFile == RestartFileOnClose::Delete)
        DeleteRestartFile(ctx);
    else
        MarkOrderlyStop(ctx);
    ctx.boards.ResetBoardsOnExit();
    PortLayerControl(ctx, "Unload");
}

} // namespace tavrel
