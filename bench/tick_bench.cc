// CPU time of one check-time tick for eight relays on the simulated port space, without settle pauses.
// Goal: under 5 microseconds a tick. The same tick over sun-based times and holiday rules beside it: those
// are resolved once a day, so it must cost no more than the plain one. The read-back audit that each tick
// runs is timed alone beside it: it must stay a vanishing part of the tick (a few nanoseconds against
// microseconds). On a loaded machine compare instruction counts instead: bench/tick_instructions.sh.

#include "bench_program.h"
#include "boardio/board_health.h"
#include "engine/tick.h"
#include "engine/tick_host.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tavrel;

// Eight relays, each with a cycle code of its own and six pairs from `pairs`.
void SetUpRelays(ProgramContext& ctx, const TimePair (&pairs)[6]) {
    InitialiseNewSchedule(ctx.schedule);
    static const char* kCodes[] = {"EO", "ED", "OM", "SS", "TH", "3H", "15", "BH"};
    for (int r = 0; r < 8; ++r) {
        ctx.schedule.RelayArray[r].CycleCode = kCodes[r];
        ctx.schedule.RelayArray[r].CountEnabled = kTrue;
        for (int p = 0; p < 6; ++p)
            ctx.schedule.TimeArray[r * 6 + p] = pairs[p];
    }
}

void RunTicks(benchmark::State& state, ProgramContext& ctx) {
    TickHost host;
    for (auto _ : state)
        Tick(ctx.engine, host);
    state.SetItemsProcessed(state.iterations() * 8);
}

void BM_TickEightRelays(benchmark::State& state) {
    bench::BenchProgram program("tavrel-tick-bench");
    static const TimePair kPairs[6] = {{"00:05:00", "23:45:00", 0}, {"00:05:00", "23:45:00", 0},
                                       {"00:05:00", "23:45:00", 0}, {"00:05:00", "23:45:00", 0},
                                       {"00:05:00", "23:45:00", 0}, {"00:05:00", "23:45:00", 0}};
    SetUpRelays(program.ctx, kPairs);
    RunTicks(state, program.ctx);
}
BENCHMARK(BM_TickEightRelays)->MeasureProcessCPUTime()->UseRealTime();

// Every pair with a sun-based time at a set place, and every day a holiday that the relays' rules act on
// (run as an ordinary day, skip it, or take it as a Sunday).
void BM_TickEightRelaysSun(benchmark::State& state) {
    bench::BenchProgram program("tavrel-tick-sun-bench");
    ProgramContext& ctx = program.ctx;
    ctx.settings.Latitude = "52.52";
    ctx.settings.Longitude = "13.40";
    static const TimePair kPairs[6] = {{"dawn", "sunrise+01:15", 0},  {"sunrise-00:30", "12:00:00", 0},
                                       {"12:00:00", "sunset", 0},     {"sunset-00:30", "dusk+00:00:30", 0},
                                       {"00:05:00", "dawn-00:10", 0}, {"dusk", "23:45:00", 0}};
    SetUpRelays(ctx, kPairs);
    static const HolidayRule kRules[] = {HolidayRule::Run, HolidayRule::Sunday, HolidayRule::Skip};
    for (int r = 0; r < 8; ++r)
        ctx.schedule.RelayArray[r].Holiday = kRules[r % 3];
    ctx.schedule.Holidays.SetLookup(
        [](const CalendarDate&) { return std::optional<std::string>("Bench Day"); });
    RunTicks(state, ctx);
}
BENCHMARK(BM_TickEightRelaysSun)->MeasureProcessCPUTime()->UseRealTime();

// One comparison per tick, alternating a matching and a differing byte so no branch settles.
void BM_ReadBackAudit(benchmark::State& state) {
    BoardHealth health;
    health.written = 0x03;
    uint8_t read = 0x03;
    for (auto _ : state) {
        AuditReadBack(health, 0, read);
        read ^= 0x02;
        health.pending.clear();
        benchmark::DoNotOptimize(health);
    }
}
BENCHMARK(BM_ReadBackAudit);

} // namespace

BENCHMARK_MAIN();
