#include "formutil/recent_files.h"

#include <algorithm>

namespace tavrel {

void RecentFiles::Add(const std::string& path) {
    if (path.empty())
        return;
    Remove(path);
    files_.insert(files_.begin(), path);
    if (files_.size() > kRecentFilesCapacity)
        files_.resize(kRecentFilesCapacity);
}

void RecentFiles::Remove(const std::string& path) {
    files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
}

std::optional<std::string> RecentFiles::Choose(size_t index,
                                               const std::function<bool(const std::string&)>& exists,
                                               MessageBoxes& boxes) {
    if (index >= files_.size())
        return std::nullopt;
    const std::string path = files_[index];
    if (exists(path))
        return path;
    files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(index));
    boxes.Tell(MsgIcon::Warning, "File Not Found",
               {path, "", "This file no longer exists; it has been removed from the list."});
    return std::nullopt;
}

void RecentFiles::Load(modRegAPI& reg) {
    files_.clear();
    for (size_t i = 0; i < kRecentFilesCapacity; ++i) {
        const std::string path =
            reg.ReadRegValueCheck(kHkeyLocalMachine, kRecentFilesKey, std::to_string(i), false);
        if (path == kRegKeyNotFound || path == kRegValueNameNotFound)
            break;
        if (path.empty() || path == " " || std::find(files_.begin(), files_.end(), path) != files_.end())
            continue;
        files_.push_back(path);
    }
}

void RecentFiles::Save(modRegAPI& reg) const {
    // Dropping the key first leaves no value of a longer list behind.
    reg.DeleteRegKey(kHkeyLocalMachine, kRecentFilesKey, false);
    for (size_t i = 0; i < files_.size(); ++i)
        reg.SetNewValue(kHkeyLocalMachine, kRecentFilesKey, "String", std::to_string(i), files_[i], false);
}

} // namespace tavrel
