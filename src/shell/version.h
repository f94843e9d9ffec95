#pragma once
// The program's own version, shown by --version and in the event log. The build and the Debian packages
// read it from this line too: keep it in the form "X.Y.Z".

namespace tavrel {
inline constexpr const char* kProgramVersion = "0.1.0";
}
