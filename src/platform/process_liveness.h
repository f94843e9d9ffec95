#pragma once
// Whether a process still runs, for telling a dead process's leftovers from a live one's.

namespace tavrel {

// True while the process `pid` exists (also when it belongs to another user).
bool ProcessRunning(int pid);
int CurrentProcessId();

} // namespace tavrel
