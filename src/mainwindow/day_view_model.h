#pragma once
// The Day View's rules: one 24-hour row per relay of board 1 with its ON intervals as bars, where each
// bar and the present time fall in pixels, which bar is under the mouse and what its tool tip says.
// The window measures its texts and draws; everything it places comes from here.

#include "config/settings.h"
#include "engine/day_preview.h"
#include "mainwindow/panel_look.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// What the window measured: its size and the room its texts need.
struct DayViewMetrics {
    int width = 0;
    int height = 0;
    int nameColumn = 0;  // the widest row name, with its padding
    int totalColumn = 0; // the widest total, with its padding
    int axisHeight = 0;  // the hour labels above the rows
    int hourLabelWidth = 0;
};

struct DayViewColours {
    BgrColour on = 0;
    BgrColour off = 0;
    BgrColour nameBackground = 0;
};
// The relay lights' ON and OFF colours and the name boxes' background of the colours settings.
DayViewColours DayViewColoursFrom(const Settings& settings);

// `onPermille` thousandths of `on` over `off`: the colour of a column that is ON part of its time.
BgrColour MixedColour(BgrColour on, BgrColour off, int onPermille);

// "8 h 59 min 59 s": leading and trailing zero units left out ("30 s", "2 h", "1 h 0 min 5 s").
std::string FormatLength(int32_t seconds);
// "08:00:01-17:00:00, 8 h 59 min 59 s"
std::string IntervalToolTip(const OnInterval& interval);

class DayViewModel {
public:
    static constexpr int kRows = kRelaysPerBoard;
    static constexpr int kMargin = 6;
    static constexpr int kMaxRowHeight = 40;

    // The day shown, and the clock's day and second: the now line is drawn only when they are the same day.
    void SetDay(DayPreview day);
    void SetNow(const CalendarDate& today, int32_t second);
    void SetMetrics(const DayViewMetrics& metrics) { metrics_ = metrics; }

    const DayPreview& Day() const { return day_; }
    const DayViewMetrics& Metrics() const { return metrics_; }

    // "Pump" for a relay with a name, "Relay 3" without; a cyclic relay's name ends in " *".
    std::string RowName(int relay) const;
    // "ON 08:59:59"
    std::string RowTotal(int relay) const;
    // The row's name as drawn: on a holiday with what its rule does ("Pump (skipped)", "Lamp (as Sunday)").
    std::string RowLabel(int relay) const;
    // On a holiday, its name and the relays that skip it or run it as a Sunday, in UTF-8 ("Holiday: Summer
    // closing. Not run (SKIP): Pump. Run as a Sunday: Lamp."); "" on an ordinary day.
    std::string HolidayNote() const;
    // The note on cyclic relays, or "" when the day has none.
    std::string CyclicNote() const;
    // Each sun-based pair of the day with its expression and that day's times, one line each ("Porch,
    // pair 1: sunset-00:30 - 23:00:00: 15:24:07 - 23:00:00"), or "" when the day has none.
    std::string SunNotes() const;

    // The 24 hours of all rows; the hour labels sit above it.
    PixelRect Timeline() const;
    PixelRect Row(int relay) const;
    PixelRect NameCell(int relay) const;
    PixelRect TotalCell(int relay) const;
    // The bar of an interval of `relay`'s row, at least one pixel wide.
    PixelRect Bar(int relay, const OnInterval& interval) const;

    // A stretch of pixel columns of a row with the same share of ON time, in thousandths: 1000 is ON all
    // through, 0 OFF. Where intervals are shorter than a pixel the columns show their mix, not a bar.
    struct ColumnRun {
        int x = 0;
        int width = 0;
        int onPermille = 0;
        friend bool operator==(const ColumnRun&, const ColumnRun&) = default;
    };
    std::vector<ColumnRun> RowRuns(int relay) const;

    int XOfSecond(int32_t second) const;
    // The second of the day at `x`, or nothing left or right of the timeline.
    std::optional<int32_t> SecondAt(int x) const;

    struct Hit {
        int relay = 0;
        size_t interval = 0;
        friend bool operator==(const Hit&, const Hit&) = default;
    };
    // The bar under the point, if any.
    std::optional<Hit> HitAt(int x, int y) const;
    // The tool tip of the bar under the point, or "".
    std::string ToolTipAt(int x, int y) const;

    // Where the present time is drawn, when the day shown is today.
    std::optional<int> NowLineX() const;
    // The hours that get a label: every hour, or every 2nd, 3rd, 4th, 6th or 12th where labels would touch.
    std::vector<int> LabelledHours() const;

private:
    const RelayPreview& Relay(int relay) const;
    int RowHeight() const;

    DayPreview day_;
    DayViewMetrics metrics_;
    CalendarDate today_;
    int32_t nowSecond_ = 0;
};

} // namespace tavrel
