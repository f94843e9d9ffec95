// CPU time of the pair rules for one board of eight relays with every pair in use.

#include "engine/pair_rules.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

void BM_PairRulesEightRelays(benchmark::State& state) {
    using namespace tavrel;
    static const std::array<const char*, 8> kCodes{"EO", "ED", "OM", "SS", "TH", "3H", "15", "BH"};
    std::array<RelayRecord, 8> relays{};
    std::array<TimePair, 48> pairs{};
    for (int r = 0; r < 8; ++r) {
        relays[static_cast<size_t>(r)].CycleCode = kCodes[static_cast<size_t>(r)];
        for (int p = 0; p < 6; ++p)
            pairs[static_cast<size_t>(r * 6 + p)] = {"08:05:00", "17:45:00", 0};
    }
    ClockSample sample{{2026, 12, 7}, 2, 9 * 3600 + 3 * 60, 5'000'000};
    const int16_t suspended = kFalse;
    for (auto _ : state) {
        for (int r = 0; r < 8; ++r) {
            RelayRecord& relay = relays[static_cast<size_t>(r)];
            relay.NewState = kStateOff;
            const std::span<TimePair> six(&pairs[static_cast<size_t>(r * 6)], 6);
            ApplyPairRules(relay, six, ResolveRelayPairSeconds(six, sample.date, nullptr), sample, suspended);
        }
        sample.tickMs += 950;
        benchmark::DoNotOptimize(relays);
    }
    state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(BM_PairRulesEightRelays);

} // namespace

BENCHMARK_MAIN();
