#pragma once
// The command of the log-on entry that "Run when Computer Boots" writes: tavreld --boot from the program's
// folder, with the TAVREL_HOME and TAVREL_PORTS this program was started with, so that the entry starts the
// programs of the same home on the same ports (a log-on gives the default environment only).

#include <optional>
#include <string>

namespace tavrel {

// `home` and `ports` are the variables as this program found them (nothing when unset). The result is an
// autostart entry's Exec= value.
std::string BootCommand(const std::string& programFolder, const std::optional<std::string>& home,
                        const std::optional<std::string>& ports);

// The same for the running program's own environment, a relative TAVREL_HOME made absolute.
std::string BootCommandOfThisProgram(const std::string& programFolder);

} // namespace tavrel
