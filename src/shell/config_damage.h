#pragma once
// What in the stored configuration stops a service from starting: a settings file that does not read
// cleanly, a copy kept aside as damaged with nothing stored in its place, a bad board value. Running on
// defaults instead would look healthy while no relay is switched.

#include <string>
#include <vector>

namespace tavrel {

// The exit status of a start refused for its configuration (EX_CONFIG), which the unit does not restart.
inline constexpr int kExitConfigurationDamaged = 78;

// What is looked at: everything (a start), or only the settings file and the copies kept aside (a
// change from the command line, which can mend a bad value but would build on defaults over a file it
// cannot read).
enum class DamageCheck { Everything, SettingsFile };

// The lines that say what is wrong and where, none when the configuration may be used. Only reads: the
// files are left exactly as they are.
std::vector<std::string> ConfigurationDamage(const std::string& home,
                                             DamageCheck what = DamageCheck::Everything);

} // namespace tavrel
