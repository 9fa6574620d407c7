// MakePuzzle on 60 Russian and 60 Hindi words against 60 English words, in the modes each
// list gets by default (Classic for A-Z, like-the-list filler otherwise) with the taboo check.
// Goal: the other alphabets within +25% of English (medians).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "word_lists.h"
#include "wordsearch.h"

namespace {

using namespace vorlix;

std::u16string EnglishLine() {
    std::u16string line;
    for (const std::u16string& w : vorlix::testing::RandomWords(60)) line += (line.empty() ? u"" : u",") + w;
    return line;
}

// range(0): 0 English, 1 Russian, 2 Hindi; range(1): 1 when the list is read inside the timing too.
void BM_MakePuzzleByAlphabet(benchmark::State& run) {
    const std::u16string lines[] = {EnglishLine(), vorlix::testing::SixtyRussianWords, vorlix::testing::SixtyHindiWords};
    const char* languages[] = {"en", "ru", "hi"};
    const auto which = static_cast<std::size_t>(run.range(0));
    auto state = std::make_unique<TEngineState>();
    auto result = std::make_unique<TWordSearch>(*state);
    auto trial = std::make_unique<TWordSearch>(*state);
    state->ResetSettings();
    state->Settings.AccidentalCheck = AccidentalTaboo;
    state->Settings.Language = languages[which];
    state->Settings.FillerMode = which == 0 ? TFillerMode::Classic : TFillerMode::LikeList;
    const auto readList = [&] {
        state->ClearList();
        state->Words_ProcessLine(lines[which]);
        state->FinishList();
    };
    readList();
    for (auto _ : run) {
        if (run.range(1) == 1) readList();
        state->SetSeed(12345);
        benchmark::DoNotOptimize(result->MakePuzzle(trial.get(), 0, 0));
    }
    run.counters["side"] = result->ActualColumns;
    run.counters["placed"] = result->PlacedWordCount();
}
BENCHMARK(BM_MakePuzzleByAlphabet)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"alphabet", "withList"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
