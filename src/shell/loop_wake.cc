#include "shell/loop_wake.h"

#include <chrono>

namespace tavrel {

namespace {
// The last stretch before a deadline is left to the clock, which wakes more precisely than a wait.
constexpr int64_t kPreciseStretchUs = 2000;
constexpr int64_t kMinWakeSpacingUs = 50'000;
} // namespace

void LoopWake::Wake() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        woken_ = true;
    }
    cv_.notify_one();
}

bool LoopWake::SleepUntil(Clock& clock, int64_t deadlineUs) {
    if (!armed_) {
        clock.SleepUntilUs(deadlineUs);
        return false;
    }
    {
        std::unique_lock<std::mutex> lock(mutex_);
        const int64_t waitUs = deadlineUs - clock.MonotonicUs() - kPreciseStretchUs;
        if (waitUs > 0)
            cv_.wait_for(lock, std::chrono::microseconds(waitUs), [this] { return woken_; });
        if (!woken_) {
            lock.unlock();
            clock.SleepUntilUs(deadlineUs);
            return false;
        }
        woken_ = false;
    }
    const int64_t spacedUs = lastWakeUs_ + kMinWakeSpacingUs;
    if (clock.MonotonicUs() < spacedUs)
        clock.SleepUntilUs(spacedUs < deadlineUs ? spacedUs : deadlineUs);
    lastWakeUs_ = clock.MonotonicUs();
    return true;
}

} // namespace tavrel
