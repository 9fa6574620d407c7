#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "recordinghost.h"
#include "textcodec.h"
#include "wordlistio.h"

using namespace vorlix;
using vorlix::test::TRecordingHost;

namespace {

const TWordListStyle Clues{true, u'/'};
const TWordListStyle NoClues{false, u'/'};

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QStringList Numbered(int count, const QString& prefix = u"w"_qs) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines.append(prefix + QString::number(i));
    return lines;
}

}  // namespace

// The kind comes from the ending in any case, and only for names longer than 3 characters.
TEST(WordListImport, KindFromName) {
    const struct {
        const char16_t* name;
        WordListFileKind kind;
    } cases[] = {
        {u"a.ws", WordListFileKind::PuzzleFile},  {u"/x/A.WS", WordListFileKind::PuzzleFile},
        {u"t.Thm", WordListFileKind::ThemeWords}, {u"g.GMR", WordListFileKind::Gridmoor},
        {u"w.txt", WordListFileKind::PlainText},  {u".ws", WordListFileKind::PlainText},
        {u"a.wsx", WordListFileKind::PlainText},  {u"gmr", WordListFileKind::PlainText},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WordListFileKindOf(QString::fromUtf16(c.name)), c.kind) << QString::fromUtf16(c.name).toStdString();
}

// Theme word lines: word TAB | clue, joined as "word /clue" only with custom clues.
TEST(WordListImport, ThemeLineSplitAndJoin) {
    const struct {
        QString line;
        QString withClues;
        QString withoutClues;
    } cases[] = {
        {u"CAT\t|A pet"_qs, u"CAT /A pet"_qs, u"CAT"_qs},
        {u"CAT\t|"_qs, u"CAT /"_qs, u"CAT"_qs},
        {u"just words"_qs, u"just words /"_qs, u"just words"_qs},
        {u"A\tB|C"_qs, u"A\tB|C /"_qs, u"A\tB|C"_qs},  // TAB not followed by "|" is part of the word
        {u"X\t|one\t|two"_qs, u"X /one\t|two"_qs, u"X"_qs},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JoinThemeWordLine(SplitThemeWordLine(c.line), Clues), c.withClues);
        EXPECT_EQ(JoinThemeWordLine(SplitThemeWordLine(c.line), NoClues), c.withoutClues);
    }
    EXPECT_EQ(JoinThemeWordLine(SplitThemeWordLine(u"A\t|b"_qs), TWordListStyle{true, u';'}), u"A ;b"_qs);
}

// Each kind takes its own lines; import always appends.
TEST(WordListImport, EachKindTakesItsLines) {
    const QStringList puzzle = {
        u"QZ_WSFileFormat=1.0"_qs, u"GRID:"_qs,           u"\tA B"_qs,        u"END GRID"_qs,
        u"REQUESTED WORD LIST:"_qs, u"\tcat/a pet"_qs,    u""_qs,             u"xdog"_qs,
        u"END REQUESTED WORD LIST"_qs, u"TITLE:"_qs,      u"\tNot a word"_qs,  u"END TITLE"_qs,
    };
    const QStringList gridmoor = {
        u"ACROSS:"_qs,          u"\t1\t1\tNOPE\t|no"_qs,         u"THEME WORDS: 2"_qs,
        u"\t12\t3\tDOG\t|A barking pet"_qs, u"x1\t2\tEMU"_qs, u"short"_qs,
        u"END THEME WORDS"_qs,  u"\t1\t1\tAFTER"_qs,
    };
    const struct {
        WordListFileKind kind;
        QStringList file;
        TWordListStyle style;
        QStringList appended;
    } cases[] = {
        {WordListFileKind::PlainText, {u"a/b"_qs, u""_qs, u"\tc"_qs}, Clues, {u"a/b"_qs, u""_qs, u"\tc"_qs}},
        {WordListFileKind::ThemeWords, {u"CAT\t|A pet"_qs, u"EMU"_qs}, Clues, {u"CAT /A pet"_qs, u"EMU /"_qs}},
        {WordListFileKind::ThemeWords, {u"CAT\t|A pet"_qs, u"EMU"_qs}, NoClues, {u"CAT"_qs, u"EMU"_qs}},
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

// 250 lines: one Yes/No question; 500 lines: a stop with a message.
TEST(WordListImport, LineLimits) {
    {  // No stops at 250
        TRecordingHost host;
        host.Answers = {MessageAnswer::No};
        QStringList memo = Numbered(249, u"old"_qs);
        ImportWordListLines(Numbered(300), WordListFileKind::PlainText, NoClues, memo, host);
        EXPECT_EQ(memo.size(), 250);
        ASSERT_EQ(host.Messages.size(), 1u);
        EXPECT_EQ(host.Messages[0].Kind, MessageKind::Confirmation);
        EXPECT_EQ(host.Messages[0].Buttons, MessageButtons::YesNo);
        EXPECT_EQ(host.Messages[0].Text,
                  u"This file has over 250 lines.It is unlikely that that many lines can be useful in a word "
                  u"puzzle. Too many lines may also cause the program to behave strangely. Do you want to "
                  u"continue and attempt to load the rest of the lines? (The recommended answer is \"No\".)"_qs);
    }
    {  // Yes runs on to 500
        TRecordingHost host;
        host.Answers = {MessageAnswer::Yes};
        QStringList memo = Numbered(249, u"old"_qs);
        ImportWordListLines(Numbered(400), WordListFileKind::PlainText, NoClues, memo, host);
        EXPECT_EQ(memo.size(), 500);
        EXPECT_EQ(memo.last(), u"w251"_qs);
        ASSERT_EQ(host.Messages.size(), 2u);
        EXPECT_EQ(host.Messages[1].Kind, MessageKind::Information);
        EXPECT_EQ(host.Messages[1].Text, u"Limiting the number of lines to 500 lines. "_qs);
    }
    {  // the file ending at exactly 250 lines asks nothing
        TRecordingHost host;
        QStringList memo;
        ImportWordListLines(Numbered(250), WordListFileKind::PlainText, NoClues, memo, host);
        EXPECT_EQ(memo.size(), 250);
        EXPECT_TRUE(host.Messages.empty());
    }
    {  // a list already past 500 is not limited
        TRecordingHost host;
        QStringList memo = Numbered(600);
        ImportWordListLines(Numbered(3), WordListFileKind::PlainText, NoClues, memo, host);
        EXPECT_EQ(memo.size(), 603);
        EXPECT_TRUE(host.Messages.empty());
    }
    {  // lines outside a puzzle file's section add nothing; the question still comes once
        TRecordingHost host;
        host.Answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        QStringList memo = Numbered(250);
        const QStringList file = {u"a"_qs, u"b"_qs, u"REQUESTED WORD LIST:"_qs, u"\tx"_qs, u"END REQUESTED WORD LIST"_qs};
        ImportWordListLines(file, WordListFileKind::PuzzleFile, NoClues, memo, host);
        EXPECT_EQ(memo.size(), 251);
        EXPECT_EQ(host.Messages.size(), 1u);
    }
}

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
        {u"P.WS", QByteArray("\xEF\xBB\xBFQZ_WSFileFormat=1.0\r\nREQUESTED WORD LIST:\r\n\t\xCE\xB4\r\nEND REQUESTED WORD LIST\r\n"),
         {u"\u03b4"_qs}},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromUtf16(c.name));
        ASSERT_TRUE(WriteFileSafely(path, c.bytes));
        TRecordingHost host;
        QStringList memo;
        EXPECT_TRUE(ImportWordList(path, Clues, memo, host));
        EXPECT_EQ(memo, c.appended) << path.toStdString();
        EXPECT_TRUE(host.Messages.empty());
    }
}

TEST(WordListImport, MissingFileAppendsNothing) {
    QTemporaryDir dir;
    TRecordingHost host;
    QStringList memo = {u"keep"_qs};
    const QString path = dir.filePath(u"none.txt"_qs);
    EXPECT_FALSE(ImportWordList(path, Clues, memo, host));
    EXPECT_EQ(memo, QStringList{u"keep"_qs});
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Information);
    EXPECT_EQ(host.Messages[0].Text, path + u" was not found."_qs);

    EXPECT_FALSE(ImportWordList(dir.path(), Clues, memo, host));  // a folder cannot be read
    EXPECT_EQ(memo, QStringList{u"keep"_qs});
    EXPECT_EQ(host.Messages.size(), 2u);
}

// Export: theme files split word/clue with custom clues; plain text is written unchanged.
TEST(WordListExport, LinesPerKind) {
    const QStringList memo = {u"cat / a pet"_qs, u"dog"_qs, u""_qs, u"a/b/c"_qs};
    EXPECT_EQ(FormatWordListExport(memo, true, Clues),
              (QStringList{u"cat\t| a pet"_qs, u"dog"_qs, u""_qs, u"a\t|b/c"_qs}));
    EXPECT_EQ(FormatWordListExport(memo, true, NoClues), memo);
    EXPECT_EQ(FormatWordListExport(memo, false, Clues), memo);
}

// Export bytes: UTF-8 for plain text, 8-bit for theme files when they fit, else marked UTF-8.
TEST(WordListExport, BytesPerKind) {
    const QStringList latin = {u"caf\u00e9/x"_qs, u""_qs};
    const QStringList greek = {u"\u03b1/x"_qs};
    EXPECT_EQ(WordListExportBytes(u"w.txt"_qs, latin, Clues), QByteArray("caf\xC3\xA9/x\r\n\r\n"));
    EXPECT_EQ(WordListExportBytes(u"w.THM"_qs, latin, Clues), QByteArray("caf\xE9\t|x\r\n\r\n"));
    EXPECT_EQ(WordListExportBytes(u"w.thm"_qs, greek, Clues), QByteArray("\xEF\xBB\xBF\xCE\xB1\t|x\r\n"));
    EXPECT_EQ(WordListExportBytes(u"w.txt"_qs, {}, Clues), QByteArray());
}

TEST(WordListExport, RoundTripThroughImport) {
    QTemporaryDir dir;
    const QStringList memo = {u"\u03b1\u03bb\u03c6\u03b1 /first"_qs, u"\u03b2\u03b7\u03c4\u03b1 /"_qs};
    for (const char16_t* name : {u"list.thm", u"list.txt"}) {
        const QString path = dir.filePath(QString::fromUtf16(name));
        TRecordingHost host;
        ASSERT_TRUE(ExportWordList(path, memo, Clues, host));
        QStringList back;
        ASSERT_TRUE(ImportWordList(path, Clues, back, host));
        EXPECT_EQ(back, memo) << path.toStdString();
        EXPECT_TRUE(host.Messages.empty());
    }
}

TEST(WordListExport, FailedWriteWarnsAndKeepsOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(246, u'x') + u".txt"_qs);
    ASSERT_TRUE(WriteFileSafely(path, "old"));
    TRecordingHost host;
    EXPECT_FALSE(ExportWordList(path, {u"new"_qs}, NoClues, host));
    EXPECT_EQ(ReadFile(path), QByteArray("old"));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(host.Messages[0].Text,
              u"An error occurred while attempting to export your word list. You may wish to check it or try again."_qs);
}
