#include "shell/boot_entries.h"

#include "files/run_on_boot.h"

#include <ostream>
#include <vector>

namespace tavrel {

namespace {

std::vector<std::pair<std::string, std::string>> Entries(Registry& registry, int32_t root, const char* key) {
    std::vector<std::pair<std::string, std::string>> entries;
    RegHandle h = 0;
    if (registry.OpenKey(root, key, kKeyQueryValue, h) != kRegSuccess)
        return entries;
    std::vector<std::string> names;
    registry.EnumValueNames(h, names);
    for (const std::string& name : names) {
        uint32_t type = 0;
        uint32_t size = 0;
        if (registry.QueryValue(h, name, type, nullptr, size) != kRegSuccess ||
            (type != kRegSz && type != kRegExpandSz))
            continue;
        std::string data(size, '\0');
        if (registry.QueryValue(h, name, type, reinterpret_cast<uint8_t*>(data.data()), size) != kRegSuccess)
            continue;
        data.resize(data.find('\0') == std::string::npos ? size : data.find('\0'));
        if (!data.empty())
            entries.emplace_back(name, data);
    }
    registry.CloseKey(h);
    return entries;
}

} // namespace

int RunBootEntries(Registry& registry, const std::function<bool(const std::string&, std::string&)>& start,
                   std::ostream& err) {
    int started = 0;
    int found = 0;
    auto launch = [&](const std::string& name, const std::string& command) {
        std::string error;
        ++found;
        if (start(command, error)) {
            ++started;
            err << "tavreld: started the start-up entry \"" << name << "\": " << command << "\n";
        } else {
            err << "tavreld: cannot start the start-up entry \"" << name << "\" (" << command
                << "): " << error << "\n";
        }
    };
    for (int32_t root : {kHkeyLocalMachine, kHkeyCurrentUser}) {
        for (const auto& [name, command] : Entries(registry, root, kRunKey))
            launch(name, command);
        for (const auto& [name, command] : Entries(registry, root, kRunOnceKey)) {
            // A once-only entry goes before it runs, so a command that never returns is not run twice.
            RegHandle h = 0;
            if (registry.OpenKey(root, kRunOnceKey, kKeySetValue, h) == kRegSuccess) {
                registry.DeleteValue(h, name);
                registry.CloseKey(h);
            }
            launch(name, command);
        }
    }
    if (found == 0)
        err << "tavreld: nothing is registered to run at log-on (tavrel's Tool > Run when Computer Boots "
               "registers it)\n";
    return started;
}

} // namespace tavrel
