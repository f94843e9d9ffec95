#include "platform/autostart.h"
#include "platform/environment.h"

namespace tavrel {

std::unique_ptr<Autostart> MakeSystemAutostart() {
    if (auto config = EnvironmentValue("XDG_CONFIG_HOME"); config && !config->empty())
        return MakeXdgAutostart(*config + "/autostart");
    return MakeXdgAutostart(EnvironmentValue("HOME").value_or(".") + "/.config/autostart");
}

} // namespace tavrel
