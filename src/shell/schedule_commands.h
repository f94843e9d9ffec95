#pragma once
// The File menu's schedule commands and the crash-restart file, as operations the window and tavreld share.

#include <cstdint>
#include <string>

namespace tavrel {

struct ProgramContext;
class Autostart;

inline constexpr const char* kRestartFolder = "c:\\";
inline constexpr const char* kRestartFileName = "TVRestart.run";
// Beside the restart file: the run that wrote it last was stopped in order (a service manager's stop, a
// shut-down), so resuming it is no crash.
inline constexpr const char* kOrderlyStopFileName = "TVRestart.stopped";
// After a failed write of the restart file, the least time before the next try.
inline constexpr int64_t kRestartRetryMs = 60'000;

// Saves the running schedule as the restart file. A failure is said once (message, event log); then the
// file is tried again when it is next due, at most once a minute (the tick asks while one is owed), and
// the recovery is logged and said on the notices stream.
void WriteRestartFile(ProgramContext& ctx);
// Deletes the restart file and its orderly-stop mark.
void DeleteRestartFile(ProgramContext& ctx);
// Marks the restart file kept at an orderly stop, so that the next start does not log a crash.
void MarkOrderlyStop(ProgramContext& ctx);
// True when a restart file was found and loaded (and logged as a restart: "System Crashed & Restarted",
// or "System Stopped & Restarted" when the run before was stopped in order). The mark is used up either
// way, so that a crash of this run is logged as one.
bool LoadRestartFile(ProgramContext& ctx);

// A new, empty schedule.
void FileNew(ProgramContext& ctx);
// Opens `path` (folder and name). Returns the reader's result; on failure the schedule is a new one.
int16_t FileOpen(ProgramContext& ctx, const std::string& path);
// Saves under the current folder and name; false when there is none (the caller asks for one) or the
// save failed.
bool FileSave(ProgramContext& ctx);
// Stores the folder and name and writes the schedule there, which ends a crash restart's caption. False
// when the save failed.
bool FileSaveAs(ProgramContext& ctx, const std::string& path);

// Splits a full path at its last separator: the folder keeps the separator.
void SplitRunFilePath(const std::string& path, std::string& folder, std::string& name);

// The Tools menu's "Run when Computer Boots (Starts)" commands.
void RunOnBootAlways(ProgramContext& ctx, Autostart& autostart, const std::string& bootCommand);
void RunOnBootNextTime(ProgramContext& ctx, Autostart& autostart, const std::string& bootCommand);
void RunOnBootNever(ProgramContext& ctx, Autostart& autostart);

} // namespace tavrel
