// Timing of the spelling checker: loading the main dictionary, and a check of a 500-line
// word list with its title and instructions, without the dialog. Run ./spelling_bench
// from a Release build.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include <QFile>
#include <QStringList>

#include "dictionaries.h"
#include "spellwalk.h"

namespace {

using namespace vorlix::spelling;

const QString DictionaryFile = QStringLiteral(VORLIX_DICTIONARY);

class TBenchTexts : public ISpellingTexts {
public:
    std::array<QStringList, 6> Memos;
    QString Credits;
    int LineCount(int stage) const override { return stage == StageCredits ? 1 : int(Memos[std::size_t(stage)].size()); }
    QString Line(int stage, int row) const override {
        return stage == StageCredits ? Credits : Memos[std::size_t(stage)].value(row);
    }
    void SetLine(int, int, const QString&) override {}
};

void LoadDictionary(benchmark::State& state) {
    if (!QFile::exists(DictionaryFile)) {
        state.SkipWithError("no main dictionary in the build tree");
        return;
    }
    for (auto _ : state) {
        auto dictionaries = std::make_unique<TSpellingDictionaries>();
        dictionaries->SetLocations({DictionaryFile, QString()});
        dictionaries->LoadDictionaries();
        benchmark::DoNotOptimize(dictionaries->MainWordCount());
    }
}
BENCHMARK(LoadDictionary)->Unit(benchmark::kMillisecond);

// Every word known, so the walk runs through in one go as an automatic check would.
void CheckWordList(benchmark::State& state) {
    TSpellingDictionaries dictionaries;
    dictionaries.SetLocations({DictionaryFile, QString()});
    dictionaries.LoadDictionaries();
    if (dictionaries.MainWordCount() == 0) {
        state.SkipWithError("no main dictionary in the build tree");
        return;
    }
    static const char* const Words[] = {"elephant", "giraffe", "kangaroo", "penguin", "dolphin",
                                        "tiger",    "zebra",   "rabbit",   "turtle",  "squirrel"};
    TBenchTexts texts;
    for (int i = 0; i < 500; ++i)
        texts.Memos[StageWords] << QString::fromLatin1(Words[i % 10]) + QStringLiteral("/an animal that lives in the wild");
    texts.Memos[StageTitle] = {QStringLiteral("Animals of the World")};
    texts.Memos[StageInstructions] = {QStringLiteral(
        "Find the words in the grid. Words can go horizontally, vertically and diagonally in all eight directions.")};
    texts.Credits = QStringLiteral("Made with Vorlix");
    dictionaries.IgnoreWord(QStringLiteral("Vorlix"));
    ISpellingWalkView quiet;
    TSpellingWalk walk(dictionaries, texts, quiet);
    for (auto _ : state) {
        walk.StartCheck();
        if (walk.Stage() != StageFinished) state.SkipWithError(("stopped at " + walk.CurrentWord().toStdString()).c_str());
    }
}
BENCHMARK(CheckWordList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
