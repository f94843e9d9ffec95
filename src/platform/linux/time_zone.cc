#include "platform/time_zone.h"

#include <ctime>

namespace tavrel {

int32_t SystemTimeZone::UtcOffsetAt(int64_t unixSeconds) const {
    // localtime_r need not look at TZ again; a changed zone must be seen.
    tzset();
    const std::time_t t = static_cast<std::time_t>(unixSeconds);
    std::tm tm{};
    if (localtime_r(&t, &tm) == nullptr)
        return 0;
    return static_cast<int32_t>(tm.tm_gmtoff);
}

} // namespace tavrel
