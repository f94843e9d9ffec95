#include "mqtt/mqtt_log_budget.h"

#include "platform/cold_code.h"

namespace tavrel {

TAVREL_COLD bool MqttLogBudget::IgnoredDue(int64_t nowMs) {
    if (loggedIgnored_ && nowMs - lastIgnoredMs_ < kMqttIgnoredIntervalMs) {
        ++unloggedIgnored_;
        return false;
    }
    loggedIgnored_ = true;
    lastIgnoredMs_ = nowMs;
    return true;
}

TAVREL_COLD size_t MqttLogBudget::UnloggedIgnored(int64_t nowMs) {
    if (unloggedIgnored_ == 0 || nowMs - lastIgnoredMs_ < kMqttIgnoredIntervalMs)
        return 0;
    const size_t count = unloggedIgnored_;
    unloggedIgnored_ = 0;
    lastIgnoredMs_ = nowMs; // the count's line takes the interval's one place
    return count;
}

TAVREL_COLD bool MqttLogBudget::Spend(const CalendarDate& today, size_t bytes, bool& capReached) {
    capReached = false;
    if (!(today == day_)) {
        day_ = today;
        spent_ = 0;
        capped_ = false;
    }
    if (spent_ + bytes > kMqttDailyLogBytes) {
        capReached = !capped_;
        capped_ = true;
        return false;
    }
    spent_ += bytes;
    return true;
}

} // namespace tavrel
