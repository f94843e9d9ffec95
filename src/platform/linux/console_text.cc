#include "platform/console_text.h"

#include "platform/hive/text_encoding.h"

namespace tavrel {

// A terminal here speaks UTF-8.
ConsoleEntry ProgramTextFromConsole(const std::string& typed) {
    return {Utf8ToCp1252(typed), FirstCharacterNotInCp1252(typed)};
}

std::string ConsoleTextFromProgram(const std::string& text) {
    return Cp1252ToUtf8(text);
}

} // namespace tavrel
