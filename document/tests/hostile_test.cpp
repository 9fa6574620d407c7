// The exports against hostile puzzle files: markup that stays markup, sizes that cannot
// hang the font fitting, and honest messages for pictures of nothing.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <climits>

#include "../fuzz/exportchecks.h"
#include "../fuzz/markupcheck.h"
#include "htmlexport.h"
#include "pictureexport.h"
#include "printjob.h"
#include "puzzlefile.h"
#include "testpuzzle.h"

namespace vorlix::test {
namespace {

// Everything a file can set that reaches a picture or a page, each with markup, quotes,
// controls and an event handler in it.
QByteArray HostileFile() {
    const QByteArray evil = "x\" onmouseover=\"alert(1)\" a='<b>&amp;]]>\x01\x0b\x1b";
    QByteArray f = "QZ_WSFileFormat=1.0\r\nCreditsLine=" + evil + "\r\nOption_CustomClues=T\r\n"
                   "ActualColumns=3\r\nActualRows=3\r\nCapitalization=AsGiven\r\n";
    for (const char* key : {"TitleFont", "WorksheetFont", "InstructionsFont", "GridFont", "WordlistFont", "CreditsFont",
                            "ClueTextFont"})
        f += QByteArray(key) + "=Arial" + evil + "\r\n";
    f += "GRID:\r\n\t< & >\r\n\t\" ' \x01\r\n\tA B C\r\nEND GRID\r\n";
    f += "REQUESTED WORD LIST:\r\n\tab<c/" + evil + "\r\nEND REQUESTED WORD LIST\r\n";
    f += "WORD PLACEMENT:\r\n\t1 X=1 Y=1 D=3 <> \"<&>/" + evil + "\"\r\nEND WORD PLACEMENT\r\n";
    for (const char* section : {"TITLE", "LEFT WORKSHEET", "RIGHT WORKSHEET", "INSTRUCTIONS"})
        f += QByteArray(section) + ":\r\n\t" + evil + "\r\nEND " + section + "\r\n";
    return f + "END.\r\n";
}

const TExportSections Everything{true, true, true, true, true, false};
const TExportSections SolutionAndTitle{false, true, false, false, false, true};

// Protects: every text a file can set reaches SVG and HTML escaped for its place (font names
// included) and without the characters XML forbids, so both stay well-formed and carry no
// event handler; EMF is still made.
TEST(HostileExports, MarkupStaysMarkup) {
    TTestPuzzle t;
    TReadResult<TPuzzle> read = ReadPuzzleBytes(HostileFile(), QStringLiteral("evil.ws"));
    ASSERT_TRUE(read.Value);
    t.puzzle = *read.Value;
    t.puzzle.InstructionsIncluded = true;
    for (const bool solution : {false, true}) {
        const QByteArray svg = RenderVectorPicture(t.document, solution ? SolutionAndTitle : Everything, solution,
                                                   TVectorFormat::Svg, t.host);
        ASSERT_FALSE(svg.isEmpty());
        EXPECT_EQ(markup::SvgProblem(svg), QString()) << svg.toStdString();
    }
    EXPECT_EQ(markup::HtmlProblem(HtmlBytes(HtmlPageLines(t.puzzle, Everything))), QString());
    EXPECT_EQ(markup::HtmlProblem(HtmlBytes(HtmlFragmentLines(t.puzzle, Everything))), QString());
    if (TAsCanvas::EmfAvailable()) {
        EXPECT_FALSE(RenderVectorPicture(t.document, Everything, false, TVectorFormat::Emf, t.host).isEmpty());
    }
}

// Protects: the checker itself finds what it is there to find.
TEST(HostileExports, MarkupCheckerCatchesInjection) {
    const std::pair<QByteArray, bool> svgs[] = {
        {"<svg><text font-family=\"Arial\">ok</text></svg>", true},
        {"<svg><text font-family=\"Arial\" onmouseover=\"x\">ok</text></svg>", false},
        {"<svg><text>a\x01</text></svg>", false},
        {"<svg><text font-family=\"A\"B\">x</text></svg>", false},
    };
    for (const auto& [svg, good] : svgs) EXPECT_EQ(markup::SvgProblem(svg).isEmpty(), good) << svg.toStdString();
    const std::pair<QByteArray, bool> pages[] = {
        {"<p align=\"x\">a &amp; b<br></p>", true},
        {"<font face=\"a\" onmouseover=\"x\">a</font>", false},
        {"<p>a < b</p>", false},
        {"<p>a & b</p>", false},
        {"<p>a\x1b</p>", false},
        {"<p><b></p>", false},
        {"<p></b></p>", false},
    };
    for (const auto& [page, good] : pages) EXPECT_EQ(markup::HtmlProblem(page).isEmpty(), good) << page.toStdString();
}

// Protects: font fitting is a bounded search: sizes far beyond anything the dialog offers
// (as a damaged file or preference once set them) draw and measure at once on every kind of
// canvas instead of stepping down one pixel at a time.
TEST(HostileExports, HugeFontSizesDoNotHang) {
    for (const int points : {3000, 32000, INT_MAX, INT_MIN, -1}) {
        QElapsedTimer clock;
        clock.start();
        auto svg = TAsCanvas::NewVectorPicture(2.0, 2.0, TVectorFormat::Svg);
        svg->Font.Size = points;
        svg->TextOut(0.1, 0.1, QStringLiteral("Zoo"));
        EXPECT_GE(svg->TextWidth(QStringLiteral("Zoo")), 0.0);
        svg->ClosePicture();
        auto bitmap = TAsCanvas::NewBitmap(200, 200);
        bitmap->Font.Size = points;
        bitmap->TextOut(0.1, 0.1, QStringLiteral("Zoo"));
        bitmap->End();
        EXPECT_LT(clock.elapsed(), 5000) << points;
    }

    TTestPuzzle t;
    t.puzzle.TitleLines = {QStringLiteral("Zoo")};
    t.Build(AnimalWords, 10, 10);
    t.puzzle.Format.TitleFontSize = 3000;
    t.puzzle.Format.GridFontSize = 32000;
    t.puzzle.Format.WordlistFontSize = INT_MIN;
    QElapsedTimer clock;
    clock.start();
    RenderVectorPicture(t.document, Everything, false, TVectorFormat::Svg, t.host);
    RenderBitmapPicture(t.document, Everything, false, 300, 300, t.host);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    auto canvas = TAsCanvas::NewPdf(&pdf, QStringLiteral("letter"));
    t.document.DrawPage(*canvas, 1, 0);
    canvas->End();
    EXPECT_LT(clock.elapsed(), 20000);
}

// Protects: a picture whose chosen parts lie off the paper (a margin of 100 inches, 10,000
// worksheet lines) says so instead of asking the user to tick a box already ticked.
TEST(HostileExports, PictureOfNothingSaysWhy) {
    TTestPuzzle t;
    t.puzzle.TitleLines = {QStringLiteral("Zoo")};
    t.Build(AnimalWords, 10, 10);
    t.puzzle.Format.MarginWidth = 100.0;
    EXPECT_TRUE(RenderBitmapPicture(t.document, SolutionAndTitle, true, 200, 200, t.host).isNull());
    EXPECT_EQ(t.host.Texts().value(t.host.Texts().size() - 1), PictureOffPageMessage());
    EXPECT_FALSE(t.host.Texts().contains(NothingChosenMessage()));

    t.host.Messages.clear();
    EXPECT_TRUE(RenderBitmapPicture(t.document, TExportSections{false, false, false, false, false, false}, false, 200,
                                    200, t.host)
                    .isNull());
    EXPECT_EQ(t.host.Texts(), QStringList{NothingChosenMessage()});
}

// Protects: every kept fuzz input (the cases of the hostile-file report among them) goes
// through every export with the fuzz target's own checks.
TEST(HostileExports, ReplayExportCorpus) {
    const QDir corpus(QDir::cleanPath(QStringLiteral(VORLIX_TEST_DATA "/../../fuzz/corpus")));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 10);
    TTestPuzzle t;
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(fuzz::ExportProblem(file.readAll()), QString()) << name.toStdString();
    }
}

}  // namespace
}  // namespace vorlix::test
