// tavreld: the relay scheduler without a window.

#include "engine/day_preview.h"
#include "engine/tick.h"
#include "files/run_file.h"
#include "files/run_on_boot.h"
#include "platform/autostart.h"
#include "platform/environment.h"
#include "platform/file_io.h"
#include "platform/process.h"
#include "shell/boot_entries.h"
#include "shell/config_command.h"
#include "shell/console_host.h"
#include "shell/headless_reload.h"
#include "shell/mqtt_service.h"
#include "shell/preview_printer.h"
#include "shell/program_context.h"
#include "shell/program_start.h"
#include "shell/schedule_commands.h"
#include "shell/schedule_file_check.h"
#include "shell/schedule_printer.h"
#include "shell/start_choice.h"
#include "shell/startup.h"
#include "shell/system_platform.h"
#include "shell/version.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace tavrel;

void PrintHelp(std::ostream& out) {
    out << "Usage: tavreld [FILE.run]\n"
           "       tavreld --print-schedule FILE.run\n"
           "       tavreld --preview FILE.run [YYYY-MM-DD]\n"
           "       tavreld --boot\n"
           "       tavreld --config [set NAME VALUE [NAME VALUE ...] | preset KIND | reset WHAT]\n"
           "Switches the relays of a PC interface board by a daily and weekly schedule, with no window.\n"
           "\n"
           "  FILE.run               open the run file and start the schedule; without it, resume the\n"
           "                         schedule kept in the restart file\n"
           "  --print-schedule FILE  read FILE and print its schedule; the exit code is the reader's result\n"
           "                         (0 read, 1 cannot open or damaged, 2 no version line, 3 bad version\n"
           "                         line, 4 unknown version, 5 future version)\n"
           "  --preview FILE [DATE]  read FILE and print, per relay, the ON intervals of DATE (YYYY-MM-DD,\n"
           "                         default today) as the schedule will switch them; nothing is switched;\n"
           "                         the exit code is that of --print-schedule (2 also for a bad date)\n"
           "  --boot                 start the programs registered to run at log-on (the Run and RunOnce\n"
           "                         entries of both registry roots)\n"
           "  --config               list every setting by its registry name, grouped as the configuration\n"
           "                         window groups them\n"
           "  --config set NAME VALUE ...\n"
           "                         change settings as the configuration window would, with its texts\n"
           "                         (ChipSetType1 FireCracker, BaseAddress1 2A0 or FireCOMM3, CntlAddress1\n"
           "                         FireHouseB, RunNoBoard1 0, ColorRelayON #00FF00) and its refusals;\n"
           "                         all are saved together, or none when one is refused (exit code 1)\n"
           "  --config preset KIND   board addresses of the window's reset menu: relay-card, firecracker,\n"
           "                         mixed\n"
           "  --config reset WHAT    the window's other reset entries: colours, names, logging,\n"
           "                         reset-on-exit, all\n"
           "  --help                 show this help and exit\n"
           "  --version              show the version and exit\n"
           "\n"
           "Each relay switch and each minute's state line is printed on standard output; messages go to\n"
           "standard error. SIGINT (Ctrl+C) ends the run normally and removes the restart file; SIGTERM (a\n"
           "service manager, as at shut-down) ends it keeping the restart file, so that the next start\n"
           "resumes the schedule with its counters. With FILE, a restart file is still resumed unless FILE\n"
           "was changed after it was written; tavreld says which it chose. SIGHUP (systemctl reload) reads\n"
           "the settings again and makes the board take them at once; FILE is opened again when it changed\n"
           "since, else the running schedule keeps its counters and overrides. The event log notes it.\n"
           "\n"
           "Environment:\n"
           "  TAVREL_HOME   folder that holds the settings (registry/), drive C: (drive_c/) and the ports\n"
           "                (default: $XDG_DATA_HOME/tavrel or ~/.local/share/tavrel)\n"
           "  TAVREL_PORTS  sim = use the simulated port space TAVREL_HOME/ports.bin instead of the PC's "
           "ports\n";
}

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        std::cerr << line << "\n";
}

// Reads the run file at `path` into a context of its own and, when it was read, hands it to `print`;
// returns the reader's result.
template <class Print> int WithRunFile(const std::string& home, const std::string& path, Print print) {
    ConsoleMessageBoxes boxes(std::cerr);
    SystemPlatform system(home, boxes);
    ProgramContext ctx(system.Services());
    InitialiseNewSchedule(ctx.schedule);
    std::string folder;
    std::string name;
    SplitRunFilePath(path, folder, name);
    const int16_t result = ctx.runFiles.LoadRunFile(folder, name, true);
    if (result == kRunFileLoaded)
        print(ctx);
    return result;
}

int PrintScheduleCommand(const std::string& home, const std::string& path) {
    return WithRunFile(
        home, path, [](const ProgramContext& ctx) { PrintSchedule(ctx.schedule, ctx.settings, std::cout); });
}

int PreviewCommand(const std::string& home, const std::string& path, const CalendarDate& date) {
    return WithRunFile(home, path, [&date](const ProgramContext& ctx) {
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
    ConsoleMessageBoxes boxes(std::cerr);
    SystemPlatform system(home, boxes);
    ProgramContext ctx(system.Services());
    ctx.notices = &std::cerr;
    InstallStopRequestHandlers();
    InstallReloadRequestHandler();

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

    ConsoleTickHost host(ctx, std::cout, &start.Mqtt());
    HeadlessReload reload(ctx, system, start.BoardClaim(), start.Mqtt(), runFile, std::cerr);
    start.Mqtt().Start();
    RunSchedulerLoop(ctx, host, [&] {
        start.Mqtt().Poll(host);
        reload.Poll();
        return StopRequested() || host.closeRequested;
    });
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
        PrintHelp(std::cout);
        return 0;
    }
    if (!args.empty() && args[0] == "--version") {
        std::cout << "tavreld " << kProgramVersion << "\n" << MqttVersionText() << "\n";
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
