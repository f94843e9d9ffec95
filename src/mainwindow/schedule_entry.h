#pragma once
// The rules of the relay panels' entry boxes: what each accepts, what is stored, the refusals and the
// overlap warning. The window forwards key presses and leave events and shows what comes back.

#include "common/typed_text.h"
#include "config/settings.h"
#include "engine/display_state.h"
#include "engine/schedule_records.h"
#include "files/schedule_file_state.h"
#include "platform/clock.h"
#include "platform/message_box.h"

#include <string>
#include <string_view>

namespace tavrel {

// Why a sun-based time is refused while no location is set, and where to set it.
inline constexpr const char* kSunEntryWithoutPlace[] = {
    "Sun-based times (sunrise, sunset, dawn, dusk) need the controller's location: set it first.",
    "Set Latitude and Longitude in File > Configuration, Location, or with tavreld --config set Latitude "
    "52.52 "
    "Longitude 13.40"};

// What an accepted edit sets going beyond the tables.
class EntryEffects {
public:
    virtual ~EntryEffects() = default;
    virtual void WriteRestartFile() = 0;
    virtual void EnableTimer() = 0;
    // One schedule check now, as the timer would.
    virtual void CheckScheduleNow() = 0;
};

struct EntryOutcome {
    bool accepted = true; // false: the leave is cancelled, focus stays in the box with its text selected
    std::string shown;    // what the box shows afterwards
};

class ScheduleEntry {
public:
    ScheduleEntry(ScheduleTables& tables, ScheduleFileState& files, const Settings& settings,
                  DisplayState& display, MessageBoxes& boxes, EntryEffects& effects, const Clock& clock)
        : tables_(tables), files_(files), settings_(settings), display_(display), boxes_(boxes),
          effects_(effects), clock_(clock) {}

    // Typing into a start box (pair index 0..47); the first pair of a relay restarts its cycle.
    void StartTimeTyped(int pairIndex);

    EntryOutcome LeaveStartTime(int pairIndex, const std::string& text);
    EntryOutcome LeaveEndTime(int pairIndex, const std::string& text);
    EntryOutcome LeaveDaysOfWeek(int relay, const std::string& text);
    EntryOutcome LeaveCycleCode(int relay, const std::string& text);
    EntryOutcome LeaveDisplayName(int relay, const TypedText& name);

    // The icon chosen for a relay; an empty path (choice cancelled) changes nothing.
    void SetIconFile(int relay, const std::string& path);

private:
    EntryOutcome LeaveTime(int pairIndex, const std::string& text, bool isStart);
    EntryOutcome Refuse(std::string shown, std::vector<std::string> lines);
    void AfterTimeStored(int relay);
    void WarnWhenSunPairNeverRuns(const TimePair& pair);
    void Changed();
    // The relay's total afresh, and its panel.
    void ShowRelay(int relay);

    ScheduleTables& tables_;
    ScheduleFileState& files_;
    const Settings& settings_;
    DisplayState& display_;
    MessageBoxes& boxes_;
    EntryEffects& effects_;
    const Clock& clock_; // the day whose times entry checks and totals
};

// Whether a days-of-week text is one the days box accepts.
bool DaysOfWeekAccepted(std::string_view text);
// The code box's form of a typed code: upper case, two characters at most, "0" as empty.
std::string NormaliseCycleCode(std::string_view text);
bool CycleCodeAccepted(std::string_view normalised);

} // namespace tavrel
