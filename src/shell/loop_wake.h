#pragma once
// Lets another thread cut the scheduler loop's sleep short (a command arrived over MQTT), so that the
// loop's between-ticks work runs at once instead of at the next tick. The tick's own deadline is kept,
// and wakes come at most every 50 ms, so that a peer sending commands without pause cannot make the loop
// (and the restart file each command writes) run without pause either.

#include "platform/clock.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace tavrel {

class LoopWake {
public:
    // From any thread.
    void Wake();
    // Only while something can wake it (the MQTT link runs) does the loop wait to be woken; otherwise it
    // sleeps on the program's clock alone, as it always did. Set by the loop's own thread.
    void Arm(bool armed) { armed_ = armed; }
    // Sleeps until `clock` reaches `deadlineUs` or Wake is called (also before this call, since the last
    // return); true when woken.
    bool SleepUntil(Clock& clock, int64_t deadlineUs);

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool woken_ = false;
    bool armed_ = true;
    int64_t lastWakeUs_ = 0;
};

} // namespace tavrel
