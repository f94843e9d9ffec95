#pragma once
// What the kill window shows: its caption, its two buttons and whether it stays above other windows.

#include <string>

namespace tavrel {

struct Settings;
struct EngineState;

struct KillWindowLook {
    std::string caption = "Reminder";
    std::string killCaption;
    std::string unKillCaption = "(UN) Kill / Stop";
    bool onTop = false;
    // After "all relays OFF" alone only the un-kill button is shown.
    bool showsUnKill = false;
    bool visible = true;
};

KillWindowLook KillWindowLoad(const Settings& settings);
// The look after a button press, from the state the kill left.
KillWindowLook KillWindowAfterPress(const Settings& settings, const EngineState& engine);

} // namespace tavrel
