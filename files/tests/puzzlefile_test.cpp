#include <gtest/gtest.h>

#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <limits>
#include <memory>
#include <tuple>

#include "puzzlebuilder.h"
#include "puzzledefaults.h"
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

QByteArray Bytes(const TPuzzle& puzzle) {
    QStringList lines;
    FormatPuzzleFile(puzzle, lines);
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
    TPreferences prefs;
    QTemporaryDir dir;
    TReport report;         // of the last Open or Save
    bool accepted = false;  // by the last Open

    QStringList Told() const {
        QStringList texts;
        for (const TReportLine& line : report.Lines) texts << line.Text;
        return texts;
    }

    // The puzzle that data/pets.ws holds, set up field by field.
    TPuzzle Pets() const {
        TPuzzle m = NewPuzzle(prefs);
        m.CreditsName = u"Ann Teacher"_qs;
        m.CreditsRecipient = u"Class 3"_qs;
        m.CreditsLine = u"Made by Ann"_qs;
        m.Type = {true, true};
        m.Format.GridHPosition = 2;
        m.Format.SolutionStyle = 1;
        m.Format.SolutionColor = 255;
        m.RequestedColumns = 4;
        m.InstructionsMode = TInstructionsMode::Customized;
        m.Directions = {false, false, true, true, true, false, false, false};
        m.SharingLevel = ShareSome;
        m.Format.MarginWidth = 0.5;
        m.Format.BorderIndex = 3;
        m.Format.RequestedClueColumns = 2;
        m.Format.ClueAlignment = 0;
        m.WordLines = {u"cat/a pet"_qs, u""_qs, u"dog/a \"good\" boy"_qs, u"caf\u00e9"_qs, u"zzzzzz/too long"_qs};
        m.TitleLines = {u"Pets"_qs, u""_qs, u"Page 2"_qs};
        m.WorksheetLeftLines = {u"Name ____"_qs};
        m.WorksheetRightLines = {u"Date ____"_qs};
        m.InstructionLines = {u"Find the words."_qs};
        m.HiddenMessageLines = {u"HI"_qs};

        auto engine = std::make_unique<TEngineState>();
        ApplyPuzzleOptions(m, engine->Settings);
        for (const QString& line : m.WordLines) engine->Words_ProcessLine(line.toStdU16String());
        engine->FinishList();
        auto p = std::make_unique<TWordSearch>(*engine);
        p->ActualColumns = 5;
        p->ActualRows = 3;
        const QString rows[] = {u"CATHX"_qs, u"DOGIY"_qs, u"CAF\u00e9Q"_qs};
        for (int y = 1; y <= 3; ++y)
            for (int x = 1; x <= 5; ++x) p->Grid[x][y] = rows[y - 1][x - 1].unicode();
        for (int i = 1; i <= 3; ++i) p->Placements[i] = {true, 1, i, East, ""};
        p->Constructed = true;
        m.Built = std::make_shared<const TBuiltGrid>(*p);
        return m;
    }

    TPuzzle Open(const QByteArray& bytes) { return Taken(ReadPuzzleBytes(bytes, u"t.ws"_qs, NewPuzzle(prefs))); }
    TPuzzle OpenFile(const QString& path) { return Taken(ReadPuzzleFile(path, NewPuzzle(prefs))); }
    TPuzzle Taken(TReadResult<TPuzzle> read) {
        report = read.Report;
        accepted = read.Value.has_value();
        return read.Value.value_or(TPuzzle());
    }
};

}  // namespace

// The writer against a file put together by hand from the format's table; reading it back
// and writing again gives the same bytes.
TEST_F(PuzzleFileTest, WritesTheDocumentedBytesAndReadsThemBack) {
    const TPuzzle pets = Pets();
    ExpectSameFile(Bytes(pets), ReadFile(PetsFile));
    const QString path = dir.filePath(u"pets.ws"_qs);
    ASSERT_TRUE(SavePuzzleFile(pets, path, report));
    EXPECT_EQ(ReadFile(path), ReadFile(PetsFile));

    const TPuzzle back = OpenFile(path);
    ASSERT_TRUE(accepted);
    EXPECT_TRUE(report.IsEmpty()) << Told().join(u'\n').toStdString();
    ExpectSameFile(Bytes(back), ReadFile(PetsFile));
    EXPECT_EQ(back.Words().Settings.PuzzleOptions, Option_HiddenMessage | Option_CustomClues);
    // What the file does not spell out is rebuilt; the hidden message goes back into the
    // first free cells.
    const TWordSearch& p = back.Grid();
    ASSERT_EQ(back.Words().WordCount, 4);
    // Words are cased by Unicode rules now; the grid keeps the letters it was saved with.
    EXPECT_EQ(back.Words().WordList[3].GridWord, u"CAF\u00c9");
    EXPECT_EQ(p.WordListIndicies[3][2], std::u16string(1, char16_t(2)));
    EXPECT_EQ(p.WordListIndicies[4][1], HiddenMessageMarker);
    EXPECT_EQ(p.WordListIndicies[5][1], HiddenMessageMarker);
    EXPECT_TRUE(p.WordListIndicies[5][2].empty());
    // Everything else the file holds comes back as the same value; blank lines are not kept.
    TPuzzle expected = pets;
    expected.Built = back.Built;
    expected.WordLines.removeAll(QString());
    expected.TitleLines.removeAll(QString());
    EXPECT_TRUE(back == expected);
}

// Letters outside Windows-1252 switch the whole file to UTF-8 and come back intact.
TEST_F(PuzzleFileTest, GreekWordListSurvivesSaveAndReopen) {
    TPuzzle m = NewPuzzle(prefs);
    m.Type.CustomClues = true;
    m.Capitalization = TCapitalization::AsGiven;
    m.WordLines = {u"\u03b1\u03bb\u03c6\u03b1/\u03c0\u03c1\u03ce\u03c4\u03bf"_qs, u"\u03b2\u03ae\u03c4\u03b1"_qs};
    TPuzzleBuilder builder;
    m.Built = builder.Build(m);
    const QString path = dir.filePath(u"greek.ws"_qs);
    ASSERT_TRUE(SavePuzzleFile(m, path, report));
    const QByteArray saved = ReadFile(path);
    ASSERT_TRUE(StartsWithUtf8Bom(saved));
    EXPECT_TRUE(IsValidUtf8(saved.mid(3)));
    const TPuzzle back = OpenFile(path);
    EXPECT_EQ(back.WordLines, m.WordLines);
    EXPECT_EQ(Bytes(back), saved);
}

// Keys match in any case and the first one counts; values are case-sensitive. Only the
// exact first line opens a file, after a UTF-8 mark and with any line-break style.
TEST_F(PuzzleFileTest, KeyCaseAndTheFormatLine) {
    TPuzzle m = Open(FileOf({"QZ_WSFileFormat=1.0", "north=T", "SOUTH=t", "East=T", "East=F",
                             "capitalization=AsGiven", "ActualColumns=1", "ActualRows=1", "GRID:", "\tA", "END GRID"}));
    EXPECT_EQ(m.Directions, (std::array<bool, 8>{true, false, true, false, false, false, false, false}));
    EXPECT_EQ(m.Capitalization, TCapitalization::AsGiven);
    for (const char* wrong : {"QZ_WSFileFormat=1.0 ", "qz_wsfileformat=1.0"}) {
        Open(FileOf({wrong, "ActualColumns=1", "ActualRows=1", "GRID:", "\tQ"}));
        EXPECT_FALSE(accepted) << wrong;
        EXPECT_EQ(Told(), QStringList{u"t.ws has an unknown file format."_qs});
    }
    m = Open(QByteArray("\xEF\xBB\xBFQZ_WSFileFormat=1.0\rActualColumns=1\rActualRows=1\rGRID:\r\tQ\rEND GRID\rEND."));
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Cell(m.Grid(), 1, 1), u"Q"_qs);
}

// Missing keys take the reader's defaults (a 15 x 15 grid); the sharing level stays as the
// new puzzle had it.
TEST_F(PuzzleFileTest, MissingKeysGiveDefaults) {
    prefs.ShareLevelPref = ShareAll;
    prefs.CapitalizationPref = u"AsGiven"_qs;
    prefs.PageFormat.TitleFontSize = 20;
    QByteArray file = FileOf({"QZ_WSFileFormat=1.0", "GRID:"});
    file.chop(6);  // the grid goes before the last line
    for (int y = 1; y <= 15; ++y) file += "\tA B C D E F G H I J K L M N " + QByteArray(y == 15 ? "Z" : "O") + "\r\n";
    file += "END GRID\r\nEND.\r\n";
    const TPuzzle m = Open(file);
    EXPECT_TRUE(report.IsEmpty()) << Told().join(u'\n').toStdString();
    EXPECT_EQ(m.Grid().ActualColumns, 15);
    EXPECT_EQ(Cell(m.Grid(), 15, 15), u"Z"_qs);
    EXPECT_EQ(m.Directions, (std::array<bool, 8>{}));
    EXPECT_EQ(m.SharingLevel, ShareAll);
    EXPECT_EQ(m.Capitalization, TCapitalization::AllUpper);
    EXPECT_EQ(m.Format.TitleFontSize, 36);
    EXPECT_EQ(m.InstructionsMode, TInstructionsMode::Automatic);
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
        const TPuzzle m = Open(bytes);
        ASSERT_EQ(Told(), QStringList{message});
        EXPECT_EQ(report.Lines[0].Kind, MessageKind::Error);
        EXPECT_EQ(m.Grid().ActualColumns, columns);
        EXPECT_EQ(Cell(m.Grid(), 1, 1), firstCell);
        EXPECT_EQ(Cell(m.Grid(), 1, 2), Empty);
    }
}

// Word-list and placement lines that cannot be used are counted in one warning; quotes
// inside an entry's text survive.
TEST_F(PuzzleFileTest, RejectedLinesAreCounted) {
    const TPuzzle m = Open(FileOf({
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
    EXPECT_EQ(Told(), QStringList{u"t.ws has problems in the word list section(s). 8 line(s) were rejected."_qs});
    EXPECT_EQ(report.Lines[0].Kind, MessageKind::Warning);
    EXPECT_EQ(m.WordLines, QStringList{u"good"_qs});
    const TEngineState& e = m.Words();
    ASSERT_EQ(e.WordCount, 4);
    EXPECT_EQ(m.Grid().WordListIndicies[3][1], (std::u16string{1, 3, 4}));  // ABC, dog and tail run through it
    EXPECT_FALSE(m.Grid().Placements[2].Placed);
    EXPECT_FALSE(m.Grid().Placements[4].Placed);
    EXPECT_EQ((std::array{e.WordList[2].ItemText, e.WordList[3].ItemText, e.WordList[4].ItemText}),
              (std::array<std::u16string, 3>{u"unplaced", u"dog/a \"good\" boy", u"tail"}));
}

// Page texts: lines without TAB are skipped silently; the hidden message only with the option
// (the option on is read back from pets.ws).
TEST_F(PuzzleFileTest, TextSections) {
    const TPuzzle m =
        Open(FileOf({"QZ_WSFileFormat=1.0", "Option_HiddenMessage=F", "ActualColumns=2", "ActualRows=1", "GRID:",
                     "\tA B", "END GRID", "TITLE:", "\tFirst", "untabbed", "", "\tSecond", "END TITLE",
                     "REQUESTED HIDDEN MESSAGE:", "\tGO", "END REQUESTED HIDDEN MESSAGE"}));
    EXPECT_TRUE(report.IsEmpty()) << Told().join(u'\n').toStdString();
    EXPECT_EQ(m.TitleLines, (QStringList{u"First"_qs, u"Second"_qs}));
    EXPECT_TRUE(m.InstructionLines.isEmpty());
    EXPECT_TRUE(m.WorksheetLeftLines.isEmpty());
    EXPECT_TRUE(m.HiddenMessageLines.isEmpty());
    EXPECT_NE(m.Grid().WordListIndicies[2][1], HiddenMessageMarker);
}

// A file that cannot be read gives no puzzle and says why; a save that cannot be written
// warns.
TEST_F(PuzzleFileTest, FailedOpenAndSaveAreReported) {
    const QString missing = dir.filePath(u"missing.ws"_qs);
    OpenFile(missing);
    EXPECT_FALSE(accepted);
    ASSERT_EQ(report.Lines.size(), 1u);
    EXPECT_EQ(report.Lines[0].Text, missing + u" was not found."_qs);

    report = {};
    EXPECT_FALSE(SavePuzzleFile(Pets(), dir.filePath(u"no-such-folder/p.ws"_qs), report));
    ASSERT_EQ(report.Lines.size(), 1u);
    EXPECT_EQ(report.Lines[0].Kind, MessageKind::Warning);
}

// Protects: integers are blanks, one sign, ASCII digits within int; all else gives the default.
TEST(FileValues, Integers) {
    constexpr int Fallback = -7;
    constexpr int Max = std::numeric_limits<int>::max(), Min = std::numeric_limits<int>::min();
    // The last row is an Arabic-Indic three: a digit, but not an ASCII one.
    const std::pair<const char16_t*, int> cases[] = {
        {u"42", 42}, {u"  42", 42}, {u"+42", 42}, {u"-42", -42}, {u"007", 7}, {u" -0", 0}, {u"2147483647", Max},
        {u"-2147483648", Min}, {u"2147483648", Fallback}, {u"-2147483649", Fallback},
        {u"99999999999999999999", Fallback}, {u"", Fallback}, {u"   ", Fallback}, {u"-", Fallback}, {u"+", Fallback},
        {u"++1", Fallback}, {u"- 4", Fallback}, {u"42 ", Fallback}, {u"4 2", Fallback}, {u"\t42", Fallback},
        {u"42x", Fallback}, {u"0x1A", Fallback}, {u"1e3", Fallback}, {u"12.0", Fallback}, {u"\u0663", Fallback},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseFileInteger(QStringView(text), Fallback), value) << QString::fromUtf16(text).toStdString();
}

// Protects: reals read with "." or "," and an exponent, finite only, and write as "%5.3f" with ".".
TEST(FileValues, Reals) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));  // "," separator
    constexpr double Fallback = -1.5;
    const std::pair<const char16_t*, double> parsed[] = {
        {u"0.750", 0.75},     {u" 0.750", 0.75},    {u"0.750 ", 0.75},    {u"0,750", 0.75},      {u"1", 1.0},
        {u"1.", 1.0},         {u".5", 0.5},         {u",5", 0.5},         {u"-0.25", -0.25},     {u"+2", 2.0},
        {u"1e2", 100.0},      {u"1.5E-1", 0.15},    {u"", Fallback},      {u"  ", Fallback},     {u".", Fallback},
        {u"1e", Fallback},    {u"e2", Fallback},    {u"0.75x", Fallback}, {u"0.75 0", Fallback}, {u"1.2.3", Fallback},
        {u"1,2,3", Fallback}, {u"1 000", Fallback}, {u"nan", Fallback},   {u"inf", Fallback},    {u"-inf", Fallback},
        {u"1e999", Fallback}, {u"0x1p3", Fallback},
    };
    for (const auto& [text, value] : parsed)
        EXPECT_DOUBLE_EQ(ParseFileReal(QStringView(text), Fallback), value) << QString::fromUtf16(text).toStdString();
    const std::pair<double, const char*> written[] = {
        {0.75, "0.750"},   {0.0, "0.000"},     {1.5, "1.500"},    {-0.5, "-0.500"},     {12.25, "12.250"},
        {0.7495, "0.750"}, {0.12345, "0.123"}, {0.0004, "0.000"}, {1234.5, "1234.500"},
    };
    for (const auto& [value, text] : written) EXPECT_EQ(FormatFileReal(value), QString::fromLatin1(text)) << value;
    QLocale::setDefault(before);
}

namespace vorlix {
namespace {

class CellFileTest : public PuzzleFileTest {};

// Protects: cells of several code points (Hindi conjuncts, decomposed accents, Korean) read
// back to the same cells, words, language and filler mode, byte for byte on a second save.
TEST_F(CellFileTest, ClusterCellsRoundTrip) {
    const struct {
        QString words;
        QString language;
        TFillerMode filler;
    } cases[] = {
        {u"क्षति,नमस्ते,स्कूल,किताब"_qs, QString(), TFillerMode::Automatic},
        {u"고양이,강아지,바다"_qs, u"ko"_qs, TFillerMode::LikeList},
        {u"cafe\u0301,n\u0303u,e\u0301le\u0300ve"_qs, u"fr"_qs, TFillerMode::Classic},
    };
    for (std::uint32_t seed = 1; seed <= 3; ++seed)
        for (const auto& c : cases) {
            TPuzzle m = NewPuzzle(prefs);
            m.WordLines = {c.words};
            m.Language = c.language;
            m.Filler = c.filler;
            TPuzzleBuilder builder;
            builder.SetSeed(seed);
            m.Built = builder.Build(m);
            const QString path = dir.filePath(u"cells.ws"_qs);
            ASSERT_TRUE(SavePuzzleFile(m, path, report));
            const TPuzzle back = OpenFile(path);
            ASSERT_TRUE(accepted) << Told().join(u'\n').toStdString();
            EXPECT_EQ(back.Language, m.Language);
            EXPECT_EQ(back.Filler, m.Filler);
            for (int r = 1; r <= m.Grid().ActualRows; ++r)
                for (int col = 1; col <= m.Grid().ActualColumns; ++col)
                    EXPECT_EQ(back.CellText(col, r), m.CellText(col, r)) << "seed " << seed;
            for (int i = 1; i <= m.Words().WordCount; ++i)
                EXPECT_EQ(back.Words().WordList[i].GridWord, m.Words().WordList[i].GridWord) << "seed " << seed;
            EXPECT_EQ(Bytes(back), ReadFile(path)) << "seed " << seed;
        }
}

// Protects: a damaged cell table refuses the file with a message instead of misplacing cells.
TEST_F(CellFileTest, HostileCellTablesAreRefused) {
    TPuzzle m = NewPuzzle(prefs);
    m.WordLines = {u"क्षति"_qs};
    TPuzzleBuilder builder;
    builder.SetSeed(1);
    m.Built = builder.Build(m);
    const QString good = QString::fromUtf8(Bytes(m));
    ASSERT_TRUE(good.contains(u"CellTexts=E000:"_qs));
    QString huge = u"CellTexts="_qs;
    for (int k = 0; k < 7000; ++k) huge += QString::number(0xE000 + k, 16).toUpper() + u":41+301|"_qs;
    const QString tables[] = {u"CellTexts=E000:915+94D+937|E000:924+93F"_qs, u"CellTexts=E000:XYZ|E001:924+93F"_qs,
                              u"CellTexts=E001:915+94D+937"_qs, u"CellTexts=E000:D800+41"_qs, huge};
    for (const QString& table : tables) {
        QString text = good;
        text.replace(QRegularExpression(u"CellTexts=[^\\r\\n]*"_qs), table);
        Open(text.toUtf8());
        EXPECT_FALSE(accepted) << table.left(40).toStdString();
        EXPECT_TRUE(Told().join(u' ').contains(u"cell table"_qs)) << table.left(40).toStdString();
    }
}

}  // namespace
}  // namespace vorlix
