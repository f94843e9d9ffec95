// tavreld: the relay scheduler without a window.

#include "engine/day_preview.h"
#include "engine/next_change.h"
#include "engine/tick.h"
#include "files/run_file.h"
#include "files/run_on_boot.h"
#include "platform/autostart.h"
#include "platform/environment.h"
#include "platform/file_io.h"
#include "platform/process.h"
#include "platform/service_manager.h"
#include "shell/boot_entries.h"
#include "shell/config_command.h"
#include "shell/config_damage.h"
#include "shell/console_host.h"
#include "shell/headless_reload.h"
#include "shell/help_text.h"
#include "shell/holiday_command.h"
#include "shell/holiday_service.h"
#include "shell/loop_wake.h"
#include "shell/mqtt_service.h"
#include "shell/preview_printer.h"
#include "shell/program_context.h"
#include "shell/program_start.h"
#include "shell/schedule_commands.h"
#include "shell/schedule_file_check.h"
#include "shell/schedule_printer.h"
#include "shell/service_health.h"
#include "shell/start_choice.h"
#include "shell/startup.h"
#include "shell/system_platform.h"
#include "shell/version.h"
#include "shell/where_lines.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace tavrel;

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        std::cerr << line << "\n";
}

// Reads the run file at `path` into a context of its own and, when it was read, hands it to `print`;
// returns the reader's result.
template <class Print>
int WithRunFile(const std::string& home, const std::string& path, RegistryAccess access, Print print) {
    ConsoleMessageBoxes boxes(std::cerr);
    SystemPlatform system(home, boxes, access);
    ProgramContext ctx(system.Services());
    // Only what the answer needs is read from the settings; the event log stays off, as a question
    // leaves no line in it.
    ctx.settings.LoggingOnOff = kFalse;
    InitialiseNewSchedule(ctx.schedule);
    ctx.NewConfiguration().LoadLocation();
    std::string folder;
    std::string name;
    SplitRunFilePath(path, folder, name);
    const int16_t result = ctx.runFiles.LoadRunFile(folder, name, true);
    if (result == kRunFileLoaded)
        print(ctx);
    return result;
}

int PrintScheduleCommand(const std::string& home, const std::string& path) {
    return WithRunFile(home, path, RegistryAccess::ReadWrite, [](const ProgramContext& ctx) {
        PrintSchedule(ctx.schedule, ctx.settings, ctx.clock.Today(), std::cout);
    });
}

int PreviewCommand(const std::string& home, const std::string& path, const CalendarDate& date) {
    // A question never writes: no settings file is made where there is none.
    return WithRunFile(home, path, RegistryAccess::ReadOnly, [&home, &date](ProgramContext& ctx) {
        ctx.settings.HolidayFiles = StoredHolidayFilesSetting(home, std::cerr);
        HolidayService holidays(ctx,
                                [](const std::string& line) { std::cerr << "tavreld: " << line << "\n"; });
        holidays.Load();
        PrintDayPreview(PreviewDay(ctx.schedule, date), std::cout);
    });
}

int BootCommand(const std::string& home) {
    ConsoleMessageBoxes boxes(std::cerr);
    SystemPlatform system(home, boxes);
    RunBootEntries(*system.registry, StartCommandLine, std::cerr);
    return 0;
}

int RunCommand(const std::string& home, const std::string& runFile) {
    // Looked at before anything may write: a damaged hive must stay exactly as it is.
    if (const std::vector<std::string> damage = ConfigurationDamage(home); !damage.empty()) {
        PrintLines(damage);
        return kExitConfigurationDamaged;
    }
    ConsoleMessageBoxes boxes(std::cerr);
    SystemPlatform system(home, boxes);
    ProgramContext ctx(system.Services());
    ctx.notices = &std::cerr;
    ctx.traces = &std::cerr;
    InstallStopRequestHandlers();
    InstallReloadRequestHandler();

    // A command over MQTT is applied as soon as it arrives, not at the next tick. Made before the MQTT
    // service, whose network thread wakes it: it outlives the service.
    LoopWake wake;
    ProgramStart start(ctx, system,
                       [](const std::string& line) { std::cerr << "tavreld: " << line << "\n"; });
    if (!start.OpenHome())
        return 1;
    PrintLines(start.SecondCopyLines());
    if (!CheckConfigurationHeadless(ctx, std::cerr))
        return 1;
    if (!runFile.empty())
        std::cerr << ScheduleFileWarning(runFile);
    LogProgramLoad(ctx);
    if (!PortLayerControl(ctx, "Load"))
        return 1;
    PrintLines(start.ClaimBoard());
    if (const std::optional<int> ended = LoadScheduleHeadless(ctx, runFile, std::cerr))
        return *ended;

    HolidayService& holidays =
        start.StartHolidays([](const std::string& line) { std::cerr << "tavreld: " << line << "\n"; });
    PrintLines(StartLines(ctx, home));
    ConsoleTickHost host(ctx, std::cout, &start.Mqtt());
    HeadlessReload reload(ctx, system, start.BoardClaim(), start.Mqtt(), runFile, std::cerr);
    const std::unique_ptr<ServiceManager> manager = MakeServiceManager();
    ServiceHealth health(*manager, ctx.clock);
    bool reloadAsked = false; // until the settings lock lets the reload run
    start.Mqtt().SetWake([&wake] { wake.Wake(); });
    start.Mqtt().Start();
    RunSchedulerLoop(
        ctx, host,
        [&] {
            start.Mqtt().Poll(host);
            if (TakeReloadRequest() && !reloadAsked) {
                reloadAsked = true;
                health.Reloading();
            }
            if (reloadAsked && reload.TryReload()) {
                reloadAsked = false;
                holidays.Load();
                health.Reloaded();
            }
            holidays.NewDayCheck();
            wake.Arm(start.Mqtt().Running());
            return StopRequested() || host.closeRequested;
        },
        [&] {
            health.TickRan(ServiceStatusText(ctx.schedule, ctx.boardState.health[0],
                                             NextChangeStatus(ctx.display.next, ctx.clock.Today())));
        },
        &wake);
    health.Stopping();
    // Stopped by the system (SIGTERM at shut-down): the next start resumes from the restart file.
    CloseProgram(ctx, StopKeepsRestartFile() ? RestartFileOnClose::Keep : RestartFileOnClose::Delete);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        if (!IsRunMeMarkerWord(argv[i])) // the run-on-boot entry's marker only names the entry
            args.emplace_back(argv[i]);

    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        PrintTavreldHelp(std::cout);
        return 0;
    }
    if (!args.empty() && args[0] == "--version") {
        std::cout << "tavreld " << kProgramVersion << "\n"
                  << MqttVersionText() << "\n"
                  << HolidaysVersionText() << "\n";
        return 0;
    }
    const std::string home = DefaultTavrelHome();
    MakePrivateFolders(home);
    if (!args.empty() && args[0] == "--print-schedule") {
        if (args.size() != 2) {
            std::cerr << "tavreld: --print-schedule takes one run file\n";
            return 2;
        }
        return PrintScheduleCommand(home, args[1]);
    }
    if (!args.empty() && args[0] == "--preview") {
        if (args.size() != 2 && args.size() != 3) {
            std::cerr << "tavreld: --preview takes one run file and an optional date\n";
            return 2;
        }
        const std::optional<CalendarDate> date =
            args.size() == 3 ? ParseIsoDate(args[2]) : std::optional<CalendarDate>(SystemClock().Today());
        if (!date) {
            std::cerr << "tavreld: --preview wants the date as YYYY-MM-DD\n";
            return 2;
        }
        return PreviewCommand(home, args[1], *date);
    }
    if (!args.empty() && args[0] == "--holidays")
        return HolidaysCommand(home, {args.begin() + 1, args.end()}, SystemClock().Today(), std::cout,
                               std::cerr);
    if (!args.empty() && args[0] == "--where")
        return args.size() <= 2 ? WhereCommand(home, args.size() == 2 ? args[1] : "", std::cout) : 2;
    if (!args.empty() && args[0] == "--boot")
        return args.size() == 1 ? BootCommand(home) : 2;
    if (!args.empty() && args[0] == "--config")
        return ConfigCommand(home, {args.begin() + 1, args.end()}, std::cout, std::cerr);
    if (args.size() > 1 || (!args.empty() && args[0].rfind("--", 0) == 0)) {
        std::cerr << "tavreld: unknown arguments; see --help\n";
        return 2;
    }
    return RunCommand(home, args.empty() ? std::string() : args[0]);
}
