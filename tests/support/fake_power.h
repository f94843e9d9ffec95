#pragma once
// Counts power-off requests instead of switching anything off.

#include "platform/power.h"

namespace tavrel::test {

class FakePower final : public SystemPower {
public:
    int requests = 0;
    bool PowerOff(std::string&) override {
        ++requests;
        return true;
    }
};

} // namespace tavrel::test
