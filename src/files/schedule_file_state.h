#pragma once
// The main window's record of where the schedule came from and whether the restart file can be written.

#include <cstdint>
#include <string>
#include <vector>

namespace tavrel {

struct ScheduleFileState {
    int16_t RestartedAfterCrash = 0;  // -1 from a restart load until the user's next save, load or New
    int16_t RestartWriteDisabled = 0; // -1 from a failed write of the restart file until one succeeds
    int64_t RestartRetryAtMs = 0;     // after a failed write: no new try before this monotonic time
    int16_t ScheduleChanged = 0;      // -1 when the schedule has unsaved edits
    // Extension lines of kinds a later version wrote, written back as read at the next save.
    std::vector<std::string> KeptExtensionLines;
};

} // namespace tavrel
