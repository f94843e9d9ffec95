#pragma once
// Text as the console takes and shows it (the command line, standard input and output) to and from the
// program's single-byte text (Windows-1252): what the console's encoding is, is the system's matter.

#include <string>

namespace tavrel {

struct ConsoleEntry {
    std::string text;       // in the program's text; a character it cannot hold stands as "?" here
    std::string unholdable; // the first such character as typed; "" when every one was kept
};

ConsoleEntry ProgramTextFromConsole(const std::string& typed);
std::string ConsoleTextFromProgram(const std::string& text);

} // namespace tavrel
