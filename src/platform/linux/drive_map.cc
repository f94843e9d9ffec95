#include "platform/drive_map.h"

#include <cctype>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

namespace {

void MakeFolder(const std::string& path) {
    ::mkdir(path.c_str(), 0755);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

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
    const std::string devices = home_ + "/dosdevices";
    const std::string drive = devices + "/" + letter + ":";
    if (letter == 'c' && !driveCReady_) {
        MakeFolder(home_);
        MakeFolder(devices);
        if (!Exists(drive)) {
            MakeFolder(home_ + "/drive_c");
            if (::symlink("../drive_c", drive.c_str()) != 0 && errno != EEXIST)
                return home_ + "/drive_c" + (rest.size() > 2 && rest[2] != '/' ? "/" : "") + rest.substr(2);
        }
        driveCReady_ = true;
    }
    std::string tail = rest.substr(2);
    if (tail.empty() || tail[0] != '/')
        tail.insert(tail.begin(), '/');
    return drive + tail;
}

} // namespace tavrel
