#include "shell/startup.h"

#include "config/configuration.h"
#include "engine/tick.h"
#include "engine/total_time.h"
#include "files/schedule_commands.h"
#include "shell/program_context.h"
#include "shell/version.h"

#include <ostream>

namespace tavrel {

std::string ProgramLoadTimeText(int32_t s) {
    return std::to_string(s / 3600) + ":" + std::to_string((s / 60) % 60) + ":" + std::to_string(s % 60);
}

void ApplyDefaultConfiguration(ProgramContext& ctx) {
    static_cast<Settings&>(ctx) = Settings{};
    ctx.LoggingOnOff = kTrue;
    ctx.LogFilePath = "c:\\";
    ctx.KillMiscButtonName = "Kill";
    ctx.WarnOverLapTime = 1;
    // Colours as the panels show them (BGR): green ON, red OFF, yellow manual, light grey backgrounds.
    ctx.ColorRelayON = 0x00FF00;
    ctx.ColorRelayOFF = 0x0000FF;
    ctx.ColorTimeON = 0x00FF00;
    ctx.ColorTimeOFF = 0xFFFFFF;
    ctx.ColorManualON = 0x00FFFF;
    ctx.ColorManualOFF = 0xC0C0C0;
    ctx.ColorInputON = 0x00FF00;
    ctx.ColorInputOFF = 0xC0C0C0;
    ctx.ColorTTimeBkgrnd = 0xE0E0E0;
    ctx.ColorNameBkgrnd = 0xFFFFFF;
    for (int g = 0; g < kRelaysPerBoard; ++g)
        ctx.RelayGroupColors[g] = 0xF0F0F0;
    BoardRecord& board = ctx.BoardArray[0];
    board = BoardRecord{};
    board.ChipSetType = "CBRelay08";
    board.BaseAddress = 0x300;
    board.InputAddress = 0x301;
    board.LogBoard = 1;
    board.ResetOnExit = 1;
    board.RunNoBoard = 1;
    for (int r = 0; r < kRelaysPerBoard; ++r)
        board.RelayNames[static_cast<size_t>(r)] = "Relay " + std::to_string(r + 1);
}

bool CheckConfigurationHeadless(ProgramContext& ctx, std::ostream& err) {
    ctx.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
    if (ctx.ConfigVersion == kConfigVersionTag) {
        ctx.NewConfiguration().ConfigurationLoadFromReg();
        return true;
    }
    if (ctx.ConfigVersion == kRegKeyNotFound || ctx.ConfigVersion == kRegValueNameNotFound) {
        err << "tavreld: Tavrel is not Configured! Saving the default configuration: board 1 a CBRelay08 at "
               "300 hex, emulated (no port is touched). Change it in the registry key "
               "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrel\\Config.\n";
    } else {
        err << "tavreld: Tavrel is not Configured! The stored configuration is for version "
            << ctx.ConfigVersion << ".\n";
        if (ctx.ConfigVersion.find('|') != std::string::npos &&
            ctx.ConfigVersion.size() > ctx.ConfigVersion.find('|') + 3 &&
            ctx.ConfigVersion[ctx.ConfigVersion.find('|') + 3] > '0')
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

bool MainWindowLoad(ProgramContext& ctx) {
    InitialiseNewSchedule(ctx);
    ctx.boards.InitialiseAllBoards();
    ctx.RestartedAfterCrash = LoadRestartFile(ctx) ? kTrue : kFalse;
    ComputeAllTotalTimes(ctx);
    if (ctx.RestartedAfterCrash == kTrue) {
        EnableTimer(ctx);
        ctx.eventLog.WriteEvent("Timer Started", "Restart After Crash");
    }
    return ctx.RestartedAfterCrash == kTrue;
}

void CloseProgram(ProgramContext& ctx) {
    ctx.ScheduleSuspended = kTrue;
    ctx.TimerEnabled = false;
    DeleteRestartFile(ctx);
    ctx.boards.ResetBoardsOnExit();
    PortLayerControl(ctx, "Unload");
}

} // namespace tavrel
