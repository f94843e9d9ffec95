#pragma once
// `tavreld --config`: the settings listed, changed, preset and reset from the command line, through the
// configuration window's model and the configuration store.

#include <iosfwd>
#include <string>
#include <vector>

namespace tavrel {

// `args` are the words after "--config": none (list every setting), "set NAME VALUE ...",
// "preset WORD" or "reset WORD". Returns the exit status: 0 done, 1 refused or not saved (nothing is
// saved then), 2 a command line that does not parse.
// A listing never writes anything. "set Password -" reads the password from `in`.
// Names and texts are taken and listed in the console's encoding; paths as the bytes given.
int ConfigCommand(const std::string& home, const std::vector<std::string>& args, std::istream& in,
                  std::ostream& out, std::ostream& err);
// With standard input.
int ConfigCommand(const std::string& home, const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err);

} // namespace tavrel
