#include "platform/file_times.h"

#include <sys/stat.h>

namespace tavrel {

std::optional<int64_t> FileChangedTime(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

} // namespace tavrel
