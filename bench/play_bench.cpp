// Writing the interactive page: the page's bytes for a 200-word puzzle (the benchmark's own
// grid size) and for a 20 x 20 puzzle, with the page's size as a counter. Run ./play_bench
// from a Release build; the medians over the repetitions are what to compare.
#include <benchmark/benchmark.h>

#include <QStringList>

#include "playexport.h"
#include "preferences.h"
#include "puzzlemodel.h"
#include "word_lists.h"

namespace {

using namespace vorlix;

struct TBenchPuzzle {
    TSilentMessageHost host;
    TPreferences prefs;
    TPuzzleModel model{host, prefs};

    TBenchPuzzle(int words, int side) {
        model.ResetToNewPuzzle();
        QStringList lines;
        for (const std::u16string& w : testing::RandomWords(words))
            lines << QString::fromStdU16String(w) + QStringLiteral("/a clue for ") + QString::fromStdU16String(w);
        model.SetWordLines(lines);
        model.SetRequestedSize(side, side);
        model.Builder().SetSeed(2024);
        model.RebuildPuzzle();
    }
};

void WritePage(benchmark::State& run, const TPuzzle& puzzle) {
    qsizetype size = 0;
    for (auto _ : run) {
        const QByteArray page = PlayPageBytes(puzzle, {});
        size = page.size();
        benchmark::DoNotOptimize(page.constData());
    }
    run.counters["bytes"] = static_cast<double>(size);
    run.counters["placed"] = puzzle.Grid().PlacedWordCount();
}

void BM_PlayPage200Words(benchmark::State& run) {
    static TBenchPuzzle puzzle(200, 40);
    WritePage(run, puzzle.model.Puzzle());
}
BENCHMARK(BM_PlayPage200Words)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PlayPage20x20(benchmark::State& run) {
    static TBenchPuzzle puzzle(60, 20);
    WritePage(run, puzzle.model.Puzzle());
}
BENCHMARK(BM_PlayPage20x20)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
