#include "platform/console_text.h"

namespace tavrel {

// The command line and the console come in the ANSI code page, which is the program's Windows-1252.
ConsoleEntry ProgramTextFromConsole(const std::string& typed) {
    return {typed, {}};
}

std::string ConsoleTextFromProgram(const std::string& text) {
    return text;
}

} // namespace tavrel
