#pragma once
// The main window's record of where the schedule came from and whether the restart file can be written.

#include <cstdint>

namespace tavrel {

struct ScheduleFileState {
    int16_t RestartedAfterCrash = 0;  // -1 from a restart load until the user's next save, load or New
    int16_t RestartWriteDisabled = 0; // -1 after the restart file could not be written
    int16_t ScheduleChanged = 0;      // -1 when the schedule has unsaved edits
};

} // namespace tavrel
