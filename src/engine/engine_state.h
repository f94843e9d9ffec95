#pragma once
// The run-time state of the check-time timer and the kill, kept for the whole run.

#include "engine/day_pair_times.h"

#include <cstdint>
#include <string>

namespace tavrel {

constexpr int32_t kCheckTimeIntervalMs = 950;

struct EngineState {
    bool TimerEnabled = false; // tmrCheckTime
    int32_t TimerInterval = kCheckTimeIntervalMs;
    std::string TimerMenuCaption = "Timer Enable";
    int16_t KillPending = 0;
    int16_t KillArmed = 0;
    int16_t KillDelayCount = 0;
    // The pending kill came from the input line, not the button.
    bool KillFromSignal = false;
    // The input line stood at its kill level at the last check: a kill is logged when the line comes to
    // that level, not again at each tick while it stays there.
    bool KillSignalHeld = false;
    bool KillSignalFresh = false;
    // The kill window: hidden after a kill that ends the program; showing the un-kill button after
    // "all relays OFF" alone.
    bool KillWindowVisible = false;
    bool KillWindowShowsUnKill = false;
    // A counter moved since the restart file was last written; it is written again at the next minute.
    bool CountersChanged = false;
    int LastCounterSaveMinute = -1;
    // The restart file was due but is not written yet (the disk was full, say): each tick asks again,
    // and the shell tries at most once a minute.
    bool RestartWriteOwed = false;
    // The day's pair times, so that the tick never parses a time text or computes the sun.
    DayPairTimes PairTimes;
};

} // namespace tavrel
