#pragma once
// A command line split into a program and its arguments by the rules Windows programs use, so that a
// start-up entry means the same here as under Windows and is never read as shell code.

#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// The program (quoted or not; its path takes no escapes), then each argument: white space separates
// outside quotes, 2n backslashes before a quote give n and the quote counts, 2n+1 give n and a plain
// quote, a doubled quote inside quotes is one quote, other backslashes stay. Empty for a blank line.
std::vector<std::string> SplitWindowsCommandLine(std::string_view line);

} // namespace tavrel
