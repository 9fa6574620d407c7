// Classic against Tight (argument 0 or 1) on the lists the tight mode is for.
// Goals for Tight (medians): the 118 elements in a side of 30 or less within 1 s; all 118 in
// 32 x 32; all 30 words in 15 x 15; a side at least 10% under Classic's for 200 words.
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

void Run(benchmark::State& run, const std::vector<std::u16string>& lines, int columns, int rows) {
    
    auto state = std::make_unique<TEngineState>();
    auto result = std::make_unique<TWordSearch>(*state);
    auto trial = std::make_unique<TWordSearch>(*state);
    state->ResetSettings();
    state->Settings.SetSharingLevel(ShareIntersect);
    state->Settings.PackMode = run.range(0) == 1 ? TPackMode::Tight : TPackMode::Classic;
    for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, 50);
    state->ClearList();
    for (const std::u16string& line : lines) state->Words_ProcessLine(line);
    state->FinishList();

    for (auto _ : run) {
        state->SetSeed(12345);
        benchmark::DoNotOptimize(result->MakePuzzle(trial.get(), columns, rows));
    }
    run.counters["side"] = result->ActualColumns;
    run.counters["rows"] = result->ActualRows;
    run.counters["placed"] = result->PlacedWordCount();
    run.counters["work"] = static_cast<double>(result->PackResult.WorkUsed);
    run.counters["timeout"] = result->PackResult.TimeLimitHit ? 1 : 0;
}

void BM_ElementsAuto(benchmark::State& run) { Run(run, {vorlix::testing::ElementNames}, 0, 0); }
void BM_Elements32(benchmark::State& run) { Run(run, {vorlix::testing::ElementNames}, 32, 32); }
void BM_Thirty15(benchmark::State& run) { Run(run, {vorlix::testing::ThirtyWords}, 15, 15); }
void BM_ListAuto(benchmark::State& run) { Run(run, MakeWords(static_cast<int>(run.range(1))), 0, 0); }

}  // namespace

#define PACK_BENCH(name) \
    BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)

PACK_BENCH(BM_ElementsAuto)->ArgName("tight")->Arg(0)->Arg(1);
PACK_BENCH(BM_Elements32)->ArgName("tight")->Arg(0)->Arg(1);
PACK_BENCH(BM_Thirty15)->ArgName("tight")->Arg(0)->Arg(1);
PACK_BENCH(BM_ListAuto)->ArgNames({"tight", "words"})->Args({0, 60})->Args({1, 60})->Args({0, 200})->Args({1, 200});

BENCHMARK_MAIN();
