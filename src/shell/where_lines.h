#pragma once
// Where a run keeps its things: the program's folder, the day's event log and the schedule's file, so that
// someone who only has a terminal finds them.

#include <iosfwd>
#include <string>
#include <vector>

namespace tavrel {

struct ProgramContext;

// One line each: "TAVREL_HOME: ...", "Event log: ..." and "Schedule: ..."; `schedule` is the schedule's
// file, or "" for none.
std::vector<std::string> WhereLines(const ProgramContext& ctx, const std::string& home,
                                    const std::string& schedule);

// The file a start with `runFile` ("" for none) would run: the restart file when it is resumed, else the
// run file as an absolute path; "" when there is neither.
std::string ScheduleFileOfStart(const ProgramContext& ctx, const std::string& runFile);

// The file of the schedule that runs: the restart file after a restart, else the run file opened.
std::string RunningScheduleFile(const ProgramContext& ctx);

// What tavreld says once its schedule runs: the WhereLines of the running schedule, and its process id for
// a reload by hand ("Process id: 1234 (kill -HUP 1234 reads the settings again)").
std::vector<std::string> StartLines(const ProgramContext& ctx, const std::string& home);

// tavreld --where [FILE.run]: the lines for the stored settings (the defaults when there are none), without
// starting and without writing anything.
int WhereCommand(const std::string& home, const std::string& runFile, std::ostream& out);

} // namespace tavrel
