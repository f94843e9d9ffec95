#pragma once
// Board 1's pair times for the day, resolved once and looked up by each tick.

#include "engine/pair_times.h"
#include "engine/schedule_records.h"

#include <array>
#include <optional>
#include <string>

namespace tavrel {

using BoardPairSeconds = std::array<RelayPairSeconds, kRelaysPerBoard>;

// The times of board 1's pairs on `date`, resolved from the tables' texts now.
BoardPairSeconds ResolveBoardPairSeconds(const ScheduleTables& tables, const CalendarDate& date);

// The times are resolved again only when the date turns, a pair's text changes (an entry, a file read) or
// the place or zone that sun-based times are reckoned at changes (a settings change). Noticing costs the
// tick a comparison of the texts, a fraction of parsing them.
class DayPairTimes {
public:
    const BoardPairSeconds& On(const ScheduleTables& tables, const CalendarDate& date);

private:
    bool Current(const ScheduleTables& tables, const CalendarDate& date) const;

    bool resolved_ = false;
    CalendarDate date_{};
    bool sunBased_ = false;
    std::optional<GeoPlace> place_;
    const TimeZone* zone_ = nullptr;
    struct Texts {
        std::string start;
        std::string end;
    };
    std::array<Texts, kRelaysPerBoard * kPairsPerRelay> texts_;
    BoardPairSeconds seconds_{};
};

} // namespace tavrel
