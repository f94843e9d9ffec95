#include "engine/time_of_day.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(TimeOfDay, ReadsTheSpellingsUsersType) {
    EXPECT_EQ(ParseTimeOfDay("08:00:00"), 8 * 3600);
    EXPECT_EQ(ParseTimeOfDay("8:05"), 8 * 3600 + 5 * 60);
    EXPECT_EQ(ParseTimeOfDay(" 23:59:59 "), 86399);
    EXPECT_EQ(ParseTimeOfDay("00:00:00"), 0);
    EXPECT_EQ(ParseTimeOfDay("12:30:00 AM"), 30 * 60);
    EXPECT_EQ(ParseTimeOfDay("1:15:00 pm"), 13 * 3600 + 15 * 60);
}

TEST(TimeOfDay, RefusesWhatIsNotATime) {
    for (const char* bad : {"", " ", "8", "24:00:00", "08:60:00", "08:00:60", "08:00:00:00", "8h", "-1:00",
                            "080:00", "13:00 PM", "ab:cd"})
        EXPECT_FALSE(ParseTimeOfDay(bad).has_value()) << bad;
}

TEST(TimeOfDay, FormatsTwoDigitsAndWrapsAtMidnight) {
    EXPECT_EQ(FormatTimeOfDay(0), "00:00:00");
    EXPECT_EQ(FormatTimeOfDay(9 * 3600 + 2 * 60 + 3), "09:02:03");
    EXPECT_EQ(FormatTimeOfDay(86399), "23:59:59");
    EXPECT_EQ(FormatTimeOfDay(86400 + 61), "00:01:01");
    EXPECT_EQ(FormatTimeOfDay(-1), "23:59:59");
}

} // namespace
} // namespace tavrel
