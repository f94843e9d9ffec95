#include "support/test_platform.h"

namespace tavrel::test {

TestPlatform::TestPlatform()
    : drives(home.Path()), ports(MakeSimulatedPortLibrary(home.File("ports.bin"))),
      registry(MakeHiveRegistry(
          home.File("registry"),
          [this](const std::vector<std::string>& lines) { registryProblems.push_back(lines); })),
      observer_(MakeSimulatedPortLibrary(home.File("ports.bin"))) {
    observer_->InitializeWinIo();
}

uint8_t TestPlatform::PortByte(int32_t address) {
    uint32_t value = 0;
    observer_->GetPortVal(address, value, 1);
    return static_cast<uint8_t>(value);
}

void TestPlatform::SetPortByte(int32_t address, uint8_t value) {
    observer_->SetPortVal(address, value, 1);
}

} // namespace tavrel::test
