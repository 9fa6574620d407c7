#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <tuple>

#include "puzzlefile.h"
#include "testhost.h"
#include "textcodec.h"

using namespace vorlix;
using vorlix::test::ReadFile;

namespace {

const QString PetsFile = QStringLiteral(VORLIX_TEST_DATA "/pets.ws");
const QString Empty{QChar(EmptyCell)};

// A file from lines written as Latin-1, CR LF after each.
QByteArray FileOf(std::initializer_list<const char*> lines) {
    QByteArray out;
    for (const char* line : lines) out += QByteArray(line) + "\r\n";
    // Every complete file ends so; the reader refuses one cut short.
    return out + "END.\r\n";
}

QByteArray Bytes(const TPuzzleModel& model) {
    QStringList lines;
    FormatPuzzleFile(model, lines);
    return PuzzleFileBytes(lines);
}

// Compares the lines first, so a mismatch shows which lines differ.
void ExpectSameFile(const QByteArray& actual, const QByteArray& expected) {
    EXPECT_EQ(SplitLines(DecodePuzzleText(actual)), SplitLines(DecodePuzzleText(expected)));
    EXPECT_EQ(actual, expected);
}

QString Cell(const TWordSearch& p, int x, int y) { return QString(QChar(p.Grid[x][y])); }

class PuzzleFileTest : public ::testing::Test {
protected:
    test::TTestHost host;
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
        m.AutoInstructions = InstructionsCustomized;
        m.Directions = {false, false, true, true, true, false, false, false};
        m.SetSharingLevel(ShareSome);
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

    bool accepted = false;  // by the last Open
    std::unique_ptr<TPuzzleModel> Open(const QByteArray& bytes) {
        auto m = NewModel();
        host.Messages.clear();
        accepted = OpenPuzzleBytes(*m, bytes, u"t.ws"_qs);
        return m;
    }
};

}  // namespace

// The writer against a file put together by hand from the format's table; a save records
// the name and clears the mark; reading it back and writing again gives the same bytes.
TEST_F(PuzzleFileTest, WritesTheDocumentedBytesAndReadsThemBack) {
    auto m = NewModel();
    FillPets(*m);
    ExpectSameFile(Bytes(*m), ReadFile(PetsFile));
    m->SetModified(true);
    const QString path = dir.filePath(u"pets.ws"_qs);
    ASSERT_TRUE(SavePuzzleFile(*m, path));
    EXPECT_EQ(ReadFile(path), ReadFile(PetsFile));
    EXPECT_EQ(m->CurrentFileName(), path);
    EXPECT_FALSE(m->IsModified());

    auto back = NewModel();
    ASSERT_TRUE(OpenPuzzleFile(*back, path));
    EXPECT_TRUE(host.Messages.empty()) << host.Texts().join(u'\n').toStdString();
    ExpectSameFile(Bytes(*back), ReadFile(PetsFile));
    EXPECT_FALSE(back->IsModified());
    EXPECT_EQ(back->Settings().PuzzleOptions, Option_HiddenMessage | Option_CustomClues);
    // What the file does not spell out is rebuilt; the hidden message goes back into the
    // first free cells.
    const TWordSearch& p = back->Puzzle();
    ASSERT_EQ(back->Engine().WordCount, 4);
    EXPECT_EQ(back->Engine().WordList[3].GridWord, u"CAF\u00e9");
    EXPECT_EQ(p.WordListIndicies[3][2], std::u16string(1, char16_t(2)));
    EXPECT_EQ(p.WordListIndicies[4][1], HiddenMessageMarker);
    EXPECT_EQ(p.WordListIndicies[5][1], HiddenMessageMarker);
    EXPECT_TRUE(p.WordListIndicies[5][2].empty());
}

// Letters outside Windows-1252 switch the whole file to UTF-8 and come back intact.
TEST_F(PuzzleFileTest, GreekWordListSurvivesSaveAndReopen) {
    auto m = NewModel();
    m->SetCustomCluesMode(true);
    m->SetCapitalization(TCapitalization::AsGiven);
    m->Words_Memo = {u"\u03b1\u03bb\u03c6\u03b1/\u03c0\u03c1\u03ce\u03c4\u03bf"_qs, u"\u03b2\u03ae\u03c4\u03b1"_qs};
    ASSERT_NE(m->RebuildPuzzle(), nullptr);
    const QString path = dir.filePath(u"greek.ws"_qs);
    ASSERT_TRUE(SavePuzzleFile(*m, path));
    const QByteArray saved = ReadFile(path);
    ASSERT_TRUE(StartsWithUtf8Bom(saved));
    EXPECT_TRUE(IsValidUtf8(saved.mid(3)));
    auto back = NewModel();
    ASSERT_TRUE(OpenPuzzleFile(*back, path));
    EXPECT_EQ(back->Words_Memo, m->Words_Memo);
    EXPECT_EQ(Bytes(*back), saved);
}

// Keys match in any case and the first one counts; values are case-sensitive. Only the
// exact first line opens a file, after a UTF-8 mark and with any line-break style.
TEST_F(PuzzleFileTest, KeyCaseAndTheFormatLine) {
    auto m = Open(FileOf({"QZ_WSFileFormat=1.0", "north=T", "SOUTH=t", "East=T", "East=F", "capitalization=AsGiven",
                          "ActualColumns=1", "ActualRows=1", "GRID:", "\tA", "END GRID"}));
    EXPECT_EQ(m->Directions, (std::array<bool, 8>{true, false, true, false, false, false, false, false}));
    EXPECT_EQ(m->Capitalization(), TCapitalization::AsGiven);
    for (const char* wrong : {"QZ_WSFileFormat=1.0 ", "qz_wsfileformat=1.0"}) {
        m = Open(FileOf({wrong, "ActualColumns=1", "ActualRows=1", "GRID:", "\tQ"}));
        EXPECT_FALSE(accepted) << wrong;
        EXPECT_EQ(Cell(m->Puzzle(), 1, 1), Empty);
        EXPECT_EQ(host.Texts(), QStringList{u"t.ws has an unknown file format."_qs});
    }
    m = Open(QByteArray("\xEF\xBB\xBFQZ_WSFileFormat=1.0\rActualColumns=1\rActualRows=1\rGRID:\r\tQ\rEND GRID\rEND."));
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Cell(m->Puzzle(), 1, 1), u"Q"_qs);
}

// Missing keys take the reader's defaults (a 15 x 15 grid); the sharing level stays as the
// new puzzle had it.
TEST_F(PuzzleFileTest, MissingKeysGiveDefaults) {
    prefs.ShareLevelPref = ShareAll;
    prefs.CapitalizationPref = u"AsGiven"_qs;
    prefs.TitleFontSizePref = 20;
    QByteArray file = FileOf({"QZ_WSFileFormat=1.0", "GRID:"});
    file.chop(6);  // the grid goes before the last line
    for (int y = 1; y <= 15; ++y) file += "\tA B C D E F G H I J K L M N " + QByteArray(y == 15 ? "Z" : "O") + "\r\n";
    file += "END GRID\r\nEND.\r\n";
    auto m = Open(file);
    EXPECT_TRUE(host.Messages.empty()) << host.Texts().join(u'\n').toStdString();
    EXPECT_EQ(m->Puzzle().ActualColumns, 15);
    EXPECT_EQ(Cell(m->Puzzle(), 15, 15), u"Z"_qs);
    EXPECT_EQ(m->Directions, (std::array<bool, 8>{}));
    EXPECT_EQ(m->SharingLevel(), ShareAll);
    EXPECT_EQ(m->Capitalization(), TCapitalization::AllUpper);
    EXPECT_EQ(m->PageFormat.TitleFontSize, 36);
    EXPECT_EQ(m->AutoInstructions, InstructionsAutomatic);
}

// Size and grid problems are reported as errors; reading goes on and never leaves the lines.
TEST_F(PuzzleFileTest, GridProblemsAreReported) {
    const QString size = u"File t.ws contains an invalid puzzle size."_qs;
    const QString damaged =
        u"File t.ws has a damaged GRID section: row 2 is missing or too short. The rest of the grid was not read."_qs;
    const std::tuple<QByteArray, QString, int, QString> cases[] = {
        {FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=101", "ActualRows=2", "GRID:", "\tA", "END GRID"}), size, 0,
         Empty},
        {FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=2", "ActualRows=1", "grid:", "\tA B"}),
         u"File t.ws contains no GRID section."_qs, 2, Empty},
        {FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=3", "ActualRows=2", "GRID:", "\tA B C", "\tD E", "END GRID"}),
         damaged, 3,
         u"A"_qs},
        {FileOf({"QZ_WSFileFormat=1.0", "ActualColumns=3", "ActualRows=3", "GRID:", "\tA B C", "END GRID"}), damaged, 3,
         u"A"_qs},
    };
    for (const auto& [bytes, message, columns, firstCell] : cases) {
        auto m = Open(bytes);
        ASSERT_EQ(host.Texts(), QStringList{message});
        EXPECT_EQ(host.Messages[0].Kind, MessageKind::Error);
        EXPECT_EQ(m->Puzzle().ActualColumns, columns);
        EXPECT_EQ(Cell(m->Puzzle(), 1, 1), firstCell);
        EXPECT_EQ(Cell(m->Puzzle(), 1, 2), Empty);
    }
}

// Word-list and placement lines that cannot be used are counted in one warning; quotes
// inside an entry's text survive.
TEST_F(PuzzleFileTest, RejectedLinesAreCounted) {
    auto m = Open(FileOf({
        "QZ_WSFileFormat=1.0", "ActualColumns=3", "ActualRows=3", "Capitalization=AsGiven", "GRID:", "\tA B C",
        "\tD E F", "\tG H I", "END GRID", "REQUESTED WORD LIST:", "\tgood", "no tab", "", "END REQUESTED WORD LIST",
        "WORD PLACEMENT:",
        "\t1 X=1 Y=1 D=3 <> \"ABC\"",        // placed
        "\t1 X=1 <> \"dog\"",                // shorter than 20
        " 1 X=1 Y=1 D=3 <> \"nottab\"",      // no TAB
        "\t1 X=101 Y=1 D=3 <> \"far\"",      // column beyond the arrays
        "\t1 X=1 Y=-1 D=3 <> \"neg\"",       // row before them
        "\t1 X=1 Y=1 D=9 <> \"dir\"",        // no such direction
        "\tx X=2 Y=2 D=5 <> \"unplaced\"",   // flag not 1: kept, unplaced
        "\t1 X=1 Y=1 D=3 <> \"dog/a \"good\" boy\"",
        "\t1 X=1 Y=1 D=3 <> \"tail\"x",    // runs off the grid: kept, unplaced
        "\t1 X=1 Y=1 D=3 <> \"/clue only\"",  // no word: dropped silently
        "END WORD PLACEMENT",
    }));
    EXPECT_EQ(host.Texts(), QStringList{u"t.ws has problems in the word list section(s). 8 line(s) were rejected."_qs});
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(m->Words_Memo, QStringList{u"good"_qs});
    const TEngineState& e = m->Engine();
    ASSERT_EQ(e.WordCount, 4);
    EXPECT_EQ(m->Puzzle().WordListIndicies[3][1], (std::u16string{1, 3, 4}));  // ABC, dog and tail run through it
    EXPECT_FALSE(m->Puzzle().Placements[2].Placed);
    EXPECT_FALSE(m->Puzzle().Placements[4].Placed);
    EXPECT_EQ((std::array{e.WordList[2].ItemText, e.WordList[3].ItemText, e.WordList[4].ItemText}),
              (std::array<std::u16string, 3>{u"unplaced", u"dog/a \"good\" boy", u"tail"}));
}

// Page texts: lines without TAB are skipped silently; the hidden message only with the option
// (the option on is read back from pets.ws).
TEST_F(PuzzleFileTest, TextSections) {
    auto m = Open(FileOf({"QZ_WSFileFormat=1.0", "Option_HiddenMessage=F", "ActualColumns=2", "ActualRows=1", "GRID:",
                          "\tA B", "END GRID", "TITLE:", "\tFirst", "untabbed", "", "\tSecond", "END TITLE",
                          "REQUESTED HIDDEN MESSAGE:", "\tGO", "END REQUESTED HIDDEN MESSAGE"}));
    EXPECT_TRUE(host.Messages.empty()) << host.Texts().join(u'\n').toStdString();
    EXPECT_EQ(m->Words_TitleMemo, (QStringList{u"First"_qs, u"Second"_qs}));
    EXPECT_TRUE(m->Layout_InstructionsMemo.isEmpty());
    EXPECT_TRUE(m->Worksheet_LeftMemo.isEmpty());
    EXPECT_TRUE(m->Words_HiddenMemo.isEmpty());
    EXPECT_NE(m->Puzzle().WordListIndicies[2][1], HiddenMessageMarker);
}

// A file that cannot be opened is reported and the current puzzle is kept; a save that
// cannot be written warns and keeps the file name and the modified mark.
TEST_F(PuzzleFileTest, FailedOpenAndSaveKeepThePuzzle) {
    auto m = NewModel();
    FillPets(*m);
    m->SetModified(true);
    const QString missing = dir.filePath(u"missing.ws"_qs);
    EXPECT_FALSE(OpenPuzzleFile(*m, missing));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, missing + u" was not found."_qs);
    EXPECT_EQ(m->Words_TitleMemo.value(0), u"Pets"_qs);
    EXPECT_EQ(m->Puzzle().ActualColumns, 5);

    host.Messages.clear();
    EXPECT_FALSE(SavePuzzleFile(*m, dir.filePath(u"no-such-folder/p.ws"_qs)));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MessageKind::Warning);
    EXPECT_TRUE(m->IsModified());
    EXPECT_NE(m->CurrentFileName(), dir.filePath(u"no-such-folder/p.ws"_qs));
}
