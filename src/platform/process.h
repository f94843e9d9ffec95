#pragma once
// The running process and its neighbours: a second copy, the operating-system family, starting a command
// line, and the stop request of a service manager or Ctrl+C.

#include <memory>
#include <string>

namespace tavrel {

// Held for the process's lifetime; tells whether another copy already holds it.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    virtual bool AnotherCopyRunning() const = 0;
    // The other copy, when known: "process 1234 (tavreld)"; else "".
    virtual std::string Holder() const { return {}; }
    // Why the lock could not be taken at all, naming its file ("the lock file ... is a symbolic link");
    // "" when it was taken or another copy holds it.
    virtual std::string Problem() const { return {}; }
};

// Linux: an advisory lock on `home`/tavrel.lock (0600). Windows: a named mutex.
std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& home);

// A lock shared by every program of the machine, whatever its home or user, named by `key` (a board's
// port space and address, or its serial device). Linux: an advisory lock on a file (0644, so that other
// users see who holds it) under /run/tavrel for root, else in $XDG_RUNTIME_DIR (or /tmp, under a name of
// the user's own), which holds the holder's process id and name; a copy that is not root also looks for
// root's lock. A lock file that is a link, has another name too or belongs to another user is refused
// (Problem). Windows: a global mutex.
// `rootFolder`, when given, stands for /run/tavrel (tests keep root's locks out of /run).
std::unique_ptr<InstanceLock> AcquireMachineLock(const std::string& key, const std::string& rootFolder = "");

// "9x", "NT", "2k" or "XP": the family whose window layout the program uses (the newest on other systems).
std::string OsFamilyText();

// Starts a command line without waiting for it, its program directly (never through a shell), the line
// split by the Windows rules (command_line.h); false with `error` when it could not be started.
bool StartCommandLine(const std::string& commandLine, std::string& error);

// Ctrl+C, SIGINT, SIGTERM and SIGHUP (or the console's events) set the stop request instead of ending
// the process.
void InstallStopRequestHandlers();
bool StopRequested();
// Whether the stop came from the system rather than the user: SIGTERM (a service manager, as at
// shut-down) or SIGHUP (the terminal went away); on Windows the console's close, log-off and shut-down
// events. Such a stop keeps the restart file so that the next start resumes; Ctrl+C is a normal close.
bool StopKeepsRestartFile();
// A descriptor that turns readable once a stop is requested, so that an event loop can wait for it
// instead of asking StopRequested() over and over; -1 where the system has none (then poll).
// Valid after InstallStopRequestHandlers.
int StopRequestDescriptor();

// After InstallStopRequestHandlers: SIGHUP asks for the settings to be read again instead of a stop, as
// service managers send it for a reload. Windows has no such signal and never asks.
void InstallReloadRequestHandler();
// True once for each reload asked for since the last call (requests in between count as one).
bool TakeReloadRequest();

} // namespace tavrel
