#include "platform/service_manager.h"

namespace tavrel {

namespace {

// Windows services are told their state through the service control manager, which tavreld does not use.
class NoServiceManager final : public ServiceManager {
public:
    bool Listening() const override { return false; }
    int64_t WatchdogUs() const override { return 0; }
    bool Notify(const std::string&) override { return false; }
};

} // namespace

std::unique_ptr<ServiceManager> MakeServiceManager() {
    return std::make_unique<NoServiceManager>();
}

} // namespace tavrel
