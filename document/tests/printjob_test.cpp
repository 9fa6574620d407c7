// Print runs through a recording sink: which sheets come out in which order, with which
// grid variant and form mark; progress, cancel, the missing printer, and a real PDF.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "printjob.h"
#include "testpuzzle.h"

namespace vorlix::test {
namespace {

using Kind = TSheetKind;
using Sol = TSolutionChoice;

// Where the words lie and the grid's size (what a variant changes, filler aside) and the letters.
struct TShape {
    int Columns = 0, Rows = 0;
    std::vector<std::tuple<int, int, int>> Words;
    auto operator<=>(const TShape&) const = default;
};
void PrintTo(const TShape& s, std::ostream* os) { *os << s.Columns << "x" << s.Rows << ", " << s.Words.size() << " words"; }

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
    QStringList Texts;
    TShape Shape;
    QString Letters;
    double PageHeight = 0.0;
    // Only page 1 carries texts longer than a letter besides the form mark.
    Kind PageKind() const {
        return std::any_of(Texts.begin(), Texts.end(), [](const QString& t) { return t.size() > 1 && !t.startsWith("Form "); })
                   ? Kind::Puzzle
                   : Kind::Solution;
    }
    QString FormMark() const {
        const QStringList marks = Texts.filter(QRegularExpression("^Form "));
        return marks.isEmpty() ? QString() : marks.front();
    }
};

// Remembers what each sheet showed; the puzzle is read at the sheet's first text.
class TRecordingSink : public ISheetSink {
public:
    TRecordingSink(TPuzzleDocument& d, PrinterPageMetrics m = {}) : doc_(d), metrics_(m) {}
    ~TRecordingSink() override { canvas_.reset(); }
    bool Present = true;
    bool Ended = false;
    std::vector<TSheet> Sheets;

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

private:
    struct TCanvas : TAsCanvas {
        TCanvas(TRecordingSink& s, QImage& image) : TAsCanvas(TCanvasKind::Printer, &image, 30, 30), s_(s) {}
        void TextOut(double x, double y, const QString& text) override {
            TSheet& sheet = s_.Sheets.back();
            if (sheet.Texts.isEmpty()) {
                const TWordSearch& ws = s_.doc_.Model().Puzzle();
                sheet = {{}, ShapeOf(ws), LettersOf(ws), s_.doc_.PageRect().Height()};
            }
            sheet.Texts << text;
            TAsCanvas::TextOut(x, y, text);
        }
        TRecordingSink& s_;
    };

    TPuzzleDocument& doc_;
    PrinterPageMetrics metrics_;
    QImage image_{255, 420, QImage::Format_RGB32};
    std::unique_ptr<TCanvas> canvas_;
};

class TRecordingProgress : public IPrintProgress {
public:
    QStringList Shown;  // "Printing Puzzle: 1 of 5"
    std::vector<bool> Visible;
    int EventRuns = 0, Rebuilds = 0;
    QString CancelAt;  // cancels the job when this is shown
    TPrintJob* Job = nullptr;
    void ProgressVisible(bool shown) override { Visible.push_back(shown); }
    void ShowProgress(const QString& printing, const QString& count) override {
        Shown << printing + ": " + count;
        if (Shown.back() == CancelAt) Job->Cancel();
    }
    void LetEventsRun() override { ++EventRuns; }
    void PuzzleRebuilt() override { ++Rebuilds; }
};

struct TPrintFixture : ::testing::Test {
    TTestPuzzle t;
    std::map<TShape, int> variantOf;  // shape after Transform(v) -> v

    void SetUp() override {
        t.Build(AnimalWords, 12, 9);  // not square, so all eight variants differ
        TWordSearch& scratch = t.model.Trial();
        const std::uint32_t seed = t.model.Engine().Generator.Seed;
        for (int v = 0; v < 8; ++v) {
            scratch.CopyFrom(&t.model.Puzzle());
            scratch.Transform(v);
            variantOf[ShapeOf(scratch)] = v;
        }
        t.model.Engine().Generator.Seed = seed;
        ASSERT_EQ(variantOf.size(), 8u);
    }
    int VariantOf(const TSheet& s) const {
        auto it = variantOf.find(s.Shape);
        return it == variantOf.end() ? -1 : it->second;
    }
    static TPrintOptions Options(int q, int u, Sol s, bool unique = false) { return {q, u, unique, s}; }
};

// Sheet order, the variant each sheet was drawn in, its form mark, the sink's paper; afterwards
// the grid and the document's own paper and form count are back.
TEST_F(TPrintFixture, VariationRunsFollowTheSheetOrder) {
    struct Case {
        TPrintOptions options;
        std::vector<std::pair<Kind, int>> sheets;  // kind and form
    };
    const Kind P = Kind::Puzzle, S = Kind::Solution;
    const std::vector<Case> cases = {
        {Options(5, 2, Sol::Print_OneSolutionRB), {{P, 1}, {P, 0}, {P, 1}, {P, 0}, {P, 1}, {S, 0}, {S, 1}}},
        {Options(3, 1, Sol::Print_ManySolutionsRB), {{P, 0}, {P, 0}, {P, 0}, {S, 0}, {S, 0}, {S, 0}}},
        {Options(4, 3, Sol::Print_ManySolutionsRB), {{P, 1}, {P, 2}, {P, 0}, {P, 1}, {S, 1}, {S, 2}, {S, 0}, {S, 1}}},
        {Options(2, 8, Sol::Print_NoSolutionsRB), {{P, 1}, {P, 2}}},
        {Options(9, 8, Sol::Print_NoSolutionsRB), {{P, 1}, {P, 2}, {P, 3}, {P, 4}, {P, 5}, {P, 6}, {P, 7}, {P, 0}, {P, 1}}},
    };
    const TShape before = ShapeOf(t.model.Puzzle());
    const TInchRect gridBefore = t.document.GridRect();
    const PrinterPageMetrics ownPaper = t.document.PrinterMetrics();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q=" << c.options.Quantity << " U=" << c.options.Forms);
        TRecordingSink sink(t.document, MetricsForPaper("legal"));
        EXPECT_EQ(TPrintJob(t.document, sink).Run(c.options), TPrintOutcome::Printed);
        ASSERT_EQ(sink.Sheets.size(), c.sheets.size());
        for (std::size_t k = 0; k < c.sheets.size(); ++k) {
            const TSheet& s = sink.Sheets[k];
            EXPECT_EQ(s.PageKind(), c.sheets[k].first) << "sheet " << k;
            EXPECT_EQ(VariantOf(s), c.sheets[k].second) << "sheet " << k;
            EXPECT_EQ(s.FormMark(), c.options.Forms > 1 ? QString("Form %1").arg(c.sheets[k].second + 1) : QString());
            EXPECT_EQ(s.PageHeight, 14.0);
        }
        EXPECT_TRUE(sink.Ended);
        EXPECT_EQ(ShapeOf(t.model.Puzzle()), before);
        EXPECT_EQ(t.document.GridRect(), gridBefore);
        EXPECT_EQ(t.document.PrinterMetrics(), ownPaper);
        EXPECT_EQ(t.document.FormCount(), 1);
    }
}

// Every all-unique copy is a new puzzle followed directly by its own solution.
TEST_F(TPrintFixture, UniqueCopiesEachWithTheirSolution) {
    for (Sol sol : {Sol::Print_OneSolutionRB, Sol::Print_ManySolutionsRB, Sol::Print_NoSolutionsRB}) {
        const bool solutions = sol != Sol::Print_NoSolutionsRB;
        TRecordingSink sink(t.document);
        TRecordingProgress progress;
        EXPECT_EQ(TPrintJob(t.document, sink, &progress).Run(Options(4, 0, sol, true)), TPrintOutcome::Printed);
        const std::size_t step = solutions ? 2 : 1;
        ASSERT_EQ(sink.Sheets.size(), 4 * step);
        EXPECT_EQ(progress.Rebuilds, 4);
        const QStringList marks = {"Form 2", "Form 3", "Form 4", "Form 1"};
        for (std::size_t i = 0; i < 4; ++i) {
            const TSheet& puzzle = sink.Sheets[i * step];
            EXPECT_EQ(puzzle.PageKind(), Kind::Puzzle);
            EXPECT_EQ(puzzle.FormMark(), marks[static_cast<int>(i)]);
            for (std::size_t j = 0; j < i; ++j) EXPECT_NE(puzzle.Letters, sink.Sheets[j * step].Letters);
            if (!solutions) continue;
            const TSheet& solution = sink.Sheets[i * step + 1];
            EXPECT_EQ(solution.PageKind(), Kind::Solution);
            EXPECT_EQ(solution.FormMark(), puzzle.FormMark());
            EXPECT_EQ(solution.Letters, puzzle.Letters);
            EXPECT_EQ(solution.Shape, puzzle.Shape);
        }
        // The last copy stays the current puzzle.
        EXPECT_EQ(LettersOf(t.model.Puzzle()), sink.Sheets.back().Letters);
    }
}

// The labels the window shows, in order; events run after each copy or sheet.
TEST_F(TPrintFixture, ProgressReports) {
    struct Case {
        TPrintOptions options;
        QStringList shown;
        int eventRuns;
    };
    const std::vector<Case> cases = {
        {Options(3, 2, Sol::Print_OneSolutionRB),
         {"Printing Puzzle: 1 of 3", "Printing Puzzle: 1 of 3", "Printing Puzzle: 2 of 3", "Printing Puzzle: 3 of 3",
          "Printing Solution: 1 of 2", "Printing Solution: 2 of 2"},
         5},
        {Options(2, 0, Sol::Print_ManySolutionsRB, true),
         {"Printing Puzzle: 1 of 2", "Printing Puzzle: 1 of 2", "Printing Solution: 1 of 2", "Printing Puzzle: 2 of 2",
          "Printing Solution: 2 of 2"},
         2},
    };
    for (const Case& c : cases) {
        TRecordingSink sink(t.document);
        TRecordingProgress progress;
        TPrintJob(t.document, sink, &progress).Run(c.options);
        EXPECT_EQ(progress.Shown, c.shown);
        EXPECT_EQ(progress.EventRuns, c.eventRuns);
        EXPECT_EQ(progress.Visible, (std::vector<bool>{true, false}));
    }
}

// Cancel ends the run after the copy or sheet in progress; the document is still closed and
// the grid restored. A new run clears an old cancel.
TEST_F(TPrintFixture, CancelStopsAfterTheCurrentCopy) {
    struct Case {
        TPrintOptions options;
        QString cancelAt;
        std::size_t sheets;
    };
    const std::vector<Case> cases = {
        {Options(5, 2, Sol::Print_OneSolutionRB), "Printing Puzzle: 2 of 5", 2},
        {Options(3, 0, Sol::Print_OneSolutionRB, true), "Printing Puzzle: 2 of 3", 4},
        {Options(3, 3, Sol::Print_ManySolutionsRB), "Printing Solution: 2 of 3", 5},
    };
    for (const Case& c : cases) {
        const TShape before = ShapeOf(t.model.Puzzle());
        TRecordingSink sink(t.document);
        TRecordingProgress progress;
        TPrintJob job(t.document, sink, &progress);
        progress.Job = &job;
        progress.CancelAt = c.cancelAt;
        EXPECT_EQ(job.Run(c.options), TPrintOutcome::Cancelled);
        EXPECT_EQ(sink.Sheets.size(), c.sheets) << c.cancelAt.toStdString();
        EXPECT_TRUE(sink.Ended);
        if (!c.options.AllUnique) {
            EXPECT_EQ(ShapeOf(t.model.Puzzle()), before);
        }
    }
    TRecordingSink sink(t.document);
    TPrintJob job(t.document, sink);
    job.Cancel();
    EXPECT_EQ(job.Run(Options(2, 2, Sol::Print_OneSolutionRB)), TPrintOutcome::Printed);
    EXPECT_EQ(sink.Sheets.size(), 4u);
}

// No printer: the message, nothing printed. An unknown printer name counts as no printer.
TEST_F(TPrintFixture, MissingPrinter) {
    TRecordingSink sink(t.document);
    sink.Present = false;
    EXPECT_EQ(TPrintJob(t.document, sink).Run(Options(2, 1, Sol::Print_OneSolutionRB)), TPrintOutcome::NoPrinter);
    EXPECT_TRUE(sink.Sheets.empty());
    EXPECT_FALSE(sink.Ended);
    EXPECT_EQ(t.host.Texts, QStringList{NoPrinterText});
    EXPECT_FALSE(TPrinterSheetSink(QStringLiteral("vorlix-no-such-printer")).Available());
}

// A real PDF has one page per sheet; an unwritable file fails without touching the grid.
TEST_F(TPrintFixture, PdfSink) {
    QTemporaryDir dir;
    const QString file = dir.filePath("run.pdf");
    TPdfSheetSink pdf(file, "a4");
    EXPECT_EQ(TPrintJob(t.document, pdf).Run(Options(2, 0, Sol::Print_OneSolutionRB, true)), TPrintOutcome::Printed);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 4);

    const TShape before = ShapeOf(t.model.Puzzle());
    TPdfSheetSink bad(dir.filePath("missing/run.pdf"));
    TPrintJob job(t.document, bad);
    EXPECT_EQ(job.Run(Options(2, 2, Sol::Print_OneSolutionRB)), TPrintOutcome::Failed);
    EXPECT_FALSE(job.ErrorText().isEmpty());
    EXPECT_EQ(ShapeOf(t.model.Puzzle()), before);
}

// The print page's texts: Q from the quantity, U from the first digits of the uniques item.
TEST(PrintPage, TextsGiveQuantityAndForms) {
    for (auto [text, valid, q] : std::vector<std::tuple<QString, bool, int>>{
             {"5", true, 5}, {"1000", true, 1000}, {"1001", false, 1001}, {"0", false, 1}, {"abc", false, 1}, {"+3", false, 1}}) {
        EXPECT_EQ(QuantityTextValid(text), valid) << text.toStdString();
        EXPECT_EQ(QuantityFromText(text), q) << text.toStdString();
    }
    const QStringList items = UniquesItems();
    for (int u = 1; u <= 8; ++u) EXPECT_EQ(FormsFromUniquesText(items[u - 1], 12), u);
    EXPECT_EQ(FormsFromUniquesText(items[8], 12), 12);
    const TPrintOptions o = TPrintOptions::FromPrintPage("abc", AllUniqueItemIndex, UniqueItemText(12), Sol::Print_ManySolutionsRB);
    EXPECT_TRUE(o.AllUnique && o.Quantity == 1 && o.Forms == 12);
    EXPECT_EQ(OneSolutionCaption(2), "Print a set of solutions for me.");
}

}  // namespace
}  // namespace vorlix::test
