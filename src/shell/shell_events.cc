#include "shell/shell_events.h"

#include "files/run_on_boot.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"

#include <ostream>

namespace tavrel {

void ShellEvents::RestartFileDue() {
    WriteRestartFile(ctx_);
}

void ShellEvents::LogEvent(const std::string& what, const std::string& detail) {
    ctx_.eventLog.WriteEvent(what, detail);
}

std::string ShellEvents::LogStateLine(const std::string (&relayTexts)[kBoardSlots],
                                      const std::string (&inputTexts)[kBoardSlots]) {
    return ctx_.eventLog.WriteStateLine(relayTexts, inputTexts);
}

void ShellEvents::Notice(const std::string& line) {
    if (ctx_.notices != nullptr)
        *ctx_.notices << "tavreld: " << line << "\n";
}

void ShellEvents::Trace(const std::string& line) {
    if (ctx_.traces != nullptr)
        *ctx_.traces << ctx_.programName << ": " << line << "\n";
}

void ShellEvents::ShutDownComputer() {
    clsRunOnBootOnceAlways(ctx_.regApi, ctx_.boxes).SetRunMeNever();
    std::string error;
    if (!ctx_.power.PowerOff(error))
        ctx_.boxes.Tell(MsgIcon::Error, "Tavrel", {error});
}

} // namespace tavrel
