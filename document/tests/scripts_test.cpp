// Pages in other alphabets: faces that cover every letter, cluster cells drawn whole,
// right-to-left lines laid out from the right, exports that keep the grid's order, and printed
// PDFs that embed their fonts and give their letters back.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "../fuzz/markupcheck.h"
#include "htmlexport.h"
#include "scriptfaces.h"
#include "testpuzzle.h"
#include "textexport.h"

namespace vorlix::test {
namespace {

struct TScriptCase {
    const char* Name;
    QStringList Rows;  // a 4 x 4 grid; the words lie along the first rows from the left
    QStringList Words;
};
const TScriptCase ScriptCases[] = {
    {"Korean",
     {u"고양이개"_qs, u"사자곰새"_qs, u"돼지말소"_qs, u"토끼양닭"_qs},
     {u"고양이"_qs, u"사자"_qs, u"돼지"_qs}},
    {"Hindi", {u"कमलन"_qs, u"नगरप"_qs, u"महलज"_qs, u"जलघर"_qs}, {u"कमल"_qs, u"नगर"_qs, u"महल"_qs}},
    {"Hebrew", {u"שלום"_qs, u"ספרא"_qs, u"ביתג"_qs, u"דגלה"_qs}, {u"שלום"_qs, u"ספר"_qs, u"בית"_qs}},
    {"Russian", {u"КОТА"_qs, u"ДОМБ"_qs, u"ЛЕСВ"_qs, u"МИРГ"_qs}, {u"КОТ"_qs, u"ДОМ"_qs, u"ЛЕС"_qs}},
    {"Kana", {u"ねこいぬ"_qs, u"さかなう"_qs, u"とりえお"_qs, u"くまはし"_qs}, {u"ねこ"_qs, u"さかな"_qs, u"とり"_qs}},
    {"Arabic", {u"قطةب"_qs, u"كلبت"_qs, u"بيتث"_qs, u"شمسج"_qs}, {u"قطة"_qs, u"كلب"_qs, u"بيت"_qs}},
};

void HandMadeScript(TTestPuzzle& t, const TScriptCase& c) {
    std::vector<THandWord> words;
    for (qsizetype i = 0; i < c.Words.size(); ++i) words.push_back({c.Words[i], 1, int(i) + 1, East});
    t.HandMade(c.Rows, words);
}

QRect Ink(const QImage& image, const QRect& area) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    return ink;
}

// Protects: the chosen face stays wherever it has the letters, so English and Russian pages
// are as they were; a face without them gives way to one that has them, marks included.
TEST(ScriptFaces, ChosenFaceKeptWhereItCovers) {
    EXPECT_EQ(CoveringFamily("Arial", false, false, u"Elephant КОШКА"_qs), "Arial");
    for (const QString& text : {u"e\u0301"_qs, u"кошка"_qs, u"고양이"_qs, u"قطة"_qs})
        EXPECT_TRUE(FaceCovers(CoveringFamily("Comic Sans MS", true, false, text), true, false, text));
}

// Protects: a cell of several code points (a conjunct with its vowel sign) is drawn whole and
// centred on its cell: the same ink as its text drawn alone.
TEST(ClusterCells, DrawnWholeAndCentred) {
    TTestPuzzle t;
    t.puzzle.Format.GridFontSize = 24;
    t.Build({u"क्षत्रिय"_qs, u"स्त्री"_qs, u"बिल्ली"_qs}, 6, 6);
    constexpr double Res = 200.0;
    const QImage page = t.Render(1, Res);
    const int side = qRound(t.document.CellWidth() * Res);
    int clusters = 0;
    for (int r = 1; r <= 6; ++r)
        for (int c = 1; c <= 6; ++c) {
            const QString text = t.puzzle.CellText(c, r);
            clusters += text.size() > 1;
            const QPoint centre(qRound(t.document.CellCentreX(c) * Res), qRound(t.document.CellCentreY(r) * Res));
            const QRect ink = Ink(page, QRect(centre - QPoint(side / 2, side / 2), QSize(side, side)));
            QImage alone(2 * side, 2 * side, QImage::Format_RGB32);
            alone.fill(Qt::white);
            TAsCanvas probe(TCanvasKind::Preview, &alone, Res, Res);
            probe.Font = {t.puzzle.Format.GridFont, t.puzzle.Format.GridFontSize};
            probe.TextOut(0.1, 0.1, text);
            probe.End();
            const QRect want = Ink(alone, alone.rect());
            EXPECT_NEAR(ink.width(), want.width(), 2) << text.toStdString();
            EXPECT_NEAR(ink.height(), want.height(), 2) << text.toStdString();
            EXPECT_NEAR(ink.center().x(), centre.x(), 0.1 * side) << text.toStdString();
        }
    EXPECT_GT(clusters, 3);
}

// Protects: Hebrew lines are laid out right to left: words end at their column's right edge,
// the first column is the rightmost, a Latin word keeps its left start, and an instructions
// line's ink ends at the right of its rectangle.
TEST(RightToLeftLayout, WordListAndInstructionsFromTheRight) {
    TTestPuzzle t;
    t.puzzle.Format.RequestedClueColumns = 2;
    t.puzzle.Format.ClueAlignment = 0;
    t.puzzle.InstructionLines = {u"מצאו את המילים."_qs};
    t.HandMade(QStringList(6, u"שלוםספ"_qs), {u"שלום"_qs, u"ספר"_qs, u"בית"_qs, u"אבא"_qs, u"mom"_qs});
    const TWordListArrangement& a = t.document.WordList();
    ASSERT_TRUE(a.RightToLeft);
    for (const auto& item : a.Items) {
        const double left = a.BlockLeft + (a.Columns - item.Column) * (a.ColumnWidth + a.Gap);
        EXPECT_NEAR(item.Text == "mom" ? item.X : item.X + item.Width, item.Text == "mom" ? left : left + a.ColumnWidth,
                    1e-9)
            << item.Text.toStdString();
    }
    EXPECT_GT(a.Items[0].X, a.Items[4].X);

    constexpr double Res = 100.0;
    const TInchRect r = t.document.InstructionsRect();
    const QImage page = t.Render(1, Res);
    const QRect ink = Ink(page, QRect(0, qRound(r.Top * Res), page.width(), qRound(r.Height() * Res)));
    EXPECT_NEAR(ink.right(), r.Right * Res, 4.0);
    EXPECT_GT(ink.left(), (r.Left + 1.0) * Res);
}

// Protects: the text and web exports keep the grid's column order and unjoined letters for
// Arabic and set right-to-left words with that direction.
TEST(RightToLeftExports, GridOrderAndWordDirection) {
    const TExportSections all{true, true, true, true, true, false};
    TTestPuzzle t;
    t.puzzle.Format.ClueAlignment = 0;
    HandMadeScript(t, ScriptCases[5]);
    EXPECT_TRUE(TextExportLines(t.puzzle, all, 0).contains(u"\u202Dق\u200Cط\u200Cة\u200Cب\u202C"_qs));
    EXPECT_TRUE(TextExportLines(t.puzzle, all, 1).contains(u"\u202Dق ط ة ب\u202C"_qs));
    const QString html = HtmlPageLines(t.puzzle, all, {}).join('\n');
    EXPECT_TRUE(html.contains(QRegularExpression("<table [^>]*dir=\"ltr\">\\s*<tr><td")));
    EXPECT_TRUE(html.contains(QRegularExpression("<td width=\"\\d+%\" dir=\"rtl\" align=\"right\">")));
    EXPECT_TRUE(html.contains("Noto Sans Arabic, sans-serif"));
    t.puzzle.Format.SetFace(TPageElement::Grid, "Courier New");
    EXPECT_TRUE(HtmlPageLines(t.puzzle, all, {}).join('\n').contains("&nbsp;<bdo dir=\"ltr\">&nbsp;&#1602;&nbsp;"));
    EXPECT_EQ(markup::HtmlProblem(HtmlBytes(HtmlPageLines(t.puzzle, all, {}))), QString());
}

QString ToolOutput(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// Protects: a printed PDF in Korean, Hindi, Hebrew, Russian and kana embeds every font it uses
// and gives back the letters of its grid and word list.
TEST(ScriptPdf, FontsEmbeddedLettersBack) {
    const QString pdffonts = QStandardPaths::findExecutable("pdffonts");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdffonts.isEmpty() || pdftotext.isEmpty()) GTEST_SKIP() << "poppler-utils not installed (scripts/setup.sh)";
    QTemporaryDir dir;
    for (const TScriptCase& c : ScriptCases) {
        if (QString(c.Name) == "Arabic") continue;  // text comes back as presentation forms
        SCOPED_TRACE(c.Name);
        TTestPuzzle t;
        t.puzzle.TitleLines = {c.Words.front()};
        HandMadeScript(t, c);
        const QString file = dir.filePath(QString(c.Name) + ".pdf");
        TPdfSheetSink pdf(file);
        ASSERT_EQ(t.Print(pdf, {1, 0, false, TSolutionSheets::One}), TPrintOutcome::Printed);
        const QStringList fonts = ToolOutput(pdffonts, {file}).split('\n', Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(fonts.isEmpty());
        for (const QString& line : fonts)
            EXPECT_TRUE(line.contains(QRegularExpression(" yes +(yes|no) +yes "))) << line.toStdString();
        QString back = ToolOutput(pdftotext, {file, "-"});
        back.remove(QRegularExpression("[\\s\\x{200E}\\x{200F}\\x{202A}-\\x{202E}]"));
        for (const QString& text : c.Rows + c.Words)
            for (const QChar letter : text) EXPECT_TRUE(back.contains(letter)) << QString(letter).toStdString();
        for (const QString& word : c.Words) EXPECT_TRUE(back.contains(word)) << word.toStdString();
    }
}

}  // namespace
}  // namespace vorlix::test
