#include "support/registry_backends.h"

#include <atomic>
#include <random>

namespace tavrel::test {

namespace {

void DeleteTree(Registry& r, const std::string& path, const std::vector<std::string>& children) {
    for (const std::string& c : children)
        r.DeleteKey(kHkeyLocalMachine, path + "\\" + c);
    r.DeleteKey(kHkeyLocalMachine, path);
}

} // namespace

std::vector<std::string> RegistryBackends() {
#ifdef _WIN32
    return {"hive", "win32"};
#else
    return {"hive"};
#endif
}

RegistryUnderTest::RegistryUnderTest(const std::string& backend) {
    static std::atomic<int> counter{0};
    static const unsigned seed = std::random_device{}();
    if (backend == "win32") {
        registry_ = MakeSystemRegistry(home_.Path(), nullptr);
        system_ = true;
        base_ = "SOFTWARE\\TavrelTest\\T" + std::to_string(seed) + "_" + std::to_string(counter++);
    } else {
        registry_ = MakeHiveRegistry(home_.File("registry"), [this](const std::vector<std::string>& lines) {
            problems.push_back(lines);
        });
        base_ = "SOFTWARE\\Tavrel";
    }
}

RegistryUnderTest::~RegistryUnderTest() {
    if (system_) {
        DeleteTree(*registry_, base_, {"Config", "Startup", "Sub\\Deeper", "Sub"});
        registry_->DeleteKey(kHkeyLocalMachine, "SOFTWARE\\TavrelTest");
    }
}

} // namespace tavrel::test
