// Instructions wrapped to the content width: the lines, the room the layout gives them, and
// drawings that keep them inside the right margin on the page, in print and in pictures.
#include <gtest/gtest.h>

#include "pictureexport.h"
#include "printjob.h"
#include "testpuzzle.h"

namespace vorlix::test {
namespace {

const TCanvasFont Times12{"Times New Roman", 12};

QString WithoutBlanks(const QStringList& lines) { return lines.join(QString()).remove(u' '); }

// Every type's standard instructions on every paper: no wrapped line wider than the content,
// nothing lost, the typed text untouched, one line height each, and the grid below them all.
TEST(InstructionsWrap, StandardTextsOnEveryPaper) {
    struct Case {
        bool hidden, clues;
        const char* paper;
    };
    std::vector<Case> cases;
    for (const char* paper : {"letter", "a4", "legal"})
        for (const auto& [hidden, clues] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}})
            cases.push_back({hidden, clues, paper});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.paper << " hidden " << c.hidden << " clues " << c.clues);
        TTestPuzzle t;
        t.ChooseType(c.hidden, c.clues);
        const QStringList typed = t.puzzle.InstructionLines;
        ASSERT_EQ(typed.size(), 1);
        t.document.SetPrinterMetrics(MetricsForPaper(c.paper));
        t.SetGridSize(15, 15);
        t.document.LayOut();

        const QStringList lines = t.document.InstructionsLines();
        const TInchRect content = t.document.ContentRect(), instr = t.document.InstructionsRect();
        for (const QString& line : lines) {
            EXPECT_LE(ReferenceTextWidth(Times12, line), content.Width()) << line.toStdString();
            EXPECT_FALSE(line.startsWith(u' ') || line.endsWith(u' ')) << "blanks at a break are dropped";
        }
        EXPECT_EQ(lines.join(u' '), typed.front());
        EXPECT_EQ(t.puzzle.InstructionLines, typed);
        EXPECT_EQ(lines.size() > 1, ReferenceTextWidth(Times12, typed.front()) > content.Width());
        EXPECT_EQ(instr.Left, content.Left);
        EXPECT_EQ(instr.Right, content.Right);
        EXPECT_NEAR(instr.Height(), lines.size() * 12 / 72.0, 1e-9);
        EXPECT_NEAR(t.document.GridRect().Top, instr.Bottom + t.document.ElementSpacing(), 1e-9);
        if (c.hidden && c.clues) {
            EXPECT_GE(lines.size(), 3);  // the longest text wraps on every paper
        }
    }
}

// The wrap itself, in Times 12 at widths in inches.
TEST(InstructionsWrap, Lines) {
    const QString longWord = QString(120, u'W');
    struct Case {
        QStringList typed;
        double width;
        bool unchanged;
    };
    const Case cases[] = {
        {{"  Find them.  "}, 7.0, true},                          // a line that fits stays as typed, blanks and all
        {{"one", "", " ", "two"}, 7.0, true},                      // blank lines before the last keep their place
        {{longWord}, 2.0, false},                                  // one word wider than the line: broken by characters
        {{"Circle " + longWord + " then stop"}, 3.0, false},       // words around a broken word go on its lines
        {{"    Indented and long enough to wrap twice over here"}, 1.5, false},  // the first line keeps its indent
        {{QString(300, u' ')}, 2.0, false},                        // a blank line too wide for the page is still one line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.join('|').left(60).toStdString());
        const QStringList lines = WrapLines(c.typed, Times12, c.width);
        if (c.unchanged) {
            EXPECT_EQ(lines, c.typed);
        }
        for (const QString& line : lines) EXPECT_LE(ReferenceTextWidth(Times12, line), c.width) << line.toStdString();
        EXPECT_EQ(WithoutBlanks(lines), WithoutBlanks(c.typed)) << "nothing lost, nothing doubled";
    }
    // Broken characters fill each line: one more would not fit.
    const QStringList pieces = WrapLines({longWord}, Times12, 2.0);
    ASSERT_GT(pieces.size(), 1);
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i)
        EXPECT_GT(ReferenceTextWidth(Times12, pieces[i] + u'W'), 2.0);
    EXPECT_TRUE(WrapLines({"    Indented and long enough to wrap twice over here"}, Times12, 1.5)[0].startsWith("    I"));
    EXPECT_EQ(WrapLines({QString(300, u' ')}, Times12, 2.0), QStringList{QString()});
}

// The first sheet of a print job drawn as it would go to the printer, at the job's paper
// resolution.
class TImageSink : public ISheetSink {
public:
    explicit TImageSink(int resolution) : metrics_(MetricsForPaper("letter", resolution)) {
        First = QImage(qRound(8.5 * resolution), qRound(11.0 * resolution), QImage::Format_RGB32);
        First.fill(Qt::white);
    }
    QImage First;
    PrinterPageMetrics Metrics() const override { return metrics_; }
    bool BeginDocument() override {
        canvas_ = std::make_unique<TAsCanvas>(TCanvasKind::Printer, &First, metrics_.ResolutionX, metrics_.ResolutionY);
        return true;
    }
    bool NewSheet() override { return false; }
    TAsCanvas& Canvas() override { return *canvas_; }
    bool EndDocument() override {
        canvas_.reset();
        return true;
    }

private:
    PrinterPageMetrics metrics_;
    std::unique_ptr<TAsCanvas> canvas_;
};

// Dark pixels in columns [x0, x1) of rows [y0, y1).
int Ink(const QImage& image, int x0, int x1, int y0, int y1) {
    int ink = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, image.height()); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, image.width()); ++x) ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

// Long instructions with a long word, in a face and size whose rounded device font comes out
// wider than the reference at some of these resolutions: the printed sheet and a picture of
// the instructions show every wrapped line and no ink right of the content.
TEST(InstructionsWrap, DrawnInsideTheRightMargin) {
    for (const int resolution : {100, 150, 300}) {
        SCOPED_TRACE(resolution);
        TTestPuzzle t;
        t.puzzle.Format.InstructionsFont = "Arial";
        t.puzzle.Format.InstructionsFontSize = 12;
        t.ChooseType(true, true);
        t.puzzle.InstructionLines << "" << QString(150, u'M');
        t.Build(AnimalWords, 12, 9);

        TImageSink sink(resolution);
        ASSERT_EQ(t.Print(sink, {1, 1, false, TSolutionSheets::None}),
                  TPrintOutcome::Printed);
        const TInchRect instr = t.document.InstructionsRect();
        const auto px = [resolution](double inches) { return qRound(inches * resolution); };
        EXPECT_EQ(Ink(sink.First, px(instr.Right) + 1, sink.First.width(), px(instr.Top), px(instr.Bottom)), 0);
        const double line = instr.Height() / t.document.InstructionsLines().size();
        for (qsizetype i = 0; i < t.document.InstructionsLines().size(); ++i) {
            const bool blank = t.document.InstructionsLines()[i].isEmpty();
            // The middle of the line: device line heights round a little off the layout's.
            const int y = px(instr.Top + (i + 0.5) * line);
            EXPECT_EQ(Ink(sink.First, 0, sink.First.width(), y - 2, y + 2) > 0, !blank) << "line " << i;
        }

        // The picture covers the wrapped height; the fitted rectangle's right edge bounds the ink.
        const TExportSections instructionsOnly{false, false, true, false, false, false};
        t.document.SetPrinterMetrics(sink.Metrics());
        const TInchRect area = PictureExportArea(t.document, instructionsOnly, false);
        EXPECT_EQ(area, t.document.InstructionsRect());
        const QSize size(2 * px(area.Width()) / 3, 2 * px(area.Height()) / 3);
        const QImage picture = RenderBitmapPicture(t.document, instructionsOnly, false, size.width(), size.height(), t.host);
        const TAsCanvas::TFit fit = TAsCanvas::FitFor(area, {}, QSizeF(size));
        const int right = qRound((area.Right - fit.ScrollOrigin.x()) * fit.Resolution);
        EXPECT_GT(Ink(picture, 0, right, 0, picture.height()), 0);
        EXPECT_EQ(Ink(picture, right + 1, picture.width(), 0, picture.height()), 0);
    }
}

}  // namespace
}  // namespace vorlix::test
