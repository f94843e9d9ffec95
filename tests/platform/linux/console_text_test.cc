// A terminal's UTF-8 to and from the program's Windows-1252.

#include "platform/console_text.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(ConsoleText, TypedTextBecomesTheProgramsAndBack) {
    struct Case {
        const char* typed;
        const char* program;
        const char* unholdable;
    };
    const Case cases[] = {
        {"Küche", "K\374che", ""}, // one byte for the ü
        {"€ 5", "\200 5", ""},     // Windows-1252's own place, not Latin-1's
        {"Łódź", "?\363d?", "Ł"},  // the first character it has not, named as typed
    };
    for (const Case& c : cases) {
        const ConsoleEntry entry = ProgramTextFromConsole(c.typed);
        EXPECT_EQ(entry.text, c.program) << c.typed;
        EXPECT_EQ(entry.unholdable, c.unholdable) << c.typed;
        if (*c.unholdable == '\0') {
            EXPECT_EQ(ConsoleTextFromProgram(entry.text), c.typed);
        }
    }
}

} // namespace
} // namespace tavrel
