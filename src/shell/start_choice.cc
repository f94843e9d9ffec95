#include "shell/start_choice.h"

#include "engine/tick.h"
#include "files/run_file.h"
#include "platform/file_times.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/startup.h"

#include <ostream>

namespace tavrel {

StartChoice ChooseStart(std::optional<int64_t> restartFileTime, std::optional<int64_t> runFileTime) {
    if (restartFileTime && runFileTime && *runFileTime > *restartFileTime)
        return StartChoice::OpenRunFile;
    return StartChoice::Resume;
}

std::string StartChoiceText(StartChoice choice, const std::string& runFile) {
    if (choice == StartChoice::OpenRunFile)
        return "tavreld: " + runFile + " was changed after the restart file was written: opening " + runFile +
               " instead of resuming.";
    return "tavreld: resumed the schedule of the restart file; " + runFile +
           " is not opened (not changed since the restart file was written).";
}

} // namespace tavrel

namespace tavrel {

std::optional<int> LoadScheduleHeadless(ProgramContext& ctx, const std::string& runFile, std::ostream& err) {
    const StartChoice choice =
        runFile.empty()
            ? StartChoice::Resume
            : ChooseStart(FileChangedTime(ctx.drives.Map(std::string(kRestartFolder) + kRestartFileName)),
                          FileChangedTime(runFile));
    if (LoadScheduleAtStart(ctx, choice == StartChoice::Resume)) {
        err << (runFile.empty() ? "tavreld: resumed the schedule of the restart file."
                                : StartChoiceText(StartChoice::Resume, runFile))
            << "\n";
        return std::nullopt;
    }
    if (runFile.empty()) {
        err << "tavreld: no run file given and no schedule to resume; see --help\n";
        CloseProgram(ctx);
        return 2;
    }
    if (choice == StartChoice::OpenRunFile)
        err << StartChoiceText(choice, runFile) << "\n";
    if (const int16_t result = FileOpen(ctx, runFile); result != kRunFileLoaded) {
        // A newer run file that does not load must not cost the schedule kept in the restart file.
        if (choice != StartChoice::OpenRunFile || !LoadScheduleAtStart(ctx)) {
            CloseProgram(ctx, RestartFileOnClose::Keep);
            return result;
        }
        err << "tavreld: " << runFile << " could not be opened: resumed the schedule of the restart file.\n";
    } else {
        EnableTimer(ctx.engine);
    }
    return std::nullopt;
}

} // namespace tavrel
