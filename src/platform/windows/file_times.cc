#include "platform/file_times.h"

#include <windows.h>

namespace tavrel {

std::optional<int64_t> FileChangedTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    const uint64_t ticks = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                           data.ftLastWriteTime.dwLowDateTime; // 100 ns steps since 1601
    return static_cast<int64_t>(ticks) * 100;
}

// Write times alone are too coarse on some file systems to stand for a file's state: nothing is said,
// and callers read the file again.
std::optional<FileVersion> FileVersionOf(const std::string&) {
    return std::nullopt;
}

} // namespace tavrel
