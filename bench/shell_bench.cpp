// The desktop program's build-and-show path: "Create Puzzle Now" on 60 and 200 words until
// the finished page has painted, and one repaint of each of the six preview views of a
// 60-word puzzle. Runs offscreen; medians over the repetitions are what to compare.
#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "application.h"
#include "designpage.h"
#include "finishedpage.h"
#include "previewbox.h"
#include "puzzlemodel.h"
#include "services.h"
#include "webfm.h"

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
        Model().Words_Memo = words;
        Model().Words_MemoChange();
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
        p.Model().Engine().SetSeed(seed++);
        run.ResumeTiming();
        p.CreatePuzzleNow(words);
        p.Finished().Preview()->repaint();
    }
    run.counters["placed"] = p.Model().Puzzle().PlacedWordCount();
    run.counters["columns"] = p.Model().Puzzle().ActualColumns;
}
BENCHMARK(BM_CreatePuzzleNowUntilPainted)->Arg(60)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_RepaintView(benchmark::State& run) {
    TBenchProgram& p = *Program;
    static bool built = false;
    if (!built) {
        p.Model().Engine().SetSeed(2024);
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
