#pragma once
// Keeps in bounds what peers on the network can make the program write: an ignored message is logged
// at most once in ten seconds (the rest are counted and the count logged), and all lines caused by
// network input together stop at 1 MiB a day, with one line saying so. The program's own switch, fault
// and state lines never pass through here and are never dropped.

#include "platform/clock.h"

#include <cstddef>
#include <cstdint>

namespace tavrel {

inline constexpr int64_t kMqttIgnoredIntervalMs = 10'000;
inline constexpr size_t kMqttDailyLogBytes = 1024 * 1024;

class MqttLogBudget {
public:
    // Whether an ignored message may be logged now; when not, it is counted.
    bool IgnoredDue(int64_t nowMs);
    // The count of ignored messages not logged, once their interval is over (then reset); 0 before.
    size_t UnloggedIgnored(int64_t nowMs);

    // Whether a line of `bytes` caused by network input may still be written `today`. `capReached` is set
    // for the first line refused on a day: the caller then writes one line that says so.
    bool Spend(const CalendarDate& today, size_t bytes, bool& capReached);

private:
    bool loggedIgnored_ = false;
    int64_t lastIgnoredMs_ = 0;
    size_t unloggedIgnored_ = 0;
    CalendarDate day_;
    size_t spent_ = 0;
    bool capped_ = false;
};

} // namespace tavrel
