// The finished page driven through its widgets: words that did not fit, rotate and flips,
// the empty-puzzle check, the six preview views, and the tour leaving the puzzle alone.
#include <set>
#include <vector>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

#include "desktopfit.h"
#include "designpage.h"
#include "finishedpage.h"
#include "hintfm.h"
#include "previewbox.h"
#include "puzzledocument.h"
#include "shellfixture.h"
#include "tourfm.h"

namespace vorlix::shell::test {
namespace {

const QStringList FruitWords = {"apple",  "banana", "cherry", "grape",  "lemon",  "mango", "orange",
                                "peach",  "pear",   "plum",   "kiwi",   "melon",  "papaya", "guava",
                                "lime",   "apricot", "fig",   "date",   "olive",  "quince"};

// What a user sees of the puzzle: size and every cell's letter.
struct TGridPicture {
    int Columns = 0;
    int Rows = 0;
    QString Letters;
    bool operator==(const TGridPicture&) const = default;
};

TGridPicture PictureOf(const TWordSearch& p) {
    TGridPicture g{p.ActualColumns, p.ActualRows, {}};
    for (int r = 1; r <= p.ActualRows; ++r)
        for (int c = 1; c <= p.ActualColumns; ++c) g.Letters += QChar(p.Grid[c][r]);
    return g;
}

// The letters found by walking a placed word from its first cell.
QString LettersAlong(const TWordSearch& p, int word) {
    const TWordPlacement& at = p.Placements[static_cast<std::size_t>(word)];
    const int length = p.State().WordList[static_cast<std::size_t>(word)].Length;
    QString s;
    int c = at.Column, r = at.Row;
    for (int k = 0; k < length; ++k) {
        if (!TWordSearch::IsValidCell(c, r)) return s + QStringLiteral("<outside>");
        s += QChar(p.Grid[c][r]);
        c += DirectionDx[at.Direction];
        r += DirectionDy[at.Direction];
    }
    return s;
}

QColor TextColourOf(QWidget* w) {
    w->ensurePolished();
    return w->palette().color(QPalette::WindowText);
}

QColor BaseColourOf(QWidget* w) {
    w->ensurePolished();
    return w->palette().color(QPalette::Base);
}

// The bounding box of the white paper drawn into an image.
QRect PaperBounds(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

class FinishedPageTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        ASSERT_TRUE(Main().isVisible());
    }

    TFinishedPage& Page() const { return *Main().PageOf<TFinishedPage>(); }

    // Types the words into the model, chooses the size and presses "Create Puzzle Now".
    void Build(const QStringList& words, int columns = 0, int rows = 0) {
        Model().SetWordLines(words);
        Model().SetRequestedSize(columns, rows);
        Main().PageOf<TDesignPage>()->LoadFromModel();
        Main().TurnPage(QStringLiteral("Design"));
        Model().Builder().SetSeed(77);
        Main().CreatePuzzle();
        Process();
    }
    // The current grid with other accidental words, as a build that could not remove them.
    void SetAccidentalWords(const std::vector<TAccidentalWord>& found) {
        TEngineState words = Model().Puzzle().Words();
        TWordSearch grid(words);
        grid.CopyWhole(Model().Puzzle().Grid(), words);
        grid.AccidentalWords = found;
        Model().ReplaceGrid(std::make_shared<const TBuiltGrid>(grid));
    }
    QString ExcludedText() const { return Find<QLabel>(QStringLiteral("Puzzle_ExcludedWordsLbl"))->text(); }
    QStringList ExcludedItems() const {
        QStringList items;
        auto* list = Find<QListWidget>(QStringLiteral("ExcludedLB"));
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }
};

// --- Words that did not fit ---

TEST_F(FinishedPageTest, ExcludedListShowsUnplacedWordsInDisplayOrder) {
    // Two ten-letter words cannot lie in a 4 x 4 grid; typed out of order, they are listed
    // in the engine's display order.
    Build({"ZEPPELINSS", "CAT", "ALLIGATORS"}, 4, 4);
    EXPECT_EQ(Main().CurrentPageName(), QStringLiteral("Finished"));
    EXPECT_EQ(ExcludedItems(), (QStringList{"ALLIGATORS", "ZEPPELINSS"}));
    EXPECT_EQ(ExcludedText(), QStringLiteral("Words that did not fit: 2"));
    EXPECT_EQ(TextColourOf(Find(QStringLiteral("Puzzle_ExcludedWordsLbl"))), WarningText);
    EXPECT_EQ(BaseColourOf(Find(QStringLiteral("ExcludedLB"))), QColor(Qt::yellow));
    EXPECT_EQ(Find<QLabel>(QStringLiteral("Puzzle_SizeLbl"))->text(), QStringLiteral("Size 4 x 4.  "));

    // A build where everything fits empties the list and takes the warning colours back.
    Build({"CAT", "DOG"}, 6, 6);
    EXPECT_TRUE(ExcludedItems().isEmpty());
    EXPECT_EQ(ExcludedText(), QStringLiteral("Words that did not fit: 0"));
    EXPECT_EQ(TextColourOf(Find(QStringLiteral("Puzzle_ExcludedWordsLbl"))), QColor(Qt::black));
    EXPECT_EQ(BaseColourOf(Find(QStringLiteral("ExcludedLB"))), QColor(Qt::white));
}

TEST_F(FinishedPageTest, WordsTheGridSpellsAreListedOnlyWhenThereAreAny) {
    // Occurrences the filler could not remove are named with where they run; none, no line.
    Build({"CAT", "DOG"}, 6, 6);
    auto* label = Find<QLabel>(QStringLiteral("Puzzle_AccidentalWordsLbl"));
    EXPECT_FALSE(label->isVisible());
    SetAccidentalWords({{u"TOAD", 2, 3, East}, {u"GOD", 1, 1, South}});
    Main().PageOf<TFinishedPage>()->RefreshFinishedPage();
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("Words spelled by the grid's own letters: TOAD (column 2, row 3, East), "
                                            "GOD (column 1, row 1, South)"));
    SetAccidentalWords({});
    Main().PageOf<TFinishedPage>()->RefreshFinishedPage();
    EXPECT_FALSE(label->isVisible());
}

// --- Rotate and flips ---

TEST_F(FinishedPageTest, RotateExchangesTheRequestedSizesEachTime) {
    Build(FruitWords, 14, 9);
    Model().SetModified(false);
    auto* columns = Find<QComboBox>(QStringLiteral("Words_ColumnsCmBx"));
    auto* rows = Find<QComboBox>(QStringLiteral("Words_RowsCmBx"));

    Click(QStringLiteral("Puzzle_Rotate90Lnk"));
    EXPECT_EQ(Model().Puzzle().RequestedColumns, 9);
    EXPECT_EQ(Model().Puzzle().RequestedRows, 14);
    EXPECT_EQ(columns->currentIndex(), 9);
    EXPECT_EQ(rows->currentIndex(), 14);
    EXPECT_EQ(Model().Puzzle().Grid().ActualColumns, 9);
    EXPECT_EQ(Find<QLabel>(QStringLiteral("Puzzle_SizeLbl"))->text(), QStringLiteral("Size 9 x 14.  "));

    Click(QStringLiteral("Puzzle_Rotate90Lnk"));
    EXPECT_EQ(Model().Puzzle().RequestedColumns, 14);
    EXPECT_EQ(Model().Puzzle().RequestedRows, 9);
    EXPECT_EQ(columns->currentIndex(), 14);
    EXPECT_EQ(rows->currentIndex(), 9);
    EXPECT_FALSE(Model().IsModified());
    EXPECT_EQ(Find(QStringLiteral("Puzzle_Rotate90Lnk"))->toolTip(),
              QStringLiteral("Rotate counter-clockwise 90 degrees"));
}

TEST_F(FinishedPageTest, TransformsKeepEveryWordAndLeaveThePuzzleUnmodified) {
    struct Row {
        const char* Link;
        bool SwapsSize;
        int EastBecomes;  // where a word running East points afterwards
    };
    const std::vector<Row> rows{
        // Rotating counter-clockwise: East turns North, and the grid turns on its side.
        {"Puzzle_Rotate90Lnk", true, North},
        // Mirrored top to bottom: East stays East.
        {"Puzzle_FlipUpDownLnk", false, East},
        // Mirrored left to right: East turns West.
        {"Puzzle_FlipLeftRightLnk", false, West},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Link);
        Build(FruitWords, 13, 11);
        Model().SetModified(false);
        const TWordSearch& old = Model().Puzzle().Grid();
        const int placed = old.PlacedWordCount();
        ASSERT_GT(placed, 5);
        std::vector<TWordPlacement> before;
        for (int k = 1; k <= placed; ++k)
            before.push_back(old.Placements[static_cast<std::size_t>(old.PlacedWordIndex(k))]);
        const TGridPicture picture = PictureOf(old);

        Click(QString::fromLatin1(row.Link));
        // The transform made a new grid; the old one may be gone.
        const TWordSearch& p = Model().Puzzle().Grid();

        EXPECT_EQ(p.ActualColumns, row.SwapsSize ? 11 : 13);
        EXPECT_EQ(p.PlacedWordCount(), placed);
        EXPECT_NE(PictureOf(p), picture);
        for (int k = 1; k <= placed; ++k) {
            const int w = p.PlacedWordIndex(k);
            EXPECT_EQ(LettersAlong(p, w), FromWide(p.State().WordList[static_cast<std::size_t>(w)].GridWord));
            if (before[static_cast<std::size_t>(k - 1)].Direction == East) {
                EXPECT_EQ(p.Placements[static_cast<std::size_t>(w)].Direction, row.EastBecomes);
            }
        }
        EXPECT_FALSE(Model().IsModified());
    }
}

// --- The empty-puzzle check ---

TEST_F(FinishedPageTest, EmptyPuzzleSendsTheUserToDesignUnlessTheyLeftOrTheWindowIsHidden) {
    struct Row {
        const char* What;
        bool Hidden;        // the main window is hidden while the check runs
        const char* LeaveTo;  // a page opened before the delays end, or nothing
        const char* Expected;
    };
    const std::vector<Row> rows{
        // The plain case: hint, then the word list.
        {"visible, stays", false, nullptr, "Design"},
        // Whoever went elsewhere meanwhile is left there.
        {"visible, left for Print", false, "Print", "Print"},
        // A hidden window keeps its page.
        {"hidden", true, nullptr, "Finished"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        Build({});
        Main().TurnPage(QStringLiteral("Home"));
        Process();
        Main().Hint().CloseHint();
        if (row.Hidden) Main().hide();
        Main().TurnPage(QStringLiteral("Finished"));
        if (row.LeaveTo) Main().TurnPage(QString::fromLatin1(row.LeaveTo));
        Process(20);
        EXPECT_EQ(Main().CurrentPageName(), QString::fromLatin1(row.Expected));
        if (!row.LeaveTo) {
            EXPECT_EQ(Main().Hint().Text(), EmptyPuzzleHintText());
        }
        Main().show();
        Process();
    }
}

TEST_F(FinishedPageTest, RescrambleOfAnEmptyListRunsTheCheckAndWordsStopIt) {
    // Entered while hidden, the page stays; Rescramble later runs the check again.
    Build({});
    Main().hide();
    Main().TurnPage(QStringLiteral("Home"));
    Main().TurnPage(QStringLiteral("Finished"));
    Process(20);
    ASSERT_EQ(Main().CurrentPageName(), QStringLiteral("Finished"));
    Main().show();
    Click(QStringLiteral("Puzzle_TryAgainBtn"));
    Process(20);
    EXPECT_EQ(Main().CurrentPageName(), QStringLiteral("Design"));

    // With words, the page stays where it is.
    Build({"CAT", "DOG"});
    Click(QStringLiteral("Puzzle_TryAgainBtn"));
    Process(20);
    EXPECT_EQ(Main().CurrentPageName(), QStringLiteral("Finished"));
}

// --- Views and links ---

TEST_F(FinishedPageTest, ViewChoicesSetTheViewAndEnteringResetsToSolution) {
    Build(FruitWords);
    const std::vector<std::pair<const char*, int>> rows{
        {"FinishedPuzzle_Page1TB", ViewPage1},     {"FinishedPuzzle_Page2TB", ViewPage2},
        {"FinishedPuzzle_TwoPagesTB", ViewTwoPages}, {"FinishedPuzzle_PuzzleTB", ViewPuzzle},
        {"FinishedPuzzle_SolutionTB", ViewSolution}, {"FinishedPuzzle_WordListTB", ViewWordList},
    };
    for (const auto& [name, view] : rows) {
        SCOPED_TRACE(name);
        Click(QString::fromLatin1(name));
        EXPECT_EQ(Page().View(), view);
        EXPECT_TRUE(Find<QToolButton>(QString::fromLatin1(name))->isChecked());
    }
    // One choice at a time.
    int checked = 0;
    for (const auto& [name, view] : rows) checked += Find<QToolButton>(QString::fromLatin1(name))->isChecked();
    EXPECT_EQ(checked, 1);

    Main().TurnPage(QStringLiteral("Home"));
    Main().TurnPage(QStringLiteral("Finished"));
    EXPECT_EQ(Page().View(), ViewSolution);
    EXPECT_TRUE(Find<QToolButton>(QStringLiteral("FinishedPuzzle_SolutionTB"))->isChecked());
}

TEST_F(FinishedPageTest, EveryViewPaintsItsOwnPicture) {
    Build(FruitWords);
    std::vector<QImage> pictures;
    QImage blank(320, 320, QImage::Format_ARGB32);
    blank.fill(Qt::darkGray);
    for (int view = ViewPage1; view <= ViewWordList; ++view) {
        QImage image = blank;
        PaintPreviewView(Main().Document(), image, view);
        EXPECT_NE(image, blank) << "view " << view;
        for (std::size_t other = 0; other < pictures.size(); ++other)
            EXPECT_NE(image, pictures[other]) << "views " << view << " and " << other;
        pictures.push_back(image);
    }
    // Unknown views and boxes without area draw nothing and do not fail.
    for (int view : {-1, 6, 1000}) {
        QImage image = blank;
        PaintPreviewView(Main().Document(), image, view);
        EXPECT_EQ(image, blank);
    }
    QImage none;
    PaintPreviewView(Main().Document(), none, ViewTwoPages);
}

TEST_F(FinishedPageTest, TwoPagesLieSideBySideInAWideBoxAndStackedInATallOne) {
    Build(FruitWords);
    QImage wide(600, 240, QImage::Format_RGB32);
    wide.fill(Qt::darkGray);
    PaintPreviewView(Main().Document(), wide, ViewTwoPages);
    const QRect across = PaperBounds(wide);
    EXPECT_GT(across.width(), across.height() * 3 / 2);

    QImage tall(240, 900, QImage::Format_RGB32);
    tall.fill(Qt::darkGray);
    PaintPreviewView(Main().Document(), tall, ViewTwoPages);
    const QRect down = PaperBounds(tall);
    EXPECT_GT(down.height(), down.width() * 2);
}

TEST_F(FinishedPageTest, LinksOpenTheirPages) {
    const std::vector<std::pair<const char*, const char*>> rows{
        {"Puzzle_DesignLnk", "Design"},
        {"Puzzle_PrintLnk", "Print"},
        // Back returns to the page before Finished: Create Puzzle Now was pressed on Design.
        {"Button1", "Design"},
    };
    for (const auto& [link, page] : rows) {
        SCOPED_TRACE(link);
        Build({"CAT", "DOG"});
        ASSERT_EQ(Main().CurrentPageName(), QStringLiteral("Finished"));
        Click(QString::fromLatin1(link));
        EXPECT_EQ(Main().CurrentPageName(), QString::fromLatin1(page));
    }
}

// --- The tour ---

TEST_F(FinishedPageTest, TourChangesNothingOfThePuzzle) {
    Build(FruitWords, 15, 15);
    Model().SetModified(false);
    const TGridPicture grid = PictureOf(Model().Puzzle().Grid());
    const QStringList words = Model().Puzzle().WordLines;
    const int wordCount = Model().Puzzle().Words().WordCount;
    const std::uint32_t seed = Model().Builder().Generator().Seed;

    bool animationFinished = false;
    int stepsSeen = 0;
    modal.Answer = [&](QDialog& dialog) {
        auto& tour = static_cast<TTourFm&>(dialog);
        tour.show();
        if (tour.Mode() == TourAnimationMode) {
            WaitUntil([&tour] { return tour.AnimationFinished(); }, 20000);
            animationFinished = tour.AnimationFinished();
        } else {
            for (int i = 0; i < tour.StepCount(); ++i) {
                stepsSeen = tour.Step() + 1;
                tour.Picture()->repaint();
                Click(QStringLiteral("Tour_NextBtn"));
            }
        }
        Click(QStringLiteral("Tour_CloseBtn"));
        return QDialog::Accepted;
    };
    for (const QString& mode : {TourIntroMode, TourAnimationMode}) {
        SCOPED_TRACE(mode.toStdString());
        Main().ShowTour(mode);
        EXPECT_EQ(modal.Shown.last(), QStringLiteral("TTourFm"));
        EXPECT_FALSE(Model().IsModified());
        EXPECT_EQ(Model().Puzzle().WordLines, words);
        EXPECT_EQ(Model().Puzzle().Words().WordCount, wordCount);
        EXPECT_EQ(Model().Builder().Generator().Seed, seed);
        EXPECT_EQ(PictureOf(Model().Puzzle().Grid()), grid);
    }
    EXPECT_EQ(stepsSeen, 5);
    EXPECT_TRUE(animationFinished);
}

TEST_F(FinishedPageTest, TourPuzzleCarriesItsHiddenMessage) {
    // The animation's last act needs message cells; a seed that left none would show nothing.
    TTourPuzzle tour;
    const TWordSearch& p = tour.Puzzle().Grid();
    QString message;
    for (int r = 1; r <= p.ActualRows; ++r)
        for (int c = 1; c <= p.ActualColumns; ++c)
            if (p.WordListIndicies[c][r] == HiddenMessageMarker) message += QChar(p.Grid[c][r]);
    EXPECT_EQ(message, QString(TTourPuzzle::HiddenMessage()).remove(QLatin1Char(' ')));
    EXPECT_EQ(p.UnplacedWordCount(), 0);
}

}  // namespace
}  // namespace vorlix::shell::test
