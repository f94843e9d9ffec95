#pragma once
// When a file was last changed, to tell which of two files is the newer, and whether a file is still
// the one looked at before.

#include <cstdint>
#include <optional>
#include <string>

namespace tavrel {

// The time of the file's last change in nanoseconds of the system's file clock; nothing when the file
// cannot be looked at. Only comparisons between two such times mean anything.
std::optional<int64_t> FileChangedTime(const std::string& path);

// What tells one state of a file from another: equal versions mean the file has been neither replaced
// nor written in between. Nothing when the file cannot be looked at, or where the system cannot say.
struct FileVersion {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modified = 0; // ns
    int64_t changed = 0;  // ns, status change: any write or rename moves it
    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};
std::optional<FileVersion> FileVersionOf(const std::string& path);

} // namespace tavrel
