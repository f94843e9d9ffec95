#include "engine/next_change_watch.h"

#include "engine/local_day.h"

namespace tavrel {

namespace {

// What every relay's answer depends on besides the passing of time within a day.
std::string DaySignature(const ScheduleTables& t, const CalendarDate& today) {
    return std::to_string(today.year) + "-" + std::to_string(today.month) + "-" + std::to_string(today.day) +
           (IsSet(t.ScheduleSuspended) ? "" : "|");
}

// What one relay's answer depends on: its state and everything that decides its schedule. A relay
// whose signature has not changed on the same day keeps its answer, as the schedule runs the same.
std::string RelaySignature(const ScheduleTables& t, int r) {
    const RelayRecord& relay = t.RelayArray[RelayIndex(0, r)];
    std::string s = std::to_string(relay.CurrentState) + relay.CycleCode + '\t' + relay.DaysOfWeek + '\t' +
                    std::to_string(relay.Manual) + std::to_string(relay.Invert) +
                    std::to_string(relay.HardStop) + std::to_string(static_cast<int>(relay.Holiday)) + '\t' +
                    std::to_string(relay.NextCycleTick);
    for (int p = 0; p < kPairsPerRelay; ++p) {
        const TimePair& pair = t.TimeArray[PairIndex(RelayIndex(0, r), p)];
        s += '\t' + pair.StartTime + '\t' + pair.EndTime;
    }
    return s;
}

// The worker must not ask the live calendar: it is read again at a reload on this thread and goes with
// its service at the close. The days it looks at are asked here, on the tick's thread, and handed over.
std::shared_ptr<const HolidayDaysAhead> AskHolidaysAhead(const ScheduleTables& live,
                                                         const CalendarDate& today) {
    auto days = std::make_shared<HolidayDaysAhead>();
    const int64_t first = DaysFromCivil(today);
    for (int64_t d = first; d <= first + kNextChangeHorizonSeconds / 86400 + 1; ++d)
        if (const std::optional<std::string>& name = live.Holidays.On(CivilFromDays(d)))
            days->emplace(d, *name);
    return days;
}

HolidayDays::Lookup LookupIn(std::shared_ptr<const HolidayDaysAhead> days) {
    return [days = std::move(days)](const CalendarDate& date) -> std::optional<std::string> {
        const auto it = days->find(DaysFromCivil(date));
        return it == days->end() ? std::nullopt : std::optional<std::string>(it->second);
    };
}

} // namespace

NextChangeWatch::~NextChangeWatch() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

bool NextChangeWatch::AfterTick(const ScheduleTables& live, const Clock& clock, NextChanges& out) {
    const LocalTime now = clock.Now();
    RelayMask wanted{};
    bool any = false;
    std::string day = DaySignature(live, now.date);
    bool everyRelay = day != day_;
    day_ = std::move(day);
    // A calendar read again (start, reload, a saved configuration, a new day) may move any relay's
    // change; the days ahead are asked only then, and a reading that changed none of them changes nothing.
    if (everyRelay || live.Holidays.Version() != calendarVersion_ || !holidays_) {
        calendarVersion_ = live.Holidays.Version();
        std::shared_ptr<const HolidayDaysAhead> ahead = AskHolidaysAhead(live, now.date);
        everyRelay = everyRelay || !holidays_ || *ahead != *holidays_;
        holidays_ = std::move(ahead);
    }
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        std::string signature = RelaySignature(live, r);
        const auto i = static_cast<size_t>(r);
        wanted[i] = everyRelay || signature != relays_[i];
        any = any || wanted[i];
        relays_[i] = std::move(signature);
    }
    std::lock_guard lock(mutex_);
    if (any) {
        // A question not yet started is widened rather than replaced, so no relay's change is lost.
        if (job_)
            for (size_t i = 0; i < wanted.size(); ++i)
                wanted[i] = wanted[i] || job_->wanted[i];
        // A cyclic relay's toggle is read from the live count, so the copy is taken as the tick left it.
        job_ = Job{live, now, clock.MonotonicMs(), &clock.Zone(), wanted};
        job_->tables.Holidays.SetLookup(LookupIn(holidays_));
        if (!thread_.joinable())
            thread_ = std::thread([this] { Run(); });
        wake_.notify_all();
    }
    if (!done_)
        return false;
    out = *done_;
    done_.reset();
    return true;
}

void NextChangeWatch::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || job_.has_value(); });
        if (quit_)
            return;
        Job job = std::move(*job_);
        job_.reset();
        lock.unlock();
        const NextChanges fresh = FindNextChanges(job.tables, job.now, job.nowMs, *job.zone, job.wanted);
        lock.lock();
        for (size_t i = 0; i < fresh.size(); ++i)
            if (job.wanted[i])
                answer_[i] = fresh[i];
        // An answer overtaken by a newer question waits for that one, which follows at once.
        if (!job_)
            done_ = answer_;
    }
}

} // namespace tavrel
