#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "recordinghost.h"
#include "textcodec.h"
#include "wordlistio.h"

using namespace vorlix;
using vorlix::test::ReadFile;
using vorlix::test::TRecordingHost;

namespace {

const TWordListStyle Clues{true, u'/'};
const TWordListStyle NoClues{false, u'/'};

QStringList Numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines.append(u"w"_qs + QString::number(i));
    return lines;
}

}  // namespace

// The kind comes from the ending in any case, and only for names longer than 3 characters.
TEST(WordListImport, KindFromName) {
    const std::pair<const char16_t*, WordListFileKind> cases[] = {
        {u"/x/A.WS", WordListFileKind::PuzzleFile}, {u"t.Thm", WordListFileKind::ThemeWords},
        {u"g.GMR", WordListFileKind::Gridmoor},     {u"w.txt", WordListFileKind::PlainText},
        {u".ws", WordListFileKind::PlainText},      {u"a.wsx", WordListFileKind::PlainText},
    };
    for (const auto& [name, kind] : cases) EXPECT_EQ(WordListFileKindOf(QString::fromUtf16(name)), kind);
}

// Each kind takes its own lines, joins word and clue only with custom clues, and appends.
TEST(WordListImport, EachKindTakesItsLines) {
    const QStringList puzzle = {u"GRID:"_qs,       u"\tA B"_qs,           u"REQUESTED WORD LIST:"_qs,
                                u"\tcat/a pet"_qs, u""_qs,                u"xdog"_qs,
                                u"END REQUESTED WORD LIST"_qs, u"TITLE:"_qs, u"\tNot a word"_qs};
    const QStringList gridmoor = {u"\t1\t1\tNOPE\t|no"_qs, u"THEME WORDS: 2"_qs, u"\t12\t3\tDOG\t|A barking pet"_qs,
                                  u"x1\t2\tEMU"_qs,       u"short"_qs,          u"END THEME WORDS"_qs,
                                  u"\t1\t1\tAFTER"_qs};
    const QStringList theme = {u"CAT\t|A pet"_qs, u"EMU"_qs, u"A\tB|C"_qs, u"X\t|one\t|two"_qs};
    const struct {
        WordListFileKind kind;
        QStringList file;
        TWordListStyle style;
        QStringList appended;
    } cases[] = {
        {WordListFileKind::PlainText, {u"a/b"_qs, u""_qs, u"\tc"_qs}, Clues, {u"a/b"_qs, u""_qs, u"\tc"_qs}},
        {WordListFileKind::ThemeWords, theme, Clues, {u"CAT /A pet"_qs, u"EMU /"_qs, u"A\tB|C /"_qs, u"X /one\t|two"_qs}},
        {WordListFileKind::ThemeWords, theme, NoClues, {u"CAT"_qs, u"EMU"_qs, u"A\tB|C"_qs, u"X"_qs}},
        {WordListFileKind::ThemeWords, {u"A\t|b"_qs}, {true, u';'}, {u"A ;b"_qs}},
        {WordListFileKind::PuzzleFile, puzzle, Clues, {u"cat/a pet"_qs, u""_qs, u"dog"_qs}},
        {WordListFileKind::Gridmoor, gridmoor, Clues, {u"DOG /A barking pet"_qs, u"EMU /"_qs, u"hort /"_qs}},
        {WordListFileKind::Gridmoor, gridmoor, NoClues, {u"DOG"_qs, u"EMU"_qs, u"hort"_qs}},
    };
    for (const auto& c : cases) {
        TRecordingHost host;
        QStringList memo = {u"already"_qs};
        ImportWordListLines(c.file, c.kind, c.style, memo, host);
        EXPECT_EQ(memo, QStringList{u"already"_qs} + c.appended) << int(c.kind);
        EXPECT_TRUE(host.Messages.empty());
    }
}

// 250 lines: one Yes/No question; 500 lines: a stop with a message. Only equality counts.
TEST(WordListImport, LineLimits) {
    const QString question =
        u"This file has over 250 lines.It is unlikely that that many lines can be useful in a word puzzle. Too many "
        u"lines may also cause the program to behave strangely. Do you want to continue and attempt to load the "
        u"rest of the lines? (The recommended answer is \"No\".)"_qs;
    const QString limit = u"Limiting the number of lines to 500 lines. "_qs;
    const QStringList wsFile = {u"a"_qs, u"b"_qs, u"REQUESTED WORD LIST:"_qs, u"\tx"_qs};
    const struct {
        int before;
        QStringList file;
        WordListFileKind kind;
        std::deque<MessageAnswer> answers;
        int after;
        QStringList messages;
    } cases[] = {
        {249, Numbered(300), WordListFileKind::PlainText, {MessageAnswer::No}, 250, {question}},
        {249, Numbered(400), WordListFileKind::PlainText, {MessageAnswer::Yes}, 500, {question, limit}},
        {0, Numbered(250), WordListFileKind::PlainText, {}, 250, {}},
        {600, Numbered(3), WordListFileKind::PlainText, {}, 603, {}},
        // lines outside a puzzle file's section add nothing; the question still comes once
        {250, wsFile, WordListFileKind::PuzzleFile, {MessageAnswer::Yes, MessageAnswer::Yes}, 251, {question}},
    };
    for (const auto& c : cases) {
        TRecordingHost host;
        host.Answers = c.answers;
        QStringList memo = Numbered(c.before);
        ImportWordListLines(c.file, c.kind, NoClues, memo, host);
        EXPECT_EQ(memo.size(), c.after) << c.before;
        EXPECT_EQ(host.Texts(), c.messages) << c.before;
    }
}

// A mark decides, then valid UTF-8, then Windows-1252; puzzle files saved as UTF-8 import too.
TEST(WordListImport, FromFilesInEveryEncoding) {
    QTemporaryDir dir;
    const struct {
        const char16_t* name;
        QByteArray bytes;
        QStringList appended;
    } cases[] = {
        {u"greek.txt", QByteArray("\xCE\xB1\xCE\xB2\r\n\xCE\xB3"), {u"\u03b1\u03b2"_qs, u"\u03b3"_qs}},
        {u"ansi.txt", QByteArray("caf\xE9\r\x93q\x94"), {u"caf\u00e9"_qs, u"\u201cq\u201d"_qs}},
        {u"bom.thm", QByteArray("\xEF\xBB\xBF\xCE\xA9\t|clue\n"), {u"\u03a9 /clue"_qs}},
        {u"wide.txt", QByteArray("\xFF\xFEz\0\n\0", 6), {u"z"_qs}},
        {u"P.WS", QByteArray("\xEF\xBB\xBFREQUESTED WORD LIST:\r\n\t\xCE\xB4\r\nEND REQUESTED WORD LIST\r\n"),
         {u"\u03b4"_qs}},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromUtf16(c.name));
        ASSERT_TRUE(vorlix::test::WriteFile(path, c.bytes));
        TRecordingHost host;
        QStringList memo;
        EXPECT_TRUE(ImportWordList(path, Clues, memo, host));
        EXPECT_EQ(memo, c.appended) << path.toStdString();
    }
}

TEST(WordListImport, UnreadableFileAppendsNothing) {
    QTemporaryDir dir;
    TRecordingHost host;
    QStringList memo = {u"keep"_qs};
    const QString path = dir.filePath(u"none.txt"_qs);
    EXPECT_FALSE(ImportWordList(path, Clues, memo, host));
    EXPECT_FALSE(ImportWordList(dir.path(), Clues, memo, host));  // a folder
    EXPECT_EQ(memo, QStringList{u"keep"_qs});
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Information);
    EXPECT_EQ(host.Messages[0].Text, path + u" was not found."_qs);
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

TEST(WordListExport, GreekRoundTripAndFailedWrite) {
    QTemporaryDir dir;
    const QStringList memo = {u"\u03b1\u03bb\u03c6\u03b1 /first"_qs, u"\u03b2\u03b7\u03c4\u03b1 /"_qs};
    for (const char16_t* name : {u"list.thm", u"list.txt"}) {
        const QString path = dir.filePath(QString::fromUtf16(name));
        TRecordingHost host;
        ASSERT_TRUE(ExportWordList(path, memo, Clues, host));
        QStringList back;
        ASSERT_TRUE(ImportWordList(path, Clues, back, host));
        EXPECT_EQ(back, memo) << path.toStdString();
    }

    const QString path = dir.filePath(QString(246, u'x') + u".txt"_qs);
    ASSERT_TRUE(vorlix::test::WriteFile(path, "old"));
    TRecordingHost host;
    EXPECT_FALSE(ExportWordList(path, {u"new"_qs}, NoClues, host));
    EXPECT_EQ(ReadFile(path), QByteArray("old"));
    EXPECT_EQ(host.Texts(), QStringList{u"An error occurred while attempting to export your word list. You may wish "
                                        u"to check it or try again."_qs});
}
