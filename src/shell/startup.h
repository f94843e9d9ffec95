#pragma once
// Start-up and shut-down: the configuration check, the program-load events, the port layer, the load
// step and the close path, as the window and tavreld both run them.

#include <cstdint>
#include <iosfwd>
#include <string>

namespace tavrel {

struct ProgramContext;

// The time for the "Program Load " event: hours, minutes and seconds without leading zeros ("9:5:3").
std::string ProgramLoadTimeText(int32_t secondsOfDay);

// The program's own folder (TAVREL_HOME): cleared of the temp files that runs stopped mid-write left
// behind. False, after saying what is wrong, when no file can be made in it.
bool PrepareHomeFolder(ProgramContext& ctx);

// The settings of a fresh installation: board 1 a relay card at 300 hex, emulated, logging on.
void ApplyDefaultConfiguration(ProgramContext& ctx);

// Without a window: loads the stored configuration when its version is this program's; otherwise says
// why on `err` and saves the defaults. True when a configuration is in force afterwards.
bool CheckConfigurationHeadless(ProgramContext& ctx, std::ostream& err);

// "Load" opens the port layer, anything else closes it; true when it is open afterwards.
bool PortLayerControl(ProgramContext& ctx, const std::string& operation);

// The "Program Load " and "Program Load, Version " events.
void LogProgramLoad(ProgramContext& ctx);

// The load step of both programs: a new schedule, board 1 initialised, the restart file resumed (and the
// timer started) when the last run did not end normally, unless `resume` is false (the caller opens a
// newer run file instead). True after a crash restart.
bool LoadScheduleAtStart(ProgramContext& ctx, bool resume = true);

// What the close does with the restart file: a user's close deletes it; a stop by the system (a service
// manager at shut-down) keeps it, so that the next start resumes the schedule with its counters.
enum class RestartFileOnClose { Delete, Keep };

// The close path once no save question is left: the restart file deleted (unless kept), the boards that
// ask for it reset, the port layer closed.
void CloseProgram(ProgramContext& ctx, RestartFileOnClose restartFile = RestartFileOnClose::Delete);

} // namespace tavrel
