#pragma once
// Records each notification instead of sending it.

#include "platform/service_manager.h"

#include <string>
#include <vector>

namespace tavrel::test {

class FakeServiceManager final : public ServiceManager {
public:
    bool listening = true;
    int64_t watchdogUs = 0;
    std::vector<std::string> sent;

    bool Listening() const override { return listening; }
    int64_t WatchdogUs() const override { return watchdogUs; }
    bool Notify(const std::string& assignments) override {
        sent.push_back(assignments);
        return true;
    }
};

} // namespace tavrel::test
