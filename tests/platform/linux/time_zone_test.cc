#include "platform/time_zone.h"

#include "engine/local_day.h"
#include "support/fake_time_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tavrel {
namespace {

// The machine's zone, set to Berlin here, agrees with the test zone hour by hour over the year.
TEST(SystemTimeZone, FollowsTzAcrossBothChangesOfTheYear) {
    const char* before = std::getenv("TZ");
    const std::string saved = before != nullptr ? before : "";
    setenv("TZ", "Europe/Berlin", 1);
    const SystemTimeZone system;
    const FakeTimeZone berlin(3600, true);
    const int64_t start = DaysFromCivil({2027, 1, 1}) * 86400;
    for (int64_t t = start; t < start + 365 * 86400; t += 3600)
        ASSERT_EQ(system.UtcOffsetAt(t), berlin.UtcOffsetAt(t)) << t;
    if (before != nullptr)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
}

} // namespace
} // namespace tavrel
