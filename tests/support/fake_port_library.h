#pragma once
// A port library whose start-up succeeds or fails as the test says, counting each call.

#include "platform/port_library.h"

#include <deque>
#include <map>

namespace tavrel::test {

class FakePortLibrary final : public PortLibrary {
public:
    std::deque<bool> initializeResults; // consumed one per call; true once empty
    bool shutdownResult = true;
    bool needsFiles = true;
    int initializeCalls = 0;
    int shutdownCalls = 0;
    std::map<int32_t, uint8_t> bytes;

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
    bool NeedsLibraryFiles() const override { return needsFiles; }
};

} // namespace tavrel::test
