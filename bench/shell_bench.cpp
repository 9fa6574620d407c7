// The desktop program's build-and-show path: "Create Puzzle Now" on 60 and 200 words until
// the finished page has painted, one repaint of each of the six preview views of a 60-word
// puzzle, the preview window's repaint at 100% and 1500%, and 30 unique copies with their
// solutions printed from the print page into a PDF. Runs offscreen; medians over the repetitions are what to compare.
#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "application.h"
#include "designpage.h"
#include "finishedpage.h"
#include "previewbox.h"
#include "previewfm.h"
#include "printchoices.h"
#include "printpage.h"
#include "puzzlemodel.h"
#include "scripteddialogs.h"
#include "services.h"
#include "webfm.h"
#include "windows.h"

namespace {

using namespace vorlix;
using namespace vorlix::shell;

// Distinct made-up words of four and six letters, the same on every run.
QStringList MadeUpWords(int n) {
    static const char* const syllables[20] = {"ka", "lo", "mi", "ne", "pu", "ra", "si", "to", "vu", "we",
                                              "ba", "de", "fi", "go", "hu", "ja", "ke", "li", "mo", "nu"};
    QStringList words;
    for (int i = 0; i < n; ++i) {
        const int a = i % 20;
        const int b = (7 * (i / 20) + a) % 20;
        QString w = QString::fromLatin1(syllables[a]) + QString::fromLatin1(syllables[b]);
        if (i % 3 == 0) w += QString::fromLatin1(syllables[(i * 13) % 20]);
        words << w;
    }
    return words;
}

// The real program with scripted dialogs and a clock that skips every pause.
struct TBenchProgram {
    TScriptedMessageHost messages;
    TScriptedFileDialogs files;
    TScriptedColorFontDialogs colorsFonts;
    TClock clock{0.0};
    TScriptedModalRunner modal;
    QTemporaryDir dir;
    std::unique_ptr<TProgram> program;

    TBenchProgram() {
        const QString ini = dir.filePath(QStringLiteral("prefs.ini"));
        QFile f(ini);
        if (f.open(QIODevice::WriteOnly)) f.write("[General]\nHintsShown=Tour\n");
        f.close();
        program = std::make_unique<TProgram>(TServices{messages, files, colorsFonts, clock, modal}, ini);
        bool done = false;
        program->Start({}, [&done] { done = true; });
        while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        program->Main().resize(1000, 700);
        QCoreApplication::processEvents();
    }
    ~TBenchProgram() {
        program->Model().SetModified(false);
        program->Main().close();
        QCoreApplication::processEvents();
    }

    TWebFm& Main() const { return program->Main(); }
    TPuzzleModel& Model() const { return program->Model(); }
    TFinishedPage& Finished() const { return *Main().PageOf<TFinishedPage>(); }

    // Types the words as the word page would and presses "Create Puzzle Now".
    void CreatePuzzleNow(const QStringList& words) {
        Model().SetWordLines(words);
        Main().CreatePuzzle();
    }
};

TBenchProgram* Program = nullptr;

void BM_CreatePuzzleNowUntilPainted(benchmark::State& run) {
    TBenchProgram& p = *Program;
    const QStringList words = MadeUpWords(static_cast<int>(run.range(0)));
    std::uint32_t seed = 1;
    for (auto _ : run) {
        run.PauseTiming();
        p.Main().TurnPage(QStringLiteral("Design"));
        p.Model().Builder().SetSeed(seed++);
        run.ResumeTiming();
        p.CreatePuzzleNow(words);
        p.Finished().Preview()->repaint();
    }
    run.counters["placed"] = p.Model().Puzzle().Grid().PlacedWordCount();
    run.counters["columns"] = p.Model().Puzzle().Grid().ActualColumns;
}
BENCHMARK(BM_CreatePuzzleNowUntilPainted)->Arg(60)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_RepaintView(benchmark::State& run) {
    TBenchProgram& p = *Program;
    static bool built = false;
    if (!built) {
        p.Model().Builder().SetSeed(2024);
        p.CreatePuzzleNow(MadeUpWords(60));
        built = true;
    }
    TFinishedPage& page = p.Finished();
    page.SetView(static_cast<int>(run.range(0)));
    for (auto _ : run) page.Preview()->repaint();
    run.counters["box_width"] = page.Preview()->width();
    run.counters["box_height"] = page.Preview()->height();
}
BENCHMARK(BM_RepaintView)
    ->ArgName("view")
    ->DenseRange(ViewPage1, ViewWordList)
    ->Unit(benchmark::kMillisecond);

// The preview window at a zoom (percent) on a 60-word puzzle, shown 1000 x 700.
void BM_PreviewWindowRepaint(benchmark::State& run) {
    TBenchProgram& p = *Program;
    p.Model().Builder().SetSeed(2024);
    p.CreatePuzzleNow(MadeUpWords(60));
    TPreviewFm& preview = *p.program->Windows().Preview;
    preview.setGeometry(40, 40, 1000, 700);
    preview.ShowOrRaise();
    QCoreApplication::processEvents();
    preview.SetView(ViewPuzzle);
    preview.ZoomTo(static_cast<double>(run.range(0)));
    for (auto _ : run) preview.PaintBox()->repaint();
    run.counters["zoom"] = preview.ZoomPercent();
    preview.hide();
}
BENCHMARK(BM_PreviewWindowRepaint)->ArgName("zoom")->Arg(100)->Arg(1500)->Unit(benchmark::kMillisecond);

// "Save as PDF" on the print page: 30 unique copies of a 60-word puzzle, each with its solution.
void BM_PrintPageUniqueCopiesToPdf(benchmark::State& run) {
    TBenchProgram& p = *Program;
    p.Model().Builder().SetSeed(7);
    p.CreatePuzzleNow(MadeUpWords(60));
    p.Main().TurnPage(QStringLiteral("Print"));
    TPrintPage& page = *p.Main().PageOf<TPrintPage>();
    page.findChild<QComboBox*>(QStringLiteral("Print_QuantityCmBx"))->setEditText(QStringLiteral("30"));
    page.findChild<QComboBox*>(QStringLiteral("Print_UniquesCmBx"))->setCurrentIndex(AllUniqueItemIndex);
    const QString pdf = p.dir.filePath(QStringLiteral("copies.pdf"));
    for (auto _ : run) {
        p.files.Answers = {pdf};
        page.Print_PdfBtnClick();
    }
    run.counters["sheets"] = page.LastSheetCount();
    run.counters["bytes"] = static_cast<double>(QFile(pdf).size());
}
BENCHMARK(BM_PrintPageUniqueCopiesToPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    {
        TBenchProgram program;
        Program = &program;
        benchmark::RunSpecifiedBenchmarks();
        Program = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
