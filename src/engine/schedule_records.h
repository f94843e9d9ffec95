#pragma once
// The schedule tables: boards, relays and time pairs, with the flags that keep the single thread orderly.

#include "engine/checked_table.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrel {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// Relay states.
constexpr int16_t kStateOff = 0;
constexpr int16_t kStateOn = 1;
constexpr int16_t kStateUnknown = 9;

constexpr int kBoardSlots = 4;
constexpr int kRelaySlots = 9;
constexpr int kPairSlots = 48;
constexpr int kRelaysPerBoard = 8;
constexpr int kPairsPerRelay = 6;
// The engine, the run file and the display drive board 0 only.
constexpr int kLastScheduledBoard = 0;

struct BoardRecord {
    std::string ChipSetType = " ";
    int32_t BaseAddress = 0;
    int32_t InputAddress = 0;
    int32_t CntlAddress = 0;
    int32_t PortConfigValue = 0;
    int16_t BoardReady = kFalse;
    int16_t LogBoard = 0;
    int16_t ResetOnExit = 0;
    int16_t RunNoBoard = 0;
    int16_t WriteToBaseOnly = 0;
    std::array<std::string, kRelaysPerBoard> RelayNames{};
};

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

    CheckedTable<BoardRecord, kBoardSlots> BoardArray{"BoardArray"};
    CheckedTable<RelayRecord, kRelaySlots> RelayArray{"RelayArray"};
    CheckedTable<TimePair, kPairSlots> TimeArray{"TimeArray"};
    int16_t ScheduleSuspended = kFalse;
    int16_t TickRunning = kFalse;
    CheckedTable<uint8_t, kBoardSlots> OutputReadback{"OutputReadback"};
    CheckedTable<uint8_t, kBoardSlots> InputReadback{"InputReadback"};
    CheckedTable<int32_t, kRelaysPerBoard> RelayGroupColors{"RelayGroupColors"};

    // Every table reports a bad index through this one reporter.
    void SetIndexErrorReporter(const IndexErrorReporter& reporter);
};

// Board field readers by board index 0..3. A bad index is reported and reads as a blank board.
std::string BoardChipSetType(const ScheduleTables& t, int board);
int32_t BoardBaseAddress(const ScheduleTables& t, int board);
int32_t BoardInputAddress(const ScheduleTables& t, int board);
int32_t BoardCntlAddress(const ScheduleTables& t, int board);
int32_t BoardPortConfigValue(const ScheduleTables& t, int board);
int16_t BoardRunNoBoard(const ScheduleTables& t, int board);      // -1 when emulated, else 0
int16_t BoardWriteToBaseOnly(const ScheduleTables& t, int board); // -1 when write-only, else 0
int16_t BoardReadyFlag(const ScheduleTables& t, int board);
void SetBoardReady(ScheduleTables& t, int board);
void ClearBoardReady(ScheduleTables& t, int board);

// Resets board 0's relays and pairs to a new, empty schedule.
void InitialiseNewSchedule(ScheduleTables& t);

} // namespace tavrel
