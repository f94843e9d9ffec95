#pragma once
// The log folder as the settings keep it: a Windows path ending in "\". A folder picked on this machine
// is written under the drive letter that maps to it, or as its own path when no drive does.

#include <string>
#include <vector>

namespace tavrel {

// A drive letter and the folder it leads to on this machine (links resolved).
struct DriveFolder {
    char letter;
    std::string folder;
};

// The drive whose folder holds `chosen` (the deepest, when several do) gives "x:\rest\"; with none,
// `chosen` itself with a final "/".
std::string LogFolderFromChosen(const std::string& chosen, const std::vector<DriveFolder>& drives);

} // namespace tavrel
