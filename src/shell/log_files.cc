#include "shell/log_files.h"

#include "shell/program_context.h"

#include <algorithm>
#include <cctype>

namespace tavrel {

namespace {

constexpr int kFileNotFound = 53;
constexpr int kPermissionDenied = 70;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool HasDrive(const std::string& folder) {
    return folder.size() >= 2 && folder[1] == ':' && std::isalpha(static_cast<unsigned char>(folder[0]));
}

char SeparatorOf(const std::string& folder) {
    return HasDrive(folder) ? '\\' : '/';
}

// Without final separators, but a root ("c:\", "/") whole.
std::string Trimmed(std::string folder) {
    while (!folder.empty() && IsSeparator(folder.back()))
        folder.pop_back();
    if (HasDrive(folder) && folder.size() == 2)
        return folder + '\\';
    return folder.empty() ? "/" : folder;
}

} // namespace

bool IsLogFileName(std::string_view name) {
    constexpr std::string_view kStart = "tavrel";
    constexpr std::string_view kEnd = ".log";
    return name.size() >= kStart.size() + kEnd.size() &&
           SameIgnoringCase(name.substr(0, kStart.size()), kStart) &&
           SameIgnoringCase(name.substr(name.size() - kEnd.size()), kEnd);
}

std::vector<std::string> LogFilesIn(std::vector<std::string> names) {
    std::erase_if(names, [](const std::string& n) { return !IsLogFileName(n); });
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return Lower(x) < Lower(y); });
    });
    return names;
}

std::string JoinFolderFile(const std::string& folder, const std::string& name) {
    if (!folder.empty() && IsSeparator(folder.back()))
        return folder + name;
    return folder + '\\' + name;
}

std::string StartFolder(const std::string& setting) {
    return setting.empty() ? "c:\\" : Trimmed(setting);
}

std::string FolderRoot(const std::string& folder) {
    return HasDrive(folder) ? folder.substr(0, 2) + '\\' : "/";
}

std::string ParentFolder(const std::string& folder) {
    const std::string trimmed = Trimmed(folder);
    const std::string root = FolderRoot(trimmed);
    if (trimmed.size() <= root.size())
        return root;
    const size_t cut = trimmed.find_last_of("\\/");
    return cut == std::string::npos || cut < root.size() ? root : trimmed.substr(0, cut);
}

std::string SubFolder(const std::string& folder, const std::string& name) {
    const std::string trimmed = Trimmed(folder);
    if (IsSeparator(trimmed.back()))
        return trimmed + name;
    return trimmed + SeparatorOf(trimmed) + name;
}

std::vector<FolderRow> FolderRows(const std::string& folder, std::vector<std::string> subfolders) {
    const std::string current = Trimmed(folder);
    std::vector<std::string> chain{current};
    while (chain.back() != FolderRoot(current))
        chain.push_back(ParentFolder(chain.back()));
    std::reverse(chain.begin(), chain.end());

    std::vector<FolderRow> rows;
    for (size_t i = 0; i < chain.size(); ++i) {
        const std::string& path = chain[i];
        const std::string label = i == 0 ? path : path.substr(path.find_last_of("\\/") + 1);
        rows.push_back({label, path, static_cast<int>(i), path == current});
    }
    std::sort(subfolders.begin(), subfolders.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return Lower(x) < Lower(y); });
    });
    const int depth = static_cast<int>(chain.size());
    for (const std::string& name : subfolders)
        rows.push_back({name, SubFolder(current, name), depth, false});
    return rows;
}

std::string LogFilePathFor(const std::string& chosenFolder) {
    if (chosenFolder.empty())
        return {};
    if (IsSeparator(chosenFolder.back()))
        return chosenFolder;
    return chosenFolder + SeparatorOf(chosenFolder);
}

int DeleteLogFiles(const std::string& folder, const std::vector<std::string>& names, const LogDeleteOps& ops,
                   MessageBoxes& boxes) {
    int moved = 0;
    std::vector<std::string> otherTrash;
    for (const std::string& name : names) {
        const std::string path = JoinFolderFile(folder, name);
        switch (ops.reach(path)) {
        case FileReach::Missing:
            ReportRuntimeError(boxes, kFileNotFound, "File not found: " + path, "frmLogFileDelete");
            continue;
        case FileReach::Denied:
            ReportRuntimeError(boxes, kPermissionDenied, "Permission denied: " + path, "frmLogFileDelete");
            continue;
        case FileReach::Ok:
            break;
        }
        const TrashMove result = ops.moveToTrash(path);
        if (!result.error.empty()) {
            boxes.Tell(MsgIcon::Error, "Delete Log Files", {result.error});
            continue;
        }
        ++moved;
        if (!result.otherTrash.empty() &&
            std::find(otherTrash.begin(), otherTrash.end(), result.otherTrash) == otherTrash.end())
            otherTrash.push_back(result.otherTrash);
    }
    if (!otherTrash.empty()) {
        std::vector<std::string> lines{
            "The files are in the trash of the drive they were on, not in your own "
            "trash:"};
        lines.insert(lines.end(), otherTrash.begin(), otherTrash.end());
        boxes.Tell(MsgIcon::Information, "Delete Log Files", lines);
    }
    return moved;
}

} // namespace tavrel
