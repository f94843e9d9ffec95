#include "platform/service_manager.h"

#include "platform/environment.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace tavrel {

namespace {

// A number as the environment gives it, or nothing when it is not wholly one.
std::optional<long long> EnvironmentNumber(const char* name) {
    const std::optional<std::string> text = EnvironmentValue(name);
    if (!text || text->empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text->c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < 0)
        return std::nullopt;
    return value;
}

class NotifySocket final : public ServiceManager {
public:
    NotifySocket() {
        const std::optional<std::string> name = EnvironmentValue("NOTIFY_SOCKET");
        if (name && !name->empty() && name->size() < sizeof address_.sun_path &&
            ((*name)[0] == '/' || (*name)[0] == '@')) {
            address_.sun_family = AF_UNIX;
            std::memcpy(address_.sun_path, name->data(), name->size());
            if ((*name)[0] == '@')
                address_.sun_path[0] = '\0'; // an abstract name: no file, the leading NUL marks it
            length_ = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name->size());
            fd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        }
        const std::optional<long long> pid = EnvironmentNumber("WATCHDOG_PID");
        const std::optional<long long> usec = EnvironmentNumber("WATCHDOG_USEC");
        if (usec && (!pid || *pid == static_cast<long long>(::getpid())))
            watchdogUs_ = *usec;
    }
    ~NotifySocket() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    NotifySocket(const NotifySocket&) = delete;
    NotifySocket& operator=(const NotifySocket&) = delete;

    bool Listening() const override { return fd_ >= 0; }
    int64_t WatchdogUs() const override { return Listening() ? watchdogUs_ : 0; }
    bool Notify(const std::string& assignments) override {
        if (fd_ < 0)
            return false;
        const ssize_t sent = ::sendto(fd_, assignments.data(), assignments.size(), MSG_NOSIGNAL,
                                      reinterpret_cast<const sockaddr*>(&address_), length_);
        return sent == static_cast<ssize_t>(assignments.size());
    }

private:
    int fd_ = -1;
    sockaddr_un address_{};
    socklen_t length_ = 0;
    int64_t watchdogUs_ = 0;
};

} // namespace

std::unique_ptr<ServiceManager> MakeServiceManager() {
    return std::make_unique<NotifySocket>();
}

} // namespace tavrel
