#pragma once
// The machine's civil time zone: how far local time is ahead of UTC at a given instant.

#include <cstdint>

namespace tavrel {

class TimeZone {
public:
    virtual ~TimeZone() = default;
    // Seconds local civil time is ahead of UTC at `unixSeconds`, daylight saving included.
    virtual int32_t UtcOffsetAt(int64_t unixSeconds) const = 0;
};

// A zone with one offset all year.
class FixedOffsetZone final : public TimeZone {
public:
    explicit FixedOffsetZone(int32_t offset = 0) : offset_(offset) {}
    int32_t UtcOffsetAt(int64_t) const override { return offset_; }

private:
    int32_t offset_;
};

// The time zone the machine's clock shows (TZ on Linux, the control panel's zone on Windows).
class SystemTimeZone final : public TimeZone {
public:
    int32_t UtcOffsetAt(int64_t unixSeconds) const override;
};

} // namespace tavrel
