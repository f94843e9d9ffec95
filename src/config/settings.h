#pragma once
// The program-wide settings that the configuration store loads and saves.

#include "boardio/board_record.h"
#include "common/checked_table.h"

#include <cstdint>
#include <string>

namespace tavrel {

constexpr int kMaxRelayGroupIndex = 7;
// The background colour of each relay's panel, "ColorRelayGroup1" .. "ColorRelayGroup8".
using RelayGroupColourTable = CheckedTable<int32_t, kMaxRelayGroupIndex + 1>;

// The first-run values are those of the settings table; these initialisers only say "unset".

struct Settings {
    int16_t LoggingOnOff = 0; // -1 = on
    int16_t KillByButton = 0;
    int16_t KillBySignal = 0;
    int16_t KillBySignalBoardNum = 0; // board number - 1
    int16_t KillBySignalInputNum = 0; // input number - 1
    int16_t KillBySignalGoesHigh = 0; // -1 = true
    int16_t KillBySignalGoesLow = 0;  // -1 = true
    int16_t KillActionAllOff = 0;
    int16_t KillActionExitProgram = 0;
    int16_t KillActionShutDown = 0;
    std::string KillMiscButtonName;
    int16_t KillMiscButtonOnTop = 0;
    int16_t KillMiscEnableDelay = 0;
    std::string LogFilePath;
    std::string LogFileName;
    std::string DataFilePath;
    std::string DataFileName;
    // Where the controller is, for sun-based times: decimal degrees, "" while not set.
    std::string Latitude;
    std::string Longitude;
    int16_t WarnOverLapTime = 0;
    int32_t ColorRelayON = 0;
    int32_t ColorRelayOFF = 0;
    int32_t ColorTimeON = 0;
    int32_t ColorTimeOFF = 0;
    int32_t ColorManualON = 0;
    int32_t ColorManualOFF = 0;
    int32_t ColorInputON = 0;
    int32_t ColorInputOFF = 0;
    int32_t ColorTTimeBkgrnd = 0;
    int32_t ColorNameBkgrnd = 0;
    // Holiday calendars: .ics paths separated by ";" (kept under the Calendar key; empty: none).
    std::string HolidayFiles;
    // The program-wide copy of the stored version tag, or an absence marker.
    std::string ConfigVersion;
};

} // namespace tavrel
