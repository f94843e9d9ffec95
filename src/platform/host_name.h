#pragma once
// The computer's network name, for names that must differ from one machine to the next.

#include <string>

namespace tavrel {

// "" when the system does not say.
std::string HostName();

} // namespace tavrel
