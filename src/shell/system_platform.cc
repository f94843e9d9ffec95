#include "shell/system_platform.h"

namespace tavrel {

SystemPlatform::SystemPlatform(const std::string& home, MessageBoxes& boxes)
    : drives(home), ports(MakePortLibraryFromEnvironment(home)), serial(MakeSystemSerialApi(home)),
      folders(MakeSystemFolders(drives)),
      registry(MakeSystemRegistry(home,
                                  [&boxes](const std::vector<std::string>& lines) {
                                      boxes.Tell(MsgIcon::Warning, "Tavrel registry", lines);
                                  })),
      power(MakeSystemPower()), boxes_(boxes) {}

} // namespace tavrel
