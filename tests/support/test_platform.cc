#include "support/test_platform.h"

#include "shell/schedule_commands.h"
#include "support/fake_port_library.h"

namespace tavrel::test {

// The simulated space, counting the writes made through it.
class TestPlatform::CountingPorts final : public PortLibrary {
public:
    explicit CountingPorts(std::unique_ptr<PortLibrary> inner) : inner_(std::move(inner)) {}
    bool InitializeWinIo() override { return inner_->InitializeWinIo(); }
    bool ShutdownWinIo() override { return inner_->ShutdownWinIo(); }
    bool GetPortVal(int32_t port, uint32_t& value, uint8_t size) override {
        const bool ok = inner_->GetPortVal(port, value, size);
        for (const StuckPort& s : stuck)
            if (s.port == port)
                value = (value & s.andMask) | s.orMask;
        return ok;
    }
    bool SetPortVal(int32_t port, uint32_t value, uint8_t size) override {
        ++writes;
        return inner_->SetPortVal(port, value, size);
    }
    bool OpenPortRange(int32_t first, int32_t count) override {
        rangeCalls.push_back(FakePortLibrary::RangeCall("open", first, count));
        return inner_->OpenPortRange(first, count);
    }
    void ClosePortRange(int32_t first, int32_t count) override {
        rangeCalls.push_back(FakePortLibrary::RangeCall("close", first, count));
        inner_->ClosePortRange(first, count);
    }
    bool NeedsLibraryFiles() const override { return inner_->NeedsLibraryFiles(); }
    int writes = 0;
    std::vector<std::string> rangeCalls;
    std::vector<StuckPort> stuck;

private:
    std::unique_ptr<PortLibrary> inner_;
};

TestPlatform::TestPlatform()
    : drives(home.Path()), registry(MakeHiveRegistry(home.File("registry"),
                                                     [this](const std::vector<std::string>& lines) {
                                                         registryProblems.push_back(lines);
                                                     })),
      observer_(MakeSimulatedPortLibrary(home.File("ports.bin"))) {
    auto counting = std::make_unique<CountingPorts>(MakeSimulatedPortLibrary(home.File("ports.bin")));
    counting_ = counting.get();
    ports = std::move(counting);
    observer_->InitializeWinIo();
}

int TestPlatform::PortWrites() const {
    return counting_->writes;
}

std::vector<std::string>& TestPlatform::PortRangeCalls() {
    return counting_->rangeCalls;
}

void TestPlatform::SetStuck(std::vector<StuckPort> stuck) {
    counting_->stuck = std::move(stuck);
}

void TestPlatform::ResetPortWrites() {
    counting_->writes = 0;
}

uint8_t TestPlatform::PortByte(int32_t address) {
    uint32_t value = 0;
    observer_->GetPortVal(address, value, 1);
    return static_cast<uint8_t>(value);
}

void TestPlatform::SetPortByte(int32_t address, uint8_t value) {
    observer_->SetPortVal(address, value, 1);
}

TestContext::TestContext() {
    ctx.portAccess.OpenPortLibrary();
    DeleteRestartFile(ctx);
}

TestContext::~TestContext() {
    DeleteRestartFile(ctx);
}

} // namespace tavrel::test
