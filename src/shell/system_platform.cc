#include "shell/system_platform.h"

#include <utility>

namespace tavrel {

namespace {
std::unique_ptr<PortLibrary> PortsFromEnvironment(const std::string& home, MessageBoxes& boxes) {
    std::string problem;
    auto ports = MakePortLibraryFromEnvironment(home, problem);
    if (!problem.empty())
        boxes.Tell(MsgIcon::Warning, "Tavrel", {problem});
    return ports;
}
} // namespace

SystemPlatform::SystemPlatform(const std::string& home, MessageBoxes& boxes, RegistryAccess registryAccess)
    : SystemPlatform(home, boxes, PortsFromEnvironment(home, boxes), registryAccess) {}

SystemPlatform::SystemPlatform(const std::string& home, MessageBoxes& boxes,
                               std::unique_ptr<PortLibrary> portLibrary, RegistryAccess registryAccess)
    : drives(home), ports(std::move(portLibrary)), serial(MakeSystemSerialApi(home)),
      folders(MakeSystemFolders(drives)), registry(MakeSystemRegistry(
                                              home,
                                              [&boxes](const std::vector<std::string>& lines) {
                                                  boxes.Tell(MsgIcon::Warning, kRegistryProblemTitle, lines);
                                              },
                                              registryAccess)),
      power(MakeSystemPower()), boxes_(boxes) {}

} // namespace tavrel
