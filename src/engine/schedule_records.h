#pragma once
// The schedule tables: boards, relays and time pairs, with the flags that keep the single thread orderly.

#include "boardio/board_record.h"
#include "common/checked_table.h"
#include "common/flags.h"
#include "config/settings.h"
#include "engine/holiday_rule.h"
#include "engine/sun_times.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrel {

// Relay states.
constexpr int16_t kStateOff = 0;
constexpr int16_t kStateOn = 1;
constexpr int16_t kStateUnknown = 9;

constexpr int kRelaySlots = 9;
constexpr int kPairSlots = 48;
constexpr int kPairsPerRelay = 6;

struct RelayRecord {
    std::string DisplayName;
    std::string DaysOfWeek;
    std::string CycleCode;
    int16_t Manual = kFalse;
    int16_t Invert = kFalse;
    std::string NextCycleText;
    int16_t CountEnabled = kFalse;
    int16_t HardStop = kFalse;
    std::string IconFile;
    int16_t Counter = 0;
    int16_t CurrentState = kStateUnknown;
    int16_t NewState = kStateUnknown;
    // Monotonic millisecond count of the next toggle of a cyclic relay; 0 = cycle not started.
    // 64-bit, so the cycle keeps working where a 32-bit tick count would wrap after 24.8 days.
    int64_t NextCycleTick = 0;
    std::string TotalTimeText;
    int16_t PrevInput = kStateUnknown;
    HolidayRule Holiday = HolidayRule::Run;
};

struct TimePair {
    std::string StartTime;
    std::string EndTime;
    int16_t PairActive = kFalse;
};

inline int RelayIndex(int board, int relayNumber) {
    return board * kRelaysPerBoard + relayNumber;
}
inline int PairIndex(int relayIndex, int pairNumber) {
    return relayIndex * kPairsPerRelay + pairNumber;
}

// The process-wide schedule state; one lives in each program context.
struct ScheduleTables {
    ScheduleTables();

    BoardTable BoardArray{"BoardArray"};
    CheckedTable<RelayRecord, kRelaySlots> RelayArray{"RelayArray"};
    CheckedTable<TimePair, kPairSlots> TimeArray{"TimeArray"};
    int16_t ScheduleSuspended = kFalse;
    int16_t TickRunning = kFalse;
    PortByteTable OutputReadback{"OutputReadback"};
    PortByteTable InputReadback{"InputReadback"};
    RelayGroupColourTable RelayGroupColors{"RelayGroupColors"};
    // What sun-based times resolve against: the controller's place and the clock's zone.
    SunTimes Sun;
    // Which days are holidays, for the relays' holiday rules.
    HolidayDays Holidays;

    // Every table reports a bad index through this one reporter.
    void SetIndexErrorReporter(const IndexErrorReporter& reporter);
};

// Resets board 0's relays and pairs to a new, empty schedule.
void InitialiseNewSchedule(ScheduleTables& t);

} // namespace tavrel
