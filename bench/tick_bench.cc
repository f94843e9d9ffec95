// CPU time of one check-time tick for eight relays on the simulated port space, without settle pauses.
// Goal: under 5 microseconds a tick.

#include "engine/tick.h"
#include "engine/tick_host.h"
#include "platform/autostart.h"
#include "shell/program_context.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

using namespace tavrel;

void BM_TickEightRelays(benchmark::State& state) {
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "tavrel-tick-bench";
    std::filesystem::create_directories(home);
    SystemClock clock;
    std::ostringstream sink;
    ConsoleMessageBoxes boxes(sink);
    DriveMap drives(home.string());
    auto ports = MakeSimulatedPortLibrary((home / "ports.bin").string());
    auto serial = MakeSystemSerialApi(home.string());
    auto folders = MakeSystemFolders(drives);
    auto registry = MakeHiveRegistry((home / "registry").string(), nullptr);
    auto power = MakeSystemPower();
    ProgramContext ctx(Platform{clock, boxes, drives, *ports, *serial, *folders, *registry, *power});
    ctx.portAccess.OpenPortLibrary();
    ctx.schedule.BoardArray[0].ChipSetType = "CBRelay08";
    ctx.schedule.BoardArray[0].BaseAddress = 0x300;
    ctx.schedule.BoardArray[0].InputAddress = 0x301;
    InitialiseNewSchedule(ctx.schedule);
    static const char* kCodes[] = {"EO", "ED", "OM", "SS", "TH", "3H", "15", "BH"};
    for (int r = 0; r < 8; ++r) {
        ctx.schedule.RelayArray[r].CycleCode = kCodes[r];
        ctx.schedule.RelayArray[r].CountEnabled = kTrue;
        for (int p = 0; p < 6; ++p)
            ctx.schedule.TimeArray[r * 6 + p] = {"00:05:00", "23:45:00", 0};
    }
    TickHost host;
    for (auto _ : state)
        Tick(ctx.engine, host);
    state.SetItemsProcessed(state.iterations() * 8);
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_TickEightRelays)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

BENCHMARK_MAIN();
