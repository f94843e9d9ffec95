#include "shell/program_context.h"

namespace tavrel {

namespace {
constexpr int kSubscriptOutOfRange = 9;
}

ProgramContext::ProgramContext(Clock& clockIn, MessageBoxes& boxesIn, DriveMap& drivesIn)
    : clock(clockIn), boxes(boxesIn), drives(drivesIn) {
    SetIndexErrorReporter([this](const std::string& table, int index) {
        ReportRuntimeError(boxes, kSubscriptOutOfRange,
                           "Subscript out of range (" + std::to_string(index) + ")", table);
    });
}

void ReportRuntimeError(MessageBoxes& boxes, int number, const std::string& description,
                        const std::string& source) {
    boxes.Tell(
        MsgIcon::Error, "Tavrel Error",
        {"Error Number: " + std::to_string(number), "Description: " + description, "Source: " + source});
}

} // namespace tavrel
