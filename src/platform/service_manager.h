#pragma once
// The service manager's notification channel (systemd's $NOTIFY_SOCKET): readiness, watchdog, status.

#include <cstdint>
#include <memory>
#include <string>

namespace tavrel {

class ServiceManager {
public:
    virtual ~ServiceManager() = default;
    // Whether a service manager listens; with none, Notify does nothing.
    virtual bool Listening() const = 0;
    // The watchdog interval the manager wants pinged within, in microseconds; 0 for none (or when the
    // watchdog belongs to another process).
    virtual int64_t WatchdogUs() const = 0;
    // One datagram of newline-separated "NAME=value" assignments; false when it could not be sent.
    virtual bool Notify(const std::string& assignments) = 0;
};

// Linux: the datagram socket named by $NOTIFY_SOCKET (a path, or an abstract name after "@"), the
// watchdog from $WATCHDOG_USEC when $WATCHDOG_PID is unset or names this process. Windows: none.
std::unique_ptr<ServiceManager> MakeServiceManager();

} // namespace tavrel
