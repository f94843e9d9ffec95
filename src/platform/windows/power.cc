#include "platform/power.h"

#include <windows.h>

namespace tavrel {

namespace {

class WindowsPower final : public SystemPower {
public:
    bool PowerOff(std::string& error) override {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
            error = "OpenProcessToken error = " + std::to_string(GetLastError());
        } else {
            TOKEN_PRIVILEGES privileges{};
            privileges.PrivilegeCount = 1;
            privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
            if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid))
                error = "LookupPrivilegeValue error = " + std::to_string(GetLastError());
            else if (!AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr))
                error = "AdjustTokenPrivileges error = " + std::to_string(GetLastError());
            CloseHandle(token);
        }
        // The request is made even when the privilege could not be had.
        if (!ExitWindowsEx(EWX_POWEROFF | EWX_FORCE, SHTDN_REASON_FLAG_PLANNED)) {
            error = "ExitWindowsEx error = " + std::to_string(GetLastError());
            return false;
        }
        return true;
    }
};

} // namespace

std::unique_ptr<SystemPower> MakeSystemPower() {
    return std::make_unique<WindowsPower>();
}

} // namespace tavrel
