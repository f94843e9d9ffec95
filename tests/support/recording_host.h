#pragma once
// A tick host that records what the engine told it.

#include "engine/tick_host.h"

#include <string>
#include <utility>
#include <vector>

namespace tavrel::test {

class RecordingHost final : public TickHost {
public:
    std::vector<std::pair<int, int16_t>> switches;
    std::vector<std::string> stateLines;
    int displayChanges = 0;
    int closeRequests = 0;

    void DisplayChanged() override { ++displayChanges; }
    void RelaySwitched(int relay, int16_t state) override { switches.emplace_back(relay, state); }
    void StateLineLogged(const std::string& line) override { stateLines.push_back(line); }
    bool closeAccepted = true;
    bool CloseProgram() override {
        ++closeRequests;
        return closeAccepted;
    }
};

} // namespace tavrel::test
