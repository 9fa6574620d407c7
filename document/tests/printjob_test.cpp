// Print runs through a recording sink: which sheets come out in which order, with which
// grid variant and form mark; cancel, the missing printer, and a real PDF. The print page's
// sheet diagram and its unique-puzzle palette.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include <QDir>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "printjob.h"
#include "sheetdiagram.h"
#include "testpuzzle.h"

namespace vorlix::test {
namespace {

using Kind = TSheetKind;
using Sol = TSolutionSheets;

// The grid's size and where the words lie: what a variant changes, filler aside.
struct TShape {
    int Columns = 0, Rows = 0;
    std::vector<std::tuple<int, int, int>> Words;
    auto operator<=>(const TShape&) const = default;
};

TShape ShapeOf(const TWordSearch& ws) {
    TShape s{ws.ActualColumns, ws.ActualRows, {}};
    for (int w = 1; w <= ws.State().WordCount; ++w)
        if (const TWordPlacement& p = ws.Placements[static_cast<std::size_t>(w)]; p.Placed)
            s.Words.emplace_back(p.Column, p.Row, p.Direction);
    return s;
}

QString LettersOf(const TWordSearch& ws) {
    QString s;
    for (int r = 1; r <= ws.ActualRows; ++r)
        for (int c = 1; c <= ws.ActualColumns; ++c) s += QChar(ws.Grid[c][r]);
    return s;
}

struct TSheet {
    Kind PageKind = Kind::Solution;  // only page 1 has texts longer than a letter besides the form mark
    QString FormMark, Letters;
    TShape Shape;  // read with the letters at the sheet's first text
    double PageHeight = 0.0;
};

// Remembers what each sheet showed; as the progress display, cancels the job at CancelAt
// ("Printing Puzzle: 2 of 5").
class TRecordingSink : public ISheetSink, public IPrintProgress {
public:
    explicit TRecordingSink(PrinterPageMetrics m = {}) : metrics_(m) {}
    bool Present = true, Ended = false;
    std::vector<TSheet> Sheets;
    QString CancelAt;
    TPrintJob* Job = nullptr;
    int AccidentalLevel = 0;            // above 0: each new puzzle sheet is checked at this level
    int CopiesWithAccidentalWords = 0;  // copies a second check still changed

    bool Available() const override { return Present; }
    PrinterPageMetrics Metrics() const override { return metrics_; }
    bool BeginDocument() override { return NewSheet(); }
    bool NewSheet() override {
        canvas_.reset();
        Sheets.emplace_back();
        canvas_ = std::make_unique<TCanvas>(*this, image_);
        return true;
    }
    TAsCanvas& Canvas() override { return *canvas_; }
    bool EndDocument() override {
        canvas_.reset();
        return Ended = true;
    }
    void ShowProgress(const QString& printing, const QString& count) override {
        if (printing + ": " + count == CancelAt) Job->Cancel();
    }
    // A second check of a fresh copy must find nothing left to draw away.
    void CheckCopy(const TPuzzle& copy) {
        auto words = std::make_unique<TEngineState>(copy.Words());
        words->Settings.AccidentalCheck = static_cast<std::uint8_t>(AccidentalLevel);
        auto ws = std::make_unique<TWordSearch>(*words);
        ws->CopyWhole(copy.Grid(), *words);
        const QString letters = LettersOf(*ws);
        ws->CheckAccidentalWords();
        if (LettersOf(*ws) != letters) ++CopiesWithAccidentalWords;
    }

private:
    struct TCanvas : TAsCanvas {
        TCanvas(TRecordingSink& s, QImage& image) : TAsCanvas(TCanvasKind::Printer, &image, 30, 30), s_(s) {}
        void TextOut(double x, double y, const QString& text) override {
            TSheet& sheet = s_.Sheets.back();
            if (sheet.PageHeight == 0.0) {
                const TPuzzle& shown = *s_.Job->CurrentSheet();
                const TWordSearch& ws = shown.Grid();
                sheet = {sheet.PageKind, {}, LettersOf(ws), ShapeOf(ws), s_.metrics_.PageHeight};
                if (s_.AccidentalLevel > 0) s_.CheckCopy(shown);
            }
            if (text.startsWith("Form ")) {
                sheet.FormMark = text;
            } else if (text.size() > 1) {
                sheet.PageKind = Kind::Puzzle;
            }
            TAsCanvas::TextOut(x, y, text);
        }
        TRecordingSink& s_;
    };

    PrinterPageMetrics metrics_;
    QImage image_{255, 420, QImage::Format_RGB32};
    std::unique_ptr<TCanvas> canvas_;
};

struct TPrintFixture : ::testing::Test {
    TTestPuzzle t;
    std::map<TShape, int> variantOf;  // shape after Transform(v) -> v

    void SetUp() override {
        t.Build(AnimalWords, 12, 9);  // not square, so all eight variants differ
        TPuzzleBuilder scratch;
        variantOf[ShapeOf(t.puzzle.Grid())] = 0;
        for (int v = 1; v < 8; ++v) variantOf[ShapeOf(scratch.Transform(t.puzzle, v)->Grid())] = v;
        ASSERT_EQ(variantOf.size(), 8u);
    }
    // Runs the job with the sink as its progress display too.
    TPrintOutcome Run(TRecordingSink& sink, int q, int u, Sol s, bool unique = false) {
        return Run(sink, sink, {q, u, unique, s});
    }
    TPrintOutcome Run(ISheetSink& sink, TRecordingSink& progress, const TPrintOptions& options) {
        TPrintJob job(t.document, sink, &progress);
        progress.Job = &job;
        TPuzzleBuilder copies;
        copies.CheckLike(t.builder);
        t.report = {};
        return job.Run(options, copies, t.report);
    }
};

// Sheet order, the variant each sheet was drawn in, its form mark, the sink's paper; afterwards
// the grid and the document's own paper and form count are back.
TEST_F(TPrintFixture, VariationRunsFollowTheSheetOrder) {
    struct Case {
        int q, u;
        Sol solutions;
        std::vector<std::pair<Kind, int>> sheets;  // kind and form
    };
    const Kind P = Kind::Puzzle, S = Kind::Solution;
    const std::vector<Case> cases = {
        {5, 2, Sol::One, {{P, 1}, {P, 0}, {P, 1}, {P, 0}, {P, 1}, {S, 0}, {S, 1}}},
        {3, 1, Sol::Many, {{P, 0}, {P, 0}, {P, 0}, {S, 0}, {S, 0}, {S, 0}}},
        {9, 8, Sol::None, {{P, 1}, {P, 2}, {P, 3}, {P, 4}, {P, 5}, {P, 6}, {P, 7}, {P, 0}, {P, 1}}},
        // Many solutions: one per copy, in the copies' own form order, after all the puzzles.
        {5, 3, Sol::Many,
         {{P, 1}, {P, 2}, {P, 0}, {P, 1}, {P, 2}, {S, 1}, {S, 2}, {S, 0}, {S, 1}, {S, 2}}},
        // One solution per form, even for forms no copy used.
        {2, 3, Sol::One, {{P, 1}, {P, 2}, {S, 0}, {S, 1}, {S, 2}}},
    };
    const TShape before = ShapeOf(t.puzzle.Grid());
    const TInchRect gridBefore = t.document.GridRect();
    const PrinterPageMetrics ownPaper = t.document.PrinterMetrics();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q=" << c.q << " U=" << c.u);
        TRecordingSink sink(MetricsForPaper("legal"));
        EXPECT_EQ(Run(sink, c.q, c.u, c.solutions), TPrintOutcome::Printed);
        ASSERT_EQ(sink.Sheets.size(), c.sheets.size());
        for (std::size_t k = 0; k < c.sheets.size(); ++k) {
            const TSheet& s = sink.Sheets[k];
            EXPECT_EQ(s.PageKind, c.sheets[k].first) << "sheet " << k;
            const auto variant = variantOf.find(s.Shape);
            EXPECT_EQ(variant == variantOf.end() ? -1 : variant->second, c.sheets[k].second) << "sheet " << k;
            EXPECT_EQ(s.FormMark, c.u > 1 ? QString("Form %1").arg(c.sheets[k].second + 1) : QString());
            EXPECT_EQ(s.PageHeight, 14.0);
        }
        EXPECT_TRUE(sink.Ended);
        EXPECT_EQ(ShapeOf(t.puzzle.Grid()), before);
        EXPECT_EQ(t.document.GridRect(), gridBefore);
        EXPECT_EQ(t.document.PrinterMetrics(), ownPaper);
        EXPECT_EQ(t.document.FormCount(), 1);
    }
}

// Protects: an all-unique run prints the puzzle itself first, then new puzzles, each
// followed directly by its own solution; the puzzle itself stays as it was, and the same
// puzzle prints the same copies again.
TEST_F(TPrintFixture, UniqueCopiesEachWithTheirSolution) {
    const QString lettersBefore = LettersOf(t.puzzle.Grid());
    TRecordingSink sink;
    EXPECT_EQ(Run(sink, 4, 0, Sol::One, true), TPrintOutcome::Printed);
    ASSERT_EQ(sink.Sheets.size(), 8u);
    const QStringList marks = {"Form 2", "Form 3", "Form 4", "Form 1"};
    for (std::size_t i = 0; i < 4; ++i) {
        const TSheet &puzzle = sink.Sheets[2 * i], &solution = sink.Sheets[2 * i + 1];
        EXPECT_EQ(puzzle.PageKind, Kind::Puzzle);
        EXPECT_EQ(puzzle.FormMark, marks[static_cast<int>(i)]);
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(puzzle.Letters, sink.Sheets[2 * j].Letters);
        EXPECT_EQ(solution.PageKind, Kind::Solution);
        EXPECT_EQ(solution.FormMark, puzzle.FormMark);
        EXPECT_EQ(solution.Letters, puzzle.Letters);
        EXPECT_EQ(solution.Shape, puzzle.Shape);
    }
    EXPECT_EQ(sink.Sheets[0].Letters, lettersBefore) << "the first copy is the puzzle on screen";
    EXPECT_EQ(LettersOf(t.puzzle.Grid()), lettersBefore);
    TRecordingSink again;
    EXPECT_EQ(Run(again, 4, 0, Sol::One, true), TPrintOutcome::Printed);
    for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(again.Sheets[k].Letters, sink.Sheets[k].Letters) << k;
}

// Unique copies are built at the preferred accidental-word level: none of them leaves
// filler that spells a taboo word or a second listed word.
TEST_F(TPrintFixture, UniqueCopiesAreCheckedForAccidentalWords) {
    for (const int level : {1, 2}) {
        t.builder.SetAccidentalLevel(level);
        TRecordingSink sink;
        sink.AccidentalLevel = level;
        EXPECT_EQ(Run(sink, 12, 0, Sol::None, true), TPrintOutcome::Printed);
        EXPECT_EQ(sink.Sheets.size(), 12u);
        EXPECT_EQ(sink.CopiesWithAccidentalWords, 0) << "level " << level;
    }
}

// Cancel during the second copy ends the run after it: the document is still ended and the
// variant undone. The next run starts uncancelled. Without a printer: the message, nothing
// printed; an unknown printer name counts as none.
TEST_F(TPrintFixture, CancelAndMissingPrinter) {
    const TShape before = ShapeOf(t.puzzle.Grid());
    TRecordingSink sink;
    sink.CancelAt = "Printing Puzzle: 2 of 5";
    EXPECT_EQ(Run(sink, 5, 2, Sol::One), TPrintOutcome::Cancelled);
    EXPECT_EQ(sink.Sheets.size(), 2u);
    EXPECT_TRUE(sink.Ended);
    EXPECT_EQ(ShapeOf(t.puzzle.Grid()), before);
    sink.CancelAt.clear();
    EXPECT_EQ(Run(sink, 2, 2, Sol::One), TPrintOutcome::Printed);
    EXPECT_EQ(sink.Sheets.size(), 2u + 4u);

    TRecordingSink none;
    none.Present = false;
    EXPECT_EQ(Run(none, 2, 1, Sol::One), TPrintOutcome::NoPrinter);
    EXPECT_TRUE(none.Sheets.empty());
    EXPECT_FALSE(none.Ended);
    ASSERT_EQ(t.report.Lines.size(), 1u);
    EXPECT_EQ(t.report.Lines[0].Text, NoPrinterText);
    EXPECT_FALSE(TPrinterSheetSink(QStringLiteral("vorlix-no-such-printer")).Available());
}

// A real PDF has one page per sheet and replaces an earlier file only when the job succeeds:
// a cancelled or failed job leaves it as it was, with no temporary beside it, and the grid
// as it was.
TEST_F(TPrintFixture, PdfSink) {
    struct TBrokenPdf : TPdfSheetSink {
        using TPdfSheetSink::TPdfSheetSink;
        bool NewSheet() override { return false; }
    };
    QTemporaryDir dir;
    const QString file = dir.filePath("run.pdf");
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    const TShape before = ShapeOf(t.puzzle.Grid());
    {
        TPdfSheetSink pdf(file);
        TRecordingSink progress;
        progress.CancelAt = "Printing Puzzle: 2 of 3";
        EXPECT_EQ(Run(pdf, progress, {3, 1, false, Sol::None}), TPrintOutcome::Cancelled);
        TBrokenPdf broken(file);
        EXPECT_EQ(t.Print(broken, {2, 2, false, Sol::None}), TPrintOutcome::Failed);
        EXPECT_EQ(ShapeOf(t.puzzle.Grid()), before);
        TPdfSheetSink bad(dir.filePath("missing/run.pdf"));
        TPrintJob badJob(t.document, bad);
        TPuzzleBuilder copies;
        EXPECT_EQ(badJob.Run({}, copies, t.report), TPrintOutcome::Failed);
        EXPECT_FALSE(badJob.ErrorText().isEmpty());
    }
    EXPECT_EQ(ReadAll(file), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"run.pdf"});

    TPdfSheetSink pdf(file, "a4");
    EXPECT_EQ(t.Print(pdf, {2, 0, true, Sol::One}), TPrintOutcome::Printed);
    EXPECT_EQ(QString::fromLatin1(ReadAll(file)).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 4);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"run.pdf"});
}

// Protects: the palette comes from its own fixed seed, 64 distinct colours, and the copies'
// seed is where the palette's shuffle ends, so files print the unique puzzles they always
// did. Each sheet's box shows its form's colour.
TEST(SheetDiagram, FixedPaletteAndBoxColours) {
    const auto palette = UniquePalette();
    EXPECT_EQ(UniquePalette(), palette);
    std::set<QRgb> distinct;
    for (const QColor& c : palette) distinct.insert(c.rgb());
    EXPECT_EQ(distinct.size(), 64u);
    TRandom shuffle{UniquePaletteSeed};
    for (int n = 0; n < 2 * UniquePaletteSwaps; ++n) shuffle.Random(UniquePaletteSize - 1);
    EXPECT_EQ(TPrintOptions().Seed, shuffle.Seed);

    const TPrintOptions unique{4, 0, true, Sol::One};
    QImage image(320, 90, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintSheetDiagram(painter, image.size(), unique);
    painter.end();
    const TSheetDiagram d = ArrangeSheetDiagram(image.size(), unique, &palette);
    ASSERT_EQ(d.Sheets.size(), 8u);
    for (std::size_t i = 0; i < d.Sheets.size(); ++i) {
        EXPECT_EQ(d.Sheets[i].Color, palette[(i / 2 + 1) % 4]);  // each puzzle and its solution: forms 2, 3, 4, 1
        EXPECT_EQ(QColor(image.pixel(d.Sheets[i].Box.center())), d.Sheets[i].Color);
    }
}

}  // namespace
}  // namespace vorlix::test
