#include "engine/time_of_day.h"
#include "engine/time_text.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(StoredTime, ReadsTheFormsFilesHold) {
    EXPECT_EQ(ParseStoredTime("08:00:00"), 8 * 3600);
    EXPECT_EQ(ParseStoredTime("8:05"), 8 * 3600 + 5 * 60);
    EXPECT_EQ(ParseStoredTime(" 23:59:59 "), 86399);
    EXPECT_EQ(ParseStoredTime("00:00:00"), 0);
    EXPECT_EQ(ParseStoredTime("12:30:00 AM"), 30 * 60);
    EXPECT_EQ(ParseStoredTime("1:15:00 pm"), 13 * 3600 + 15 * 60);
}

TEST(StoredTime, RefusesWhatIsNotATime) {
    for (const char* bad : {"", " ", "8", "24:00:00", "08:60:00", "08:00:60", "08:00:00:00", "8h", "-1:00",
                            "080:00", "13:00 PM", "ab:cd"})
        EXPECT_FALSE(ParseStoredTime(bad).has_value()) << bad;
}

TEST(TypedTime, FormsAcceptedAndRefused) {
    const std::pair<const char*, const char*> kRows[] = {
        {"8:30", "08:30:00"},
        {"08:30", "08:30:00"},
        {"8:30:15", "08:30:15"},
        {"23:59:59", "23:59:59"},
        {"2:30 pm", "14:30:00"},
        {"2:30PM", "14:30:00"},
        {"02:30:00 pm", "14:30:00"},
        {"12:00 am", "00:00:00"},
        {"12:15 Pm", "12:15:00"},
        {"0:00", "00:00:00"},
        {"24:00", nullptr},
        {"12:60", nullptr},
        {"13:00 pm", nullptr},
        {"0:30 am", nullptr},
        {"8", nullptr},
        {"8:3", nullptr},
        {"ab:cd", nullptr},
        {"8:30:1", nullptr},
        {"8:30:00:00", nullptr},
        {"830", nullptr},
        {"8:30 xm", nullptr},
        {"8.30", nullptr},
    };
    for (const auto& [typed, stored] : kRows) {
        SCOPED_TRACE(typed);
        const auto normal = NormaliseTypedTime(typed);
        if (stored == nullptr)
            EXPECT_FALSE(normal.has_value());
        else
            EXPECT_EQ(normal.value_or("refused"), stored);
    }
}

TEST(TypedTime, WhatIsStoredReadsBackAsTheTimeTyped) {
    for (const char* typed : {"8:30", "2:30 pm", "12:00 am", "12:15 Pm", "23:59:59", "0:00"}) {
        const auto stored = NormaliseTypedTime(typed);
        ASSERT_TRUE(stored.has_value()) << typed;
        EXPECT_EQ(ParseStoredTime(*stored), ParseStoredTime(typed)) << typed;
    }
}

TEST(TypedTime, IsStricterThanWhatFilesHold) {
    // Older writers left one-digit minutes, tabs and wide gaps before the meridian; a box takes none.
    for (const char* loose : {"8:5", "8:05:3", "\t8:05", "8:05  PM"}) {
        EXPECT_TRUE(ParseStoredTime(loose).has_value()) << loose;
        EXPECT_FALSE(NormaliseTypedTime(loose).has_value()) << loose;
    }
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

namespace tavrel {
namespace {

TEST(SunTimeText, TypedFormsAndTheOneStoredForm) {
    const std::pair<const char*, const char*> kRows[] = {
        {"Sunset - 0:30", "sunset-00:30"},
        {"sunrise+1:15", "sunrise+01:15"},
        {"DUSK +0:00:30", "dusk+00:00:30"},
        {" dawn ", "dawn"},
        {"sunset+0:00", "sunset"},
        {"sunrise-12:00", "sunrise-12:00"},
        {"sunset-00:30", "sunset-00:30"},
        {"sunrise+12:00:01", nullptr},
        {"sunset-0:60", nullptr},
        {"sunset 0:30", nullptr},
        {"sunset+", nullptr},
        {"sunset+1", nullptr},
        {"noon", nullptr},
        {"sunsets", nullptr},
        {"08:00:00", nullptr},
    };
    for (const auto& [typed, stored] : kRows) {
        const auto sun = ParseSunTime(typed);
        ASSERT_EQ(sun.has_value(), stored != nullptr) << typed;
        if (sun) {
            EXPECT_EQ(FormatSunTime(*sun), stored) << typed;
            EXPECT_EQ(ParseSunTime(FormatSunTime(*sun)), sun) << typed;
        }
    }
}

} // namespace
} // namespace tavrel
