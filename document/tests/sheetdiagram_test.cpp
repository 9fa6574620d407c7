// The print page's sheet diagram: the unique-puzzle palette and one box per printed sheet
// in its form's colour.
#include <gtest/gtest.h>

#include <set>

#include <QImage>
#include <QPainter>

#include "sheetdiagram.h"
#include "wordsearch.h"

namespace vorlix::test {
namespace {

using Sol = TSolutionChoice;

// Seed 123 and 640 swaps give the same palette every time, each level combination once,
// and leave the generator 1280 draws past 123 for the puzzles that follow.
TEST(SheetDiagram, UniquePaletteIsFixed) {
    TSilentMessageHost host;
    TEngineState engine(host);
    engine.SetSeed(99);
    const auto first = UniquePalette(engine);
    const std::uint32_t after = engine.Generator.Seed;
    engine.SetSeed(4242);
    EXPECT_EQ(UniquePalette(engine), first);

    TRandom reference{UniquePaletteSeed};
    for (int n = 0; n < 2 * UniquePaletteSwaps; ++n) reference.Random(63);
    EXPECT_EQ(after, reference.Seed);

    std::set<QRgb> distinct;
    const std::set<int> levels = {255, 223, 191, 59};
    for (const QColor& c : first) {
        EXPECT_TRUE(levels.count(c.red()) && levels.count(c.green()) && levels.count(c.blue()));
        distinct.insert(c.rgb());
    }
    EXPECT_EQ(distinct.size(), 64u);

    // Painting an all-unique diagram makes the palette afresh, reseeding as above.
    QImage image(200, 60, QImage::Format_RGB32);
    QPainter painter(&image);
    engine.SetSeed(7);
    PaintSheetDiagram(painter, image.size(), {3, 0, true, Sol::Print_OneSolutionRB}, engine);
    EXPECT_EQ(engine.Generator.Seed, after);
}

// Each row holds one box per sheet the run prints, painted in its form's colour, beside the
// navy headings.
TEST(SheetDiagram, BoxesFollowThePlan) {
    TSilentMessageHost host;
    TEngineState engine(host);
    const auto palette = UniquePalette(engine);
    const QColor W = VariationColors[0], L = VariationColors[1], Y = VariationColors[2];
    const auto P = [&palette](int k) { return palette[static_cast<std::size_t>(k)]; };
    struct Case {
        TPrintOptions options;
        std::vector<QColor> puzzles, solutions;
    };
    const std::vector<Case> cases = {
        {{5, 2, false, Sol::Print_OneSolutionRB}, {L, W, L, W, L}, {W, L}},
        {{3, 1, false, Sol::Print_ManySolutionsRB}, {W, W, W}, {W, W, W}},
        {{4, 3, false, Sol::Print_NoSolutionsRB}, {L, Y, W, L}, {}},
        {{4, 0, true, Sol::Print_OneSolutionRB}, {P(1), P(2), P(3), P(0)}, {P(1), P(2), P(3), P(0)}},
    };
    for (const Case& c : cases) {
        QImage image(320, 90, QImage::Format_RGB32);
        QPainter painter(&image);
        PaintSheetDiagram(painter, image.size(), c.options, engine);
        painter.end();
        const TSheetDiagram d = ArrangeSheetDiagram(image.size(), c.options, &palette);
        std::vector<QColor> puzzles, solutions;
        for (const TDiagramSheet& s : d.Sheets) {
            (s.Kind == TSheetKind::Puzzle ? puzzles : solutions).push_back(s.Color);
            EXPECT_EQ(QColor(image.pixel(s.Box.center())), s.Color);
            const QRect heading = s.Kind == TSheetKind::Puzzle ? d.PuzzlesHeading : d.SolutionsHeading;
            EXPECT_GE(s.Box.top(), heading.top());
            EXPECT_GT(s.Box.left(), heading.right());
        }
        EXPECT_EQ(puzzles, c.puzzles);
        EXPECT_EQ(solutions, c.solutions);
        for (const QRect& heading : {d.PuzzlesHeading, d.SolutionsHeading}) {
            bool navy = false;
            for (int y = heading.top(); y <= heading.bottom(); ++y)
                for (int x = heading.left(); x <= heading.right(); ++x)
                    navy |= QColor(image.pixel(x, y)) == DiagramHeadingColor;
            EXPECT_TRUE(navy);
        }
    }
}

// Many sheets wrap onto further lines inside the diagram without overlapping.
TEST(SheetDiagram, ManySheetsStayInside) {
    for (int q : {10, 100, 300}) {
        const TSheetDiagram d = ArrangeSheetDiagram({300, 100}, {q, 4, false, Sol::Print_ManySolutionsRB});
        ASSERT_EQ(d.Sheets.size(), static_cast<std::size_t>(2 * q));
        for (std::size_t i = 0; i < d.Sheets.size(); ++i) {
            EXPECT_TRUE(QRect(0, 0, 300, 100).contains(d.Sheets[i].Box)) << q << " sheet " << i;
            if (i > 0) {
                EXPECT_FALSE(d.Sheets[i].Box.intersects(d.Sheets[i - 1].Box));
            }
        }
    }
}

}  // namespace
}  // namespace vorlix::test
