#pragma once
// Switching the computer off: every program is asked to close, and made to.

#include <memory>
#include <string>

namespace tavrel {

class SystemPower {
public:
    virtual ~SystemPower() = default;
    // False (with `error` filled) when the request could not be made.
    virtual bool PowerOff(std::string& error) = 0;
};

// Linux: "systemctl poweroff". Windows: ExitWindowsEx with the shutdown privilege.
std::unique_ptr<SystemPower> MakeSystemPower();

} // namespace tavrel
