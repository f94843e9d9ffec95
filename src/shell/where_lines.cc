#include "shell/where_lines.h"

#include "common/flags.h"
#include "platform/file_io.h"
#include "platform/file_times.h"
#include "platform/process_liveness.h"
#include "shell/console_host.h"
#include "shell/event_log.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/start_choice.h"
#include "shell/startup.h"
#include "shell/system_platform.h"

#include <ostream>

namespace tavrel {

std::vector<std::string> WhereLines(const ProgramContext& ctx, const std::string& home,
                                    const std::string& schedule) {
    const std::string log = ctx.drives.Map(ctx.settings.LogFilePath + LogFileNameFor(ctx.clock.Today()));
    return {"TAVREL_HOME: " + AbsolutePath(home),
            "Event log: " + log + (IsSet(ctx.settings.LoggingOnOff) ? "" : " (logging is off)"),
            "Schedule: " + (schedule.empty() ? std::string("none") : schedule)};
}

namespace {
std::string RestartFilePath(const ProgramContext& ctx) {
    return ctx.drives.Map(std::string(kRestartFolder) + kRestartFileName) + " (the restart file)";
}
} // namespace

std::string RunningScheduleFile(const ProgramContext& ctx) {
    if (IsSet(ctx.files.RestartedAfterCrash))
        return RestartFilePath(ctx);
    if (ctx.settings.DataFileName.empty())
        return "";
    return ctx.drives.Map(ctx.settings.DataFilePath + ctx.settings.DataFileName);
}

std::string ScheduleFileOfStart(const ProgramContext& ctx, const std::string& runFile) {
    const auto restartTime = FileChangedTime(ctx.drives.Map(std::string(kRestartFolder) + kRestartFileName));
    if (restartTime && ChooseStart(restartTime, FileChangedTime(runFile)) == StartChoice::Resume)
        return RestartFilePath(ctx);
    return runFile.empty() ? std::string() : AbsolutePath(runFile);
}

std::vector<std::string> StartLines(const ProgramContext& ctx, const std::string& home) {
    std::vector<std::string> lines = WhereLines(ctx, home, RunningScheduleFile(ctx));
    const std::string pid = std::to_string(CurrentProcessId());
    lines.push_back("Process id: " + pid + " (kill -HUP " + pid + " reads the settings again)");
    return lines;
}

int WhereCommand(const std::string& home, const std::string& runFile, std::ostream& out) {
    ConsoleMessageBoxes boxes(out);
    SystemPlatform system(home, boxes, RegistryAccess::ReadOnly); // a question never writes
    ProgramContext ctx(system.Services());
    ctx.settings.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
    if (ctx.settings.ConfigVersion == kConfigVersionTag)
        ctx.NewConfiguration().ConfigurationLoadFromReg();
    else
        ApplyDefaultConfiguration(ctx); // what the first start would store
    for (const std::string& line : WhereLines(ctx, home, ScheduleFileOfStart(ctx, runFile)))
        out << line << "\n";
    return 0;
}

} // namespace tavrel
