#include "platform/drive_map.h"

#include "platform/file_io.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

namespace {

constexpr const char* kDriveCLink = "../drive_c";

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The target of the link `path`, or "" when it is not a link.
std::string LinkTarget(const std::string& path) {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

} // namespace

// Drive C is checked at each use: a drive_c removed while the program runs is made again, as at first
// use. A link the user made to somewhere else is theirs: when it leads nowhere, writing fails there.
bool DriveMap::DriveCReady() const {
    const std::string devices = home_ + "/dosdevices";
    const std::string drive = devices + "/c:";
    const std::string driveC = home_ + "/drive_c";
    if (IsFolder(drive))
        return true;
    const std::string target = LinkTarget(drive);
    if (!target.empty() && target != kDriveCLink && target != driveC)
        return false;
    MakePrivateFolders(home_);
    MakePrivateFolders(devices);
    MakePrivateFolders(driveC);
    if (target.empty() && ::symlink(kDriveCLink, drive.c_str()) != 0 && errno != EEXIST)
        return false;
    return IsFolder(drive);
}

std::string DriveMap::Map(std::string_view windowsPath) const {
    std::string rest(windowsPath);
    for (char& c : rest)
        if (c == '\\')
            c = '/';
    const bool hasDrive =
        rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]));
    if (!hasDrive)
        return rest;

    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(rest[0])));
    const std::string drive = home_ + "/dosdevices/" + letter + ":";
    std::string tail = rest.substr(2);
    if (tail.empty() || tail[0] != '/')
        tail.insert(tail.begin(), '/');
    if (letter == 'c' && !DriveCReady() && IsFolder(home_ + "/drive_c") && LinkTarget(drive).empty())
        return home_ + "/drive_c" + tail; // no link can be made here: drive_c itself
    return drive + tail;
}

} // namespace tavrel
