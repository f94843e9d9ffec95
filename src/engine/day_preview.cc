#include "engine/day_preview.h"

#include "engine/evaluation.h"
#include "engine/local_day.h"
#include "engine/pair_rules.h"
#include "engine/pair_times.h"
#include "engine/preview_clock.h"
#include "engine/total_time.h"

namespace tavrel {

namespace {

// One second of the preview for one relay: its state after the output pass, and the intervals it makes.
void Follow(RelayRecord& relay, int32_t second, bool& wasOn, RelayPreview& out) {
    const bool now = OutputIsOn(relay);
    relay.CurrentState = now ? kStateOn : kStateOff;
    if (now && !wasOn)
        out.intervals.push_back({second, kSecondsInDay});
    else if (!now && wasOn)
        out.intervals.back().end = second;
    if (now)
        ++out.onSeconds;
    wasOn = now;
}

} // namespace

bool OutputIsOn(const RelayRecord& relay) {
    if (IsSet(relay.HardStop))
        return false;
    return (relay.NewState == kStateOn) != IsSet(relay.Invert);
}

std::vector<WallStretch> LivedStretches(const SunTimes& sun, const CalendarDate& date) {
    return sun.Zone() != nullptr ? LivedDay(*sun.Zone(), date) : std::vector<WallStretch>{{0, kSecondsInDay}};
}

int WeekdayOfDate(const CalendarDate& date) {
    static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int month = date.month < 1 || date.month > 12 ? 1 : date.month;
    const int year = month < 3 ? date.year - 1 : date.year;
    int w = (year + year / 4 - year / 100 + year / 400 + kMonthOffset[month - 1] + date.day) % 7;
    if (w < 0)
        w += 7;
    return w + 1;
}

DayPreview PreviewDay(const ScheduleTables& schedule, const CalendarDate& date) {
    ScheduleTables t = schedule;
    t.SetIndexErrorReporter([](const std::string&, int) {});
    t.ScheduleSuspended = kFalse;
    t.TickRunning = kFalse;

    DayPreview day;
    day.date = date;
    day.weekday = WeekdayOfDate(date);
    day.holiday = t.Holidays.On(date);
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        RelayRecord& relay = t.RelayArray[RelayIndex(0, r)];
        relay.NextCycleTick = 0;
        relay.CurrentState = kStateOff;
        RelayPreview& out = day.relays[static_cast<size_t>(r)];
        out.name = relay.DisplayName;
        out.holidayRule = relay.Holiday;
        out.cyclic = RulesForCode(relay.CycleCode)[0] == PairRule::Cyclic;
        for (int p = 0; p < kPairsPerRelay; ++p) {
            const TimePair& pair = t.TimeArray[PairIndex(RelayIndex(0, r), p)];
            if (const std::string on = SunPairOnDay(pair, date, t.Sun); !on.empty())
                out.notes.push_back("pair " + std::to_string(p + 1) + ": " + pair.StartTime + " - " +
                                    pair.EndTime + ": " + on);
        }
        out.totalTimeText = ComputeTotalTime(relay, PairsOfRelay(t, RelayIndex(0, r)), date, &t.Sun);
    }

    // The texts do not change during the day, so their times are resolved once, not at every second.
    const BoardPairSeconds seconds = ResolveBoardPairSeconds(t, date);
    PreviewClock clock(date, day.weekday);
    std::array<bool, kRelaysPerBoard> on{};
    int64_t elapsed = 0;
    // As the live tick runs it: a clock hour left out on a change day is never seen, one read twice runs
    // twice; the ON time counts the seconds lived.
    for (const WallStretch& stretch : LivedStretches(t.Sun, date))
        for (int32_t s = stretch.from; s < stretch.to; ++s, ++elapsed) {
            clock.SetSecond(s, elapsed);
            EvaluateSchedule(t, clock, seconds);
            for (int r = 0; r < kRelaysPerBoard; ++r)
                Follow(t.RelayArray[RelayIndex(0, r)], s, on[static_cast<size_t>(r)],
                       day.relays[static_cast<size_t>(r)]);
        }
    return day;
}

} // namespace tavrel
