#include "mainwindow/day_view_model.h"

#include "platform/hive/text_encoding.h"
#include "shell/preview_printer.h"

#include <algorithm>
#include <array>

namespace tavrel {

DayViewColours DayViewColoursFrom(const Settings& settings) {
    return {settings.ColorRelayON, settings.ColorRelayOFF, settings.ColorNameBkgrnd};
}

BgrColour MixedColour(BgrColour on, BgrColour off, int onPermille) {
    const int share = std::clamp(onPermille, 0, 1000);
    BgrColour mixed = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = (on >> shift) & 0xFF;
        const int b = (off >> shift) & 0xFF;
        mixed |= ((a * share + b * (1000 - share)) / 1000) << shift;
    }
    return mixed;
}

std::string FormatLength(int32_t seconds) {
    const std::array<int32_t, 3> parts{seconds / 3600, seconds / 60 % 60, seconds % 60};
    static constexpr std::array<const char*, 3> kUnits{" h", " min", " s"};
    size_t first = 0;
    while (first < 2 && parts[first] == 0)
        ++first;
    size_t last = 2;
    while (last > first && parts[last] == 0)
        --last;
    std::string text;
    for (size_t i = first; i <= last; ++i)
        text += (text.empty() ? "" : " ") + std::to_string(parts[i]) + kUnits[i];
    return text;
}

std::string IntervalToolTip(const OnInterval& interval) {
    return FormatDaySeconds(interval.start) + "-" + FormatDaySeconds(interval.end) + ", " +
           FormatLength(interval.end - interval.start);
}

void DayViewModel::SetDay(DayPreview day) {
    day_ = std::move(day);
}

void DayViewModel::SetNow(const CalendarDate& today, int32_t second) {
    today_ = today;
    nowSecond_ = second;
}

const RelayPreview& DayViewModel::Relay(int relay) const {
    return day_.relays[static_cast<size_t>(std::clamp(relay, 0, kRows - 1))];
}

std::string DayViewModel::RowName(int relay) const {
    const RelayPreview& r = Relay(relay);
    std::string name = r.name.empty() || r.name == " " ? "Relay " + std::to_string(relay + 1) : r.name;
    return r.cyclic ? name + " *" : name;
}

std::string DayViewModel::RowLabel(int relay) const {
    const std::string name = RowName(relay);
    if (!day_.holiday)
        return name;
    switch (Relay(relay).holidayRule) {
    case HolidayRule::Skip:
        return name + " (skipped)";
    case HolidayRule::Sunday:
        return name + " (as Sunday)";
    case HolidayRule::Run:
        break;
    }
    return name;
}

std::string DayViewModel::HolidayNote() const {
    if (!day_.holiday)
        return "";
    std::string skip;
    std::string sunday;
    for (int r = 0; r < kRows; ++r) {
        const HolidayRule rule = Relay(r).holidayRule;
        if (rule == HolidayRule::Run)
            continue;
        std::string& list = rule == HolidayRule::Skip ? skip : sunday;
        list += (list.empty() ? "" : ", ") + Cp1252ToUtf8(RowName(r));
    }
    std::string note = "Holiday: " + *day_.holiday + ".";
    if (!skip.empty())
        note += " Not run (SKIP): " + skip + ".";
    if (!sunday.empty())
        note += " Run as a Sunday: " + sunday + ".";
    if (skip.empty() && sunday.empty())
        note += " Every relay runs as on any day (RUN).";
    return note;
}

std::string DayViewModel::RowTotal(int relay) const {
    return "ON " + FormatDaySeconds(Relay(relay).onSeconds);
}

std::string DayViewModel::CyclicNote() const {
    const bool any =
        std::any_of(day_.relays.begin(), day_.relays.end(), [](const RelayPreview& r) { return r.cyclic; });
    return any ? "* Cyclic relay: shown with its cycle started at the start of its window; the live phase "
                 "depends on when the cycle started."
               : "";
}

std::string DayViewModel::SunNotes() const {
    std::string lines;
    for (int r = 0; r < kRows; ++r)
        for (const std::string& note : Relay(r).notes)
            lines += (lines.empty() ? "" : "\n") + RowName(r) + ", " + note;
    return lines;
}

int DayViewModel::RowHeight() const {
    const int room = metrics_.height - 2 * kMargin - metrics_.axisHeight;
    return std::clamp(room / kRows, 1, kMaxRowHeight);
}

PixelRect DayViewModel::Timeline() const {
    const int x = kMargin + metrics_.nameColumn;
    const int width = std::max(1, metrics_.width - 2 * kMargin - metrics_.nameColumn - metrics_.totalColumn);
    return {x, kMargin + metrics_.axisHeight, width, RowHeight() * kRows};
}

PixelRect DayViewModel::Row(int relay) const {
    const PixelRect t = Timeline();
    const int h = RowHeight();
    // One pixel above and below each band keeps neighbouring rows apart.
    const int gap = h >= 6 ? 1 : 0;
    return {t.x, t.y + relay * h + gap, t.width, h - 2 * gap};
}

PixelRect DayViewModel::NameCell(int relay) const {
    const PixelRect row = Row(relay);
    return {kMargin, row.y, metrics_.nameColumn, row.height};
}

PixelRect DayViewModel::TotalCell(int relay) const {
    const PixelRect row = Row(relay);
    return {row.x + row.width, row.y, metrics_.totalColumn, row.height};
}

int DayViewModel::XOfSecond(int32_t second) const {
    const PixelRect t = Timeline();
    const int64_t s = std::clamp<int64_t>(second, 0, kSecondsInDay);
    return t.x + static_cast<int>(s * t.width / kSecondsInDay);
}

std::optional<int32_t> DayViewModel::SecondAt(int x) const {
    const PixelRect t = Timeline();
    if (x < t.x || x >= t.x + t.width)
        return std::nullopt;
    // The first second drawn at this pixel, so that XOfSecond(SecondAt(x)) == x.
    const int64_t offset = x - t.x;
    const int64_t second = (offset * kSecondsInDay + t.width - 1) / t.width;
    return static_cast<int32_t>(std::min<int64_t>(second, kSecondsInDay - 1));
}

std::vector<DayViewModel::ColumnRun> DayViewModel::RowRuns(int relay) const {
    const PixelRect t = Timeline();
    // The first second drawn in column c is ceil(c * day / width): the seconds of each column.
    auto firstSecond = [&](int64_t column) {
        return static_cast<int32_t>((column * kSecondsInDay + t.width - 1) / t.width);
    };
    std::vector<int32_t> onSeconds(static_cast<size_t>(t.width), 0);
    for (const OnInterval& i : Relay(relay).intervals) {
        if (i.end <= i.start)
            continue;
        const int from = XOfSecond(i.start) - t.x;
        const int to = std::min(XOfSecond(i.end - 1) - t.x, t.width - 1);
        for (int c = from; c <= to; ++c)
            onSeconds[static_cast<size_t>(c)] +=
                std::min(i.end, firstSecond(c + 1)) - std::max(i.start, firstSecond(c));
    }
    std::vector<ColumnRun> runs;
    for (int c = 0; c < t.width; ++c) {
        const int32_t length = firstSecond(c + 1) - firstSecond(c);
        const int permille =
            length > 0 ? static_cast<int>(int64_t{onSeconds[static_cast<size_t>(c)]} * 1000 / length) : 0;
        if (!runs.empty() && runs.back().onPermille == permille)
            ++runs.back().width;
        else
            runs.push_back({t.x + c, 1, permille});
    }
    return runs;
}

PixelRect DayViewModel::Bar(int relay, const OnInterval& interval) const {
    const PixelRect row = Row(relay);
    const int left = XOfSecond(interval.start);
    const int right = XOfSecond(interval.end);
    return {left, row.y, std::max(1, right - left), row.height};
}

std::optional<DayViewModel::Hit> DayViewModel::HitAt(int x, int y) const {
    for (int r = 0; r < kRows; ++r) {
        if (!Row(r).Contains(x, y))
            continue;
        const auto& intervals = Relay(r).intervals;
        // Bars are in order and their right edges never go back: the first one ending right of x.
        const auto it = std::partition_point(intervals.begin(), intervals.end(), [&](const OnInterval& i) {
            const PixelRect bar = Bar(r, i);
            return bar.x + bar.width <= x;
        });
        if (it == intervals.end() || Bar(r, *it).x > x)
            return std::nullopt;
        return Hit{r, static_cast<size_t>(it - intervals.begin())};
    }
    return std::nullopt;
}

std::string DayViewModel::ToolTipAt(int x, int y) const {
    const auto hit = HitAt(x, y);
    return hit ? IntervalToolTip(Relay(hit->relay).intervals[hit->interval]) : "";
}

std::optional<int> DayViewModel::NowLineX() const {
    if (!(today_ == day_.date))
        return std::nullopt;
    return XOfSecond(nowSecond_);
}

std::vector<int> DayViewModel::LabelledHours() const {
    const double hourWidth = Timeline().width / 24.0;
    int step = 12;
    for (int candidate : {1, 2, 3, 4, 6}) {
        if (candidate * hourWidth >= metrics_.hourLabelWidth + 4) {
            step = candidate;
            break;
        }
    }
    std::vector<int> hours;
    for (int h = 0; h <= 24; h += step)
        hours.push_back(h);
    return hours;
}

} // namespace tavrel
