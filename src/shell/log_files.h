#pragma once
// The log folder as the log windows see it: which files they list, how a folder and a file name are
// joined, how the folder list steps through folders, and what a chosen folder is stored as.
//
// A folder is a Windows path ("c:\logs") or, for a folder no drive letter leads to, a path of this
// machine ("/srv/logs"); DriveMap turns either into a path of this machine.

#include "platform/message_box.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// "Tavrel*.log" in any case, as Windows matches it.
bool IsLogFileName(std::string_view name);
// The names that are log files, sorted without regard to case.
std::vector<std::string> LogFilesIn(std::vector<std::string> names);

// Folder and file joined with one "\", none added when the folder already ends in a separator.
std::string JoinFolderFile(const std::string& folder, const std::string& name);

// The folder a log window starts in for a "LogFilePath" setting: the setting without its final
// separator ("c:\logs\" -> "c:\logs"), a drive root kept whole ("c:\"), "c:\" for an empty setting.
std::string StartFolder(const std::string& setting);
// "c:\" for "c:\logs\old", "/" for "/srv/logs".
std::string FolderRoot(const std::string& folder);
// One folder up; a root stays where it is.
std::string ParentFolder(const std::string& folder);
std::string SubFolder(const std::string& folder, const std::string& name);

// One row of the folder list: the folders from the root down to the current one, then its subfolders.
struct FolderRow {
    std::string label;
    std::string path;
    int depth = 0;
    bool current = false;
};
std::vector<FolderRow> FolderRows(const std::string& folder, std::vector<std::string> subfolders);

// What "Select" stores as "LogFilePath": the folder with a final separator ("\" for a drive path, "/"
// for a path of this machine); empty when nothing is chosen, and the setting is then left alone.
std::string LogFilePathFor(const std::string& chosenFolder);

// Whether a file can be opened before it is removed.
enum class FileReach { Ok, Missing, Denied };

// What moving one file to the trash did: an error text (empty on success), and the folder it went to
// when that is not the user's own trash (a file on another volume goes to that volume's trash).
struct TrashMove {
    std::string error;
    std::string otherTrash;
};

// What deleting needs from the machine.
struct LogDeleteOps {
    std::function<FileReach(const std::string& path)> reach;
    std::function<TrashMove(const std::string& path)> moveToTrash;
};

// Moves each named file of `folder` to the trash, reporting each one that cannot be reached or moved
// in a message box and going on with the rest; then tells where the files went when that is not the
// user's own trash. Returns how many went to the trash.
int DeleteLogFiles(const std::string& folder, const std::vector<std::string>& names, const LogDeleteOps& ops,
                   MessageBoxes& boxes);

} // namespace tavrel
