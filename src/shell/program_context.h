#pragma once
// Everything the program keeps for its whole run, and the platform services it works through.

#include "boardio/board_io.h"
#include "boardio/comm_ports.h"
#include "boardio/port_access.h"
#include "boardio/x10_transmitter.h"
#include "config/configuration.h"
#include "config/reg_api.h"
#include "config/settings.h"
#include "engine/display_state.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/next_change_watch.h"
#include "engine/schedule_records.h"
#include "engine/tick_host.h"
#include "files/run_file.h"
#include "files/schedule_file_state.h"
#include "platform/clock.h"
#include "platform/drive_map.h"
#include "platform/message_box.h"
#include "platform/port_library.h"
#include "platform/power.h"
#include "platform/registry.h"
#include "platform/serial_api.h"
#include "platform/system_folders.h"
#include "shell/event_log.h"
#include "shell/shell_events.h"

#include <iosfwd>
#include <string>

namespace tavrel {

// The operating system as the program sees it; each main wires the real backends, tests the fakes.
struct Platform {
    Clock& clock;
    MessageBoxes& boxes;
    DriveMap& drives;
    PortLibrary& ports;
    SerialApi& serial;
    SystemFolders& folders;
    Registry& registry;
    SystemPower& power;
};

// Each main creates one; each test creates one per case. Its parts keep the names the program gives them.
struct ProgramContext {
    explicit ProgramContext(const Platform& platform);
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;

    // What the program keeps.
    ScheduleTables schedule;
    Settings settings;
    ScheduleFileState files;
    EngineState engineState;
    BoardIoState boardState;
    DisplayState display;
    NextChangeWatch nextWatch;

    // The platform.
    Clock& clock;
    MessageBoxes& boxes;
    DriveMap& drives;
    SystemFolders& folders;
    SystemPower& power;

    // The services built on it.
    PortAccess portAccess;
    CommPorts commPorts;
    X10Transmitter x10;
    BoardIo boards;
    modRegAPI regApi;
    EventLog eventLog;
    RunFiles runFiles;
    ShellEvents events;
    Engine engine;

    // Where lines for the person running the program go besides the event log (tavreld: stderr; the
    // window shows its state in the status bar instead).
    std::ostream* notices = nullptr;
    // Where every program says what must be seen even with a window open (a kill), led by its name.
    std::ostream* traces = nullptr;
    std::string programName = "tavreld";

    // A configuration store for one operation, already showing its diagnostics.
    clsConfiguration NewConfiguration();
};

// After a tick: takes the relays' next changes when a fresh answer is in, and tells the host when they
// differ from what is shown and published.
void FollowNextChanges(ProgramContext& ctx, TickHost& host);

// Shows a run-time failure inside a routine: its number, description and the routine's name.
void ReportRuntimeError(MessageBoxes& boxes, int number, const std::string& description,
                        const std::string& source);

} // namespace tavrel
