#include "platform/drive_map.h"

namespace tavrel {

// Windows paths are real paths here.
std::string DriveMap::Map(std::string_view windowsPath) const {
    return std::string(windowsPath);
}

} // namespace tavrel
