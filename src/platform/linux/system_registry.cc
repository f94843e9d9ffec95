#include "platform/registry.h"

namespace tavrel {

std::vector<std::string> DamagedRegistryCopies(const std::string& home) {
    return DamagedHiveCopies(home + "/registry", kHkeyLocalMachine);
}

std::string SettingsHiveFile(const std::string& home) {
    return home + "/registry/" + RootName(kHkeyLocalMachine) + ".reg";
}

std::unique_ptr<Registry> MakeSystemRegistry(const std::string& home, RegistryProblemReporter reporter,
                                             RegistryAccess access) {
    auto registry = MakeHiveRegistry(home + "/registry", std::move(reporter), access);
    if (access == RegistryAccess::ReadOnly)
        return registry;
    // The start-up list's keys exist on every Windows machine; a new hive gets them too.
    for (const char* key : {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce"}) {
        RegHandle h = 0;
        if (registry->CreateKey(kHkeyLocalMachine, key, kKeyAllAccess, h) == kRegSuccess)
            registry->CloseKey(h);
    }
    return registry;
}

} // namespace tavrel
