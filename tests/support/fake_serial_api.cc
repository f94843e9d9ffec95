#include "support/fake_serial_api.h"

namespace tavrel::test {

bool FakeSerialApi::Step(const std::string& call, const std::string& record) {
    calls_.push_back({record, clock_ != nullptr ? clock_->MonotonicUs() : 0});
    if (failing_.count(call) != 0) {
        lastError_ = failError_;
        return false;
    }
    return true;
}

std::vector<std::string> FakeSerialApi::CallNames() const {
    std::vector<std::string> names;
    for (const Call& c : calls_)
        names.push_back(c.what);
    return names;
}

CommHandle FakeSerialApi::OpenPort(const std::string& name) {
    return Step("open", "open " + name) ? next_++ : kInvalidCommHandle;
}
bool FakeSerialApi::SetupQueues(CommHandle, uint32_t in, uint32_t out) {
    return Step("setup", "setup " + std::to_string(in) + " " + std::to_string(out));
}
bool FakeSerialApi::Purge(CommHandle, uint32_t flags) {
    return Step("purge", "purge " + std::to_string(flags));
}
bool FakeSerialApi::SetTimeouts(CommHandle, const CommTimeouts& timeouts) {
    timeouts_ = timeouts;
    return Step("timeouts", "timeouts");
}
bool FakeSerialApi::GetState(CommHandle, CommDcb& dcb) {
    dcb = CommDcb{1200, 7, 'E', 2};
    return Step("getstate", "getstate");
}
bool FakeSerialApi::BuildDcb(const std::string& mode, CommDcb& dcb) {
    if (!Step("build", "build " + mode))
        return false;
    return ParseCommMode(mode, dcb);
}
bool FakeSerialApi::SetState(CommHandle, const CommDcb& dcb) {
    state_ = dcb;
    return Step("setstate", "setstate");
}
bool FakeSerialApi::Escape(CommHandle, uint32_t code) {
    return Step("escape", "escape " + std::to_string(code));
}
bool FakeSerialApi::ClosePort(CommHandle) {
    return Step("close", "close");
}

} // namespace tavrel::test
