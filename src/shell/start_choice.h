#pragma once
// Whether a start resumes the restart file or opens the run file it was given.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace tavrel {

struct ProgramContext;

enum class StartChoice { Resume, OpenRunFile };

// A restart file wins, so that a start after a shut-down or a crash goes on with the counters and the
// manual, invert and stop settings; but a run file that was changed after the restart file was written
// holds the user's newer schedule and is opened instead. Times are FileChangedTime values; nothing
// means no such file (or no run file given).
StartChoice ChooseStart(std::optional<int64_t> restartFileTime, std::optional<int64_t> runFileTime);

// The line tavreld prints about its choice when it was given a run file and a restart file exists.
std::string StartChoiceText(StartChoice choice, const std::string& runFile);

// tavreld's load step: the restart file resumed, or `runFile` ("" for none) opened by the choice above,
// which is said on `err`. Nothing when a schedule runs; else the program was closed and this is its exit
// code.
std::optional<int> LoadScheduleHeadless(ProgramContext& ctx, const std::string& runFile, std::ostream& err);

} // namespace tavrel
