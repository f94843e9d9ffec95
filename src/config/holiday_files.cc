#include "config/holiday_files.h"

#include "common/text.h"

#include <algorithm>
#include <cctype>

namespace tavrel {

namespace {

// "/etc/tavrel/holidays.ics", "c:\cal\holidays.ics", "C:/cal/holidays.ics", "\\server\share\x.ics".
bool FullPath(const std::string& path) {
    if (path[0] == '/' || path.rfind("\\\\", 0) == 0)
        return true;
    return path.size() > 2 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 && path[1] == ':' &&
           (path[2] == '\\' || path[2] == '/');
}

std::string Unquoted(const std::string& path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        return std::string(Trim(std::string_view(path).substr(1, path.size() - 2)));
    return path;
}

std::string Joined(const std::vector<std::string>& paths) {
    std::string value;
    for (const std::string& path : paths)
        value += (value.empty() ? "" : ";") + path;
    return value;
}

void AddOnce(std::vector<std::string>& paths, const std::string& path) {
    if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end())
        paths.push_back(path);
}

} // namespace

std::vector<std::string> SplitHolidayFiles(const std::string& setting) {
    std::vector<std::string> files;
    size_t at = 0;
    while (at <= setting.size()) {
        size_t end = setting.find(';', at);
        if (end == std::string::npos)
            end = setting.size();
        const std::string path(Trim(std::string_view(setting).substr(at, end - at)));
        if (!path.empty())
            files.push_back(path);
        at = end + 1;
    }
    return files;
}

std::optional<std::string> HolidayFilesValue(const std::string& text, std::string& reason) {
    std::vector<std::string> paths;
    for (const std::string& listed : SplitHolidayFiles(text)) {
        const std::string path = Unquoted(listed);
        if (!path.empty() && !FullPath(path)) {
            reason = "\"" + path +
                     "\" is not a full path: give each calendar file from the top of its drive " +
                     "(/etc/tavrel/holidays.ics or c:\\tavrel\\holidays.ics)";
            return std::nullopt;
        }
        AddOnce(paths, path);
    }
    return Joined(paths);
}

std::string WithHolidayFilesAdded(const std::string& setting, const std::vector<std::string>& chosen) {
    std::vector<std::string> paths = SplitHolidayFiles(setting);
    for (const std::string& path : chosen)
        AddOnce(paths, path);
    return Joined(paths);
}

} // namespace tavrel
