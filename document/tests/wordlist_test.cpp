// Word-list columns, rows, spacing, shrinking and alignment.
#include <gtest/gtest.h>

#include "testpuzzle.h"

namespace vorlix::test {
namespace {

// Automatic columns go by tens (11 still one), no more than fit; a request 1..9 is kept.
TEST(WordListColumnCount, AutomaticAndRequested) {
    struct Case {
        int words, requested, fit, columns;
    };
    const Case cases[] = {{11, 0, 9, 1}, {12, 0, 9, 2}, {20, 0, 9, 2}, {21, 0, 9, 3}, {31, 0, 9, 4}, {81, 0, 9, 9},
                          {500, 0, 9, 9}, {30, 0, 2, 2}, {30, 9, 2, 9}, {3, 5, 9, 5}, {30, 10, 9, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(WordListColumns(c.words, c.requested, c.fit), c.columns) << c.words << " " << c.requested;
    EXPECT_EQ(WordListFitColumns(6.2, 3.0), 2);  // two columns and one 0.2 gap exactly
    EXPECT_EQ(WordListFitColumns(1.0, 3.0), 1);
}

struct TListCanvas {
    QImage image{850, 1100, QImage::Format_RGB32};
    TAsCanvas canvas{TCanvasKind::Preview, &image, 100, 100};
};

// ceil(n / columns) rows, filled top to bottom, then left to right.
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
        t.model.PageFormat.RequestedClueColumns = c.requested;
        t.PlacedWordList(c.words, c.stem);
        TListCanvas lc;
        const TWordListArrangement a = t.document.ArrangeWordList(lc.canvas);
        SCOPED_TRACE(c.words);
        EXPECT_EQ(a.Columns, c.columns);
        EXPECT_EQ(a.Rows, c.rows);
        ASSERT_EQ(static_cast<int>(a.Items.size()), c.words);
        EXPECT_EQ(a.Items.back().Column, (c.words - 1) / c.rows + 1);
        EXPECT_EQ(a.Items.back().Row, (c.words - 1) % c.rows + 1);
    }
}

// Nine requested columns of long words: block as wide as the list, no gap.
TEST(WordListArrangement, RequestedColumnsSqueezed) {
    TTestPuzzle t;
    t.model.PageFormat.RequestedClueColumns = 9;
    t.PlacedWordList(30, "averyveryverylongword");
    TListCanvas lc;
    const TWordListArrangement a = t.document.ArrangeWordList(lc.canvas);
    EXPECT_LT(a.Fit, 9);
    EXPECT_DOUBLE_EQ(a.Gap, 0.0);
    EXPECT_DOUBLE_EQ(a.ColumnWidth, a.MaxWidth);
    EXPECT_DOUBLE_EQ(a.BlockLeft, t.document.WordListRect().Left);
}

// Narrow words: gap capped at one inch, block centred like the grid, each alignment inside
// its column, and short lists two letter heights apart.
TEST(WordListArrangement, GapCentringAndAlignment) {
    for (int align = 0; align <= 2; ++align) {
        TTestPuzzle t;
        t.model.PageFormat.ClueAlignment = align;
        t.PlacedWordList(12, "w");
        TListCanvas lc;
        const TWordListArrangement a = t.document.ArrangeWordList(lc.canvas);
        const TInchRect r = t.document.WordListRect();
        EXPECT_DOUBLE_EQ(a.Gap, 1.0);
        EXPECT_NEAR(a.BlockLeft + (a.Gap + 2 * a.ColumnWidth) / 2, r.CentreX(), 1e-9);
        EXPECT_NEAR(a.LineHeight, 2 * lc.canvas.TextHeight("X"), 1e-9);
        for (const auto& item : a.Items) {
            const double xj = a.BlockLeft + (item.Column - 1) * (a.ColumnWidth + a.Gap);
            const double slack = a.ColumnWidth - item.Width;
            EXPECT_NEAR(item.X, xj + slack * align / 2.0, 1e-9) << "alignment " << align;
            EXPECT_NEAR(item.Y, r.Top + (item.Row - 1) * a.LineHeight, 1e-9);
        }
    }
}

// A list too long for the page shrinks its font for this drawing only, down to 1 point.
TEST(WordListArrangement, Shrinking) {
    TTestPuzzle t;
    t.model.PageFormat.WordlistFontSize = 24;
    t.model.PageFormat.RequestedClueColumns = 1;
    t.PlacedWordList(40, "w");
    TListCanvas lc;
    TWordListArrangement a = t.document.ArrangeWordList(lc.canvas);
    EXPECT_LT(a.FontSize, 24);
    lc.canvas.Font.Size = a.FontSize;
    EXPECT_LE(lc.canvas.TextHeight("X"), a.LineHeight);
    EXPECT_EQ(t.model.PageFormat.WordlistFontSize, 24);
    t.PlacedWordList(2000, "w");
    EXPECT_EQ(t.document.ArrangeWordList(lc.canvas).FontSize, 1);
}

// The drawn box spans the columns down to the lowest row with a word; no list, no box.
TEST(WordListArrangement, DrawnBox) {
    TTestPuzzle t;
    t.PlacedWordList(13, "w");
    TListCanvas lc;
    t.document.DrawWordList(lc.canvas);
    const TWordListArrangement& a = t.document.LastWordList();
    const TInchRect box = t.document.WordListBox();
    EXPECT_DOUBLE_EQ(box.Right - box.Left, a.Gap + 2 * a.ColumnWidth);
    EXPECT_DOUBLE_EQ(box.Bottom, t.document.WordListRect().Top + 7 * a.LineHeight);
    t.PlacedWordList(0, "w");
    t.document.DrawWordList(lc.canvas);
    EXPECT_EQ(t.document.PictureArea({.WordList = true}, false), EmptyPictureArea);
}

}  // namespace
}  // namespace vorlix::test
