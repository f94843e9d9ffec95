// CPU time of a whole day's preview for the eight relays of board 1, every relay with six pairs in use.
// Goal: under 100 ms a day.

#include "engine/day_preview.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tavrel;

void BM_PreviewDay(benchmark::State& state) {
    ScheduleTables t;
    InitialiseNewSchedule(t);
    static const char* kCodes[] = {"EO", "ED", "OM", "SS", "TH", "3H", "15", "BH"};
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        t.RelayArray[r].CycleCode = kCodes[r];
        for (int p = 0; p < kPairsPerRelay; ++p)
            t.TimeArray[PairIndex(r, p)] = {"00:05:00", "23:45:00", kFalse};
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(PreviewDay(t, {2026, 12, 7}));
}
BENCHMARK(BM_PreviewDay)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

BENCHMARK_MAIN();
