// The "HolidayFiles" value as the window and `tavreld --config set` take it: the list as stored, and the
// paths refused.

#include "config/holiday_files.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tavrel {
namespace {

TEST(HolidayFiles, StoredAsAListOfFullPathsEachOnce) {
    struct Case {
        const char* typed;
        std::optional<std::string> stored;
    };
    const Case cases[] = {
        {" /a.ics ;; c:\\b c.ics;", "/a.ics;c:\\b c.ics"},
        {"", ""},
        // A path copied from a file manager comes in quotes.
        {"\"C:\\Users\\x\\Holidays.ics\"", "C:\\Users\\x\\Holidays.ics"},
        {"/a.ics;/b.ics;/a.ics", "/a.ics;/b.ics"},
        {"\\\\server\\share\\x.ics;d:/cal/y.ics", "\\\\server\\share\\x.ics;d:/cal/y.ics"},
        // The service does not start where the person typing stands.
        {"/a.ics;holidays.ics", std::nullopt},
        {"c:holidays.ics", std::nullopt},
        {"~/holidays.ics", std::nullopt},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_EQ(HolidayFilesValue(c.typed, reason), c.stored) << c.typed;
        EXPECT_EQ(reason.empty(), c.stored.has_value()) << c.typed << ": " << reason;
    }
}

TEST(HolidayFiles, ChosenFilesAreAddedOnce) {
    EXPECT_EQ(WithHolidayFilesAdded("/a.ics; /b.ics", {"/b.ics", "/c.ics", "/c.ics"}),
              "/a.ics;/b.ics;/c.ics");
    EXPECT_EQ(WithHolidayFilesAdded("", {"/c.ics"}), "/c.ics");
}

TEST(HolidayFiles, RefusalNamesThePath) {
    std::string reason;
    HolidayFilesValue("/a.ics;cal/x.ics", reason);
    EXPECT_NE(reason.find("\"cal/x.ics\" is not a full path"), std::string::npos) << reason;
}

} // namespace
} // namespace tavrel
