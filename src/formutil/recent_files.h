#pragma once
// The recently used files of the File menu: most recent first, at most eight, kept in the registry under
// HKEY_LOCAL_MACHINE\SOFTWARE\Tavrel\MRUFiles as the values "0", "1", ...

#include "config/reg_api.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

inline constexpr const char* kRecentFilesKey = "SOFTWARE\\Tavrel\\MRUFiles";
inline constexpr size_t kRecentFilesCapacity = 8;

class RecentFiles {
public:
    const std::vector<std::string>& Files() const { return files_; }

    // Puts `path` at the top; a path already listed moves there, and the oldest beyond the capacity drops.
    void Add(const std::string& path);
    void Remove(const std::string& path);

    // The entry the user chose, when the file is still there. A file that is gone is taken off the list
    // and the user is told; the result is then empty.
    std::optional<std::string> Choose(size_t index, const std::function<bool(const std::string&)>& exists,
                                      MessageBoxes& boxes);

    // Reads "0", "1", ... up to the first value missing; blank entries and repeats are skipped.
    void Load(modRegAPI& reg);
    // Replaces the stored list with this one.
    void Save(modRegAPI& reg) const;

private:
    std::vector<std::string> files_;
};

} // namespace tavrel
