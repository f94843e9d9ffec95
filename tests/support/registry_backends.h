#pragma once
// The registry backends every registry test runs against: hive files in a temp folder everywhere, and on
// Windows the real registry under a key of the test's own.

#include "platform/registry.h"
#include "support/temp_home.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrel::test {

class RegistryUnderTest {
public:
    explicit RegistryUnderTest(const std::string& backend);
    ~RegistryUnderTest();

    Registry& Get() { return *registry_; }
    // A key path below HKEY_LOCAL_MACHINE that belongs to this test alone.
    const std::string& Base() const { return base_; }
    std::vector<std::vector<std::string>> problems;

private:
    TempHome home_;
    std::unique_ptr<Registry> registry_;
    std::string base_;
    bool system_ = false;
};

std::vector<std::string> RegistryBackends();

} // namespace tavrel::test
