// The text export: its exact lines, the UTF-8 CR LF file, and a failed write.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "failingdevice.h"
#include "testpuzzle.h"
#include "textexport.h"

namespace vorlix::test {
namespace {

const TExportSections GridOnly{false, false, false, true, false, false};

// Every section in its fixed order: worksheet pairs double-spaced, title without its blank lines,
// instructions with theirs, grid rows with 0..3 blanks between letters and empty cells as blanks,
// placed words only, as typed (clue texts in clue mode); the file is UTF-8, CR LF.
TEST(TextExport, WholeTextAndFile) {
    TTestPuzzle t;
    TPuzzle& m = t.puzzle;
    m.WorksheetLeftLines = {u"Name"_qs, u"Date"_qs};
    m.WorksheetRightLines = {u"Class"_qs};
    m.TitleLines = {u"Caf\u00e9"_qs, u""_qs, u"Day \u0396"_qs};
    m.InstructionLines = {u"Find"_qs, u""_qs, u"them"_qs};
    t.HandMade({u"AB"_qs, u"\1D"_qs}, {u"pear/a fruit"_qs, u"apple/red one"_qs, u"fig/small"_qs}, 1);
    m.CreditsLine = u"Made by Ann"_qs;
    EXPECT_EQ(TextExportLines(m, {true, true, true, true, true, false}, 1),
              (QStringList{u""_qs, u"Name\tClass"_qs, u""_qs, u"Date\t"_qs, u""_qs, u"Caf\u00e9"_qs, u"Day \u0396"_qs,
                           u""_qs, u"Find"_qs, u""_qs, u"them"_qs, u""_qs, u"A B"_qs, u""_qs, u"  D"_qs, u""_qs,
                           u"Made by Ann"_qs, u""_qs, u"apple"_qs, u"pear"_qs}));
    EXPECT_EQ(TextExportLines(m, GridOnly, 0).mid(0, 3), (QStringList{u"AB"_qs, u""_qs, u" D"_qs}));
    EXPECT_EQ(TextExportLines(m, GridOnly, 9).first(), u"A   B"_qs);  // held to 3
    m.Type.CustomClues = true;
    EXPECT_EQ(TextExportLines(m, {false, false, false, false, true, false}),
              (QStringList{u"red one"_qs, u"a fruit"_qs}));

    QTemporaryDir dir;
    ASSERT_TRUE(SaveTextExport(dir.filePath(u"title.txt"_qs), m, {false, true, false, false, false, false}, 1, t.host));
    EXPECT_EQ(ReadAll(dir.filePath(u"title.txt"_qs)), QByteArray("Caf\xc3\xa9\r\nDay \xce\x96\r\n\r\n"));
    // Grid cells hold single code units: a stray half of a pair becomes U+FFFD, a whole pair stays.
    EXPECT_EQ(TextExportBytes({QString(QChar(0xD83D)) + u" \U0001F600"_qs}),
              QByteArray("\xef\xbf\xbd \xf0\x9f\x98\x80\r\n"));

    m.InstructionsIncluded = false;
    m.TitleLines.clear();
    m.WorksheetLeftLines.clear();
    m.WorksheetRightLines.clear();
    EXPECT_TRUE(TextExportLines(m, {true, true, true, false, false, false}).isEmpty());
}

// A write that fails part-way shows the warning and leaves the previous file and no temporary.
TEST(TextExport, FailedWriteKeepsOldFile) {
    TTestPuzzle t;
    t.HandMade({u"ABCDEFGH"_qs, u"IJKLMNOP"_qs}, QStringList{u"abc"_qs});
    const QStringList lines = TextExportLines(t.puzzle, {});
    QTemporaryDir dir;
    const QString path = dir.filePath(u"puzzle.txt"_qs);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("previous export\n") > 0);
    old.close();
    const auto failAfterTen = [&](QIODevice& out) { TFailingDevice dev(out, 10); return WriteTextExport(dev, lines); };
    EXPECT_FALSE(SaveExportFile(path, failAfterTen, t.host));
    EXPECT_EQ(t.host.Texts(), QStringList{ExportWriteErrorMessage() + u'\n' + path + u": The export could not be made"_qs});
    EXPECT_EQ(ReadAll(path), QByteArray("previous export\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"puzzle.txt"_qs});
}

}  // namespace
}  // namespace vorlix::test
