#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <tuple>

#include "testhost.h"
#include "wordlistio.h"

using namespace vorlix;
using vorlix::test::TTestHost;

namespace {

const TWordListStyle Clues{true, u'/'};
const TWordListStyle NoClues{false, u'/'};

QStringList Numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines.append(u"w"_qs + QString::number(i));
    return lines;
}

}  // namespace

// Each kind takes its own lines, joins word and clue only with custom clues, and appends.
TEST(WordListImport, EachKindTakesItsLines) {
    using K = WordListFileKind;
    const QStringList theme = {u"CAT\t|A pet"_qs, u"EMU"_qs, u"A\tB|C"_qs, u"X\t|one\t|two"_qs};
    const std::tuple<K, QStringList, TWordListStyle, QStringList> cases[] = {
        {K::PlainText, {u"a/b"_qs, u""_qs, u"\tc"_qs}, Clues, {u"a/b"_qs, u""_qs, u"\tc"_qs}},
        {K::ThemeWords, theme, Clues, {u"CAT /A pet"_qs, u"EMU /"_qs, u"A\tB|C /"_qs, u"X /one\t|two"_qs}},
        {K::ThemeWords, theme, NoClues, {u"CAT"_qs, u"EMU"_qs, u"A\tB|C"_qs, u"X"_qs}},
        {K::ThemeWords, {u"A\t|b"_qs}, {true, u';'}, {u"A ;b"_qs}},
        {K::PuzzleFile,
         {u"GRID:"_qs, u"\tA B"_qs, u"REQUESTED WORD LIST:"_qs, u"\tcat/a pet"_qs, u""_qs, u"xdog"_qs,
          u"END REQUESTED WORD LIST"_qs, u"TITLE:"_qs, u"\tNot a word"_qs},
         Clues, {u"cat/a pet"_qs, u""_qs, u"dog"_qs}},
        {K::Gridmoor,
         {u"\t1\t1\tNOPE\t|no"_qs, u"THEME WORDS: 2"_qs, u"\t12\t3\tDOG\t|A barking pet"_qs, u"x1\t2\tEMU"_qs,
          u"short"_qs, u"END THEME WORDS"_qs, u"\t1\t1\tAFTER"_qs},
         Clues, {u"DOG /A barking pet"_qs, u"EMU /"_qs, u"hort /"_qs}},
    };
    for (const auto& [kind, file, style, appended] : cases) {
        TReport report;
        QStringList memo = {u"already"_qs};
        ImportWordListLines(file, kind, style, memo, {}, report);
        EXPECT_EQ(memo, QStringList{u"already"_qs} + appended) << int(kind);
        EXPECT_TRUE(report.IsEmpty());
    }
}

// Over 250 lines: one Yes/No question; 500 lines: a stop with a message. Only equality counts.
TEST(WordListImport, LineLimits) {
    const QString question =
        u"This file has over 250 lines.It is unlikely that that many lines can be useful in a word puzzle. Too many "
        u"lines may also cause the program to behave strangely. Do you want to continue and attempt to load the "
        u"rest of the lines? (The recommended answer is \"No\".)"_qs;
    // Lines before, lines imported, the answer, lines after, the messages.
    const std::tuple<int, int, MessageAnswer, int, QStringList> cases[] = {
        {249, 300, MessageAnswer::No, 250, {question}},
        {249, 400, MessageAnswer::Yes, 500, {question, u"Limiting the number of lines to 500 lines. "_qs}},
        {0, 250, MessageAnswer::No, 250, {}},
    };
    for (const auto& [before, lines, answer, after, messages] : cases) {
        QStringList told;
        const TContinueQuestion goOn = [&] {
            told << TooManyLinesQuestion();
            return answer == MessageAnswer::Yes;
        };
        TReport report;
        QStringList memo = Numbered(before);
        ImportWordListLines(Numbered(lines), WordListFileKind::PlainText, NoClues, memo, goOn, report);
        for (const TReportLine& line : report.Lines) told << line.Text;
        EXPECT_EQ(memo.size(), after) << lines;
        EXPECT_EQ(told, messages) << lines;
    }
}

// Files: the kind comes from the name's ending in any case, the text is decoded as word
// lists are (a mark, else UTF-8, else Windows-1252); puzzle files saved as UTF-8 import too.
TEST(WordListImport, FromFilesInEveryEncoding) {
    QTemporaryDir dir;
    const std::tuple<const char16_t*, QByteArray, QStringList> cases[] = {
        {u"ansi.txt", QByteArray("caf\xE9\r\x93q\x94"), {u"caf\u00e9"_qs, u"\u201cq\u201d"_qs}},
        {u"bom.Thm", QByteArray("\xEF\xBB\xBF\xCE\xA9\t|clue\n"), {u"\u03a9 /clue"_qs}},
        {u"P.WS", QByteArray("\xEF\xBB\xBFREQUESTED WORD LIST:\r\n\t\xCE\xB4\r\nEND REQUESTED WORD LIST\r\n"),
         {u"\u03b4"_qs}},
    };
    for (const auto& [name, bytes, appended] : cases) {
        const QString path = dir.filePath(QString::fromUtf16(name));
        ASSERT_TRUE(vorlix::test::WriteFile(path, bytes));
        TReport report;
        QStringList memo;
        EXPECT_TRUE(ImportWordList(path, Clues, memo, {}, report));
        EXPECT_EQ(memo, appended) << path.toStdString();
    }
}

// Theme files split "word/clue" into word TAB | clue with custom clues; plain text is
// UTF-8, theme files 8-bit when they fit and marked UTF-8 otherwise.
TEST(WordListExport, LinesAndBytes) {
    const QStringList memo = {u"cat / a pet"_qs, u"dog"_qs, u""_qs, u"a/b/c"_qs};
    EXPECT_EQ(FormatWordListExport(memo, true, Clues),
              (QStringList{u"cat\t| a pet"_qs, u"dog"_qs, u""_qs, u"a\t|b/c"_qs}));
    EXPECT_EQ(FormatWordListExport(memo, true, NoClues), memo);
    EXPECT_EQ(FormatWordListExport(memo, false, Clues), memo);

    const QStringList latin = {u"caf\u00e9/x"_qs, u""_qs};
    EXPECT_EQ(WordListExportBytes(u"w.txt"_qs, latin, Clues), QByteArray("caf\xC3\xA9/x\r\n\r\n"));
    EXPECT_EQ(WordListExportBytes(u"w.THM"_qs, latin, Clues), QByteArray("caf\xE9\t|x\r\n\r\n"));
    EXPECT_EQ(WordListExportBytes(u"w.thm"_qs, {u"\u03b1/x"_qs}, Clues), QByteArray("\xEF\xBB\xBF\xCE\xB1\t|x\r\n"));
}
