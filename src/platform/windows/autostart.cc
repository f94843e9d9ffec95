#include "platform/autostart.h"

namespace tavrel {

namespace {

// Windows starts the registry's Run entries by itself.
class NoAutostart final : public Autostart {
public:
    bool Install(const std::string&) override { return true; }
    bool Remove() override { return true; }
    bool Installed() const override { return false; }
};

} // namespace

std::unique_ptr<Autostart> MakeSystemAutostart() {
    return std::make_unique<NoAutostart>();
}

} // namespace tavrel
