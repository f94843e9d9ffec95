#include "mainwindow/day_view_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace tavrel {

void PrintTo(const PixelRect& r, std::ostream* os) {
    *os << "{" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << "}";
}

namespace {

constexpr int32_t At(int h, int m, int s) {
    return h * 3600 + m * 60 + s;
}

constexpr CalendarDate kDay{2026, 12, 14};

// 864 pixels of timeline: 100 seconds a pixel, starting at x = 106; rows of 40 pixels from y = 26.
DayViewModel MakeModel() {
    DayPreview day;
    day.date = kDay;
    day.relays[2].name = "Pump";
    day.relays[2].intervals = {{At(8, 0, 1), At(17, 0, 0)}, {At(20, 0, 0), At(20, 0, 1)}};
    day.relays[2].onSeconds = At(9, 0, 0);
    day.relays[6].cyclic = true;
    for (int32_t s = 0; s < kSecondsInDay; s += 120) // a minute ON, a minute OFF
        day.relays[4].intervals.push_back({s, s + 60});
    DayViewModel model;
    model.SetDay(day);
    model.SetMetrics({2 * DayViewModel::kMargin + 100 + 864 + 60, 2 * DayViewModel::kMargin + 20 + 8 * 40,
                      100, 60, 20, 30});
    return model;
}

TEST(DayViewModelTest, LengthsAndToolTip) {
    const std::pair<int32_t, const char*> cases[] = {
        {At(8, 59, 59), "8 h 59 min 59 s"}, {30, "30 s"},  {7200, "2 h"},
        {At(1, 0, 5), "1 h 0 min 5 s"},     {60, "1 min"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(FormatLength(seconds), text) << seconds;
    EXPECT_EQ(MixedColour(0x00FF00, 0x0000FF, 500), 0x007F7F);
    EXPECT_EQ(MixedColour(0x00FF00, 0x0000FF, 1000), 0x00FF00);
    EXPECT_EQ(IntervalToolTip({At(8, 0, 1), At(17, 0, 0)}), "08:00:01-17:00:00, 8 h 59 min 59 s");
}

TEST(DayViewModelTest, SunNotesNameTheirRelay) {
    DayViewModel model = MakeModel();
    EXPECT_EQ(model.SunNotes(), "");
    DayPreview day = model.Day();
    day.relays[2].notes = {"pair 1: sunset-00:30 - 23:00:00: 15:24:07 - 23:00:00"};
    day.relays[5].notes = {"pair 2: dawn - 08:00:00: does not run: no location set"};
    model.SetDay(day);
    EXPECT_EQ(model.SunNotes(), "Pump, pair 1: sunset-00:30 - 23:00:00: 15:24:07 - 23:00:00\n"
                                "Relay 6, pair 2: dawn - 08:00:00: does not run: no location set");
}

// A holiday names itself and the relays whose rule changes the day; an ordinary day says nothing.
TEST(DayViewModelTest, AHolidayNamesTheRelaysItChanges) {
    struct Case {
        std::optional<std::string> holiday;
        HolidayRule pump;
        const char* note;
        const char* pumpLabel;
    } cases[] = {
        {std::nullopt, HolidayRule::Skip, "", "Pump"},
        {"Summer closing", HolidayRule::Skip,
         "Holiday: Summer closing. Not run (SKIP): Pump, Relay 8. Run as a Sunday: Relay 7 *.",
         "Pump (skipped)"},
        {"Summer closing", HolidayRule::Sunday, "Holiday: Summer closing. Run as a Sunday: Pump, Relay 7 *.",
         "Pump (as Sunday)"},
    };
    for (const Case& c : cases) {
        DayViewModel model = MakeModel();
        DayPreview day = model.Day();
        day.holiday = c.holiday;
        day.relays[2].holidayRule = c.pump;
        day.relays[6].holidayRule = HolidayRule::Sunday;
        if (c.pump == HolidayRule::Skip)
            day.relays[7].holidayRule = HolidayRule::Skip;
        model.SetDay(day);
        EXPECT_EQ(model.HolidayNote(), c.note);
        EXPECT_EQ(model.RowLabel(2), c.pumpLabel);
        EXPECT_EQ(model.RowLabel(0), "Relay 1");
    }
    DayViewModel model = MakeModel();
    DayPreview day = model.Day();
    day.holiday = "Boxing Day";
    day.relays[2].name = "Pump \xe9t\xe9"; // the run file's single-byte text
    model.SetDay(day);
    EXPECT_EQ(model.HolidayNote(), "Holiday: Boxing Day. Every relay runs as on any day (RUN).");
    day.relays[2].holidayRule = HolidayRule::Skip;
    model.SetDay(day);
    EXPECT_EQ(model.HolidayNote(), "Holiday: Boxing Day. Not run (SKIP): Pump \u00e9t\u00e9.");
}

TEST(DayViewModelTest, SecondsAndPixelsAgree) {
    const DayViewModel model = MakeModel();
    EXPECT_EQ(model.Timeline(), (PixelRect{106, 26, 864, 8 * 40}));
    for (int x : {106, 107, 500, 969}) {
        const auto second = model.SecondAt(x);
        ASSERT_TRUE(second.has_value()) << x;
        EXPECT_EQ(model.XOfSecond(*second), x);
    }
    EXPECT_EQ(model.SecondAt(105), std::nullopt);
    EXPECT_EQ(model.SecondAt(970), std::nullopt);
    EXPECT_EQ(model.XOfSecond(kSecondsInDay), 970);
}

TEST(DayViewModelTest, BarsAndHits) {
    const DayViewModel model = MakeModel();
    const PixelRect bar = model.Bar(2, {At(8, 0, 1), At(17, 0, 0)});
    EXPECT_EQ(bar.x, 106 + At(8, 0, 1) / 100);
    EXPECT_EQ(bar.x + bar.width, 106 + At(17, 0, 0) / 100);
    EXPECT_EQ(model.Bar(2, {At(20, 0, 0), At(20, 0, 1)}).width, 1); // one second still shows

    const int y = model.Row(2).y + 5;
    struct Case {
        int x, y;
        std::optional<DayViewModel::Hit> hit;
    };
    const Case cases[] = {
        {bar.x, y, DayViewModel::Hit{2, 0}},
        {bar.x + bar.width - 1, y, DayViewModel::Hit{2, 0}},
        {bar.x - 1, y, std::nullopt},
        {bar.x + bar.width, y, std::nullopt},
        {106 + At(20, 0, 0) / 100, y, DayViewModel::Hit{2, 1}},
        {bar.x + 10, model.Row(3).y + 5, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(model.HitAt(c.x, c.y), c.hit) << c.x << "," << c.y;
    EXPECT_EQ(model.ToolTipAt(bar.x + 10, y), "08:00:01-17:00:00, 8 h 59 min 59 s");
    EXPECT_EQ(model.ToolTipAt(bar.x - 1, y), "");
}

// The share of ON time drawn at column x of a row.
int PermilleAt(const DayViewModel& model, int relay, int x) {
    for (const auto& run : model.RowRuns(relay))
        if (x >= run.x && x < run.x + run.width)
            return run.onPermille;
    return -1;
}

TEST(DayViewModelTest, ColumnsShowTheirShareOfOnTime) {
    const DayViewModel model = MakeModel();
    struct Case {
        int relay, x, permille;
    };
    const Case cases[] = {
        {2, 106 + At(10, 30, 0) / 100, 1000},
        {2, 106 + At(8, 0, 0) / 100, 990}, // 08:00:01 starts it
        {2, 106 + At(7, 0, 0) / 100, 0},
        {2, 106 + At(20, 0, 0) / 100, 10},
        {4, 106 + 1, 600},
        {4, 106 + 3, 400}, // [100, 200) holds 120..180, [300, 400) holds 360..400
    };
    for (const Case& c : cases)
        EXPECT_EQ(PermilleAt(model, c.relay, c.x), c.permille) << c.relay << " at " << c.x;
}

TEST(DayViewModelTest, NowLineOnlyOnToday) {
    DayViewModel model = MakeModel();
    model.SetNow(kDay, At(12, 0, 0));
    EXPECT_EQ(model.NowLineX(), 106 + At(12, 0, 0) / 100);
    model.SetNow({2026, 12, 15}, At(12, 0, 0));
    EXPECT_EQ(model.NowLineX(), std::nullopt);
}

TEST(DayViewModelTest, RowsAndLabels) {
    DayViewModel model = MakeModel();
    EXPECT_EQ(model.RowName(2), "Pump");
    EXPECT_EQ(model.RowName(0), "Relay 1");
    EXPECT_EQ(model.RowName(6), "Relay 7 *");
    EXPECT_EQ(model.RowTotal(2), "ON 09:00:00");
    EXPECT_NE(model.CyclicNote(), "");
    EXPECT_EQ(model.LabelledHours().size(), 25u); // 36 pixels an hour fit a 30-pixel label
    DayViewMetrics crowded = model.Metrics();
    crowded.hourLabelWidth = 70;
    model.SetMetrics(crowded);
    EXPECT_EQ(model.LabelledHours(), (std::vector<int>{0, 3, 6, 9, 12, 15, 18, 21, 24}));
}

} // namespace
} // namespace tavrel
