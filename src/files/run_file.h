#pragma once
// Run files: the schedule of board 1 as text, one field per line, in the current layout or any older one.

#include "config/settings.h"
#include "engine/schedule_records.h"
#include "files/schedule_file_state.h"
#include "platform/clock.h"
#include "platform/drive_map.h"
#include "platform/message_box.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tavrel {

// LoadRunFile results.
constexpr int16_t kRunFileLoaded = 0;
constexpr int16_t kRunFileOpenFailed = 1; // or a version reader failed and said why
constexpr int16_t kRunFileVersionUnreadable = 2;
constexpr int16_t kRunFileBadVersionLine = 3;
constexpr int16_t kRunFileUnknownVersion = 4;
constexpr int16_t kRunFileFutureVersion = 5;

// "FV.2002.08.01|.b0.r7.t5": the tag and the upper indexes of boards, relays and pairs.
std::string RunFileVersionLine();

class RunFiles {
public:
    RunFiles(ScheduleTables& tables, Settings& settings, ScheduleFileState& state, MessageBoxes& boxes,
             DriveMap& drives, const Clock& clock)
        : tables_(tables), settings_(settings), state_(state), boxes_(boxes), drives_(drives), clock_(clock) {
    }

    // `folder` (with its trailing backslash) and `fileName` are joined as they are.
    int16_t LoadRunFile(const std::string& folder, const std::string& fileName, bool reportOpenFailure);
    // Writes the file whole or not at all: a failed save leaves the previous file as it was.
    bool SaveRunFile(const std::string& folder, const std::string& fileName);
    // As SaveRunFile, but leaves RestartedAfterCrash alone (for the restart file); `reportFailure` false
    // keeps a failure out of the message boxes (a retry of a failure already shown).
    bool WriteRunFileKeepingRestartFlag(const std::string& folder, const std::string& fileName,
                                        bool reportFailure = true);

    // The current version text, as last written.
    std::string VersionText;
    // Why the last write failed, in the system's words ("No space left on device"); "" after a success.
    std::string LastWriteError;
    // Called when a file with sun-based times is loaded while no location is set (for the event log).
    std::function<void()> OnSunTimesWithoutPlace;

private:
    void Fail(const char* title, const std::string& text);
    void ReadExtension(const std::string& bytes, size_t endOfFields);

    ScheduleTables& tables_;
    Settings& settings_;
    ScheduleFileState& state_;
    MessageBoxes& boxes_;
    DriveMap& drives_;
    const Clock& clock_;
};

// Whether any of board 1's times follows the sun.
bool HasSunBasedTimes(const ScheduleTables& tables);

inline constexpr const char* kSunTimesWithoutPlace =
    "This schedule has sun-based times (sunrise, sunset, dawn, dusk), but no location is set: those time "
    "pairs do not run. Set the location first: in File > Configuration, Location, or with tavreld --config "
    "set Latitude 52.52 Longitude 13.40 "
    "(decimal degrees, north and east positive).";

} // namespace tavrel
