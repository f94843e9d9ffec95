#include "platform/time_zone.h"

#include <ctime>

namespace tavrel {

int32_t SystemTimeZone::UtcOffsetAt(int64_t unixSeconds) const {
    _tzset();
    const __time64_t t = unixSeconds;
    std::tm tm{};
    if (_localtime64_s(&tm, &t) != 0)
        return 0;
    // The local fields read back as if they were UTC: the difference is the offset.
    return static_cast<int32_t>(_mkgmtime64(&tm) - t);
}

} // namespace tavrel
