// What the pages show: letters centred in their cells, first-letter styles, the solution
// marks and colours, hidden-message circles, frames and form marks; and that one DrawPage
// serves every device alike.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>

#include "testpuzzle.h"

namespace vorlix::test {
namespace {

constexpr double Res = 200.0;
const QStringList FiveByFive = {"ABCDE", "FGHIJ", "KLMNO", "PQRST", "UVWXY"};

// Records each text with its place and font.
class TRecordingCanvas : public TAsCanvas {
public:
    struct Text {
        QString Text;
        double X, Y;
        TCanvasFont Font;
    };
    explicit TRecordingCanvas(QImage& image) : TAsCanvas(TCanvasKind::Preview, &image, Res, Res) {}
    std::vector<Text> Texts;
    void TextOut(double x, double y, const QString& text) override {
        Texts.push_back({text, x, y, Font});
        TAsCanvas::TextOut(x, y, text);
    }
    const Text& Find(const QString& s) const {
        static const Text none{};
        for (const Text& t : Texts)
            if (t.Text == s) return t;
        return none;
    }
};

QImage Blank() {
    QImage image(qRound(8.5 * Res), qRound(11 * Res), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

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

double LetterHeight(const QString& face, int points) {
    QImage probe(4, 4, QImage::Format_RGB32);
    TAsCanvas m(TCanvasKind::Preview, &probe, Res, Res);
    m.Font = {face, points};
    return m.TextHeight("X");
}

// Letters are centred by their own width and by the height of "X"; first letters take
// FirstLetterStyle on the puzzle and plain bold on the solution; credits under column 1.
TEST(GridDrawing, LettersCentredAndStyled) {
    TTestPuzzle t;
    t.model.PageFormat.GridFontSize = 24;
    t.model.Settings().FirstLetterStyle = 1 | 2 | 4;
    t.model.CreditsLineCmBx.Text = "credits";
    t.HandMade(FiveByFive, {{"GHI", 2, 2, East}});
    QImage image = Blank();
    TRecordingCanvas c(image);
    t.document.DrawPage(c, 1, 0);
    c.End();
    EXPECT_TRUE(c.Find("G").Font.Bold && c.Find("G").Font.Italic);
    EXPECT_EQ(c.Find("G").Font.Size, 26);
    EXPECT_FALSE(c.Find("H").Font.Bold || c.Find("H").Font.Italic);
    EXPECT_EQ(c.Find("credits").X, t.document.CellCentreX(1));
    EXPECT_EQ(c.Find("credits").Y, t.document.CellCentreY(6));

    const double half = t.document.CellWidth() / 2;
    for (int r = 1; r <= 5; ++r)
        for (int col = 1; col <= 5; ++col) {
            const QChar letter = FiveByFive[r - 1][col - 1];
            if (letter == 'G' || letter == 'Q') continue;  // italic leans; Q's tail hangs below
            const double cx = t.document.CellCentreX(col), cy = t.document.CellCentreY(r);
            QRect ink;
            for (int y = Px(0, cy - half).y(); y < Px(0, cy + half).y(); ++y)
                for (int x = Px(cx - half, 0).x(); x < Px(cx + half, 0).x(); ++x)
                    if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
            EXPECT_NEAR(ink.center().x(), Px(cx, cy).x(), 3.0) << letter.toLatin1();
            EXPECT_NEAR(ink.center().y(), Px(cx, cy).y(), 4.0) << letter.toLatin1();
        }

    QImage image2 = Blank();
    TRecordingCanvas c2(image2);
    t.document.DrawPage(c2, 2, 0);
    EXPECT_TRUE(c2.Find("G").Font.Bold);
    EXPECT_FALSE(c2.Find("G").Font.Italic);
    EXPECT_EQ(c2.Find("G").Font.Size, 24);
    EXPECT_TRUE(c2.Find("credits").Text.isEmpty()) << "no credits on the solution page";
}

// A loop is a capsule of radius 0.45 hX whose half circles bulge left of S and right of E.
TEST(SolutionDrawing, LoopAroundWord) {
    TTestPuzzle t;
    t.model.PageFormat.GridFontSize = 24;
    t.HandMade(FiveByFive, {{"LMN", 2, 3, East}});
    const QImage image = t.Render(2, Res);
    const double r = 0.45 * LetterHeight("Arial", 24), d = r * 0.7071;
    const double sx = t.document.CellCentreX(2), ex = t.document.CellCentreX(4), y = t.document.CellCentreY(3);
    const QColor blue(0, 0, 255);
    for (QPointF on : {QPointF(sx - r, y), QPointF(ex + r, y), QPointF(sx + 0.1, y - r), QPointF(ex - 0.1, y + r),
                       QPointF(sx - d, y - d), QPointF(ex + d, y + d)})
        EXPECT_TRUE(ColourNear(image, Px(on.x(), on.y()), blue, 200)) << on.x() << "," << on.y();
    for (QPointF off : {QPointF(sx - r - 0.05, y), QPointF(sx + 0.1, y - r - 0.05), QPointF(sx + d, y + d),
                        QPointF(ex - d, y - d)})
        EXPECT_FALSE(ColourNear(image, Px(off.x(), off.y()), blue, 200)) << off.x() << "," << off.y();
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
        for (const Case& c : cases) {
            TTestPuzzle t;
            t.model.PageFormat.GridFontSize = 24;
            t.model.PageFormat.SolutionStyle = 2;
            if (colourSet) t.model.PageFormat.SolutionColor = 0x40C0FF;  // stored as BGR
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

// Hidden-message cells get maroon circles of radius 0.55 hX, only in hidden-message puzzles;
// thin lines start with a dot only when SolutionStartDot is on.
TEST(SolutionDrawing, CirclesAndStartDot) {
    for (bool on : {true, false}) {
        TTestPuzzle t;
        t.model.PageFormat.GridFontSize = 72;
        t.model.PageFormat.SolutionStyle = 1;
        t.model.Settings().SolutionStartDot = on;
        t.HandMade(FiveByFive, {{"ABC", 1, 1, East}});
        t.model.Puzzle().WordListIndicies[3][4] = HiddenMessageMarker;
        t.model.Settings().PuzzleOptions = on ? Option_HiddenMessage : 0;
        const QImage image = t.Render(2, Res);
        const double hX = LetterHeight("Arial", 72);
        const QPoint rim = Px(t.document.CellCentreX(3) + 0.55 * hX, t.document.CellCentreY(4));
        EXPECT_EQ(ColourNear(image, rim, QColor(128, 0, 0), 120), on);
        // The line is 0.05 hX wide, the dot twice that: look just outside the line.
        const QPoint s = Px(t.document.CellCentreX(1), t.document.CellCentreY(1) - 0.04 * hX);
        EXPECT_EQ(ColourNear(image, s, QColor(0, 0, 255), 250, 1), on);
    }
}

// Shaded frames: black outer line, silver band inside it, inner line g further in; "Form n"
// under the content only when several forms are printed; nothing but texts without a puzzle.
TEST(PageDrawing, FramesAndFormMark) {
    TTestPuzzle t;
    t.model.PageFormat.BorderIndex = 7;
    t.document.SetFormCount(2);
    t.HandMade(FiveByFive, {{"ABC", 1, 1, East}});
    QImage image = Blank();
    TRecordingCanvas c(image);
    t.document.DrawPage(c, 2, 1);
    c.End();
    EXPECT_TRUE(c.Find("Form 2").Font.Italic);
    EXPECT_EQ(c.Find("Form 2").Y, t.document.ContentRect().Bottom);
    const TInchRect f = t.document.FrameRect();
    const double g = (0.75 - 0.04 - 0.01) / 5;
    const int y = qRound(f.CentreY() * Res);
    EXPECT_EQ(image.pixel(qRound(f.Left * Res), y), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(qRound((f.Left + g / 2) * Res), y), qRgb(192, 192, 192));
    EXPECT_EQ(image.pixel(qRound((f.Left + g) * Res), y), qRgb(0, 0, 0));

    t.document.SetFormCount(1);
    TRecordingCanvas c2(image);
    t.document.DrawPage(c2, 1, 0);
    EXPECT_TRUE(c2.Find("Form 1").Text.isEmpty());

    // A 1 x 1 grid means no puzzle yet: only the texts are drawn.
    t.model.Words_TitleMemo = {"Title"};
    t.HandMade({"A"}, {{"A", 1, 1, East}});
    TRecordingCanvas c3(image);
    t.document.DrawPage(c3, 1, 0);
    t.document.DrawPage(c3, 2, 0);
    EXPECT_EQ(c3.Texts.size(), 2u);
}

// One DrawPage for every device: recorded and replayed equals drawn directly; the SVG picture
// carries the page as text; the simulated printer draws at 300 pixels per inch.
TEST(Devices, OneDrawingForEveryDevice) {
    TTestPuzzle t;
    t.model.Words_TitleMemo = {"Zoo"};
    t.model.PageFormat.SolutionStyle = 2;
    t.Build(AnimalWords, 12, 12);
    QImage direct = t.Render(2, 60);
    QPicture picture;
    {
        TAsCanvas c(TCanvasKind::Preview, &picture, 60, 60);
        t.document.DrawPage(c, 2, 0);
    }
    QImage replayed(direct.size(), QImage::Format_RGB32);
    replayed.fill(Qt::white);
    QPainter(&replayed).drawPicture(0, 0, picture);
    EXPECT_EQ(replayed, direct);

    auto svg = TAsCanvas::NewVectorPicture(8.5, 11.0);
    t.document.DrawPage(*svg, 1, 0);
    svg->ClosePicture();
    EXPECT_TRUE(svg->PictureData().contains(">Zoo<"));
    EXPECT_TRUE(svg->PictureData().contains(">" + QByteArray(1, char(t.model.Puzzle().Grid[1][1])) + "<"));

    TSimulatedPrinter printer;
    auto pc = TAsCanvas::ForSimulatedPrinter(printer);
    t.document.DrawPage(*pc, 1, 0);
    pc->End();
    EXPECT_EQ(printer.Page().pixel(0, 0), qRgb(255, 255, 255)) << "no paper outline on the printer";
    const QPoint letter(qRound(t.document.CellCentreX(1) * 300), qRound(t.document.CellCentreY(1) * 300));
    EXPECT_TRUE(ColourNear(printer.Page(), letter, Qt::black, 150, 20));
}

// The picture area is the union of the chosen elements' boxes from the empty box.
TEST(PictureArea, UnionOfChosenElements) {
    TTestPuzzle t;
    t.model.Words_TitleMemo = {"A title"};
    t.Build(AnimalWords, 10, 10);
    t.Render(1, 50);
    EXPECT_EQ(t.document.PictureArea({}, false), EmptyPictureArea);
    EXPECT_EQ(t.document.PictureArea({.Grid = true}, false), t.document.GridRect());
    const TInchRect both = t.document.PictureArea({.Title = true, .Grid = true, .WordList = true}, false);
    EXPECT_EQ(both.Top, t.document.TitleRect().Top);
    EXPECT_EQ(both.Bottom, t.document.WordListBox().Bottom);
    EXPECT_LT(t.document.TitleBox().Width(), t.document.TitleRect().Width());
    EXPECT_NEAR(t.document.TitleBox().CentreX(), t.document.TitleRect().CentreX(), 0.01);
    EXPECT_EQ(t.document.PictureArea({.Grid = true, .Solution = true}, true), t.document.SolutionGridRect());
}

}  // namespace
}  // namespace vorlix::test
