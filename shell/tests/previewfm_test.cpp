// The preview window: zoom limits, the page layouts, refitting on resize, and its placement
// kept in the preferences store between runs.
#include <QScreen>
#include <QSettings>
#include <QToolButton>

#include "hintfm.h"
#include "preferences.h"
#include "previewfm.h"
#include "puzzledocument.h"
#include "shellfixture.h"
#include "windows.h"

namespace vorlix::shell::test {
namespace {

class PreviewFmTest : public ShellTest {
protected:
    TPreviewFm& Preview() { return *program->Windows().Preview; }
    // Shows the window with a paint box of exactly that size.
    void ShowWithBox(QSize box) {
        Preview().ShowOrRaise();
        Process();
        const QSize extra = Preview().size() - Preview().PaintBox()->size();
        Preview().resize(box + extra);
        Process();
        ASSERT_EQ(Preview().PaintBox()->size(), box);
    }
    void BuildPuzzle() {
        Model().SetWordLines({"apple", "banana", "cherry", "grape", "melon", "peach"});
        Main().CreatePuzzle();
        Process();
    }
};

// Zooming in stops at 1500% and zooming out at 10%; both leave the fitted views.
TEST_F(PreviewFmTest, ZoomStaysWithinItsLimits) {
    Start();
    ShowWithBox({600, 400});
    Preview().ZoomIn();
    EXPECT_EQ(Preview().View(), ViewZoom);
    for (int i = 0; i < 20; ++i) Preview().ZoomIn();
    EXPECT_DOUBLE_EQ(Preview().ZoomPercent(), MaxPreviewZoom);
    Click(QStringLiteral("Preview_ZoomInBtn"));
    EXPECT_DOUBLE_EQ(Preview().ZoomPercent(), MaxPreviewZoom);
    for (int i = 0; i < 40; ++i) Preview().ZoomOut();
    EXPECT_DOUBLE_EQ(Preview().ZoomPercent(), MinPreviewZoom);
}

// From 1000% one step in reaches the limit and stays; from 12% one step out reaches the floor.
TEST_F(PreviewFmTest, OneStepReachesTheLimitsFromNearby) {
    Start();
    ShowWithBox({600, 400});
    struct Row {
        double Start;
        bool In;
        double Expected;
    };
    const Row rows[] = {{1000.0, true, 1500.0}, {1500.0, true, 1500.0}, {12.0, false, 10.0},
                        {100.0, true, 150.0},   {150.0, false, 100.0}};
    for (const Row& row : rows) {
        Preview().ZoomTo(row.Start);
        row.In ? Preview().ZoomIn() : Preview().ZoomOut();
        EXPECT_DOUBLE_EQ(Preview().ZoomPercent(), row.Expected) << row.Start;
    }
}

// Zooming keeps the point at the box's centre in place.
TEST_F(PreviewFmTest, ZoomKeepsTheCentre) {
    Start();
    ShowWithBox({640, 480});
    Preview().SetView(ViewPuzzle);
    const QSize box = Preview().PaintBox()->size();
    const QPointF before = Preview().Camera().Centre(box);
    Preview().ZoomIn();
    Preview().ZoomIn();
    // Scroll bars may have taken room from the box since; its centre is still the same point.
    const QPointF after = Preview().Camera().Centre(Preview().PaintBox()->size());
    EXPECT_NEAR(before.x(), after.x(), 1e-9);
    EXPECT_NEAR(before.y(), after.y(), 1e-9);
}

// A wide, low box puts the pages side by side; a tall, narrow one stacks them.
TEST_F(PreviewFmTest, PagesLieBesideOrBelowByTheBoxShape) {
    Start();
    const TInchRect letter{0.0, 0.0, 8.5, 11.0};
    struct Row {
        QSize Box;
        bool SideBySide;
    };
    const Row rows[] = {
        {{900, 400}, true},   // wide and low
        {{300, 800}, false},  // tall and narrow
        {{0, 0}, true},       // no size yet
        {{850, 1100}, false}, // exactly the paper's shape: not taller, so stacked
    };
    for (const Row& row : rows) EXPECT_EQ(PagesSideBySide(letter, row.Box), row.SideBySide) << row.Box.width();
    EXPECT_TRUE(PagesSideBySide({0.0, 0.0, 0.0, 11.0}, {300, 800}));  // paper without width

    ShowWithBox({900, 400});
    EXPECT_TRUE(Preview().SideBySide());
    std::vector<QPointF> placed = PagePlacements(Main().Document(), {900, 400});
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_DOUBLE_EQ(placed[1].x(), Main().Document().PageRect().Width() + PreviewPageGap);
    EXPECT_DOUBLE_EQ(placed[1].y(), 0.0);

    ShowWithBox({300, 800});
    EXPECT_FALSE(Preview().SideBySide());
    placed = PagePlacements(Main().Document(), {300, 800});
    EXPECT_DOUBLE_EQ(placed[1].x(), 0.0);
    EXPECT_DOUBLE_EQ(placed[1].y(), Main().Document().PageRect().Height() + PreviewPageGap);
}

// Each fit command fills the box at 97% with the chosen rectangle, centred.
TEST_F(PreviewFmTest, FitViewsFillTheBox) {
    Start();
    BuildPuzzle();
    ShowWithBox({800, 500});
    EXPECT_EQ(Preview().View(), ViewTwoPages);  // the window's first view
    const TPuzzleDocument& doc = Main().Document();
    const QSize box = Preview().PaintBox()->size();
    const std::vector<QPointF> placed = PagePlacements(doc, box);
    const TInchRect paper = doc.PageRect();
    const QPointF page2 = placed[1];
    struct Row {
        const char* Button;
        TInchRect Fitted;  // in the canvas space, placement applied
    };
    const Row rows[] = {
        {"Preview_Page1Btn", paper},
        {"Preview_Page2Btn", {page2.x(), page2.y(), page2.x() + paper.Width(), page2.y() + paper.Height()}},
        {"Preview_TwoPagesBtn", AllPagesRect(doc, box)},
        {"Preview_PuzzleBtn", doc.GridRect()},
    };
    for (const Row& row : rows) {
        Click(QString::fromLatin1(row.Button));
        const TPreviewCamera& c = Preview().Camera();
        const double res = c.Resolution();
        const double wPx = row.Fitted.Width() * res;
        const double hPx = row.Fitted.Height() * res;
        // One side fills 97% of the box, the other no more.
        EXPECT_NEAR(std::max(wPx / box.width(), hPx / box.height()), DefaultFitScale, 1e-9) << row.Button;
        const QPointF centre = c.Centre(box);
        EXPECT_NEAR(centre.x(), row.Fitted.CentreX(), 1e-9) << row.Button;
        EXPECT_NEAR(centre.y(), row.Fitted.CentreY(), 1e-9) << row.Button;
        EXPECT_NE(Preview().View(), ViewZoom);
    }
}

// Resizing in the word-list view fits the word list again to the new size.
TEST_F(PreviewFmTest, ResizeRefitsTheCurrentView) {
    Start();
    BuildPuzzle();
    ShowWithBox({800, 500});
    Click(QStringLiteral("Preview_WordListBtn"));
    const double before = Preview().ZoomPercent();
    ShowWithBox({400, 250});
    EXPECT_EQ(Preview().View(), ViewWordList);
    EXPECT_NEAR(Preview().ZoomPercent(), before / 2.0, before * 0.02);
    const TInchRect list = Main().Document().WordListRect();
    const QPointF centre = Preview().Camera().Centre(Preview().PaintBox()->size());
    EXPECT_NEAR(centre.x(), list.CentreX(), 1e-9);

    // The zoom view keeps its zoom across a resize, and shows scroll bars when the pages overflow.
    for (int i = 0; i < 3; ++i) Preview().ZoomIn();
    const double zoom = Preview().ZoomPercent();
    ShowWithBox({500, 300});
    EXPECT_DOUBLE_EQ(Preview().ZoomPercent(), zoom);
    EXPECT_TRUE(Find(QStringLiteral("Preview_HorzSB"))->isVisible());
    EXPECT_TRUE(Find(QStringLiteral("Preview_VertSB"))->isVisible());
    // Back to a fitted view: no scroll bars.
    Click(QStringLiteral("Preview_TwoPagesBtn"));
    EXPECT_FALSE(Find(QStringLiteral("Preview_HorzSB"))->isVisible());
}

// The back hint comes up after the pause, at the window's left edge; Back hides the window.
TEST_F(PreviewFmTest, BackHintAndBackCommand) {
    Start();
    Main().ShowPreview();
    WaitUntil([this] { return Main().Hint().isVisible(); }, 2000);
    EXPECT_EQ(Main().Hint().Text(), PreviewBackHint);
    Click(QStringLiteral("Preview_BackBtn"));
    EXPECT_FALSE(Preview().isVisible());
    EXPECT_EQ(Find<QToolButton>(QStringLiteral("Preview_BackBtn"))->toolTip(), QStringLiteral("Back to main form"));
}

// --- Placement between runs.

class PreviewPlacementTest : public ShellTest {
protected:
    QVariant Stored(const char* key) {
        QSettings s(IniFile(), QSettings::IniFormat);
        return s.value(QString::fromLatin1(key));
    }
};

// First start: 50 pixels from the left, at the top, 50 pixels smaller than the screen.
TEST_F(PreviewPlacementTest, FirstStartUsesTheScreenDefaults) {
    Start();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QRect bounds = program->Windows().Preview->NormalBounds();
    EXPECT_EQ(bounds.left(), 50);
    EXPECT_EQ(bounds.top(), 0);
    EXPECT_EQ(bounds.width(), screen.width() - 50);
    EXPECT_EQ(bounds.height(), screen.height() - 50);
}

// Moved and sized in one run, the window comes back there in the next; maximized stays maximized.
TEST_F(PreviewPlacementTest, PlacementIsSavedAndRestored) {
    Start();
    TPreviewFm* preview = program->Windows().Preview;
    preview->ShowOrRaise();
    Process();
    preview->setGeometry(120, 80, 640, 480);
    Process();
    const QRect placed = preview->NormalBounds();
    ForceClose();
    program.reset();
    Process();
    EXPECT_EQ(Stored("PreviewLeft").toInt(), placed.left());
    EXPECT_EQ(Stored("PreviewTop").toInt(), placed.top());
    EXPECT_EQ(Stored("PreviewWidth").toInt(), 640);
    EXPECT_EQ(Stored("PreviewHeight").toInt(), 480);
    EXPECT_EQ(Stored("PreviewWindowState").toInt(), WindowStateNormal);

    Start();
    preview = program->Windows().Preview;
    EXPECT_EQ(preview->NormalBounds(), placed);
    EXPECT_EQ(preview->size(), QSize(640, 480));
    preview->ShowOrRaise();
    preview->showMaximized();
    Process();
    ForceClose();
    program.reset();
    Process();
    EXPECT_EQ(Stored("PreviewWindowState").toInt(), WindowStateMaximized);
    // The normal bounds are kept for when it is restored.
    EXPECT_EQ(Stored("PreviewWidth").toInt(), 640);
}

// A position left from a bigger screen is pulled back within reach; a missing size takes the default.
TEST_F(PreviewPlacementTest, StoredValuesOffScreenOrMissing) {
    {
        QSettings s(IniFile(), QSettings::IniFormat);
        s.setValue(QStringLiteral("PreviewLeft"), 90000);
        s.setValue(QStringLiteral("PreviewTop"), -500);
        s.setValue(QStringLiteral("PreviewWidth"), 700);
    }
    Start();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect bounds = program->Windows().Preview->NormalBounds();
    EXPECT_LE(bounds.left(), screen.right() - 100);
    EXPECT_GE(bounds.top(), screen.top());
    EXPECT_EQ(bounds.width(), 700);
    EXPECT_EQ(bounds.height(), screen.height() - 50);
}

}  // namespace
}  // namespace vorlix::shell::test
