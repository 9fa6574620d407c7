#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "puzzlemodel.h"
#include "textexport.h"

using namespace vorlix;

namespace {

class TNotingHost : public IMessageHost {
public:
    QStringList Texts;
    MessageAnswer ShowMessage(MessageKind, const std::u16string& text, MessageButtons buttons) override {
        Texts << QString::fromStdU16String(text);
        return FirstAnswerOf(buttons);
    }
};

// A fresh puzzle with no header lines, instructions or credits unless a test sets them.
struct TTestPuzzle {
    TNotingHost host;
    TPreferences prefs;
    TPuzzleModel model{host, prefs};

    TTestPuzzle() {
        model.ResetToNewPuzzle();
        model.Worksheet_LeftMemo.clear();
        model.Worksheet_RightMemo.clear();
        model.Layout_InstructionsMemo.clear();
        model.CreditsLineCmBx.Text.clear();
    }
};

// Grid letters row by row (u'\1' an empty cell); every word placed except the last `unplaced`.
void HandMade(TTestPuzzle& t, const QStringList& rows, const QStringList& words, int unplaced = 0) {
    TEngineState& engine = t.model.Engine();
    engine.ClearList();
    for (const QString& w : words) engine.Words_ProcessLine(w.toStdU16String());
    engine.FinishList();
    TWordSearch& ws = t.model.Puzzle();
    ws.ActualRows = static_cast<int>(rows.size());
    ws.ActualColumns = static_cast<int>(rows.front().size());
    for (int r = 1; r <= ws.ActualRows; ++r)
        for (int c = 1; c <= ws.ActualColumns; ++c) ws.Grid[c][r] = rows[r - 1][c - 1].unicode();
    for (int i = 1; i <= engine.WordCount; ++i) ws.Placements[i].Placed = i <= engine.WordCount - unplaced;
}

// Accepts limit bytes, then refuses every write: a full disk or a pulled drive.
class TFailingDevice : public QIODevice {
public:
    TFailingDevice(QIODevice* inner, qint64 limit) : inner_(inner), limit_(limit) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 n = std::min(len, limit_ - written_);
        if (n <= 0 || (inner_ && inner_->write(data, n) != n)) return -1;
        written_ += n;
        return n;
    }

private:
    QIODevice* inner_;
    qint64 limit_;
    qint64 written_ = 0;
};

TExportSections Only(bool TExportSections::*section) {
    TExportSections s{false, false, false, false, false, false};
    s.*section = true;
    return s;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// Letter spacing 0..3 between the letters of a row, none after the last; empty cells as blanks.
TEST(TextExport, GridRowsWithSpacing) {
    TTestPuzzle t;
    HandMade(t, {u"ABC"_qs, u"D\1F"_qs}, {u"abc"_qs});
    t.model.CreditsLineCmBx.Text = u"Made by Ann"_qs;
    const struct {
        int spacing;
        const char *row1, *row2;
    } cases[] = {{0, "ABC", "D F"},
                 {1, "A B C", "D   F"},
                 {3, "A   B   C", "D       F"},
                 {9, "A   B   C", "D       F"}};  // held to 3
    for (const auto& c : cases)
        EXPECT_EQ(TextExportLines(t.model, Only(&TExportSections::Grid), c.spacing),
                  (QStringList{QLatin1String(c.row1), u""_qs, QLatin1String(c.row2), u""_qs, u"Made by Ann"_qs,
                               u""_qs}))
            << c.spacing;
}

// Worksheet pairs double-spaced; title without its blank lines; instructions with theirs.
TEST(TextExport, HeaderSections) {
    TTestPuzzle t;
    TPuzzleModel& m = t.model;
    m.Worksheet_LeftMemo = {u"Name"_qs, u"Date"_qs};
    m.Worksheet_RightMemo = {u"Class"_qs};
    m.Words_TitleMemo = {u"Zoo"_qs, u""_qs, u"Day \u0396"_qs};
    m.Layout_InstructionsMemo = {u"Find"_qs, u""_qs, u"them"_qs};
    EXPECT_EQ(TextExportLines(m, Only(&TExportSections::Worksheet)),
              (QStringList{u""_qs, u"Name\tClass"_qs, u""_qs, u"Date\t"_qs, u""_qs}));
    EXPECT_EQ(TextExportLines(m, Only(&TExportSections::Title)), (QStringList{u"Zoo"_qs, u"Day \u0396"_qs, u""_qs}));
    EXPECT_EQ(TextExportLines(m, Only(&TExportSections::Instructions)),
              (QStringList{u"Find"_qs, u""_qs, u"them"_qs, u""_qs}));

    m.Instructions_IncludeCB = false;
    m.Words_TitleMemo.clear();
    m.Worksheet_LeftMemo.clear();
    m.Worksheet_RightMemo.clear();
    EXPECT_TRUE(TextExportLines(m, {true, true, true, false, false, false}).isEmpty());
}

// Placed words only, in display order: grid words, or clue texts when the puzzle uses clues.
TEST(TextExport, WordListListsPlacedWords) {
    TTestPuzzle t;
    HandMade(t, {u"A"_qs}, {u"pear/a fruit"_qs, u"apple/red one"_qs, u"fig/small"_qs}, 1);
    EXPECT_EQ(TextExportLines(t.model, Only(&TExportSections::WordList)), (QStringList{u"APPLE"_qs, u"PEAR"_qs}));
    t.model.SetCustomCluesMode(true);
    EXPECT_EQ(TextExportLines(t.model, Only(&TExportSections::WordList)),
              (QStringList{u"red one"_qs, u"a fruit"_qs}));
}

// All sections in their fixed order as UTF-8 with CR LF; nothing chosen saves an empty file.
TEST(TextExport, WholeTextAndFile) {
    TTestPuzzle t;
    TPuzzleModel& m = t.model;
    m.Worksheet_LeftMemo = {u"Name"_qs};
    m.Words_TitleMemo = {u"Caf\u00e9"_qs};
    m.Layout_InstructionsMemo = {u"Find them."_qs};
    HandMade(t, {u"AB"_qs, u"CD"_qs}, {u"ab"_qs});
    m.CreditsLineCmBx.Text = u"Made by Ann"_qs;
    const QStringList lines = TextExportLines(m, {true, true, true, true, true, false}, 1);
    EXPECT_EQ(lines, (QStringList{u""_qs, u"Name\t"_qs, u""_qs, u"Caf\u00e9"_qs, u""_qs, u"Find them."_qs, u""_qs,
                                  u"A B"_qs, u""_qs, u"C D"_qs, u""_qs, u"Made by Ann"_qs, u""_qs, u"AB"_qs}));
    EXPECT_EQ(TextExportClipboard(lines.mid(3, 2)), u"Caf\u00e9\n"_qs);

    QTemporaryDir dir;
    ASSERT_TRUE(SaveTextExport(dir.filePath(u"all.txt"_qs), m, {true, true, true, true, true, false}, 1, t.host));
    EXPECT_EQ(ReadAll(dir.filePath(u"all.txt"_qs)),
              QByteArray("\r\nName\t\r\n\r\nCaf\xc3\xa9\r\n\r\nFind them.\r\n\r\nA B\r\n\r\nC D\r\n\r\nMade by "
                         "Ann\r\n\r\nAB\r\n"));
    const TExportSections nothing{false, false, false, false, false, false};
    ASSERT_TRUE(SaveTextExport(dir.filePath(u"empty.txt"_qs), m, nothing, 2, t.host));
    EXPECT_EQ(QFile(dir.filePath(u"empty.txt"_qs)).size(), 0);
    // Grid cells hold single code units: a stray half of a pair becomes U+FFFD, a whole pair stays.
    EXPECT_EQ(TextExportBytes({QString(QChar(0xD83D)) + u" \U0001F600"_qs}),
              QByteArray("\xef\xbf\xbd \xf0\x9f\x98\x80\r\n"));
}

// A write that fails part-way shows the warning and leaves the previous file and no temporary.
TEST(TextExport, FailedWriteKeepsOldFile) {
    TTestPuzzle t;
    HandMade(t, {u"ABCDEFGH"_qs, u"IJKLMNOP"_qs}, {u"abc"_qs});
    const QStringList lines = TextExportLines(t.model, {});
    TFailingDevice failing(nullptr, 5);
    EXPECT_FALSE(WriteTextExport(failing, lines));

    QTemporaryDir dir;
    const QString path = dir.filePath(u"puzzle.txt"_qs);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("previous export\n") > 0);
    old.close();
    const auto failAfterTen = [&](QIODevice& out) {
        TFailingDevice dev(&out, 10);
        return WriteTextExport(dev, lines);
    };
    EXPECT_FALSE(SaveExportFile(path, failAfterTen, t.host));
    EXPECT_EQ(t.host.Texts, QStringList{ExportWriteErrorMessage()});
    EXPECT_EQ(ReadAll(path), QByteArray("previous export\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"puzzle.txt"_qs});

    ASSERT_TRUE(SaveTextExport(path, t.model, {}, 0, t.host));
    EXPECT_EQ(ReadAll(path), TextExportBytes(TextExportLines(t.model, {}, 0)));
}
