#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

using Args = std::vector<std::string>;

TEST(WindowsCommandLine, SplitsByTheWindowsRules) {
    const struct {
        const char* line;
        Args args;
    } cases[] = {
        {"prog a b", {"prog", "a", "b"}},
        {"  prog\ta  ", {"prog", "a"}},
        {R"("C:\Program Files\Tavrel\tavrel" k572 0x00)",
         {R"(C:\Program Files\Tavrel\tavrel)", "k572", "0x00"}},
        {R"("C:\dir\" x)", {R"(C:\dir\)", "x"}}, // no escapes in the program path
        {R"(p "a b" c)", {"p", "a b", "c"}},
        {R"(p a\b a\\b)", {"p", R"(a\b)", R"(a\\b)"}}, // backslashes before no quote stay
        {R"(p a\"b)", {"p", R"(a"b)"}},                // odd: a quote taken as it is
        {R"(p a\\"b c")", {"p", R"(a\b c)"}},          // even: halved, and the quote opens
        {R"(p a\\\"b)", {"p", R"(a\"b)"}},
        {R"(p "a""b" "")", {"p", R"(a"b)", ""}}, // a doubled quote inside quotes is one quote
        {R"(p "unclosed arg)", {"p", "unclosed arg"}},
        {R"(p x;rm -rf $(id) `id` 'q')", {"p", "x;rm", "-rf", "$(id)", "`id`", "'q'"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitWindowsCommandLine(c.line), c.args) << c.line;
}

} // namespace
} // namespace tavrel
