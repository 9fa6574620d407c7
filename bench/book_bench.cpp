// A 100-puzzle book of 15-word puzzles at 6x9: dealing, the Tight builds, the layout and
// the PDF (BM_MakeBook), and the paper check of the written book (BM_PaperCheck). Run
// ./book_bench from a Release build; medians over the repetitions are what to compare.
#include <benchmark/benchmark.h>

#include <chrono>

#include <QBuffer>
#include <QSet>
#include <QGuiApplication>

#include "book.h"
#include "bookcheck.h"
#include "booksource.h"
#include "preferences.h"
#include "puzzlebuilder.h"
#include "puzzledefaults.h"

namespace {

using namespace vorlix;

// 1,500 different made-up words of 4 to 9 letters, the same on every run.
QStringList PoolWords() {
    QStringList words;
    TRandom random{2026};
    QSet<QString> seen;
    while (words.size() < 1500) {
        QString w;
        const int length = 4 + random.Random(6);
        for (int i = 0; i < length; ++i) w += QChar(u'a' + random.Random(26));
        if (!seen.contains(w)) {
            seen.insert(w);
            words << w;
        }
    }
    return words;
}

struct TTimes {
    double Build = 0, Layout = 0;
};

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::unique_ptr<TBook> MakeBook(TTimes* times = nullptr) {
    TReport report;
    TPreferences prefs;
    const TPuzzle defaults = NewPuzzle(prefs);
    const auto dealt = DealPool(PoolWords(), 100, 15, 7, report);
    std::vector<TBookItem> items;
    for (std::size_t i = 0; i < dealt->size(); ++i)
        items.push_back(WordListItem((*dealt)[i], QStringLiteral("Puzzle set %1").arg(i + 1), defaults));
    TPuzzleBuilder builder;
    builder.SetSeed(7);
    TBookOptions options;
    options.Trim = QStringLiteral("6x9");
    auto start = std::chrono::steady_clock::now();
    auto puzzles = BuildBookPuzzles(items, builder, report);
    if (times) times->Build = Seconds(start);
    start = std::chrono::steady_clock::now();
    auto book = std::make_unique<TBook>(std::move(*puzzles), options);
    book->LayOut(report);
    if (times) times->Layout = Seconds(start);
    return book;
}

void BM_MakeBook(benchmark::State& state) {
    qint64 bytes = 0;
    int pages = 0;
    TTimes times;
    double write = 0;
    for (auto _ : state) {
        const auto book = MakeBook(&times);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        const auto start = std::chrono::steady_clock::now();
        WriteBookPdf(*book, out);
        write = Seconds(start);
        bytes = out.size();
        pages = book->PageCount();
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
    state.counters["pages"] = pages;
    state.counters["build_s"] = times.Build;
    state.counters["layout_s"] = times.Layout;
    state.counters["pdf_s"] = write;
}
BENCHMARK(BM_MakeBook)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PaperCheck(benchmark::State& state) {
    const auto book = MakeBook();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    WriteBookPdf(*book, out);
    for (auto _ : state) benchmark::DoNotOptimize(CheckPaper(PagesOf(*book), out.data()).Passed());
}
BENCHMARK(BM_PaperCheck)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
