// Pages in other alphabets: faces that cover every letter, right-to-left lines laid out from
// the right, grid rows kept in column order in the exports, and printed PDFs that embed their
// fonts and give their letters back.
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

using Sol = TSolutionSheets;

struct TScriptCase {
    const char* Name;
    QStringList Rows;   // a 4 x 4 grid, one letter a cell
    QStringList Words;  // placed along the rows
};

// Words across the first rows; every grid letter is a letter of the script.
const TScriptCase ScriptCases[] = {
    {"Korean", {u"고양이개"_qs, u"사자곰새"_qs, u"돼지말소"_qs, u"토끼양닭"_qs}, {u"고양이"_qs, u"사자"_qs, u"돼지"_qs}},
    {"Hindi", {u"कमलन"_qs, u"नगरप"_qs, u"महलज"_qs, u"जलघर"_qs}, {u"कमल"_qs, u"नगर"_qs, u"महल"_qs}},
    {"Hebrew", {u"שלום"_qs, u"ספרא"_qs, u"ביתג"_qs, u"דגלה"_qs}, {u"שלום"_qs, u"ספר"_qs, u"בית"_qs}},
    {"Russian", {u"КОТА"_qs, u"ДОМБ"_qs, u"ЛЕСВ"_qs, u"МИРГ"_qs}, {u"КОТ"_qs, u"ДОМ"_qs, u"ЛЕС"_qs}},
    {"Kana", {u"ねこいぬ"_qs, u"さかなう"_qs, u"とりえお"_qs, u"くまはし"_qs}, {u"ねこ"_qs, u"さかな"_qs, u"とり"_qs}},
    {"Arabic", {u"قطةب"_qs, u"كلبت"_qs, u"بيتث"_qs, u"شمسج"_qs}, {u"قطة"_qs, u"كلب"_qs, u"بيت"_qs}},
};

void HandMadeScript(TTestPuzzle& t, const TScriptCase& c) {
    std::vector<THandWord> words;
    for (qsizetype i = 0; i < c.Words.size(); ++i) words.push_back({c.Words[i], 1, static_cast<int>(i) + 1, East});
    t.HandMade(c.Rows, words);
}

// Protects: every letter of every script is drawn with a face that has its glyph, while the
// chosen face stays wherever it has the letters (so English pages are as they were).
TEST(ScriptFaces, EveryLetterCoveredChosenFaceKept) {
    for (const char* face : {"Arial", "Times New Roman", "Comic Sans MS"}) {
        for (const TScriptCase& c : ScriptCases) {
            const QString text = c.Rows.join(QString()) + c.Words.join(u' ');
            const QString family = CoveringFamily(face, false, false, text);
            EXPECT_TRUE(FaceCovers(family, false, false, text)) << face << " " << c.Name << " -> " << family.toStdString();
            EXPECT_TRUE(FaceCovers(CoveringFamily(face, true, false, text), true, false, text)) << c.Name;
        }
        EXPECT_EQ(CoveringFamily(face, false, false, "Elephant, giraffe!"), face);
    }
    // Faces that have Cyrillic keep it; a decomposed accent needs its mark too.
    EXPECT_EQ(CoveringFamily("Arial", false, false, u"КОШКА"_qs), "Arial");
    EXPECT_TRUE(FaceCovers(CoveringFamily("Comic Sans MS", false, false, u"e\u0301"_qs), false, false, u"e\u0301"_qs));
    EXPECT_EQ(CoveringFamily("Arial", false, false, u"고양이"_qs), "Noto Sans CJK KR");
    EXPECT_EQ(CoveringFamily("Times New Roman", false, false, u"कमल"_qs), "Noto Serif Devanagari");
}

// Protects: a cell of several code points (a Devanagari conjunct with its vowel sign) is drawn
// as one unit, centred on its cell, in a face that has it: no part of it strays into the next
// cell and no cell is left without ink.
TEST(ClusterCells, DrawnWholeAndCentred) {
    TTestPuzzle t;
    t.puzzle.Format.GridFontSize = 24;
    t.Build({u"क्षत्रिय"_qs, u"स्त्री"_qs, u"बिल्ली"_qs}, 6, 6);
    const TWordSearch& ws = t.puzzle.Grid();
    ASSERT_EQ(ws.ActualColumns, 6);
    int multi = 0;
    constexpr double Res = 200.0;
    const QImage image = t.Render(1, Res);
    const double half = t.document.CellWidth() / 2;
    for (int r = 1; r <= ws.ActualRows; ++r)
        for (int c = 1; c <= ws.ActualColumns; ++c) {
            const QString text = t.puzzle.CellText(c, r);
            multi += text.size() > 1;
            const double cx = t.document.CellCentreX(c), cy = t.document.CellCentreY(r);
            QRect ink;
            for (int y = qRound((cy - half) * Res); y < qRound((cy + half) * Res); ++y)
                for (int x = qRound((cx - half) * Res); x < qRound((cx + half) * Res); ++x)
                    if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
            ASSERT_FALSE(ink.isEmpty()) << text.toStdString();
            // The same ink as the cell's text drawn alone: the whole cluster, shaped as one.
            QImage alone(qRound(4 * half * Res), qRound(4 * half * Res), QImage::Format_RGB32);
            alone.fill(Qt::white);
            {
                TAsCanvas probe(TCanvasKind::Preview, &alone, Res, Res);
                probe.Font = {t.puzzle.Format.GridFont, t.puzzle.Format.GridFontSize};
                probe.TextOut(half, half, text);
            }
            QRect aloneInk;
            for (int y = 0; y < alone.height(); ++y)
                for (int x = 0; x < alone.width(); ++x)
                    if (qGray(alone.pixel(x, y)) < 128) aloneInk |= QRect(x, y, 1, 1);
            EXPECT_NEAR(ink.width(), aloneInk.width(), 2) << text.toStdString();
            EXPECT_NEAR(ink.height(), aloneInk.height(), 2) << text.toStdString();
            // Whole: the ink keeps clear of the cell's sides; centred within a tenth of a cell.
            EXPECT_GT(ink.left(), qRound((cx - half) * Res)) << text.toStdString();
            EXPECT_LT(ink.right(), qRound((cx + half) * Res) - 1) << text.toStdString();
            EXPECT_NEAR(ink.center().x(), cx * Res, 0.2 * half * Res) << text.toStdString();
        }
    EXPECT_GT(multi, 3);  // the conjuncts really are single cells
}

// Protects: a Hebrew word list is laid out right to left: each word ends at its column's right
// edge (the start of its line), the first column is the rightmost, and a Latin word in it keeps
// its left start. Right alignment mirrors to the left edge.
TEST(RightToLeftLayout, WordListFromTheRight) {
    TTestPuzzle t;
    t.puzzle.Format.RequestedClueColumns = 2;
    t.puzzle.Format.ClueAlignment = 0;
    const QStringList words = {u"שלום"_qs, u"ספר"_qs, u"בית"_qs, u"אבא"_qs, u"mom"_qs};
    t.HandMade(QStringList(6, u"שלוםספ"_qs), words);
    const TWordListArrangement& a = t.document.WordList();
    ASSERT_EQ(a.Items.size(), 5u);
    EXPECT_TRUE(a.RightToLeft);
    const double right = t.document.WordListRect().Right;
    for (const auto& item : a.Items) {
        const double columnLeft = a.BlockLeft + (a.Columns - item.Column) * (a.ColumnWidth + a.Gap);
        if (item.Text == "mom")
            EXPECT_NEAR(item.X, columnLeft, 1e-9);
        else
            EXPECT_NEAR(item.X + item.Width, columnLeft + a.ColumnWidth, 1e-9) << item.Text.toStdString();
    }
    EXPECT_GT(a.Items[0].X, a.Items[4].X);  // column 1 lies right of column 2
    EXPECT_LE(a.Items[0].X + a.Items[0].Width, right + 1e-9);

    t.puzzle.Format.ClueAlignment = 2;
    t.document.LayOut();
    const auto& first = t.document.WordList().Items[0];
    const TWordListArrangement& b = t.document.WordList();
    EXPECT_NEAR(first.X, b.BlockLeft + (b.Columns - 1) * (b.ColumnWidth + b.Gap), 1e-9);

    // An English list keeps its columns from the left.
    TTestPuzzle english;
    english.PlacedWordList(4, "word");
    EXPECT_FALSE(english.document.WordList().RightToLeft);
}

// Protects: Hebrew title and instructions lines are drawn right to left on the page: the
// instruction line's ink ends at the right edge of its rectangle, not at the left.
TEST(RightToLeftLayout, InstructionsEndAtTheRight) {
    TTestPuzzle t;
    t.puzzle.InstructionLines = {u"מצאו את המילים."_qs};
    t.HandMade(ScriptCases[2].Rows, ScriptCases[2].Words);
    constexpr double Res = 100.0;
    const QImage image = t.Render(1, Res);
    const TInchRect r = t.document.InstructionsRect();
    int left = image.width(), right = -1;
    for (int y = qRound(r.Top * Res); y < qRound(r.Bottom * Res); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, 0);
    EXPECT_NEAR(right, r.Right * Res, 4.0);
    EXPECT_GT(left, (r.Left + 1.0) * Res);
}

// Protects: the exports keep the grid's column order and unjoined letters for Hebrew and
// Arabic, set right-to-left words with that direction, and leave Latin pages as they were.
TEST(RightToLeftExports, GridOrderAndWordDirection) {
    const TExportSections everything{true, true, true, true, true, false};
    TTestPuzzle t;
    t.puzzle.TitleLines = {u"חיות"_qs};
    t.puzzle.Format.ClueAlignment = 0;
    HandMadeScript(t, ScriptCases[5]);  // Arabic
    const QStringList text = TextExportLines(t.puzzle, everything, 0);
    const QString row = u"\u202Dق\u200Cط\u200Cة\u200Cب\u202C"_qs;
    EXPECT_TRUE(text.contains(row)) << text.join('\n').toStdString();
    EXPECT_TRUE(TextExportLines(t.puzzle, everything, 1).contains(u"\u202Dق ط ة ب\u202C"_qs));

    const QString html = HtmlPageLines(t.puzzle, everything, {}).join('\n');
    EXPECT_TRUE(html.contains("cellpadding=\"8\" align=\"center\" width=\"")) << html.toStdString();
    EXPECT_TRUE(html.contains(QRegularExpression("<table [^>]*dir=\"ltr\">\\s*<tr><td")));
    EXPECT_TRUE(html.contains("<span dir=\"rtl\">"));
    EXPECT_TRUE(html.contains(QRegularExpression("<td width=\"\\d+%\" dir=\"rtl\" align=\"right\">")));
    EXPECT_TRUE(html.contains("Noto Sans Arabic"));
    EXPECT_EQ(markup::HtmlProblem(HtmlBytes(HtmlPageLines(t.puzzle, everything, {}))), QString());
    t.puzzle.Format.SetFace(TPageElement::Grid, "Courier New");
    const QString mono = HtmlPageLines(t.puzzle, everything, {}).join('\n');
    EXPECT_EQ(markup::HtmlProblem(HtmlBytes(HtmlPageLines(t.puzzle, everything, {}))), QString());
    EXPECT_TRUE(mono.contains("&nbsp;<bdo dir=\"ltr\">&nbsp;&#1602;&nbsp;&nbsp;&nbsp;&#1591;")) << mono.toStdString();

    TTestPuzzle latin;
    latin.HandMade({"ABC", "DEF", "GHI"}, QStringList{"abc", "def"});
    const QString plain = HtmlPageLines(latin.puzzle, everything, {}).join('\n');
    EXPECT_FALSE(plain.contains("dir=")) << plain.toStdString();
    EXPECT_FALSE(plain.contains("Noto"));
    EXPECT_TRUE(TextExportLines(latin.puzzle, everything, 0).contains("ABC"));
}

QString ToolOutput(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Protects: a printed PDF in Korean, Hindi, Hebrew, Russian and Japanese kana embeds every
// font it uses and gives back the letters it shows, the grid's and the word list's.
TEST(ScriptPdf, FontsEmbeddedLettersBack) {
    const QString pdffonts = QStandardPaths::findExecutable("pdffonts");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdffonts.isEmpty() || pdftotext.isEmpty()) GTEST_SKIP() << "poppler-utils not installed (scripts/setup.sh)";
    QTemporaryDir dir;
    for (const TScriptCase& c : ScriptCases) {
        if (QString(c.Name) == "Arabic") continue;  // shaped text maps back to presentation forms
        SCOPED_TRACE(c.Name);
        TTestPuzzle t;
        t.puzzle.TitleLines = {c.Words.front()};
        HandMadeScript(t, c);
        const QString file = dir.filePath(QString(c.Name) + ".pdf");
        TPdfSheetSink pdf(file);
        ASSERT_EQ(t.Print(pdf, {1, 0, false, Sol::One}), TPrintOutcome::Printed);

        const QStringList fonts = ToolOutput(pdffonts, {file}).split('\n', Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(fonts.isEmpty());
        for (const QString& line : fonts) {
            const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
            ASSERT_GE(fields.size(), 5);
            EXPECT_EQ(fields[fields.size() - 5], "yes") << line.toStdString();  // the "emb" column
        }
        QString back = ToolOutput(pdftotext, {file, "-"});
        back.remove(QRegularExpression("[\\s\\x{200E}\\x{200F}\\x{202A}-\\x{202E}]"));
        for (const QString& row : c.Rows)
            for (const QChar letter : row) EXPECT_TRUE(back.contains(letter)) << QString(letter).toStdString();
        for (const QString& word : c.Words) EXPECT_TRUE(back.contains(word)) << word.toStdString();
    }
}

}  // namespace
}  // namespace vorlix::test
