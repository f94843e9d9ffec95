#pragma once
// Everything the program keeps for its whole run, and the platform services it works through.

#include "engine/schedule_records.h"
#include "platform/clock.h"
#include "platform/drive_map.h"
#include "platform/message_box.h"

namespace tavrel {

// Each main creates one; each test creates one per case. Members carry the names the engine uses.
struct ProgramContext : ScheduleTables {
    ProgramContext(Clock& clockIn, MessageBoxes& boxesIn, DriveMap& drivesIn);
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;

    Clock& clock;
    MessageBoxes& boxes;
    DriveMap& drives;
};

// Shows a run-time failure inside a routine: its number, description and the routine's name.
void ReportRuntimeError(MessageBoxes& boxes, int number, const std::string& description,
                        const std::string& source);

} // namespace tavrel
