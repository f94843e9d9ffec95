#pragma once
// The program's own version, shown by --version and in the event log.

namespace tavrel {
inline constexpr const char* kProgramVersion = "0.1.0";
}
