#pragma once
// The --help texts of tavrel and tavreld. The options both programs take, and the environment both read,
// are written once here; the manual pages are checked against these texts (tests/e2e/man_pages.sh).

#include <iosfwd>

namespace tavrel {

void PrintTavreldHelp(std::ostream& out);
void PrintTavrelHelp(std::ostream& out);

} // namespace tavrel
