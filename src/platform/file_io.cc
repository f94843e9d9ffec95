#include "platform/file_io.h"

#include "platform/process_liveness.h"

#include <cctype>
#include <filesystem>

namespace tavrel {

namespace {

// The process id in "NAME.tmp-PID" or "NAME.tmp-PID-XXXXXX", or 0 when `name` is neither.
int TempFileOwner(const std::string& name) {
    const size_t mark = name.rfind(".tmp-");
    if (mark == std::string::npos || mark == 0)
        return 0;
    std::string rest = name.substr(mark + 5);
    if (const size_t dash = rest.find('-'); dash != std::string::npos) {
        const std::string suffix = rest.substr(dash + 1);
        if (suffix.size() != 6)
            return 0;
        for (const char c : suffix)
            if (std::isalnum(static_cast<unsigned char>(c)) == 0)
                return 0;
        rest.resize(dash);
    }
    if (rest.empty() || rest.size() > 9)
        return 0;
    for (const char c : rest)
        if (std::isdigit(static_cast<unsigned char>(c)) == 0)
            return 0;
    return std::stoi(rest);
}

} // namespace

std::string FileReadErrorText(FileReadError error) {
    switch (error) {
    case FileReadError::None:
        return "";
    case FileReadError::NotFound:
        return "File not found";
    case FileReadError::IsFolder:
        return "The path is a folder, not a file";
    case FileReadError::NotRegularFile:
        return "Not a regular file (a pipe, device or socket): it is not read";
    case FileReadError::TooLarge:
        return "The file is larger than 16 MiB: it is not read";
    case FileReadError::NameTooLong:
        return "The file name is too long for this system";
    case FileReadError::AccessDenied:
        break;
    }
    return "Path/File access error";
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    return ReadRegularFile(path, bytes) == FileReadError::None;
}

int RemoveStaleTempFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    int removed = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const int owner = TempFileOwner(name);
        if (owner == 0 || owner == CurrentProcessId() || ProcessRunning(owner))
            continue;
        if (RemoveRegularFile(it->path().string()))
            ++removed;
    }
    return removed;
}

std::string AbsolutePath(const std::string& path) {
    namespace fs = std::filesystem;
    // A drive letter or a leading slash already names the place (on Windows a rooted path keeps the
    // current drive, as it did before); only a name relative to the working folder needs it.
    const bool driveLetter = path.size() >= 2 && path[1] == ':';
    const bool rooted = !path.empty() && (path[0] == '/' || path[0] == '\\');
    if (path.empty() || driveLetter || rooted || fs::path(path).is_absolute())
        return path;
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

bool IsInsideFolder(const std::string& folder, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path base = fs::absolute(folder, ec).lexically_normal();
    const fs::path inner = fs::absolute(path, ec).lexically_normal();
    if (ec)
        return false;
    auto b = base.begin();
    auto i = inner.begin();
    for (; b != base.end() && !b->empty(); ++b, ++i)
        if (i == inner.end() || *i != *b)
            return false;
    return true;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::remove(path, ec);
}

bool IsSymbolicLink(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec));
}

bool MakeFolders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return std::filesystem::is_directory(path, ec);
}

} // namespace tavrel
