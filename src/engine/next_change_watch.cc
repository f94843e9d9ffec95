#include "engine/next_change_watch.h"

namespace tavrel {

namespace {

// All that the answer depends on besides the passing of time within a day.
std::string Signature(const ScheduleTables& t, const CalendarDate& today) {
    std::string s = std::to_string(today.year) + "-" + std::to_string(today.month) + "-" +
                    std::to_string(today.day) + (IsSet(t.ScheduleSuspended) ? "" : "|");
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        const RelayRecord& relay = t.RelayArray[RelayIndex(0, r)];
        s += '\n' + std::to_string(relay.CurrentState) + relay.CycleCode + '\t' + relay.DaysOfWeek + '\t' +
             std::to_string(relay.Manual) + std::to_string(relay.Invert) + std::to_string(relay.HardStop) +
             std::to_string(static_cast<int>(relay.Holiday));
        for (int p = 0; p < kPairsPerRelay; ++p) {
            const TimePair& pair = t.TimeArray[PairIndex(RelayIndex(0, r), p)];
            s += '\t' + pair.StartTime + '\t' + pair.EndTime;
        }
    }
    return s;
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
    std::string signature = Signature(live, now.date);
    std::lock_guard lock(mutex_);
    if (signature != asked_) {
        asked_ = std::move(signature);
        // A cyclic relay's toggle is read from the live count, so the copy is taken as the tick left it.
        job_ = Job{live, now, clock.MonotonicMs(), &clock.Zone()};
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
        const NextChanges answer = FindNextChanges(job.tables, job.now, job.nowMs, *job.zone);
        lock.lock();
        // An answer overtaken by a newer question is dropped: the newer one follows.
        if (!job_)
            done_ = answer;
    }
}

} // namespace tavrel
