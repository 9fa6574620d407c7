// MakePuzzle on word lists of several sizes, automatic grid size, fixed seed per run.
// Targets: 60 words within 2 ms, 5000 words within 1 s (medians).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "wordsearch.h"

namespace {

using namespace vorlix;

// Pseudo-random words of 3 to 12 letters from their own generator, so the list never
// depends on the engine's random sequence.
std::vector<std::u16string> MakeWords(int count) {
    std::uint32_t seed = 20240601u;
    auto next = [&seed](std::uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
    };
    std::vector<std::u16string> words;
    for (int i = 0; i < count; ++i) {
        std::u16string word(3 + next(10), u'A');
        for (char16_t& c : word) c = static_cast<char16_t>(u'A' + next(26));
        words.push_back(std::move(word));
    }
    return words;
}

void BM_MakePuzzle(benchmark::State& run) {
    auto state = std::make_unique<TEngineState>();
    auto result = std::make_unique<TWordSearch>(*state);
    auto trial = std::make_unique<TWordSearch>(*state);
    state->ResetSettings();
    state->Settings.SetSharingLevel(ShareIntersect);
    for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, 50);
    state->ClearList();
    for (const std::u16string& word : MakeWords(static_cast<int>(run.range(0)))) state->Words_ProcessLine(word);
    state->FinishList();

    int placed = 0;
    for (auto _ : run) {
        state->SetSeed(12345);
        TWordSearch* puzzle = result->MakePuzzle(trial.get(), 0, 0);
        benchmark::DoNotOptimize(puzzle);
        placed = puzzle->PlacedWordCount();
    }
    run.counters["side"] = result->ActualColumns;
    run.counters["placed"] = placed;
}

}  // namespace

BENCHMARK(BM_MakePuzzle)
    ->Arg(10)->Arg(60)->Arg(200)->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_MakePuzzle)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
