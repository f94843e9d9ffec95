#pragma once
// What a relay does on a holiday, and which days are holidays as the evaluation sees them: asked of the
// calendar once a day, never at each tick.

#include "platform/clock.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

enum class HolidayRule {
    Run,    // the holiday is an ordinary day
    Skip,   // the relay's pairs and cycle do not run that day
    Sunday, // the day-of-week test and the weekend codes take the day as a Sunday
};

// "RUN", "SKIP" or "SUNDAY".
std::string_view HolidayRuleText(HolidayRule rule);
// The rule a text names (as HolidayRuleText writes it), or nothing.
std::optional<HolidayRule> ParseHolidayRule(std::string_view text);

class HolidayDays {
public:
    // The holiday's name on a date, or nothing when the date is an ordinary day.
    using Lookup = std::function<std::optional<std::string>(const CalendarDate&)>;

    // Asks `lookup` from now on (none: no day is a holiday). Forgets the day's answer.
    void SetLookup(Lookup lookup);
    // The calendar changed: the next question asks it again.
    void Forget() {
        asked_ = false;
        ++version_;
    }
    // Counts the calendar's changes, so that what was taken from it can tell when to ask again.
    uint64_t Version() const { return version_; }

    // The holiday on `date`, or nothing; the lookup is asked only when the date differs from the last.
    const std::optional<std::string>& On(const CalendarDate& date) const;

private:
    Lookup lookup_;
    uint64_t version_ = 0;
    mutable bool asked_ = false;
    mutable CalendarDate day_{};
    mutable std::optional<std::string> holiday_;
};

} // namespace tavrel
