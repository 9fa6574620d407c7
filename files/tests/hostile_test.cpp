// The puzzle reader and the word-list import against damaged and hostile files.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <random>
#include <string_view>

#include "puzzlefile.h"
#include "testhost.h"
#include "textcodec.h"
#include "wordlistio.h"

using namespace vorlix;
using namespace vorlix::test;

namespace {

using namespace std::string_view_literals;

QString Q(std::u16string_view text) { return QString::fromUtf16(text.data(), qsizetype(text.size())); }

QByteArray Lines(std::initializer_list<const char*> lines) {
    QByteArray out;
    for (const char* line : lines) out += QByteArray(line) + "\r\n";
    return out;
}

// A small complete file in the writer's order.
QByteArray Complete(const QByteArray& formatting = {}, const QByteArray& placements = {}) {
    return Lines({"QZ_WSFileFormat=1.0", "ActualColumns=3", "ActualRows=3", "Capitalization=AllUpper",
                  "[Formatting]"}) +
           formatting + Lines({"GRID:", "\tC A T", "\tD O G", "\tE M U", "END GRID", "REQUESTED WORD LIST:", "\tcat",
                               "\tdog", "END REQUESTED WORD LIST", "WORD PLACEMENT:", "\t1 X=1 Y=1 D=3 <> \"cat\""}) +
           placements + Lines({"END WORD PLACEMENT", "TITLE:", "\tZoo", "END TITLE", "END."});
}

// Reads a file as Open does; what the reader reports goes to host, as the window shows it.
struct TReader {
    TTestHost host;
    TPuzzle puzzle;
    bool Open(const QByteArray& bytes) {
        host.Messages.clear();
        const TReadResult<TPuzzle> read = ReadPuzzleBytes(bytes, QStringLiteral("t.ws"));
        ShowReport(host, read.Report);
        if (read.Value) puzzle = *read.Value;
        return read.Value.has_value();
    }
};

}  // namespace

// Protects: a file whose sections end early or contradict each other is refused with one
// message naming what is wrong, never opened with parts missing; a complete file opens
// without a word.
TEST(DamagedPuzzleFiles, StructureProblemsAreNamed) {
    TReader r;
    ASSERT_TRUE(r.Open(Complete()));
    EXPECT_TRUE(r.host.Messages.empty()) << r.host.Texts().join(u'\n').toStdString();
    EXPECT_EQ(r.puzzle.TitleLines, QStringList{QStringLiteral("Zoo")});

    QByteArray noEnd = Complete();
    noEnd.chop(6);
    QByteArray reversed = Complete();
    reversed.replace("TITLE:\r\n\tZoo\r\nEND TITLE", "END TITLE\r\n\tZoo\r\nTITLE:");
    QByteArray endless = Complete();
    endless.replace("END REQUESTED WORD LIST\r\n", "");
    QByteArray headless = Complete();
    headless.replace("WORD PLACEMENT:\r\n", "");
    const std::pair<QByteArray, const char*> cases[] = {
        {noEnd, "its last line \"END.\" is missing"},
        {reversed, "the title section ends before it begins"},
        {endless, "the word list section has no end"},
        {headless, "the word placement section has an end but no beginning"},
    };
    for (const auto& [bytes, named] : cases) {
        EXPECT_FALSE(r.Open(bytes)) << named;
        ASSERT_EQ(r.host.Messages.size(), 1u) << named;
        EXPECT_EQ(r.host.Messages[0].Kind, MessageKind::Error);
        EXPECT_TRUE(r.host.Texts()[0].startsWith(u"File t.ws is damaged and was not opened: ")) << named;
        EXPECT_TRUE(r.host.Texts()[0].contains(QLatin1String(named))) << r.host.Texts()[0].toStdString();
    }
}

// Protects: a cut at any byte of a complete file never opens silently: either the reader
// refuses it or it is the whole file.
TEST(DamagedPuzzleFiles, EveryCutIsRefused) {
    TReader r;
    const QByteArray full = Complete();
    for (qsizetype n = 1; n < full.size() - 2; ++n) {
        EXPECT_FALSE(r.Open(full.left(n))) << "cut at " << n;
        EXPECT_FALSE(r.host.Messages.empty()) << "cut at " << n;
    }
}

// Protects: font sizes, margin, colours, choices and sizes from a file are held to what the
// program accepts (the appearance dialog's limits); each correction is reported with the
// reader's rejected lines. The sizes that hung printing and the exports are among them.
TEST(DamagedPuzzleFiles, ValuesOutOfRangeAreCorrected) {
    struct Case {
        const char* Line;
        int TPageFormat::*Field;
        int Expected;
    };
    const Case cases[] = {
        {"TitleFontSize=3000", &TPageFormat::TitleFontSize, 144},
        {"GridFontSize=32000", &TPageFormat::GridFontSize, 96},
        {"GridFontSize=-2147483648", &TPageFormat::GridFontSize, 4},
        {"CreditsFontSize=0", &TPageFormat::CreditsFontSize, 3},
        {"WordlistFontSize=37", &TPageFormat::WordlistFontSize, 36},
        {"BorderIndex=8", &TPageFormat::BorderIndex, 7},
        {"GridHPosition=-1", &TPageFormat::GridHPosition, 0},
        {"SolutionStyle=99", &TPageFormat::SolutionStyle, 2},
        {"RequestedClueColumns=10", &TPageFormat::RequestedClueColumns, 9},
        {"ClueAlignment=3", &TPageFormat::ClueAlignment, 2},
        {"ClueTextFontSize=1000", &TPageFormat::ClueTextFontSize, 36},
    };
    TReader r;
    for (const Case& c : cases) {
        ASSERT_TRUE(r.Open(Complete(QByteArray(c.Line) + "\r\n"))) << c.Line;
        EXPECT_EQ(r.puzzle.Format.*c.Field, c.Expected) << c.Line;
        ASSERT_EQ(r.host.Messages.size(), 1u) << c.Line;
        EXPECT_EQ(r.host.Messages[0].Kind, MessageKind::Warning);
        EXPECT_TRUE(r.host.Texts()[0].contains(QLatin1String(c.Line))) << r.host.Texts()[0].toStdString();
    }
    // Values inside the limits pass without a word.
    ASSERT_TRUE(r.Open(Complete("TitleFontSize=144\r\nGridFontSize=4\r\nMarginWidth=2.000\r\nSolutionColor=255\r\n")));
    EXPECT_TRUE(r.host.Messages.empty()) << r.host.Texts().join(u'\n').toStdString();
    EXPECT_EQ(r.puzzle.Format.SolutionColor, 255);

    ASSERT_TRUE(r.Open(Complete("MarginWidth=100\r\nSolutionColor=16777216\r\nRequestedColumns=5000\r\n")));
    EXPECT_EQ(r.puzzle.Format.MarginWidth, 2.0);
    EXPECT_EQ(r.puzzle.Format.SolutionColor, NoColor);
    EXPECT_EQ(r.puzzle.RequestedColumns, MaxGridSize);
    EXPECT_TRUE(r.host.Texts().value(0).contains(u"3 value(s) outside")) << r.host.Texts().join(u'\n').toStdString();
}

// Protects: a font name from a file is a name only: control characters go and an endless
// one is cut, reported as a correction.
TEST(DamagedPuzzleFiles, FontNamesAreNamesOnly) {
    TReader r;
    ASSERT_TRUE(r.Open(Complete("TitleFont=Ari\x01\x1b" "al\r\nGridFont=" + QByteArray(500, 'x') + "\r\n")));
    EXPECT_EQ(r.puzzle.Format.TitleFont, QStringLiteral("Arial"));
    EXPECT_EQ(r.puzzle.Format.GridFont.size(), 64);
    EXPECT_TRUE(r.host.Texts().value(0).contains(u"2 value(s) outside")) << r.host.Texts().join(u'\n').toStdString();
}

// Protects: placements are checked against the grid: a placed word whose letters run off
// the grid (or lie outside it) stays in the list but unplaced, counted with the rejected
// lines.
TEST(DamagedPuzzleFiles, PlacementsAreCheckedAgainstTheGrid) {
    TReader r;
    ASSERT_TRUE(r.Open(Complete({}, Lines({"\t1 X=2 Y=1 D=3 <> \"dog\"", "\t1 X=3 Y=3 D=4 <> \"emu\"",
                                           "\t1 X=1 Y=3 D=2 <> \"cot\"", "\t1 X=1 Y=1 D=0 <> \"yak\""}))));
    const TWordSearch& p = r.puzzle.Grid();
    ASSERT_EQ(r.puzzle.Words().WordCount, 5);
    EXPECT_TRUE(p.Placements[1].Placed);
    EXPECT_FALSE(p.Placements[2].Placed);  // D O G from column 2 runs one past the edge
    EXPECT_FALSE(p.Placements[3].Placed);  // south-east from the last cell
    EXPECT_TRUE(p.Placements[4].Placed);   // north-east from the bottom left fits
    EXPECT_FALSE(p.Placements[5].Placed);  // no direction
    EXPECT_EQ(r.host.Texts(), QStringList{RejectedLinesMessage(QStringLiteral("t.ws"), 3)});
}

// Protects: control characters, zero-width characters and unpaired surrogates never become
// letters: the reader's word list and placements are cleaned and the lines counted.
TEST(TextIsText, ReaderCleansWords) {
    TReader r;
    QByteArray file = Complete();
    file.replace("\tdog\r\n", "\td\x01o\x7fg\r\n");
    ASSERT_TRUE(r.Open("\xEF\xBB\xBF" + file.replace("\"cat\"", "\"c\xE2\x80\x8B" "at\"")));
    EXPECT_EQ(r.puzzle.WordLines, (QStringList{QStringLiteral("cat"), QStringLiteral("dog")}));
    EXPECT_EQ(r.puzzle.Words().WordList[1].GridWord, u"CAT");
    EXPECT_EQ(r.host.Texts(), QStringList{RejectedLinesMessage(QStringLiteral("t.ws"), 2)});
}

// Protects: the cleaning itself: each kind of non-text goes, tabs, letters of every script
// and whole surrogate pairs stay.
TEST(TextIsText, CleanTextKeepsOnlyText) {
    const std::pair<QString, QString> cases[] = {
        {Q(u"a\u0000b\u001bc\u007f\u0085d"sv), QStringLiteral("abcd")},
        {Q(u"z\u200bw\u200dj\u2060\ufeff\u202e\u2066"sv), QStringLiteral("zwj")},
        {Q(u"\xd83d\xde00|\xd83d|\xde00|\ufffe"sv), Q(u"\xd83d\xde00|||"sv)},
        {Q(u"\u03b1\u05d0\t\u4e2d"sv), Q(u"\u03b1\u05d0\t\u4e2d"sv)},
    };
    for (const auto& [dirty, clean] : cases) {
        int removed = -1;
        EXPECT_EQ(CleanText(dirty, &removed), clean);
        EXPECT_EQ(removed, dirty.size() - clean.size());
    }
}

// Protects: a word list in UTF-16 without a byte-order mark is read as UTF-16, not as
// UTF-8 full of zero bytes; text that only looks similar stays UTF-8 or Windows-1252.
TEST(TextIsText, Utf16WithoutAMarkIsRecognised) {
    const QString words = QStringLiteral("cat\r\ndog\r\ncaf\u00e9\r\n");
    QByteArray le(reinterpret_cast<const char*>(words.utf16()), words.size() * 2);
    QByteArray be = le;
    for (qsizetype i = 0; i + 1 < be.size(); i += 2) std::swap(be[i], be[i + 1]);
    EXPECT_EQ(DetectWordListEncoding(le), TextEncoding::Utf16LE);
    EXPECT_EQ(DetectWordListEncoding(be), TextEncoding::Utf16BE);
    EXPECT_EQ(DecodeWordListText(le), words);
    EXPECT_EQ(DecodeWordListText(be), words);
    EXPECT_EQ(DetectWordListEncoding("plain ascii"), TextEncoding::Utf8);
    EXPECT_EQ(DetectWordListEncoding(QByteArray("abc\0defgh", 9)), TextEncoding::Utf8);
    EXPECT_EQ(DetectWordListEncoding("caf\xe9"), TextEncoding::Windows1252);
}

// Protects: import cleans what is not text out of each line and says so once; it stops
// reading at the line limit however many lines follow.
TEST(TextIsText, ImportCleansAndStopsAtTheLimit) {
    TReport report;
    QStringList memo;
    QString text;
    for (int i = 0; i < 100000; ++i) text += QStringLiteral("w%1\u200b\n").arg(i);
    ImportWordListText(text, WordListFileKind::PlainText, {}, memo, [] { return true; }, report);
    EXPECT_EQ(memo.size(), WordListLimitLines);
    EXPECT_EQ(memo.first(), QStringLiteral("w0"));
    ASSERT_FALSE(report.IsEmpty());
    EXPECT_EQ(report.Lines.back().Text, CleanedLinesMessage(WordListLimitLines));
    EXPECT_TRUE(std::any_of(report.Lines.begin(), report.Lines.end(),
                            [](const TReportLine& line) { return line.Text == LineLimitMessage(); }));
}

// Protects: random damage to a complete file never crashes the reader, and whatever it
// accepts saves and reads back to the same bytes.
TEST(DamagedPuzzleFiles, RandomDamageNeverCrashes) {
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    TReader r;
    const QByteArray full = Complete("TitleFontSize=36\r\n");
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = full;
        const int edits = 1 + int(random() % 6);
        for (int k = 0; k < edits; ++k) {
            const qsizetype at = qsizetype(random() % std::uint32_t(bytes.size()));
            switch (random() % 3) {
                case 0: bytes[at] = char(random()); break;
                case 1: bytes.remove(at, 1 + qsizetype(random() % 40)); break;
                default: bytes.insert(at, bytes.mid(qsizetype(random() % std::uint32_t(bytes.size())), 30)); break;
            }
        }
        if (!r.Open(bytes)) continue;
        QStringList once;
        FormatPuzzleFile(r.puzzle, once);
        TReader again;
        ASSERT_TRUE(again.Open(PuzzleFileBytes(once))) << "seed " << seed << " round " << round;
        QStringList twice;
        FormatPuzzleFile(again.puzzle, twice);
        EXPECT_EQ(once, twice) << "seed " << seed << " round " << round;
    }
}
