#pragma once
// A serial layer that records every call, with the fake clock's time, and fails the calls it is told to.

#include "platform/clock.h"
#include "platform/serial_api.h"

#include <set>
#include <string>
#include <vector>

namespace tavrel::test {

class FakeSerialApi final : public SerialApi {
public:
    struct Call {
        std::string what; // "open COM2", "setup", "purge 15", "timeouts", "getstate", "build <mode>",
                          // "setstate", "escape <code>", "close"
        int64_t atUs = 0;
    };

    explicit FakeSerialApi(const Clock* clock = nullptr) : clock_(clock) {}

    CommHandle OpenPort(const std::string& name) override;
    bool SetupQueues(CommHandle h, uint32_t in, uint32_t out) override;
    bool Purge(CommHandle h, uint32_t flags) override;
    bool SetTimeouts(CommHandle h, const CommTimeouts& timeouts) override;
    bool GetState(CommHandle h, CommDcb& dcb) override;
    bool BuildDcb(const std::string& mode, CommDcb& dcb) override;
    bool SetState(CommHandle h, const CommDcb& dcb) override;
    bool Escape(CommHandle h, uint32_t code) override;
    bool ClosePort(CommHandle h) override;
    uint32_t LastError() const override { return lastError_; }
    std::string ErrorText(uint32_t number) const override {
        return "  error " + std::to_string(number) + "\r\n";
    }

    // Names of calls that fail ("open", "setup", "purge", "timeouts", "getstate", "build", "setstate",
    // "escape", "close") with `error`.
    void FailOn(const std::string& call, uint32_t error) {
        failing_.insert(call);
        failError_ = error;
    }
    void Recover(const std::string& call) { failing_.erase(call); }
    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<std::string> CallNames() const;
    void ClearCalls() { calls_.clear(); }
    const CommTimeouts& LastTimeouts() const { return timeouts_; }
    const CommDcb& LastState() const { return state_; }

private:
    bool Step(const std::string& call, const std::string& record);

    const Clock* clock_;
    std::vector<Call> calls_;
    std::set<std::string> failing_;
    uint32_t failError_ = 0;
    uint32_t lastError_ = 0;
    CommTimeouts timeouts_;
    CommDcb state_;
    CommHandle next_ = 100;
};

} // namespace tavrel::test
