#pragma once
// When a file was last changed, to tell which of two files is the newer.

#include <cstdint>
#include <optional>
#include <string>

namespace tavrel {

// The time of the file's last change in nanoseconds of the system's file clock; nothing when the file
// cannot be looked at. Only comparisons between two such times mean anything.
std::optional<int64_t> FileChangedTime(const std::string& path);

} // namespace tavrel
