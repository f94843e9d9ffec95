#pragma once
// The start-up of the program with a window, in its fixed order: the second-copy warning, the splash, the
// configuration check (sending a first run to the configuration dialog), the program-load events, the
// port layer and the kill window. The window program supplies the windows through the steps.

#include <functional>
#include <string>

namespace tavrel {

struct ProgramContext;

// "You are attempting to run more then one copy of Tavrel , Doing so will cause unreliable performance."
std::string SecondCopyWarningText();

// Loads the stored configuration when it is this program's version. Otherwise asks (OK/Cancel) and, on
// OK, runs `openConfiguration` and checks again; Cancel refuses. True when a configuration is in force.
bool CheckConfiguration(ProgramContext& ctx, const std::function<bool()>& openConfiguration);

struct StartupSteps {
    std::function<void()> showSplash;
    // The board settings dialog; true when the user saved a configuration.
    std::function<bool()> openConfiguration;
    std::function<void()> showKillWindow;
};

enum class StartupOutcome { Run, ConfigurationRefused, PortLayerFailed };

// Everything before the main window loads. On a refusal or a port-layer failure nothing has touched a
// relay and the program ends.
StartupOutcome RunWindowStartup(ProgramContext& ctx, bool anotherCopyRunning, const StartupSteps& steps);

} // namespace tavrel
