#include "shell/start_choice.h"

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
