#include "shell/schedule_file_check.h"

#include "platform/file_io.h"

namespace tavrel {

std::string ScheduleFileWarning(const std::string& runFile) {
    const std::string why = OthersMayWrite(runFile);
    if (why.empty())
        return {};
    return "tavreld: warning: others than this program's user may change the schedule file " + runFile +
           " (" + why +
           "). Whoever writes it can replace the schedule, and a run file newer than the restart file drops "
           "the running overrides and counters at the next start. Make it writable by its owner (root for "
           "the service) only.\n";
}

} // namespace tavrel
