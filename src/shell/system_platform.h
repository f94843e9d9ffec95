#pragma once
// The machine's own services under TAVREL_HOME, wired once by each program. The message boxes are the
// program's own: dialogs in the window, the console in tavreld.

#include "platform/clock.h"
#include "platform/drive_map.h"
#include "platform/message_box.h"
#include "platform/port_library.h"
#include "platform/power.h"
#include "platform/registry.h"
#include "platform/serial_api.h"
#include "platform/system_folders.h"
#include "shell/program_context.h"

#include <memory>
#include <string>

namespace tavrel {

// The title of the message that a hive file could not be read.
inline constexpr const char* kRegistryProblemTitle = "Tavrel registry";

class SystemPlatform {
public:
    SystemPlatform(const std::string& home, MessageBoxes& boxes,
                   RegistryAccess registryAccess = RegistryAccess::ReadWrite);
    // With the given port space instead of the one TAVREL_PORTS names (benchmarks use the simulated one).
    SystemPlatform(const std::string& home, MessageBoxes& boxes, std::unique_ptr<PortLibrary> portLibrary,
                   RegistryAccess registryAccess = RegistryAccess::ReadWrite);
    SystemPlatform(const SystemPlatform&) = delete;
    SystemPlatform& operator=(const SystemPlatform&) = delete;

    Platform Services() { return {clock, boxes_, drives, *ports, *serial, *folders, *registry, *power}; }

    SystemClock clock;
    DriveMap drives;
    std::unique_ptr<PortLibrary> ports;
    std::unique_ptr<SerialApi> serial;
    std::unique_ptr<SystemFolders> folders;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<SystemPower> power;

private:
    MessageBoxes& boxes_;
};

} // namespace tavrel
