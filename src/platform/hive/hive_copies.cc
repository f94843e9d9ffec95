// The hive files kept aside as damaged: "<root>.reg.damaged-<time stamp>", as the hive registry names them.

#include "platform/registry.h"

#include <algorithm>
#include <filesystem>

namespace tavrel {

std::vector<std::string> DamagedHiveCopies(const std::string& folder, int32_t root) {
    const std::string prefix = std::string(RootName(root)) + ".reg.damaged-";
    std::vector<std::string> copies;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            copies.push_back(entry.path().string());
    // The time stamp in the name sorts them by age.
    std::sort(copies.begin(), copies.end());
    return copies;
}

} // namespace tavrel
