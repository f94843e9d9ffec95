#pragma once
// The engine's events as the program carries them out: the restart file, the event log, the power.

#include "engine/engine_events.h"

namespace tavrel {

struct ProgramContext;

class ShellEvents final : public EngineEvents {
public:
    explicit ShellEvents(ProgramContext& ctx) : ctx_(ctx) {}

    void RestartFileDue() override;
    void LogEvent(const std::string& what, const std::string& detail) override;
    std::string LogStateLine(const std::string (&relayTexts)[kBoardSlots],
                             const std::string (&inputTexts)[kBoardSlots]) override;
    void ShutDownComputer() override;
    void Notice(const std::string& line) override;
    void Trace(const std::string& line) override;

private:
    ProgramContext& ctx_;
};

} // namespace tavrel
