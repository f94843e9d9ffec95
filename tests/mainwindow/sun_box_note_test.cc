#include "mainwindow/sun_box_note.h"

#include "support/fake_time_zone.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

struct SunBoxNoteTest : ::testing::Test {
    SunBoxNoteTest() { sun.SetZone(&zone); }
    FakeTimeZone zone{3600, true};
    SunTimes sun;
};

// Berlin, 2027-06-21: sunrise 04:43, sunset 21:33.
TEST_F(SunBoxNoteTest, SaysTodaysTimeOrWhyTheBoxDoesNotRunToday) {
    struct Row {
        bool place;
        TimePair pair;
        bool offTime;
        const char* note; // the start of the note; "" for none
    };
    const Row kRows[] = {
        {true, {"sunset-00:30", "23:00:00", kFalse}, false, "sunset-00:30: today 21:0"},
        {true, {"sunset-00:30", "23:00:00", kFalse}, true, ""},
        {true, {"06:00:00", "sunrise", kFalse}, true, "sunrise: today 04:4"},
        {true, {"sunset+12:00", "23:59:59", kFalse}, false, "sunset+12:00: does not run today: no such time"},
        {false, {"sunset", "23:00:00", kFalse}, false, "sunset: does not run today: no location set"},
    };
    for (const Row& row : kRows) {
        sun.SetPlace(row.place ? std::optional<GeoPlace>(GeoPlace{52.52, 13.405}) : std::nullopt);
        const std::string note = SunBoxNote(row.pair, row.offTime, {2027, 6, 21}, sun);
        EXPECT_EQ(note.substr(0, std::string(row.note).size()), row.note) << note;
        EXPECT_EQ(note.empty(), std::string(row.note).empty()) << note;
    }
    // Resolved, but out of order today: the box says so.
    sun.SetPlace(GeoPlace{52.52, 13.405});
    EXPECT_NE(SunBoxNote({"06:00:00", "sunrise", kFalse}, true, {2027, 6, 21}, sun)
                  .find("the pair does not run today: ON is not before OFF"),
              std::string::npos);
}

} // namespace
} // namespace tavrel
