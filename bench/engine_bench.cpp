// MakePuzzle on word lists of several sizes, automatic grid size, fixed seed per run.
// Targets: 60 words within 2 ms, 5000 words within 1 s (medians).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "word_lists.h"
#include "wordsearch.h"

namespace {

using namespace vorlix;

std::vector<std::u16string> MakeWords(int count) { return vorlix::testing::RandomWords(count); }

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
