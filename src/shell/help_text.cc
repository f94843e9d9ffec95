#include "shell/help_text.h"

#include <ostream>

namespace tavrel {

namespace {

constexpr const char* kSharedOptions = "  --help                 show this help and exit\n"
                                       "  --version              show the version and exit\n";

constexpr const char* kEnvironment =
    "\n"
    "Environment:\n"
    "  TAVREL_HOME   folder that holds the settings (registry/), drive C: (drive_c/) and the ports\n"
    "                (default: $XDG_DATA_HOME/tavrel or ~/.local/share/tavrel)\n"
    "  TAVREL_PORTS  sim = use the simulated port space TAVREL_HOME/ports.bin instead of the PC's ports\n";

constexpr const char* kTavreldUsage =
    "Usage: tavreld [FILE.run]\n"
    "       tavreld --where [FILE.run]\n"
    "       tavreld --print-schedule FILE.run\n"
    "       tavreld --preview FILE.run [YYYY-MM-DD]\n"
    "       tavreld --holidays [FROM [TO]]\n"
    "       tavreld --boot\n"
    "       tavreld --config [set NAME VALUE [NAME VALUE ...] | preset KIND | reset WHAT]\n"
    "Switches the relays of a PC interface board by a daily and weekly schedule, with no window.\n"
    "\n";

constexpr const char* kTavreldOptions =
    "  FILE.run               open the run file and start the schedule; without it, resume the\n"
    "                         schedule kept in the restart file\n"
    "  --where [FILE.run]     print TAVREL_HOME, the day's event log and the schedule's file that a start\n"
    "                         (with FILE.run) would use, and exit; a start prints the same on standard\n"
    "                         error\n"
    "  --print-schedule FILE  read FILE and print its schedule, each day text and cycle code in words;\n"
    "                         the exit code is the reader's result (0 read, 1 cannot open or damaged,\n"
    "                         2 no version line, 3 bad version line, 4 unknown version, 5 future version)\n"
    "  --preview FILE [DATE]  read FILE and print, per relay, the ON intervals of DATE (YYYY-MM-DD,\n"
    "                         default today) as the schedule will switch them; nothing is switched;\n"
    "                         the exit code is that of --print-schedule (2 also for a bad date)\n"
    "  --holidays [FROM [TO]] print each date the holiday calendars (the HolidayFiles setting) cover,\n"
    "                         one line each: YYYY-MM-DD  NAME  FILE, from FROM to TO (YYYY-MM-DD,\n"
    "                         both included; default today to one year later); exit code 0, 1 when\n"
    "                         a file could not be read (or not whole: the others are listed), 2 for\n"
    "                         a bad date\n"
    "  --boot                 start the programs registered to run at log-on (the Run and RunOnce\n"
    "                         entries of both registry roots) and say what it started\n"
    "  --config               list every setting by its registry name, grouped as the configuration\n"
    "                         window groups them\n"
    "  --config set NAME VALUE ...\n"
    "                         change settings as the configuration window would, with its texts\n"
    "                         (ChipSetType1 FireCracker, BaseAddress1 2A0 or FireCOMM3, CntlAddress1\n"
    "                         FireHouseB, RunNoBoard1 0, ColorRelayON #00FF00) and its refusals;\n"
    "                         all are saved together, or none when one is refused (exit code 1);\n"
    "                         the MQTT values too (Enabled 1, Host broker.lan, TopicPrefix tavrel/box1),\n"
    "                         but the password only as \"Password -\", read from standard input;\n"
    "                         the holiday calendars too (HolidayFiles /etc/tavrel/holidays.ics,\n"
    "                         several separated by ;)\n"
    "  --config preset KIND   the window's address presets, for board 1 (its type and addresses only;\n"
    "                         emulation, names and the rest stay): relay-card and mixed set CBRelay16A\n"
    "                         at 300 hex with inputs at 301, firecracker sets FireCracker on FireCOMM2,\n"
    "                         FireHouseA (a first start stores CBRelay08 at 300 hex, emulated)\n"
    "  --config reset WHAT    the window's other reset entries: colours (the default colours), names\n"
    "                         (\"Relay 1\" .. \"Relay 8\"), logging (on for the board), reset-on-exit (the\n"
    "                         board switched OFF at a normal end), all (preset relay-card, those four,\n"
    "                         and the kill options' defaults: button and signal off, input 1 going high,\n"
    "                         action \"all relays OFF\"); emulation and the log folder stay\n";

constexpr const char* kTavreldNotes =
    "\n"
    "Each relay switch and each minute's state line is printed on standard output; messages go to\n"
    "standard error. SIGINT (Ctrl+C) ends the run normally and removes the restart file; SIGTERM (a\n"
    "service manager, as at shut-down) ends it keeping the restart file, so that the next start\n"
    "resumes the schedule with its counters. With FILE, a restart file is still resumed unless FILE\n"
    "was changed after it was written; tavreld says which it chose. SIGHUP (systemctl reload) reads\n"
    "the settings again and makes the board take them at once; FILE is opened again when it changed\n"
    "since, else the running schedule keeps its counters and overrides. The event log notes it.\n"
    "The run file's layout and codes: man 5 tavrel.run.\n";

constexpr const char* kTavrelUsage =
    "Usage: tavrel [FILE.run]\n"
    "Switches the relays of a PC interface board by a daily and weekly schedule, in a window.\n"
    "\n";

constexpr const char* kTavrelOptions =
    "  FILE.run               open the run file once the window is up, as File Open does; when the\n"
    "                         last run did not end normally its schedule is resumed instead and the\n"
    "                         status bar says so\n";

} // namespace

void PrintTavreldHelp(std::ostream& out) {
    out << kTavreldUsage << kTavreldOptions << kSharedOptions << kTavreldNotes << kEnvironment;
}

void PrintTavrelHelp(std::ostream& out) {
    out << kTavrelUsage << kTavrelOptions << kSharedOptions << kEnvironment;
}

} // namespace tavrel
