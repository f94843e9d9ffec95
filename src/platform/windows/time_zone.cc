#include "platform/time_zone.h"

#include <ctime>

namespace tavrel {

int32_t SystemTimeZone::UtcOffsetAt(int64_t unixSeconds) const {
    _tzset();
    const __time64_t t = unixSeconds;
    const std::tm* local = _localtime64(&t);
    if (local == nullptr)
        return 0;
    // The local fields read back as if they were UTC: the difference is the offset.
    std::tm fields = *local;
    return static_cast<int32_t>(_mkgmtime64(&fields) - t);
}

} // namespace tavrel
