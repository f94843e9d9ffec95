#include "platform/registry.h"

namespace tavrel {

std::unique_ptr<Registry> MakeSystemRegistry(const std::string& home, RegistryProblemReporter reporter) {
    return MakeHiveRegistry(home + "/registry", std::move(reporter));
}

} // namespace tavrel
