// EvaluateMove on fixed seeded positions: every hand size 10..2, a negative,
// a positive and the Eralash contract, in fixed and ordered play.
// Run: build/bin/bench_computer (see bench/README.md).
#include "core/ComputerPlayer.h"
#include "core/Deal.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <random>

using namespace halvane;

namespace {

// Plays seeded random legal cards until the seat to move holds `held` cards.
DealState PositionWith(int held, int contract, bool ordered, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    DealState deal = DealState::Begin(ShuffleAndDeal(seed).hands, 1 + int(seed % 3), contract, ordered);
    while (!deal.Over()) {
        if (deal.TrickComplete()) {
            deal.CollectTrick();
            continue;
        }
        if (deal.hands[deal.turn - 1].cardsLeft == held)
            return deal;
        const auto legal = deal.LegalSlots(deal.turn);
        std::vector<int> slots;
        for (int s = 1; s <= HandSlotsUsed; ++s)
            if (legal[s])
                slots.push_back(s);
        deal.PlayCard(deal.turn, slots[std::uniform_int_distribution<size_t>(0, slots.size() - 1)(rng)]);
    }
    return deal;
}

void EvaluateMoveBench(benchmark::State &state)
{
    const int held = int(state.range(0));
    const int contract = int(state.range(1));
    const bool ordered = state.range(2) != 0;
    // Several positions per size so one lucky deal does not decide the figure.
    std::vector<MovePosition> positions;
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        DealState deal = PositionWith(held, contract, ordered, seed * 1000 + held);
        if (deal.Over())
            continue; // the deal ended early before reaching this size
        positions.push_back(MovePosition::Of(deal, deal.turn));
    }
    ComputerPlayer player(7);
    std::uint64_t nodes = 0;
    std::int64_t decisions = 0;
    double ms = 0, cpuMs = 0;
    for (auto _ : state) {
        for (const MovePosition &position : positions) {
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t cpuStart = std::clock();
            const MoveChoice choice = player.EvaluateMove(position);
            cpuMs += 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
            ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            benchmark::DoNotOptimize(choice.slot);
            nodes += choice.nodes;
            ++decisions;
        }
    }
    // Wall and processor time per decision: on a shared machine the first grows with the load.
    state.counters["ms/decision"] = decisions ? ms / double(decisions) : 0.0;
    state.counters["cpu_ms/decision"] = decisions ? cpuMs / double(decisions) : 0.0;
    state.counters["nodes/decision"] = decisions ? double(nodes) / double(decisions) : 0.0;
    state.SetItemsProcessed(decisions);
}

void Arguments(benchmark::internal::Benchmark *b)
{
    for (int ordered : {0, 1})
        for (int contract : {1, 8, 7})
            for (int held = 10; held >= 2; --held)
                b->Args({held, contract, ordered});
    b->ArgNames({"held", "contract", "ordered"});
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(EvaluateMoveBench)->Apply(Arguments);
BENCHMARK_MAIN();
