#pragma once
// tavreld's warning about a schedule file that others may change.

#include <string>

namespace tavrel {

// A run file newer than the restart file wins at start, so whoever may write the run file of a service
// can drop its overrides and counters: the warning to print (a whole line) when someone other than the
// process's user may change `runFile`, else "".
std::string ScheduleFileWarning(const std::string& runFile);

} // namespace tavrel
