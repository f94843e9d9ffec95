#include "engine/next_change.h"

#include "engine/day_preview.h"
#include "engine/evaluation.h"
#include "engine/local_day.h"
#include "engine/preview_clock.h"

#include <cstdio>

namespace tavrel {

namespace {

int64_t LocalToUnix(const TimeZone& zone, const CalendarDate& date, int32_t second) {
    const int64_t naive = DaysFromCivil(date) * 86400 + second;
    const int64_t guess = naive - zone.UtcOffsetAt(naive);
    return naive - zone.UtcOffsetAt(guess);
}

// Where the run stands: the seconds lived since `now`, and which relays still wait for their change.
struct Run {
    ScheduleTables& t;
    PreviewClock& clock;
    const TimeZone& zone;
    int64_t startUnix;
    int64_t elapsed = 0;
    std::array<bool, kRelaysPerBoard> on{};
    NextChanges found{};
    RelayMask wanted{};
    int open = 0;
};

// One lived second: evaluate, then note each relay whose output first differs from what it was.
void Step(Run& run, const CalendarDate& date, int32_t second, const BoardPairSeconds& seconds) {
    ++run.elapsed;
    run.clock.SetSecond(second, run.elapsed);
    EvaluateSchedule(run.t, run.clock, seconds);
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        RelayRecord& relay = run.t.RelayArray[RelayIndex(0, r)];
        const bool now = OutputIsOn(relay);
        relay.CurrentState = now ? kStateOn : kStateOff;
        auto& slot = run.found[static_cast<size_t>(r)];
        if (!run.wanted[static_cast<size_t>(r)] || slot || now == run.on[static_cast<size_t>(r)])
            continue;
        slot = NextChange{date, second, run.zone.UtcOffsetAt(run.startUnix + run.elapsed), now};
        --run.open;
    }
}

std::string TwoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string DateText(const CalendarDate& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

std::string ClockText(int32_t s) {
    return TwoDigits(s / 3600) + ":" + TwoDigits(s / 60 % 60) + ":" + TwoDigits(s % 60);
}

const char* StateWord(bool on) {
    return on ? "ON" : "OFF";
}

} // namespace

NextChanges FindNextChanges(const ScheduleTables& live, const LocalTime& now, int64_t nowMs,
                            const TimeZone& zone, const RelayMask& wanted) {
    ScheduleTables t = live;
    t.SetIndexErrorReporter([](const std::string&, int) {});
    // A command holding the schedule for a moment does not stop it for the days ahead.
    t.ScheduleSuspended = kFalse;
    t.TickRunning = kFalse;
    PreviewClock clock(now.date, now.weekday, nowMs);
    Run run{t, clock, zone, LocalToUnix(zone, now.date, now.secondsOfDay)};
    run.open = 0;
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        run.on[static_cast<size_t>(r)] = t.RelayArray[RelayIndex(0, r)].CurrentState == kStateOn;
        run.open += wanted[static_cast<size_t>(r)] ? 1 : 0;
    }
    run.wanted = wanted;

    const int64_t today = DaysFromCivil(now.date);
    for (int64_t d = 0; d <= 7 && run.open > 0 && run.elapsed < kNextChangeHorizonSeconds; ++d) {
        const CalendarDate date = CivilFromDays(today + d);
        clock.SetDay(date, WeekdayOfDate(date));
        const BoardPairSeconds seconds = ResolveBoardPairSeconds(t, date);
        for (const WallStretch& stretch : LivedStretches(t.Sun, date))
            for (int32_t s = d == 0 ? std::max(stretch.from, now.secondsOfDay + 1) : stretch.from;
                 s < stretch.to && run.open > 0 && run.elapsed < kNextChangeHorizonSeconds; ++s)
                Step(run, date, s, seconds);
    }
    return run.found;
}

std::string NextChangeJson(const std::optional<NextChange>& change) {
    if (!change)
        return "{}";
    const int32_t off = change->utcOffset < 0 ? -change->utcOffset : change->utcOffset;
    const std::string zone = std::string(change->utcOffset < 0 ? "-" : "+") + TwoDigits(off / 3600) + ":" +
                             TwoDigits(off / 60 % 60);
    return "{\"at\":\"" + DateText(change->date) + "T" + ClockText(change->second) + zone +
           "\",\"state\":\"" + StateWord(change->on) + "\"}";
}

std::string NextChangeText(const std::optional<NextChange>& change, const CalendarDate& today) {
    if (!change)
        return "";
    const std::string day = change->date == today ? "" : DateText(change->date) + " ";
    return std::string(StateWord(change->on)) + " at " + day + ClockText(change->second);
}

std::string NextChangeStatus(const NextChanges& changes, const CalendarDate& today) {
    int best = -1;
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        const auto& c = changes[static_cast<size_t>(r)];
        if (!c)
            continue;
        const auto& b = changes[static_cast<size_t>(best < 0 ? r : best)];
        const int64_t at = DaysFromCivil(c->date) * 86400 + c->second - c->utcOffset;
        if (best < 0 || at < DaysFromCivil(b->date) * 86400 + b->second - b->utcOffset)
            best = r;
    }
    if (best < 0)
        return "";
    return "next: relay " + std::to_string(best + 1) + " " +
           NextChangeText(changes[static_cast<size_t>(best)], today);
}

} // namespace tavrel
