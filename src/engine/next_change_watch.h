#pragma once
// Keeps each relay's next change up to date without holding up the tick: the tick hands a copy of the
// tables to a worker thread whenever what decides the answer has changed, and picks the answer up later.

#include "engine/next_change.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace tavrel {

// The holidays of the days a question looks at, by day number.
using HolidayDaysAhead = std::map<int64_t, std::string>;

class NextChangeWatch {
public:
    NextChangeWatch() = default;
    ~NextChangeWatch();
    NextChangeWatch(const NextChangeWatch&) = delete;
    NextChangeWatch& operator=(const NextChangeWatch&) = delete;

    // After each tick: asks for a fresh answer after a switch, an entry, an override, a file opened or a
    // new day, and puts a finished answer into `out`. True when an answer was put there.
    bool AfterTick(const ScheduleTables& live, const Clock& clock, NextChanges& out);

private:
    struct Job {
        ScheduleTables tables;
        LocalTime now;
        int64_t nowMs = 0;
        const TimeZone* zone = nullptr;
        RelayMask wanted{};
    };
    void Run();

    // Tick thread only: what the last questions were asked about.
    std::string day_;
    std::array<std::string, kRelaysPerBoard> relays_;
    uint64_t calendarVersion_ = 0;
    std::shared_ptr<const HolidayDaysAhead> holidays_;
    // Worker's, under the mutex: every relay's latest answer.
    NextChanges answer_{};
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> job_;
    std::optional<NextChanges> done_;
    bool quit_ = false;
    std::thread thread_;
};

} // namespace tavrel
