// Page layout: margins, the printable cut, element stacking, grid size and the crowded warning;
// word-list columns, rows and shrinking.
#include <gtest/gtest.h>

#include "testpuzzle.h"

namespace vorlix::test {
namespace {

PrinterPageMetrics PrintableFrom(double offset) {
    PrinterPageMetrics m;
    m.PrintableOffsetX = m.PrintableOffsetY = offset;
    m.PrintableWidth = 8.5 - 2 * offset;
    m.PrintableHeight = 11.0 - 2 * offset;
    return m;
}

void ExpectRect(const TInchRect& r, const TInchRect& want) {
    for (auto side : {&TInchRect::Left, &TInchRect::Top, &TInchRect::Right, &TInchRect::Bottom})
        EXPECT_NEAR(r.*side, want.*side, 1e-9);
}

// The frame lies 60% of the margin outside the content and is pulled onto the printable
// area with 0.001 to spare, content and all.
TEST(LayOutFrame, FollowsPrintableArea) {
    struct Case {
        int border;
        double offset;
        TInchRect frame, content;
    };
    const Case cases[] = {
        {1, 0.3, {0.301, 0.301, 8.199, 10.699}, {0.451, 0.451, 8.049, 10.549}},  // moved by 0.201
        {0, 0.2, {0.25, 0.25, 8.25, 10.75}, {0.25, 0.25, 8.25, 10.75}},  // no frame: frame = content
        {3, 0.05, {0.1, 0.1, 8.4, 10.9}, {0.25, 0.25, 8.25, 10.75}},    // fits: nothing moves
    };
    for (const Case& c : cases) {
        TTestPuzzle t;
        t.puzzle.Format.MarginWidth = 0.25;
        t.puzzle.Format.BorderIndex = c.border;
        t.document.SetPrinterMetrics(PrintableFrom(c.offset));
        t.document.LayOut();
        SCOPED_TRACE(c.border);
        ExpectRect(t.document.FrameRect(), c.frame);
        ExpectRect(t.document.ContentRect(), c.content);
    }
}

// Rows x 1.8 x the font, cut to leave 3 inches for the list; cells smaller than 0.7 of the
// font are crowded (the window warns about them once per built puzzle).
TEST(LayOutGrid, HeightCutAndCrowdedWarning) {
    struct Case {
        int rows, points;
        double height, cell;
        bool warned;
    };
    const Case cases[] = {{15, 14, 5.25, 0.35, false}, {30, 36, 7.5, 0.25, true}, {20, 36, 7.5, 0.375, false}};
    for (const Case& c : cases) {
        TTestPuzzle t;
        t.puzzle.Format.MarginWidth = 0.25;
        t.puzzle.Format.GridFontSize = c.points;
        t.document.SetPrinterMetrics(PrintableFrom(0.25));
        t.SetGridSize(c.rows, c.rows);
        t.document.LayOut();
        SCOPED_TRACE(c.rows);
        const TInchRect g = t.document.GridRect();
        EXPECT_NEAR(g.Top, 0.25, 1e-9) << "nothing above the grid, so no spacing";
        EXPECT_NEAR(g.Height(), c.height, 1e-9);
        EXPECT_NEAR(g.Width(), c.height, 1e-9);
        EXPECT_NEAR(t.document.CellHeight(), c.cell, 1e-9);
        EXPECT_NEAR(t.document.WordListRect().Top, g.Bottom + c.cell + 0.33, 1e-9);
        EXPECT_EQ(t.document.GridCrowded(), c.warned);
    }
}

// Each text block takes its used lines (worksheet x 1.75) plus 0.33.
TEST(LayOutStack, TextBlocksAndSpacing) {
    TTestPuzzle t;
    t.puzzle.Format.MarginWidth = 0.5;
    t.puzzle.WorksheetLeftLines = {"Name", "", "Date", " ", ""};  // blank lines before the last count
    t.puzzle.WorksheetRightLines = {"Class"};
    t.puzzle.TitleLines = {"Title"};
    t.puzzle.InstructionLines = {"one", "two"};
    t.SetGridSize(10, 10);
    t.document.LayOut();
    const double ws = 3 * 12 / 72.0 * 1.75, title = 36 / 72.0, instr = 2 * 12 / 72.0;
    EXPECT_NEAR(t.document.WorksheetRect().Bottom, 0.5 + ws, 1e-9);
    EXPECT_NEAR(t.document.TitleRect().Top, 0.5 + ws + 0.33, 1e-9);
    EXPECT_NEAR(t.document.InstructionsRect().Top, 0.5 + ws + 0.33 + title + 0.33, 1e-9);
    EXPECT_NEAR(t.document.GridRect().Top, t.document.InstructionsRect().Top + instr + 0.33, 1e-9);
}

// ceil(n / columns) rows, filled top to bottom, then left to right: automatic columns by tens
// (11 still one) no more than fit (two of the long words), a request kept.
TEST(WordListArrangement, RowsAndColumns) {
    struct Case {
        int words;
        const char* stem;
        int requested, columns, rows;
    };
    const Case cases[] = {{11, "w", 0, 1, 11}, {12, "w", 0, 2, 6}, {21, "w", 0, 3, 7}, {81, "w", 0, 9, 9},
                          {30, "averyveryverylongwordindeedfor", 0, 2, 15}, {10, "w", 9, 9, 2}};
    for (const Case& c : cases) {
        TTestPuzzle t;
        t.puzzle.Format.RequestedClueColumns = c.requested;
        t.PlacedWordList(c.words, c.stem);
        const TWordListArrangement a = t.document.ArrangeWordList();
        SCOPED_TRACE(c.words);
        EXPECT_EQ(a.Columns, c.columns);
        EXPECT_EQ(a.Rows, c.rows);
        ASSERT_EQ(static_cast<int>(a.Items.size()), c.words);
        EXPECT_EQ(a.Items.back().Column, (c.words - 1) / c.rows + 1);
        EXPECT_EQ(a.Items.back().Row, (c.words - 1) % c.rows + 1);
    }
}

// Protects: automatic columns, one per ten words with 11 still one, at most 9 and at most fit.
TEST(WordListColumns, Boundaries) {
    struct Case {
        int words, requested, fit, columns;
    };
    const Case cases[] = {
        {0, 0, 9, 1},   {10, 0, 9, 1},  {11, 0, 9, 1},   {12, 0, 9, 2},  {20, 0, 9, 2}, {21, 0, 9, 3},
        {90, 0, 20, 9}, {91, 0, 20, 9}, {500, 0, 20, 9}, {21, 0, 2, 2},  {21, 0, 3, 3}, {12, 0, 0, 1},
        {5, 1, 9, 1},   {5, 9, 2, 9},   {25, 10, 9, 3},  {25, -1, 9, 3},  // a request outside 1..9 is automatic
    };
    for (const Case& c : cases)
        EXPECT_EQ(WordListColumns(c.words, c.requested, c.fit), c.columns)
            << c.words << " words, " << c.requested << " requested, " << c.fit << " fit";
}

// Protects: n columns fit when n widths and the n - 1 gaps of 0.2 inch between them do.
TEST(WordListColumns, FitIntoWidth) {
    struct Case {
        double available, widest;
        int columns;
    };
    const Case cases[] = {
        {3.8, 1.8, 2},  {3.79, 1.8, 1}, {5.8, 1.8, 3}, {5.79, 1.8, 2}, {7.8, 1.8, 4},  // exact fits and just short
        {0.5, 2.0, 1},                                                                 // not even one fits: still one
        {1.0, -0.2, 9},                                                                // no width at all
    };
    for (const Case& c : cases)
        EXPECT_EQ(WordListFitColumns(c.available, c.widest), c.columns) << c.available << " / " << c.widest;
}

// A list too long for the page shrinks its font for this layout only, down to 1 point.
TEST(WordListArrangement, Shrinking) {
    TTestPuzzle t;
    t.puzzle.Format.WordlistFontSize = 24;
    t.puzzle.Format.RequestedClueColumns = 1;
    t.PlacedWordList(40, "w");
    TWordListArrangement a = t.document.ArrangeWordList();
    EXPECT_LT(a.FontSize, 24);
    EXPECT_LE(ReferenceTextHeight({t.puzzle.Format.WordlistFont, a.FontSize}), a.LineHeight);
    EXPECT_EQ(t.puzzle.Format.WordlistFontSize, 24);
    t.PlacedWordList(2000, "w");
    EXPECT_EQ(t.document.ArrangeWordList().FontSize, 1);
}

// Protects: the layout alone gives the boxes the picture export crops to; drawing the pages
// on devices of any resolution changes none of them.
TEST(LayOutBoxes, DrawingWritesNothingBack) {
    TTestPuzzle t;
    t.puzzle.TitleLines = {"Animals", "", "of the zoo"};
    t.Build(AnimalWords, 12, 9);
    const TInchRect title = t.document.TitleBox(), list = t.document.WordListBox(), grid = t.document.GridRect();
    ASSERT_TRUE(t.document.HasWordList());
    EXPECT_GT(title.Width(), 0.0);
    EXPECT_EQ(t.document.TitleLines().size(), 3u);  // a blank line between used ones stays
    for (const double resolution : {20.0, 96.0, 300.0}) {
        t.Render(1, resolution);
        t.Render(2, resolution);
        EXPECT_EQ(t.document.TitleBox(), title) << resolution;
        EXPECT_EQ(t.document.WordListBox(), list) << resolution;
        EXPECT_EQ(t.document.GridRect(), grid) << resolution;
    }
}

}  // namespace
}  // namespace vorlix::test
