#pragma once
// The configuration window as a whole: which variant a screen gets, its caption, height and menus, and
// the window-level rules (changed flag, Save, Cancel Changes, the close question, the reset menus).

#include "config/board_settings_model.h"
#include "config/colours_kill_model.h"
#include "config/config_dialog_types.h"
#include "config/holiday_files_model.h"
#include "config/location_model.h"

#include <array>
#include <string>
#include <vector>

namespace tavrel {

enum class ConfigWindow { frmConfiguration, frmConfigBoards, frmConfigColors };

struct ConfigWindowLayout {
    ConfigWindow window;
    const char* name;
    int heightTwips;
    const char* captionSuffix;
    bool boardSection;
    bool colourSection;
    // Menu entries a variant may hide.
    bool setColors;
    bool resetColors;
    bool resetAddressDefaults;
    bool resetNamesDefaults;
    bool resetBoardLogging;
    bool resetResetOnExit;
};

const ConfigWindowLayout& LayoutOf(ConfigWindow window);

inline constexpr const char* kConfigCaption = "Tavrel Configuration";
std::string ConfigWindowCaption(ConfigWindow window);

// The windows the "Configuration" command opens, in order, for an available screen of the given size in
// device-independent pixels: the combined window from 1024 x 768 up, else the boards then the colours.
std::vector<ConfigWindow> ChooseConfigWindows(int screenWidth, int screenHeight);

enum class CloseAnswer { Close, Stay };

class ConfigurationDialogModel {
public:
    ConfigurationDialogModel(ConfigWindow window, ConfigurationTargets targets);

    const ConfigWindowLayout& Layout() const { return LayoutOf(window_); }
    BoardSettingsModel& Boards() { return boards_; }
    ColoursKillModel& Colours() { return colours_; }
    LocationModel& Location() { return location_; }
    HolidayFilesModel& Holidays() { return holidays_; }

    // Drives the enabled state of "Save", "Cancel Changes" and their menu entries.
    bool Changed() const { return changes_.changed; }
    // True once a Save has stored the settings.
    bool Saved() const { return saved_; }

    void Save();
    // Puts every setting back as it was when the window opened; the window then closes.
    void CancelChanges();
    // The close request: without changes it closes; else "Save File?" with Yes (save), No (restore) and
    // Cancel (stay).
    CloseAnswer RequestClose();

    void ResetColours() { colours_.ResetColours(); }
    void ResetAllDefaults();

private:
    struct Snapshot {
        Settings settings;
        std::array<BoardRecord, kBoardSlots> boards;
        std::array<int32_t, kRelaysPerBoard> groupColors;
    };
    void Restore();

    ConfigWindow window_;
    ConfigurationTargets targets_;
    ConfigChangeFlag changes_;
    Snapshot before_;
    BoardSettingsModel boards_;
    ColoursKillModel colours_;
    LocationModel location_;
    HolidayFilesModel holidays_;
    bool saved_ = false;
};

} // namespace tavrel
