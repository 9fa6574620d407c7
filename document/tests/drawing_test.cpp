// What the pages show: letters centred in their cells, the solution loops and markers; and
// fonts sized by cell height.
#include <gtest/gtest.h>

#include <QFontInfo>

#include <span>

#include "testpuzzle.h"

namespace vorlix::test {
namespace {

constexpr double Res = 200.0;
const QStringList FiveByFive = {"ABCDE", "FGHIJ", "KLMNO", "PQRST", "UVWXY"};

QPoint Px(double x, double y) { return {qRound(x * Res), qRound(y * Res)}; }

bool ColourNear(const QImage& image, QPoint p, QColor c, int tolerance, int radius = 2) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QRgb v = image.pixel(p.x() + dx, p.y() + dy);
            if (std::abs(qRed(v) - c.red()) + std::abs(qGreen(v) - c.green()) + std::abs(qBlue(v) - c.blue()) <=
                tolerance)
                return true;
        }
    return false;
}

// Letters are centred in their cells by their own width and by the height of "X".
TEST(GridDrawing, LettersCentred) {
    TTestPuzzle t;
    t.puzzle.Format.GridFontSize = 24;
    t.HandMade(FiveByFive, {{"GHI", 2, 2, East}});
    const QImage image = t.Render(1, Res);
    const double half = t.document.CellWidth() / 2;
    for (int r = 1; r <= 5; ++r)
        for (int col = 1; col <= 5; ++col) {
            const QChar letter = FiveByFive[r - 1][col - 1];
            if (letter == 'Q') continue;  // its tail hangs below
            const double cx = t.document.CellCentreX(col), cy = t.document.CellCentreY(r);
            QRect ink;
            for (int y = Px(0, cy - half).y(); y < Px(0, cy + half).y(); ++y)
                for (int x = Px(cx - half, 0).x(); x < Px(cx + half, 0).x(); ++x)
                    if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
            EXPECT_NEAR(ink.center().x(), Px(cx, cy).x(), 3.0) << letter.toLatin1();
            EXPECT_NEAR(ink.center().y(), Px(cx, cy).y(), 4.0) << letter.toLatin1();
        }
}

// A loop is a capsule of radius 0.45 hX whose half circles bulge left of S and right of E.
TEST(SolutionDrawing, LoopAroundWord) {
    TTestPuzzle t;
    t.puzzle.Format.GridFontSize = 24;
    t.HandMade(FiveByFive, {{"LMN", 2, 3, East}});
    const QImage image = t.Render(2, Res);
    QImage probeImage(4, 4, QImage::Format_RGB32);
    TAsCanvas probe(TCanvasKind::Preview, &probeImage, Res, Res);
    probe.Font = {"Arial", 24};
    const double r = 0.45 * probe.TextHeight("X"), d = r * 0.7071;
    const double sx = t.document.CellCentreX(2), ex = t.document.CellCentreX(4), y = t.document.CellCentreY(3);
    const QColor blue(0, 0, 255);
    for (QPointF on : {QPointF(sx - r, y), QPointF(ex + r, y), QPointF(sx + 0.1, y - r), QPointF(ex - 0.1, y + r),
                       QPointF(sx - d, y - d), QPointF(ex + d, y + d)})
        EXPECT_TRUE(ColourNear(image, Px(on.x(), on.y()), blue, 200)) << on.x() << "," << on.y();
    for (QPointF off : {QPointF(sx - r - 0.05, y), QPointF(sx + 0.1, y - r - 0.05), QPointF(sx + d, y + d),
                        QPointF(ex - d, y - d)})
        EXPECT_FALSE(ColourNear(image, Px(off.x(), off.y()), blue, 200)) << off.x() << "," << off.y();
}

// Hidden-message letters are ringed in maroon on the solution, and only with the option on.
TEST(SolutionDrawing, HiddenMessageCircles) {
    for (const bool option : {true, false}) {
        TTestPuzzle t;
        t.puzzle.Format.GridFontSize = 24;
        t.puzzle.HiddenMessageLines = option ? QStringList{"Y"} : QStringList{};
        t.HandMade(FiveByFive, {{"LMN", 2, 3, East}});
        t.Edit([](TWordSearch& ws) { ws.WordListIndicies[5][5] = HiddenMessageMarker; });
        const QImage image = t.Render(2, Res);
        QImage probeImage(4, 4, QImage::Format_RGB32);
        TAsCanvas probe(TCanvasKind::Preview, &probeImage, Res, Res);
        probe.Font = {"Arial", 24};
        const double r = 0.55 * probe.TextHeight("X");
        const QColor maroon(128, 0, 0);
        const double x = t.document.CellCentreX(5), y = t.document.CellCentreY(5);
        EXPECT_EQ(ColourNear(image, Px(x + r, y), maroon, 60), option);
        EXPECT_FALSE(ColourNear(image, Px(t.document.CellCentreX(1) + r, t.document.CellCentreY(1)), maroon, 60));
    }
}

// The thick marker's colour goes by direction, or is SolutionColor when set; it is ANDed
// with the page, so black letters stay black under it.
TEST(SolutionDrawing, MarkerColours) {
    struct Case {
        THandWord word;
        QColor colour;
    };
    const Case cases[] = {
        {{"UPKF", 1, 5, North}, QColor(128, 255, 255)}, {{"QMI", 2, 4, NorthEast}, QColor(224, 176, 255)},
        {{"PQRS", 1, 4, East}, QColor(255, 255, 127)},  {{"AGM", 1, 1, SouthEast}, QColor(176, 255, 176)},
        {{"CHM", 3, 1, South}, QColor(192, 192, 255)},  {{"EIM", 5, 1, SouthWest}, QColor(255, 176, 176)},
        {{"JIH", 5, 2, West}, QColor(255, 176, 224)},   {{"YSM", 5, 5, NorthWest}, QColor(255, 224, 176)},
    };
    for (bool colourSet : {false, true})
        for (const Case& c : colourSet ? std::span(cases, 1) : std::span(cases)) {
            TTestPuzzle t;
            t.puzzle.Format.GridFontSize = 24;
            t.puzzle.Format.SolutionStyle = 2;
            if (colourSet) t.puzzle.Format.SolutionColor = 0x40C0FF;  // stored as BGR
            t.HandMade(FiveByFive, {c.word});
            const QImage image = t.Render(2, Res);
            const int d = c.word.Direction;
            // Half-way between the first two letters only the marker shows.
            const QPoint between = Px((t.document.CellCentreX(c.word.Column) +
                                       t.document.CellCentreX(c.word.Column + DirectionDx[d])) / 2,
                                      (t.document.CellCentreY(c.word.Row) +
                                       t.document.CellCentreY(c.word.Row + DirectionDy[d])) / 2);
            EXPECT_EQ(QColor(image.pixel(between)), colourSet ? QColor(255, 192, 64) : c.colour)
                << c.word.Word.toStdString();
            const QPoint first = Px(t.document.CellCentreX(c.word.Column), t.document.CellCentreY(c.word.Row));
            EXPECT_TRUE(ColourNear(image, first, Qt::black, 60, 15)) << c.word.Word.toStdString();
        }
}

// Fonts are asked for by cell height (ascent + descent) = round(points / 72 x resolution);
// the Windows faces come out in their metric twins; under a pixel nothing is drawn.
TEST(CanvasFont, CellHeightRule) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (const char* face : {"Arial", "Times New Roman", "Comic Sans MS"})
        for (double res : {78.0, 300.0, 1200.0})
            for (int points : {8, 36}) {
                TAsCanvas c(TCanvasKind::Bitmap, &image, res, res);
                c.Font = {face, points};
                const double cell = std::lround(points / 72.0 * res);
                const double h = c.TextHeight("X") * res;
                EXPECT_TRUE(h <= cell && h >= 0.9 * cell) << face << " " << res << " " << points << ": " << h;
            }
    EXPECT_EQ(QFontInfo(QFont("Comic Sans MS")).family(), "Comic Neue");
    EXPECT_EQ(QFontInfo(QFont("Arial")).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QFont("Times New Roman")).family(), "Liberation Serif");
    TAsCanvas tiny(TCanvasKind::Preview, &image, 10, 10);
    tiny.Font.Size = 3;  // 0.4 pixel
    EXPECT_EQ(tiny.TextHeight("X"), 0.0);
    tiny.TextOut(0.1, 0.1, "XXXX");
    tiny.End();
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace vorlix::test
