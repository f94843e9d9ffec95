#pragma once
// The "HolidayFiles" setting as a list: one or more calendar files (.ics) separated by ";", each a full
// path of this machine or a Windows path. The same check in the window and in `tavreld --config set`.

#include <optional>
#include <string>
#include <vector>

namespace tavrel {

// The value split at ";", blanks around each path dropped, empty ones left out.
std::vector<std::string> SplitHolidayFiles(const std::string& setting);

// The value as it is stored: each path trimmed (and freed of the quotes a copied path brings), the
// empty and repeated ones left out, joined by ";". Nothing, with `reason`, when a path is not a full
// one: the service does not start where the person typing stands, so a relative path would name another
// file there.
std::optional<std::string> HolidayFilesValue(const std::string& text, std::string& reason);

// The value with the chosen files added after those it lists, each once.
std::string WithHolidayFilesAdded(const std::string& setting, const std::vector<std::string>& chosen);

} // namespace tavrel
