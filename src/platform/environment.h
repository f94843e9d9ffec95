#pragma once
// The process environment: variables and the folder that holds everything the program keeps.

#include <optional>
#include <string>

namespace tavrel {

std::optional<std::string> EnvironmentValue(const std::string& name);

// TAVREL_HOME when set; else $XDG_DATA_HOME/tavrel, else ~/.local/share/tavrel (on Windows:
// %APPDATA%\Tavrel).
std::string DefaultTavrelHome();

} // namespace tavrel
