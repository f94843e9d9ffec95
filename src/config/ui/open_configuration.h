#pragma once
// The "Configuration" command: the window variant the screen allows, run modally, then the boards
// invalidated so the next relay write sets each one up with its new settings.

#include "config/config_dialog_types.h"
#include "config/configuration_dialog_model.h"
#include "config/log_folder.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace tavrel {

// The drives under `tavrelHome`/dosdevices with the folders they lead to.
std::vector<DriveFolder> DriveFoldersOf(const std::string& tavrelHome);

// Asks for the log folder in a directory dialog; the answer as the settings keep it, or empty.
QString ChooseLogFolder(const std::string& tavrelHome, const QString& current, QWidget* parent);

// What the caller adds to the windows: their remembered places (put a window where it was last left and
// remember where it is closed, under the window's name) and the way to the MQTT section.
struct ConfigurationExtras {
    std::function<void(QWidget& window, const std::string& windowName)> keepPlacement;
    std::function<void(QWidget* owner)> openMqtt;
};

// The windows for a screen of this size (its whole size: a task bar does not make it a small screen).
std::vector<ConfigWindow> ConfigWindowsForScreen(const QWidget* parent);

// True when the user saved. `invalidateBoard` is called for every board slot after the windows close.
bool OpenConfiguration(const ConfigurationTargets& targets, const std::function<void(int)>& invalidateBoard,
                       const std::string& tavrelHome, QWidget* parent = nullptr,
                       const ConfigurationExtras& extras = {});

} // namespace tavrel
