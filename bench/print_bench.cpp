// Printing to PDF: both pages of one 20 x 20 puzzle with 60 words, and a run of 100
// all-unique copies each followed by its solution. Run ./print_bench from a Release build;
// medians over the repetitions are what to compare.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "ascanvas.h"
#include "preferences.h"
#include "printjob.h"
#include "puzzledocument.h"
#include "puzzlemodel.h"

namespace {

using namespace vorlix;

const QStringList SixtyWords = {
    "apple",    "banana",   "cherry",   "grape",    "lemon",    "mango",    "orange",   "peach",
    "pear",     "plum",     "kiwi",     "melon",    "papaya",   "guava",    "lime",     "apricot",
    "fig",      "date",     "olive",    "quince",   "carrot",   "potato",   "tomato",   "onion",
    "garlic",   "pepper",   "celery",   "lettuce",  "spinach",  "cabbage",  "radish",   "turnip",
    "squash",   "pumpkin",  "bean",     "pea",      "corn",     "leek",     "kale",     "beet",
    "walnut",   "almond",   "cashew",   "peanut",   "hazelnut", "pecan",    "chestnut", "coconut",
    "ginger",   "basil",    "thyme",    "parsley",  "sage",     "mint",     "dill",     "fennel",
    "oregano",  "chives",   "cumin",    "nutmeg"};

// One puzzle model and its document, built once per process.
struct TBenchPuzzle {
    TSilentMessageHost host;
    TPreferences prefs;
    TPuzzleModel model{host, prefs};
    TPuzzleDocument document{model.Puzzle()};
    QTemporaryDir dir;

    TBenchPuzzle() {
        model.ResetToNewPuzzle();
        model.SetWordLines(SixtyWords);
        model.SetRequestedSize(20, 20);
        Rebuild();
        document.SetPrinterMetrics(MetricsForPaper(QStringLiteral("letter")));
        document.LayOut();
    }
    void Rebuild() {
        model.Builder().SetSeed(2024);
        model.RebuildPuzzle();
    }
    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TBenchPuzzle& Puzzle() {
    static TBenchPuzzle puzzle;
    return puzzle;
}

void BM_BothPagesToPdf(benchmark::State& run) {
    TBenchPuzzle& p = Puzzle();
    p.Rebuild();
    for (auto _ : run) {
        TPdfSheetSink pdf(p.File("pages.pdf"));
        pdf.BeginDocument();
        p.document.LayOut();
        p.document.DrawPage(pdf.Canvas(), 1, 0);
        pdf.NewSheet();
        p.document.DrawPage(pdf.Canvas(), p.document.SolutionPage(), 0);
        pdf.EndDocument();
    }
    run.counters["placed"] = p.model.Puzzle().Grid().PlacedWordCount();
}

void BM_UniqueRunToPdf(benchmark::State& run) {
    TBenchPuzzle& p = Puzzle();
    // The same copies on every repetition: the run seeds the builder from the options.
    const TPrintOptions options{100, 0, true, TSolutionSheets::One, 123};
    int sheets = 0;
    for (auto _ : run) {
        TPdfSheetSink pdf(p.File("unique.pdf"));
        TPrintJob job(p.document, pdf);
        TReport report;
        benchmark::DoNotOptimize(job.Run(options, p.model.Builder(), report));
        sheets = job.SheetsPrinted();
    }
    run.counters["sheets"] = sheets;
}

}  // namespace

BENCHMARK(BM_BothPagesToPdf)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_UniqueRunToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
