#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

#include "puzzlefile.h"
#include "puzzlemodel.h"
#include "recordinghost.h"
#include "textcodec.h"

using namespace vorlix;
using vorlix::test::ReadFile;
using vorlix::test::TRecordingHost;

namespace {

QString DataPath(const char* name) { return QStringLiteral(VORLIX_TEST_DATA "/") + QString::fromLatin1(name); }

// A file from lines written as Latin-1, CR LF after each.
QByteArray FileOf(std::initializer_list<const char*> lines) {
    QByteArray out;
    for (const char* line : lines) out += QByteArray(line) + "\r\n";
    return out;
}

QByteArray Bytes(const TPuzzleModel& model) {
    QStringList lines;
    FormatPuzzleFile(model, lines);
    return PuzzleFileBytes(lines);
}

// Shows the first differing line, which is what a mismatch needs.
void ExpectSameFile(const QByteArray& actual, const QByteArray& expected) {
    const QStringList a = SplitLines(DecodePuzzleText(actual));
    const QStringList e = SplitLines(DecodePuzzleText(expected));
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
        ASSERT_EQ(a[i].toStdString(), e[i].toStdString()) << "line " << i + 1;
    ASSERT_EQ(a.size(), e.size());
    EXPECT_EQ(actual, expected);
}

QString Cell(const TWordSearch& p, int x, int y) { return QString(QChar(p.Grid[x][y])); }

QString GridText(const TWordSearch& p) {
    QString out;
    for (int y = 1; y <= p.ActualRows; ++y)
        for (int x = 1; x <= p.ActualColumns; ++x) out += QChar(p.Grid[x][y]);
    return out;
}

class PuzzleFileTest : public ::testing::Test {
protected:
    TRecordingHost host;
    TPreferences prefs;
    QTemporaryDir dir;

    std::unique_ptr<TPuzzleModel> NewModel() {
        auto m = std::make_unique<TPuzzleModel>(host, prefs);
        m->ResetToNewPuzzle();
        m->Ready = true;
        return m;
    }

    // The puzzle that data/pets.ws holds, set up field by field.
    void FillPets(TPuzzleModel& m) {
        m.Credits_NameEd = u"Ann Teacher"_qs;
        m.Credits_RecipientEd = u"Class 3"_qs;
        m.CreditsLineCmBx.Text = u"Made by Ann"_qs;
        m.SetHiddenMessageMode(true);
        m.SetCustomCluesMode(true);
        m.PageFormat.GridHPosition = 2;
        m.PageFormat.SolutionStyle = 1;
        m.PageFormat.SolutionColor = 255;
        m.RequestedColumns = 4;
        m.RequestedRows = 0;
        m.AutoInstructions = InstructionsCustomized;
        m.Directions = {false, false, true, true, true, false, false, false};
        m.SetSharingLevel(ShareSome);
        m.SetCapitalization(TCapitalization::AllUpper);
        m.PageFormat.MarginWidth = 0.5;
        m.PageFormat.BorderIndex = 3;
        m.PageFormat.RequestedClueColumns = 2;
        m.PageFormat.ClueAlignment = 0;
        m.Words_Memo = {u"cat/a pet"_qs, u""_qs, u"dog/a \"good\" boy"_qs, u"caf\u00e9"_qs, u"zzzzzz/too long"_qs};
        m.Words_TitleMemo = {u"Pets"_qs, u""_qs, u"Page 2"_qs};
        m.Worksheet_LeftMemo = {u"Name ____"_qs};
        m.Worksheet_RightMemo = {u"Date ____"_qs};
        m.Layout_InstructionsMemo = {u"Find the words."_qs};
        m.Words_HiddenMemo = {u"HI"_qs};

        TEngineState& engine = m.Engine();
        engine.ClearList();
        for (const QString& line : m.Words_Memo) engine.Words_ProcessLine(line.toStdU16String());
        engine.FinishList();
        TWordSearch& p = m.Puzzle();
        p.Clear();
        p.ActualColumns = 5;
        p.ActualRows = 3;
        const QString rows[] = {u"CATHX"_qs, u"DOGIY"_qs, u"CAF\u00e9Q"_qs};
        for (int y = 1; y <= 3; ++y)
            for (int x = 1; x <= 5; ++x) p.Grid[x][y] = rows[y - 1][x - 1].unicode();
        for (int i = 1; i <= 3; ++i) p.Placements[i] = {true, 1, i, East, ""};
        p.Constructed = true;
    }

    std::unique_ptr<TPuzzleModel> Open(const QByteArray& bytes, bool* accepted = nullptr) {
        auto m = NewModel();
        host.Messages.clear();
        const bool ok = OpenPuzzleBytes(*m, bytes, u"t.ws"_qs);
        if (accepted) *accepted = ok;
        return m;
    }
};

}  // namespace

// The writer against a file put together by hand from the format's table.
TEST_F(PuzzleFileTest, WritesTheDocumentedBytes) {
    auto m = NewModel();
    FillPets(*m);
    ExpectSameFile(Bytes(*m), ReadFile(DataPath("pets.ws")));

    m->SetModified(true);
    const QString path = dir.filePath(u"pets.ws"_qs);
    ASSERT_TRUE(SavePuzzleFile(*m, path));
    EXPECT_EQ(ReadFile(path), ReadFile(DataPath("pets.ws")));
    EXPECT_EQ(m->CurrentFileName(), path);
    EXPECT_FALSE(m->IsModified());
    EXPECT_TRUE(host.Messages.empty());
}

// Reading restores everything the writer wrote, so writing again gives the same bytes.
TEST_F(PuzzleFileTest, ReadRestoresEveryItem) {
    auto m = NewModel();
    const QString path = DataPath("pets.ws");
    ASSERT_TRUE(OpenPuzzleFile(*m, path));
    EXPECT_TRUE(host.Messages.empty()) << host.Texts().join(u'\n').toStdString();

    // Everything written comes back, or the second save would differ.
    ExpectSameFile(Bytes(*m), ReadFile(path));
    EXPECT_EQ(m->CurrentFileName(), path);
    EXPECT_FALSE(m->IsModified());
    EXPECT_EQ(m->Settings().PuzzleOptions, Option_HiddenMessage | Option_CustomClues);

    // What the file does not spell out is rebuilt: the word list and the cells' bookkeeping.
    const TWordSearch& p = m->Puzzle();
    ASSERT_EQ(m->Engine().WordCount, 4);
    EXPECT_EQ(m->Engine().WordList[2].ItemText, u"dog/a \"good\" boy");
    EXPECT_EQ(m->Engine().WordList[3].GridWord, u"CAF\u00e9");
    EXPECT_EQ(p.WordListIndicies[3][2], std::u16string(1, char16_t(2)));
    // The hidden message goes back into the first free cells.
    EXPECT_EQ(p.WordListIndicies[4][1], HiddenMessageMarker);
    EXPECT_EQ(p.WordListIndicies[5][1], HiddenMessageMarker);
    EXPECT_TRUE(p.WordListIndicies[5][2].empty());
}

// Letters outside Windows-1252 switch the whole file to UTF-8 and come back intact.
TEST_F(PuzzleFileTest, GreekWordListSurvivesSaveAndReopen) {
    auto m = NewModel();
    m->SetCustomCluesMode(true);
    m->SetCapitalization(TCapitalization::AsGiven);
    m->Words_Memo = {u"\u03b1\u03bb\u03c6\u03b1/\u03c0\u03c1\u03ce\u03c4\u03bf"_qs, u"\u03b2\u03ae\u03c4\u03b1"_qs,
                     u"\u03b3\u03ac\u03bc\u03bc\u03b1/\u03c4\u03c1\u03af\u03c4\u03bf"_qs};
    m->Words_TitleMemo = {u"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac"_qs};
    ASSERT_NE(m->RebuildPuzzle(), nullptr);
    const QString path = dir.filePath(u"greek.ws"_qs);
    ASSERT_TRUE(SavePuzzleFile(*m, path));
    const QByteArray saved = ReadFile(path);
    ASSERT_TRUE(StartsWithUtf8Bom(saved));
    EXPECT_TRUE(IsValidUtf8(saved.mid(3)));

    auto back = NewModel();
    ASSERT_TRUE(OpenPuzzleFile(*back, path));
    EXPECT_TRUE(host.Messages.empty()) << host.Texts().join(u'\n').toStdString();
    EXPECT_EQ(back->Words_Memo, m->Words_Memo);
    EXPECT_EQ(GridText(back->Puzzle()), GridText(m->Puzzle()));
    EXPECT_EQ(back->Engine().WordList[3].ItemText, m->Engine().WordList[3].ItemText);
    EXPECT_EQ(Bytes(*back), saved);
}

TEST_F(PuzzleFileTest, FailedSaveKeepsOldFileNameAndMark) {
    auto m = NewModel();
    FillPets(*m);
    m->SetModified(true);
    // The temporary beside a 250-character name cannot be created.
    const QString path = dir.filePath(QString(247, u'p') + u".ws"_qs);
    ASSERT_TRUE(vorlix::test::WriteFile(path, "previous puzzle"));
    EXPECT_FALSE(SavePuzzleFile(*m, path));
    EXPECT_EQ(ReadFile(path), QByteArray("previous puzzle"));
    EXPECT_EQ(m->CurrentFileName(), NoNameFileName);
    EXPECT_TRUE(m->IsModified());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(host.Messages[0].Text,
              u"An error occurred while attempting to save your puzzle. You may wish to check it or try again."_qs);
}

TEST_F(PuzzleFileTest, UnreadableFileLeavesPuzzleAlone) {
    auto m = NewModel();
    m->Words_Memo = {u"keep"_qs};
    const QString missing = dir.filePath(u"none.ws"_qs);
    EXPECT_FALSE(OpenPuzzleFile(*m, missing));
    EXPECT_EQ(m->Words_Memo, QStringList{u"keep"_qs});
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Information);
    EXPECT_EQ(host.Messages[0].Text, missing + u" was not found."_qs);

    EXPECT_FALSE(OpenPuzzleFile(*m, dir.path()));  // a folder
    EXPECT_EQ(m->Words_Memo, QStringList{u"keep"_qs});
}

// Only the exact first line opens a file; anything else leaves a new, empty puzzle.
TEST_F(PuzzleFileTest, FormatLineMustMatchExactly) {
    const struct {
        QByteArray bytes;
        bool accepted;
    } cases[] = {
        {FileOf({"QZ_WSFileFormat=1.0 ", "GRID:"}), false},
        {FileOf({"qz_wsfileformat=1.0", "GRID:"}), false},
        {QByteArray(), false},
        {QByteArray("\xFF\xFEQ\0Z\0", 6), false},
        {QByteArray("QZ_WSFileFormat=1.0\rActualColumns=1\rActualRows=1\rGRID:\r\tQ"), true},
        {QByteArray("QZ_WSFileFormat=1.0\nActualColumns=1\nActualRows=1\nGRID:\n\tQ\n"), true},
        {"\xEF\xBB\xBF" + FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=1", "ActualRows=1", "GRID:", "\tQ"}), true},
    };
    for (const auto& c : cases) {
        bool accepted = false;
        auto m = Open(c.bytes, &accepted);
        EXPECT_EQ(accepted, c.accepted) << c.bytes.toStdString();
        if (c.accepted) {
            EXPECT_EQ(Cell(m->Puzzle(), 1, 1), u"Q"_qs);
            EXPECT_TRUE(host.Messages.empty());
        } else {
            EXPECT_EQ(host.Texts(), QStringList{u"t.ws has an unknown file format."_qs});
            EXPECT_EQ(m->CurrentFileName(), NoNameFileName);
            EXPECT_EQ(m->Puzzle().ActualColumns, 0);
        }
    }
}

// Keys match in any case and the first one counts; values are case-sensitive.
TEST_F(PuzzleFileTest, KeyCaseAndFirstOccurrence) {
    auto m = Open(FileOf({"QZ_WSFileFormat=1.0", "north=T", "SOUTH=t", "East=T", "East=F", "capitalization=AsGiven",
                          "ActualColumns=1", "ActualRows=1", "GRID:", "\tA"}));
    EXPECT_TRUE(m->Directions[0]);
    EXPECT_TRUE(m->Directions[2]);
    EXPECT_FALSE(m->Directions[4]);
    EXPECT_EQ(m->Capitalization(), TCapitalization::AsGiven);
}

// Missing keys take the reader's defaults; the sharing level stays as the new puzzle had it.
TEST_F(PuzzleFileTest, MissingKeysGiveDefaults) {
    prefs.ShareLevelPref = ShareAll;
    prefs.CapitalizationPref = u"AsGiven"_qs;
    prefs.TitleFontSizePref = 20;
    QByteArray file = FileOf({"QZ_WSFileFormat=1.0", "GRID:"});
    for (int y = 1; y <= 15; ++y) file += "\tA B C D E F G H I J K L M N " + QByteArray(y == 15 ? "Z" : "O") + "\r\n";
    auto m = Open(file);
    EXPECT_TRUE(host.Messages.empty()) << host.Texts().join(u'\n').toStdString();
    const TWordSearch& p = m->Puzzle();
    EXPECT_EQ(p.ActualColumns, 15);
    EXPECT_EQ(p.ActualRows, 15);
    EXPECT_EQ(Cell(p, 15, 15), u"Z"_qs);
    EXPECT_FALSE(p.Constructed);
    EXPECT_EQ(m->Directions, (std::array<bool, 8>{}));
    EXPECT_EQ(m->SharingLevel(), ShareAll);
    EXPECT_EQ(m->Capitalization(), TCapitalization::AllUpper);
    const TPageFormat& f = m->PageFormat;
    EXPECT_EQ((std::array<int, 6>{f.TitleFontSize, f.WorksheetFontSize, f.InstructionsFontSize, f.GridFontSize,
                                  f.WordlistFontSize, f.CreditsFontSize}),
              (std::array<int, 6>{36, 12, 12, 12, 12, 8}));
    EXPECT_EQ(f.TitleFont, QString());
    EXPECT_DOUBLE_EQ(f.MarginWidth, 0.75);
    EXPECT_EQ(f.GridHPosition, 1);
    EXPECT_EQ(f.SolutionColor, NoColor);
    EXPECT_EQ(f.ClueTextFontSize, 10);
    EXPECT_EQ(f.ClueAlignment, prefs.WordListAlignmentPref);
    EXPECT_EQ(m->AutoInstructions, InstructionsAutomatic);
    EXPECT_FALSE(m->HiddenMessageMode());
    EXPECT_EQ(m->CurrentFileName(), u"t.ws"_qs);
}

// Size and grid problems are reported; reading goes on and never leaves the lines.
TEST_F(PuzzleFileTest, GridProblemsAreReported) {
    const struct {
        QByteArray bytes;
        QStringList messages;
        int columns;
        QString firstCell;
    } cases[] = {
        {FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=101", "ActualRows=2", "GRID:", "\tA"}),
         {u"File t.ws contains an invalid puzzle size."_qs},
         0,
         QString(QChar(EmptyCell))},
        {FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=2", "ActualRows=0", "GRID:", "\tA"}),
         {u"File t.ws contains an invalid puzzle size."_qs},
         0,
         QString(QChar(EmptyCell))},
        {FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=2", "ActualRows=1", "grid:", "\tA B"}),
         {u"File t.ws contains no GRID section."_qs},
         2,
         QString(QChar(EmptyCell))},
        {FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=3", "ActualRows=2", "GRID:", "\tA B C", "\tD E"}),
         {u"File t.ws has a damaged GRID section: row 2 is missing or too short. The rest of the grid was not read."_qs},
         3,
         u"A"_qs},
        {FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=3", "ActualRows=3", "GRID:", "\tA B C"}),
         {u"File t.ws has a damaged GRID section: row 2 is missing or too short. The rest of the grid was not read."_qs},
         3,
         u"A"_qs},
    };
    for (const auto& c : cases) {
        auto m = Open(c.bytes);
        EXPECT_EQ(host.Texts(), c.messages);
        EXPECT_EQ(host.Messages[0].Kind, MessageKind::Error);
        EXPECT_EQ(m->Puzzle().ActualColumns, c.columns);
        EXPECT_EQ(Cell(m->Puzzle(), 1, 1), c.firstCell);
        EXPECT_EQ(Cell(m->Puzzle(), 1, 2), QString(QChar(EmptyCell)));
    }
}

// Word-list and placement lines that cannot be used are counted in one warning.
TEST_F(PuzzleFileTest, RejectedLinesAreCounted) {
    auto m = Open(FileOf({
        "QZ_WSFileFormat=1.0", "ActualColumns=3", "ActualRows=3", "Capitalization=AsGiven", "GRID:", "\tA B C",
        "\tD E F", "\tG H I", "END GRID", "REQUESTED WORD LIST:", "\tgood", "no tab", "", "END REQUESTED WORD LIST",
        "WORD PLACEMENT:",
        "\t1 X=1 Y=1 D=3 <> \"ABC\"",      // placed
        "\t1 X=1 <> \"dog\"",              // shorter than 20
        " 1 X=1 Y=1 D=3 <> \"nottab\"",    // no TAB
        "\t1 X=101 Y=1 D=3 <> \"far\"",    // column beyond the arrays
        "\t1 X=1 Y=-1 D=3 <> \"neg\"",     // row before them
        "\t1 X=1 Y=1 D=9 <> \"dir\"",      // no such direction
        "\tx X=2 Y=2 D=5 <> \"unplaced\"", // flag not 1: kept, unplaced
        "\t1 X=1 Y=1 D=3 <> \"dog/a \"good\" boy\"",
        "\t1 X=1 Y=1 D=3 <> \"tail\"x",
        "\t1 X=5Y=2 D=3 <7> \"defaults\"", // malformed column gives 1
        "\t1 X=1 Y=1 D=3 <> \"/clue only\"", // no word: dropped silently
        "END WORD PLACEMENT",
    }));
    EXPECT_EQ(host.Texts(), QStringList{u"t.ws has problems in the word list section(s). 7 line(s) were rejected."_qs});
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(m->Words_Memo, QStringList{u"good"_qs});
    const TEngineState& e = m->Engine();
    ASSERT_EQ(e.WordCount, 5);
    EXPECT_TRUE(e.ListReady);
    const TWordSearch& p = m->Puzzle();
    EXPECT_TRUE(p.Placements[1].Placed);
    EXPECT_EQ(p.WordListIndicies[3][1], (std::u16string{1, 3, 4}));  // ABC, dog and tail run through it
    EXPECT_EQ(e.WordList[2].ItemText, u"unplaced");
    EXPECT_FALSE(p.Placements[2].Placed);
    EXPECT_EQ(p.Placements[2].Column, 2);
    EXPECT_EQ(p.Placements[2].Direction, South);
    EXPECT_EQ(e.WordList[3].ItemText, u"dog/a \"good\" boy");
    EXPECT_EQ(e.WordList[4].ItemText, u"tail");
    EXPECT_EQ(e.WordList[5].ItemText, u"defaults");
    EXPECT_EQ(p.Placements[5].Column, 1);
    EXPECT_EQ(p.Placements[5].Row, 2);
    EXPECT_EQ(p.Placements[5].Path, "7");
}

// Page texts: lines without TAB are skipped silently; the hidden message only with the option.
TEST_F(PuzzleFileTest, TextSections) {
    const struct {
        const char* option;
        QStringList hidden;
    } cases[] = {{"Option_HiddenMessage=F", {}}, {"Option_HiddenMessage=T", {u"GO"_qs}}};
    for (const auto& c : cases) {
        auto m = Open(FileOf({"QZ_WSFileFormat=1.0", c.option, "ActualColumns=2", "ActualRows=1", "GRID:", "\tA B",
                              "TITLE:", "\tFirst", "untabbed", "", "\tSecond", "END TITLE", "END INSTRUCTIONS",
                              "\tbefore its header", "INSTRUCTIONS:", "LEFT WORKSHEET:", "\tleft", "RIGHT WORKSHEET:",
                              "\tno end line", "REQUESTED HIDDEN MESSAGE:", "\tGO", "END REQUESTED HIDDEN MESSAGE"}));
        EXPECT_TRUE(host.Messages.empty()) << host.Texts().join(u'\n').toStdString();
        EXPECT_EQ(m->Words_TitleMemo, (QStringList{u"First"_qs, u"Second"_qs}));
        EXPECT_TRUE(m->Layout_InstructionsMemo.isEmpty());
        EXPECT_TRUE(m->Worksheet_LeftMemo.isEmpty());
        EXPECT_TRUE(m->Worksheet_RightMemo.isEmpty());
        EXPECT_EQ(m->Words_HiddenMemo, c.hidden);
        EXPECT_EQ(QString::fromStdU16String(m->Settings().HiddenMessage), c.hidden.join(u"\r\n"_qs));
        EXPECT_EQ(m->Puzzle().WordListIndicies[2][1] == HiddenMessageMarker, !c.hidden.isEmpty());
    }
}

// The instructions state comes back as 0 or 1; the loading state never outlives the read.
TEST_F(PuzzleFileTest, InstructionsState) {
    const struct {
        const char* line;
        int state;
    } cases[] = {{"AutoInstructions=0", 0}, {"AutoInstructions=1", 1}, {"AutoInstructions=2", 1},
                 {"AutoInstructions=3", 0}, {"AutoInstructions=x", 0}, {"Other=1", 0}};
    for (const auto& c : cases) {
        auto m = Open(FileOf({"QZ_WSFileFormat=1.0", c.line, "INSTRUCTIONS:", "\tMine", "END INSTRUCTIONS", "GRID:"}));
        EXPECT_EQ(m->AutoInstructions, c.state) << c.line;
        EXPECT_EQ(m->Layout_InstructionsMemo, QStringList{u"Mine"_qs}) << c.line;
    }
}

// 8-bit files keep their Windows-1252 reading, the 0x80..0x9F block included.
TEST_F(PuzzleFileTest, EightBitFilesReadAsWindows1252) {
    auto m = Open(QByteArray("QZ_WSFileFormat=1.0\r\nCreatedBy=\x80 \x93x\x94\r\nActualColumns=1\r\nActualRows=1\r\n"
                             "GRID:\r\n\t\x8A\r\n"));
    EXPECT_EQ(m->Credits_NameEd, u"\u20ac \u201cx\u201d"_qs);
    EXPECT_EQ(Cell(m->Puzzle(), 1, 1), u"\u0160"_qs);
    const QByteArray head("QZ_WSFileFormat=1.0\r\nCreatedBy=\x80 \x93x\x94\r\n");
    EXPECT_EQ(Bytes(*m).left(head.size()), head);
}

// Number formats of key values.
TEST(PuzzleFileValues, NumbersReadAndWritten) {
    const struct {
        const char* text;
        int value;
    } integers[] = {{"12", 12},   {"  -7", -7},  {"+3", 3},       {"12 ", 99},         {"", 99},
                    {"-", 99},    {"1x", 99},    {"2147483647", 2147483647}, {"2147483648", 99},
                    {"-2147483648", -2147483647 - 1}, {"99999999999999999999", 99}};
    for (const auto& c : integers) EXPECT_EQ(ParseFileInteger(QString::fromLatin1(c.text), 99), c.value) << c.text;

    const struct {
        const char* text;
        double value;
    } reals[] = {{"0.750", 0.75}, {"0,5", 0.5}, {" 1.25 ", 1.25}, {"2", 2.0}, {".5", 0.5},     {"1e1", 10.0},
                 {"abc", -1.0},   {"", -1.0},   {"1.2.3", -1.0},  {"1,2.3", -1.0}, {"nan", -1.0}, {"1e999", -1.0}};
    for (const auto& c : reals) EXPECT_DOUBLE_EQ(ParseFileReal(QString::fromLatin1(c.text), -1.0), c.value) << c.text;

    EXPECT_EQ(FormatFileReal(0.75), u"0.750"_qs);
    EXPECT_EQ(FormatFileReal(1.0), u"1.000"_qs);
    EXPECT_EQ(FormatFileReal(12.3456), u"12.346"_qs);
}
