// The accidental-word check: MakePuzzle at each level on 60 and 200 words, and over 1,000
// seeded 60-word builds how many grids spelled a word by chance before the check and after.
// Goals: level 1 adds at most 10% to the build, level 2 at most 50% (medians).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dictionaries.h"
#include "mainwordset.h"
#include "wordsearch.h"

namespace {

using namespace vorlix;

const QString DictionaryFile = QStringLiteral(VORLIX_DICTIONARY);

// Real words, as a class list has them: every k-th word of 4 to 9 letters of the main
// dictionary, so none is a copy of another and they share letters as real lists do.
std::vector<std::u16string> Words(int count) {
    std::vector<std::u16string> all;
    std::ifstream in(VORLIX_DICTIONARY);
    for (std::string line; std::getline(in, line);)
        if (line.size() >= 4 && line.size() <= 9 && line.find('\'') == std::string::npos)
            all.emplace_back(line.begin(), line.end());
    std::vector<std::u16string> words;
    const std::size_t step = all.size() / static_cast<std::size_t>(count);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count) && step > 0; ++i) words.push_back(all[i * step + step / 2]);
    return words;
}

struct TBuilder {
    std::unique_ptr<TEngineState> state = std::make_unique<TEngineState>();
    std::unique_ptr<TWordSearch> result = std::make_unique<TWordSearch>(*state);
    std::unique_ptr<TWordSearch> trial = std::make_unique<TWordSearch>(*state);

    TBuilder(int wordCount, int level, const IWordSet* dictionary) {
        state->ResetSettings();
        state->Settings.SetSharingLevel(ShareIntersect);
        state->Settings.AccidentalCheck = static_cast<std::uint8_t>(level);
        state->MainDictionary = dictionary;
        for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, 50);
        state->ClearList();
        for (const std::u16string& word : Words(wordCount)) state->Words_ProcessLine(word);
        state->FinishList();
    }
    TWordSearch& Build(std::uint32_t seed) {
        state->SetSeed(seed);
        return *result->MakePuzzle(trial.get(), 0, 0);
    }
};

spelling::TSpellingDictionaries& Dictionaries() {
    static auto* dictionaries = [] {
        auto* d = new spelling::TSpellingDictionaries();
        d->SetLocations({DictionaryFile, QString()});
        d->LoadDictionaries();
        return d;
    }();
    return *dictionaries;
}

const IWordSet& MainWords() {
    static spelling::TMainDictionaryWordSet words(Dictionaries());
    words.Contains(u"PREPARE");  // builds its tree once, outside the timing
    return words;
}

// The all-words level's one-off cost: the main dictionary's prefix tree, made on first use.
void BM_PrepareMainDictionaryTree(benchmark::State& run) {
    for (auto _ : run) {
        spelling::TMainDictionaryWordSet words(Dictionaries());
        benchmark::DoNotOptimize(&words.Words());
    }
}

void BM_MakePuzzleAtLevel(benchmark::State& run) {
    const int level = static_cast<int>(run.range(1));
    TBuilder builder(static_cast<int>(run.range(0)), level, level >= 2 ? &MainWords() : nullptr);
    std::uint32_t seed = 1;
    for (auto _ : run) benchmark::DoNotOptimize(&builder.Build(seed++));
}

std::vector<char16_t> Letters(const TWordSearch& p) {
    std::vector<char16_t> g;
    for (int r = 1; r <= p.ActualRows; ++r)
        for (int c = 1; c <= p.ActualColumns; ++c) g.push_back(p.Grid[c][r]);
    return g;
}

// A grid holds a removable occurrence when a check at `level` still changes its letters.
bool HasRemovable(TBuilder& b, TWordSearch& p, int level) {
    const std::vector<char16_t> before = Letters(p);
    const std::uint8_t kept = b.state->Settings.AccidentalCheck;
    b.state->Settings.AccidentalCheck = static_cast<std::uint8_t>(level);
    p.CheckAccidentalWords();
    b.state->Settings.AccidentalCheck = kept;
    return Letters(p) != before;
}

// Counters, not times: grids of 1,000 seeded builds with a removable occurrence before the
// check (level 0 builds) and after it (level 1 builds), and the unremovable ones reported.
void BM_ThousandBuilds(benchmark::State& run) {
    const int level = static_cast<int>(run.range(0));
    const IWordSet* dictionary = level >= 2 ? &MainWords() : nullptr;
    int before = 0, after = 0, reported = 0;
    for (auto _ : run) {
        before = after = reported = 0;
        TBuilder unchecked(60, 0, dictionary);
        TBuilder checked(60, level, dictionary);
        for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
            before += HasRemovable(unchecked, unchecked.Build(seed), level) ? 1 : 0;
            TWordSearch& p = checked.Build(seed);
            reported += p.AccidentalWords.empty() ? 0 : 1;
            after += HasRemovable(checked, p, level) ? 1 : 0;
        }
    }
    run.counters["grids_before"] = before;
    run.counters["grids_after"] = after;
    run.counters["grids_reported"] = reported;
}

}  // namespace

BENCHMARK(BM_PrepareMainDictionaryTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakePuzzleAtLevel)
    ->ArgsProduct({{60, 200}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThousandBuilds)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
