#pragma once
// What the engine asks of whoever runs it: the window, tavreld, or a test.

#include <cstdint>
#include <string>

namespace tavrel {

class TickHost {
public:
    virtual ~TickHost() = default;
    // Lets queued window events run (a menu command may start in the middle of a tick).
    virtual void ProcessPendingMessages() {}
    virtual void SetBusyPointer(bool /*busy*/) {}
    // The display state was recomputed.
    virtual void DisplayChanged() {}
    virtual void RefreshStatusBar() {}
    // A relay's read-back state changed (`state` 0 or 1).
    virtual void RelaySwitched(int /*relayIndex*/, int16_t /*state*/) {}
    // The minute's state line went to the log.
    virtual void StateLineLogged(const std::string& /*line*/) {}
    // The kill action ends the program: run the normal close path. False when the close was cancelled
    // (the user kept the program running at the save question) or when this host has no close path: a
    // close that did not happen must not power the machine off.
    virtual bool CloseProgram() { return false; }
};

} // namespace tavrel
