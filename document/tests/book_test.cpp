// Books: page geometry per trim and bleed, the gutter by page count, the order and labels of
// puzzles and answers, pooled words, the least text size, the paper check and safe output.
#include <gtest/gtest.h>

#include <set>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include "book.h"
#include "bookcheck.h"
#include "booksource.h"
#include "failingdevice.h"
#include "testpuzzle.h"

namespace vorlix::test {
namespace {

TPuzzle BuiltPuzzle(const QStringList& words, const QString& title, std::uint32_t seed, const QString& hidden = {}) {
    TPreferences prefs;
    TPuzzle p = NewPuzzle(prefs);
    p.Type = {!hidden.isEmpty(), false};
    p.HiddenMessageLines = hidden.isEmpty() ? QStringList() : QStringList{hidden};
    p.InstructionLines = AutomaticInstructions(p.Type, p.Directions);
    p.TitleLines = {title};
    p.WordLines = words;
    TPuzzleBuilder builder;
    builder.SetSeed(seed);
    p.Built = builder.Build(p);
    return p;
}

std::vector<TPuzzle> FivePuzzles() {
    std::vector<TPuzzle> v;
    v.push_back(BuiltPuzzle({"cat", "dog", "emu", "owl", "yak"}, "Pets", 1));
    v.push_back(BuiltPuzzle({"red", "blue", "green", "pink"}, "Colours", 2, "HI THERE"));
    v.push_back(BuiltPuzzle(AnimalWords.mid(0, 12), "Zoo", 3));
    v.push_back(BuiltPuzzle({"sun", "moon", "star", "mars"}, "Sky", 4));
    v.push_back(BuiltPuzzle({"oak", "elm", "ash", "fir", "yew"}, "Trees", 5));
    return v;
}

// Every page drawn onto a bitmap, with what it wrote.
std::vector<TPageInk> InkOf(const TBook& book) {
    std::vector<TPageInk> ink(static_cast<std::size_t>(book.PageCount()));
    for (int page = 1; page <= book.PageCount(); ++page) RenderBookPage(book, page, 30, &ink[static_cast<std::size_t>(page - 1)]);
    return ink;
}

// Protects: the page is the trim plus the bleed on the outside, top and bottom only; the
// gutter is on the binding side of each page; no margin is under the least.
TEST(BookGeometry, TrimsAndBleed) {
    for (const TTrim& trim : Trims) {
        for (const bool bleed : {false, true}) {
            SCOPED_TRACE(std::string(trim.Name) + (bleed ? " bleed" : ""));
            TBookOptions o;
            o.Trim = QString::fromLatin1(trim.Name.data(), trim.Name.size());
            o.Bleed = bleed;
            TBook book({BuiltPuzzle({"cat", "dog"}, "T", 1)}, o);
            TReport report;
            ASSERT_TRUE(book.LayOut(report));
            const double b = bleed ? BleedInches : 0.0;
            EXPECT_DOUBLE_EQ(book.PageWidth(), trim.Width + b);
            EXPECT_DOUBLE_EQ(book.PageHeight(), trim.Height + 2 * b);
            const TPageGeometry right = book.Geometry(1);
            const TPageGeometry left = book.Geometry(2);
            EXPECT_TRUE(right.RightHand);
            EXPECT_FALSE(left.RightHand);
            EXPECT_DOUBLE_EQ(right.Trim.Left, 0.0);  // the bleed lies outside: right of a right-hand page
            EXPECT_DOUBLE_EQ(left.Trim.Left, b);
            EXPECT_DOUBLE_EQ(right.Trim.Top, b);
            EXPECT_DOUBLE_EQ(right.Trim.Width(), trim.Width);
            EXPECT_DOUBLE_EQ(right.Safe.Left - right.Trim.Left, book.Gutter());
            EXPECT_DOUBLE_EQ(left.Trim.Right - left.Safe.Right, book.Gutter());
            for (const TPageGeometry& g : {right, left}) {
                EXPECT_GE(g.Safe.Top - g.Page.Top, MinEdgeMargin + b - 1e-9);
                EXPECT_GE(g.Page.Bottom - g.Safe.Bottom, MinEdgeMargin + b - 1e-9);
                EXPECT_GE(g.Live.Left, g.Safe.Left);
                EXPECT_LE(g.Live.Right, g.Safe.Right);
            }
            EXPECT_GE(right.Page.Right - right.Safe.Right, MinEdgeMargin + b - 1e-9);
            EXPECT_GE(left.Safe.Left, MinEdgeMargin + b - 1e-9);
        }
    }
    EXPECT_EQ(FindTrim(" a4 ")->Name, "A4");
    EXPECT_EQ(FindTrim("5x8"), nullptr);
}

// Protects: the inside margin print services ask for at each page-count step, and a book
// that grows past 150 pages gets the wider gutter.
TEST(BookGeometry, GutterByPageCount) {
    const std::pair<int, double> steps[] = {{24, 0.375}, {150, 0.375}, {151, 0.5},   {300, 0.5}, {301, 0.625},
                                            {500, 0.625}, {501, 0.75},  {700, 0.75}, {701, 0.875}, {900, 0.875}};
    for (const auto& [pages, gutter] : steps) EXPECT_DOUBLE_EQ(GutterFor(pages), gutter) << pages;

    const TPuzzle one = BuiltPuzzle({"cat", "dog", "emu"}, "Same", 9);
    TBookOptions o;
    o.AnswersPerPage = 9;
    TBook small(std::vector<TPuzzle>(20, one), o);
    TBook big(std::vector<TPuzzle>(150, one), o);
    TReport report;
    ASSERT_TRUE(small.LayOut(report) && big.LayOut(report));
    EXPECT_DOUBLE_EQ(small.Gutter(), 0.375);
    EXPECT_GT(big.PageCount(), 150);
    EXPECT_DOUBLE_EQ(big.Gutter(), 0.5);
}

// Protects: title, copyright, contents, one page per puzzle headed "Puzzle N" with its title,
// solutions on a right-hand page labelled with each puzzle's page, the hidden message
// under its answer, page numbers after the title page, and an even page count.
TEST(BookPlan, OrderAndLabels) {
    TBookOptions o;
    o.Title = QStringLiteral("Fun Book");
    o.Author = QStringLiteral("Ada");
    o.AnswersPerPage = 2;
    TBook book(FivePuzzles(), o);
    TReport report;
    ASSERT_TRUE(book.LayOut(report));
    using K = TBookPageKind;
    std::vector<K> kinds;
    for (const TBookPage& p : book.Pages()) kinds.push_back(p.Kind);
    const std::vector<K> expected = {K::Title,  K::Copyright, K::Contents, K::Puzzle, K::Puzzle, K::Puzzle,
                                     K::Puzzle, K::Puzzle,    K::Answers, K::Answers, K::Answers, K::Blank};
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(book.SolutionsPage() % 2, 1);
    EXPECT_EQ(book.PageCount() % 2, 0);

    const std::vector<TPageInk> ink = InkOf(book);
    EXPECT_TRUE(ink[0].Texts.contains("Fun Book"));
    EXPECT_TRUE(ink[1].Texts.join(' ').contains("Ada"));
    for (int i = 0; i < 5; ++i) {
        const int page = book.PuzzlePage(i);
        EXPECT_EQ(page, 4 + i);
        const QStringList& t = ink[static_cast<std::size_t>(page - 1)].Texts;
        EXPECT_EQ(t.value(0), QStringLiteral("Puzzle %1").arg(i + 1));
        EXPECT_TRUE(t.contains(book.PuzzleTitle(i)));
        EXPECT_EQ(t.last(), QString::number(page));  // the page number closes every page
        EXPECT_TRUE(ink[2].Texts.contains(QString::number(page)));  // and the contents name it
    }
    QStringList answers;
    for (int page = book.SolutionsPage(); page < book.PageCount(); ++page) {
        EXPECT_EQ(ink[static_cast<std::size_t>(page - 1)].Texts.value(0), "Solutions");
        answers += ink[static_cast<std::size_t>(page - 1)].Texts;
    }
    QStringList labels = answers.filter(QStringLiteral("(page "));
    EXPECT_EQ(labels, (QStringList{"Puzzle 1 (page 4)", "Puzzle 2 (page 5)", "Puzzle 3 (page 6)", "Puzzle 4 (page 7)",
                                   "Puzzle 5 (page 8)"}));
    const qsizetype at = answers.indexOf("Puzzle 2 (page 5)");
    EXPECT_EQ(answers.filter("Hidden message").size(), 1);
    EXPECT_GT(answers.indexOf("Hidden message: HI THERE"), at);
    EXPECT_LT(answers.indexOf("Hidden message: HI THERE"), answers.indexOf("Puzzle 3 (page 6)"));
    EXPECT_EQ(ink[11].Texts, QStringList{"12"});  // the blank page has only its number
}

// Protects: no entry is dealt twice (in any case), each puzzle gets its share, a small
// pool is refused with the numbers, and the seed repeats the deal.
TEST(BookPool, DistinctWords) {
    const QStringList entries = PoolEntries("ant, bee\nBEE\ncat/a pet\n\nelk, fox, gnu\nhen\nibis\njay\nkoi\nlynx\n");
    EXPECT_EQ(entries, (QStringList{"ant", "bee", "cat/a pet", "elk", "fox", "gnu", "hen", "ibis", "jay", "koi", "lynx"}));
    QStringList big;
    for (int i = 0; i < 400; ++i) big << QStringLiteral("word%1").arg(i);
    const std::uint32_t seed = static_cast<std::uint32_t>(time(nullptr));
    SCOPED_TRACE("seed " + std::to_string(seed));
    TReport report;
    const auto dealt = DealPool(big, 25, 15, seed, report);
    ASSERT_TRUE(dealt.has_value());
    std::set<QString> seen;
    for (const QStringList& puzzle : *dealt) {
        EXPECT_EQ(puzzle.size(), 15);
        for (const QString& w : puzzle) EXPECT_TRUE(seen.insert(w).second) << w.toStdString();
    }
    EXPECT_EQ(*DealPool(big, 25, 15, seed, report), *dealt);
    EXPECT_TRUE(report.IsEmpty());
    EXPECT_FALSE(DealPool(entries, 2, 6, seed, report).has_value());
    ASSERT_EQ(report.Lines.size(), 1u);
    EXPECT_EQ(report.Lines[0].Text, "The list has 11 different words; 2 puzzles of 6 words need 12.");
}

// Protects: a word list becomes a Tight puzzle titled after its file (or untitled), a puzzle
// file is used as saved, and a file that is missing, empty or holds no built grid is refused
// with a message; the built book puzzles hold every word.
TEST(BookPool, ReadingAndBuilding) {
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return f.fileName();
    };
    TPreferences prefs;
    const TPuzzle defaults = NewPuzzle(prefs);
    TReport report;
    const auto list = ReadBookItem(write("Big Cats.txt", "lion\ntiger\npuma\nlynx\njaguar\nocelot\n"), defaults, true, report);
    ASSERT_TRUE(list.has_value());
    EXPECT_TRUE(list->NeedsBuild);
    EXPECT_EQ(list->Puzzle.PackMode, TPackMode::Tight);
    EXPECT_EQ(list->Puzzle.TitleLines, QStringList{"Big Cats"});
    EXPECT_TRUE(ReadBookItem(dir.filePath("Big Cats.txt"), defaults, false, report)->Puzzle.TitleLines.isEmpty());
    for (const QString& bad : {dir.filePath("none.txt"), write("empty.txt", "\n\n"), write("blank.ws", "")}) {
        TReport why;
        EXPECT_FALSE(ReadBookItem(bad, defaults, true, why).has_value()) << bad.toStdString();
        EXPECT_FALSE(why.IsEmpty()) << bad.toStdString();
    }
    TPuzzleBuilder builder;
    builder.SetSeed(4);
    const auto built = BuildBookPuzzles({*list, SavedItem(BuiltPuzzle({"cat", "dog"}, "Pets", 2), "pets.ws")}, builder, report);
    ASSERT_TRUE(built.has_value());
    EXPECT_EQ((*built)[0].Grid().PlacedWordCount(), 6);
    EXPECT_EQ((*built)[1].TitleLines, QStringList{"Pets"});
    EXPECT_FALSE(BuildBookPuzzles({*list}, builder, report, [](int, int) { return false; }).has_value());

    // A long list in large print on a small trim: the grid is built smaller until it fits,
    // and the words left out are named.
    QStringList many;
    TRandom random{11};
    for (int w = 0; w < 40; ++w) {
        QString word;
        for (int c = 0; c < 9; ++c) word += QChar(u'a' + random.Random(26));
        many << word;
    }
    TBookOptions large;
    large.Trim = "6x9";
    large.LargePrint = true;
    TReport told;
    const auto book = MakeBook({WordListItem(many, "Many", defaults)}, large, builder, told);
    ASSERT_NE(book, nullptr);
    EXPECT_TRUE(book->Unfitted().empty());
    EXPECT_TRUE(told.Lines.back().Text.contains("did not fit the page's grid")) << told.Lines.back().Text.toStdString();
}

// Protects: every text on every page, answer keys included, is at least 16 pt in large
// print and 7 pt otherwise, even when more answers per page are asked than fit.
TEST(BookPrint, LeastTextSize) {
    for (const bool large : {false, true}) {
        for (const char* trim : {"6x9", "8.5x11"}) {
            SCOPED_TRACE(std::string(trim) + (large ? " large" : ""));
            TBookOptions o;
            o.Trim = trim;
            o.LargePrint = large;
            o.AnswersPerPage = 9;
            TBook book(FivePuzzles(), o);
            TReport report;
            ASSERT_TRUE(book.LayOut(report));
            if (large || o.Trim == "6x9") {
                EXPECT_LT(book.AnswersPerPage(), 9);
            }
            const std::vector<TPageInk> ink = InkOf(book);
            for (std::size_t p = 0; p < ink.size(); ++p)
                if (ink[p].SmallestText > 0) {
                    EXPECT_GE(ink[p].SmallestText, large ? 16 : 7) << "page " << p + 1;
                }
        }
    }
}

// Protects: the paper check passes a good book and names, page by page, ink in a margin,
// text under the least size, a font not embedded, a wrong page size and an odd count.
TEST(BookCheck, CatchesBadPages) {
    TBookOptions o;
    o.Trim = "6x9";
    o.Bleed = true;
    TBook book(FivePuzzles(), o);
    TReport report;
    ASSERT_TRUE(book.LayOut(report));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteBookPdf(book, buffer).Ok);
    const QByteArray pdf = buffer.data();
    const TPaperCheck good = CheckPaper(PagesOf(book), pdf);
    EXPECT_TRUE(good.Passed()) << good.Lines().join('\n').toStdString();
    EXPECT_FALSE(good.Fonts.isEmpty());

    TCheckedPages bad = PagesOf(book);
    bad.Draw = [&book](TAsCanvas& canvas, int page) {
        book.DrawPage(canvas, page);
        if (page == 3) {  // a line into the outside margin
            canvas.MoveTo(1.0, 4.0);
            canvas.LineTo(book.PageWidth() - 0.05, 4.0);
        }
        if (page == 4) {
            canvas.Font.Size = 5;
            canvas.TextOut(2.0, 4.0, "tiny");
        }
    };
    QByteArray broken = pdf;
    broken.replace("/MediaBox [0 0 441", "/MediaBox [0 0 450");  // every page too wide
    broken += "\n99 0 obj\n<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>\nendobj\n";
    bad.Count = book.PageCount() - 1;
    const TPaperCheck check = CheckPaper(bad, broken);
    EXPECT_FALSE(check.Passed());
    const QString all = check.Lines().join('\n');
    EXPECT_TRUE(all.contains("Page 3: ink outside the margins (right).")) << all.toStdString();
    EXPECT_TRUE(all.contains("Page 4: text at 5 pt, under the least 7 pt.")) << all.toStdString();
    EXPECT_TRUE(all.contains("Book: the font Helvetica is not embedded.")) << all.toStdString();
    EXPECT_TRUE(all.contains("Page 1: the page is 6.250 x 9.250 in; the trim with its bleed is 6.125 x 9.250 in."))
        << all.toStdString();
    EXPECT_TRUE(all.contains("is odd")) << all.toStdString();
    EXPECT_FALSE(all.contains("Page 2: ink")) << all.toStdString();
}

// Protects: a device that fails, a cancel or a missing folder leaves the earlier file as
// it was and no temporary beside it.
TEST(BookOutput, FailureKeepsOldFile) {
    TBook book(FivePuzzles(), TBookOptions{});
    TReport report;
    ASSERT_TRUE(book.LayOut(report));
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    TFailingDevice full(sink, 1000);
    const TBookPdfResult failed = WriteBookPdf(book, full);
    EXPECT_FALSE(failed.Ok);
    EXPECT_FALSE(failed.Error.isEmpty());

    QTemporaryDir dir;
    const QString file = dir.filePath("book.pdf");
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    const TBookPdfResult cancelled = SaveBookPdf(book, file, nullptr, [](int page, int) { return page < 3; });
    EXPECT_TRUE(cancelled.Cancelled);
    EXPECT_FALSE(SaveBookPdf(book, dir.filePath("missing/book.pdf")).Ok);
    EXPECT_EQ(ReadAll(file), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"book.pdf"});
    QByteArray bytes;
    ASSERT_TRUE(SaveBookPdf(book, file, &bytes).Ok);
    EXPECT_EQ(ReadAll(file), bytes);
    EXPECT_EQ(ReadPdfFacts(bytes).PageSizes.size(), static_cast<std::size_t>(book.PageCount()));
}

}  // namespace
}  // namespace vorlix::test
