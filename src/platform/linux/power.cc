#include "platform/power.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tavrel {

namespace {

class SystemdPower final : public SystemPower {
public:
    bool PowerOff(std::string& error) override {
        char systemctl[] = "systemctl";
        char poweroff[] = "poweroff";
        char* argv[] = {systemctl, poweroff, nullptr};
        pid_t pid = 0;
        const int e = posix_spawnp(&pid, "systemctl", nullptr, nullptr, argv, environ);
        if (e != 0) {
            error = std::string("systemctl poweroff: ") + std::strerror(e);
            return false;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            error = "systemctl poweroff failed";
            return false;
        }
        return true;
    }
};

} // namespace

std::unique_ptr<SystemPower> MakeSystemPower() {
    return std::make_unique<SystemdPower>();
}

} // namespace tavrel
