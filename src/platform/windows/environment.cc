#include "platform/environment.h"

namespace tavrel {

std::string DefaultTavrelHome() {
    if (auto home = EnvironmentValue("TAVREL_HOME"); home && !home->empty())
        return *home;
    auto appData = EnvironmentValue("APPDATA");
    return (appData && !appData->empty() ? *appData : std::string("c:")) + "\\Tavrel";
}

} // namespace tavrel
