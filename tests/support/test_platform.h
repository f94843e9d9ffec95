#pragma once
// The fakes of every platform service, in a fresh TAVREL_HOME, with the simulated port space.

#include "platform/drive_map.h"
#include "platform/port_library.h"
#include "platform/registry.h"
#include "shell/program_context.h"
#include "support/fake_clock.h"
#include "support/fake_message_boxes.h"
#include "support/fake_power.h"
#include "support/fake_serial_api.h"
#include "support/fake_system_folders.h"
#include "support/temp_home.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tavrel::test {

struct TestPlatform {
    TestPlatform();

    Platform Services() { return {clock, boxes, drives, *ports, serial, folders, *registry, power}; }

    // What a script outside the process would see at a port of the simulated space, and how it drives one.
    uint8_t PortByte(int32_t address);
    // Port writes made through the program's port library since the last reset.
    int PortWrites() const;
    void ResetPortWrites();
    // The port ranges asked for and given back through the program's port library ("open 300-301").
    std::vector<std::string>& PortRangeCalls();
    void SetPortByte(int32_t address, uint8_t value);
    // Reads of the program's port library through these masks, as TAVREL_SIM_STUCK gives them.
    void SetStuck(std::vector<StuckPort> stuck);

    TempHome home;
    FakeClock clock;
    FakeMessageBoxes boxes;
    DriveMap drives;
    std::unique_ptr<PortLibrary> ports;
    FakeSerialApi serial{&clock};
    FakeSystemFolders folders;
    std::unique_ptr<Registry> registry;
    FakePower power;
    std::vector<std::vector<std::string>> registryProblems;

private:
    class CountingPorts;
    CountingPorts* counting_ = nullptr;
    std::unique_ptr<PortLibrary> observer_;
};

// A program context on a TestPlatform, with the port library open.
// Where Windows paths are used as they stand, every context shares the one "c:\TVRestart.run": each
// starts and ends without it.
struct TestContext {
    TestPlatform platform;
    ProgramContext ctx{platform.Services()};
    TestContext();
    ~TestContext();
    TestContext(const TestContext&) = delete;
    TestContext& operator=(const TestContext&) = delete;
};

} // namespace tavrel::test
