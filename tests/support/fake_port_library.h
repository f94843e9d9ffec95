#pragma once
// A port library whose start-up succeeds or fails as the test says, counting each call.

#include "platform/port_library.h"

#include <cstdio>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace tavrel::test {

class FakePortLibrary final : public PortLibrary {
public:
    std::deque<bool> initializeResults; // consumed one per call; true once empty
    bool shutdownResult = true;
    bool needsFiles = true;
    int initializeCalls = 0;
    int shutdownCalls = 0;
    std::map<int32_t, uint8_t> bytes;
    // Each range asked for and given back, in order: "open 300-301" (first and last port, hex).
    std::vector<std::string> rangeCalls;

    bool InitializeWinIo() override {
        ++initializeCalls;
        if (initializeResults.empty())
            return true;
        const bool result = initializeResults.front();
        initializeResults.pop_front();
        return result;
    }
    bool ShutdownWinIo() override {
        ++shutdownCalls;
        return shutdownResult;
    }
    bool GetPortVal(int32_t port, uint32_t& value, uint8_t) override {
        value = bytes.count(port) != 0 ? bytes[port] : 0;
        return true;
    }
    bool SetPortVal(int32_t port, uint32_t value, uint8_t) override {
        bytes[port] = static_cast<uint8_t>(value);
        return true;
    }
    bool OpenPortRange(int32_t first, int32_t count) override {
        rangeCalls.push_back(RangeCall("open", first, count));
        return true;
    }
    void ClosePortRange(int32_t first, int32_t count) override {
        rangeCalls.push_back(RangeCall("close", first, count));
    }
    bool NeedsLibraryFiles() const override { return needsFiles; }

    static std::string RangeCall(const char* what, int32_t first, int32_t count) {
        char text[48];
        std::snprintf(text, sizeof text, "%s %X-%X", what, static_cast<unsigned>(first),
                      static_cast<unsigned>(first + count - 1));
        return text;
    }
};

} // namespace tavrel::test
