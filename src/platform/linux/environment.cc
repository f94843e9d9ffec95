#include "platform/environment.h"

namespace tavrel {

std::string DefaultTavrelHome() {
    if (auto home = EnvironmentValue("TAVREL_HOME"); home && !home->empty())
        return *home;
    if (auto xdg = EnvironmentValue("XDG_DATA_HOME"); xdg && !xdg->empty())
        return *xdg + "/tavrel";
    auto user = EnvironmentValue("HOME");
    return (user && !user->empty() ? *user : std::string(".")) + "/.local/share/tavrel";
}

} // namespace tavrel
