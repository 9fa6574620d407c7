// The export window driven through its controls: pages and links, the include boxes, the
// bitmap size fields, every format saved or copied, and failed writes.
#include <signal.h>
#include <sys/resource.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStackedWidget>
#include <QSvgRenderer>

#include "desktopfit.h"
#include "designpage.h"
#include "exportclipboard.h"
#include "exportfm.h"
#include "hintfm.h"
#include "layoutfm.h"
#include "pictureexport.h"
#include "puzzledocument.h"
#include "shellfixture.h"
#include "textexport.h"

namespace vorlix::shell::test {
namespace {

const QStringList FifteenWords = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel"};
const QStringList IncludeNames = {"IncludeWorksheetCB", "IncludeTitleCB", "IncludeInstructionsCB",
                                  "IncludeGridCB",      "IncludeListCB",  "IncludeSolutionCB"};

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

QColor TextColourOf(QLineEdit* edit) { return edit->palette().color(QPalette::Text); }

class ExportFmTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        Build(FifteenWords, 15, 15);
        Open();
    }

    TExportFm& Fm() { return *program->Windows().Export; }

    void Build(const QStringList& words, int columns, int rows) {
        Model().SetWordLines(words);
        Model().SetTitleLines({"Zoo"});
        Model().SetRequestedSize(columns, rows);
        Main().PageOf<TDesignPage>()->LoadFromModel();
        Model().Builder().SetSeed(77);
        Main().CreatePuzzle();
        Process();
        ASSERT_EQ(Model().Puzzle().Grid().ActualColumns, columns);
    }

    // As ShowExport prepares it, but shown modeless so the test can drive it.
    void Open() {
        Fm().PrepareToShow();
        Fm().show();
        Process();
    }

    QCheckBox* Box(const QString& name) { return Find<QCheckBox>(name); }
    void SetBoxes(std::initializer_list<const char*> on) {
        for (const QString& name : IncludeNames) {
            if (!Box(name)->isEnabled()) continue;
            bool wanted = false;
            for (const char* n : on) wanted = wanted || name == QLatin1String(n);
            Box(name)->setChecked(wanted);
        }
        Process();
    }
    QLineEdit* WidthEd() { return Find<QLineEdit>(QStringLiteral("BitmapWidthEd")); }
    QLineEdit* HeightEd() { return Find<QLineEdit>(QStringLiteral("BitmapHeightEd")); }
    QSize FieldSize() { return {WidthEd()->text().toInt(), HeightEd()->text().toInt()}; }
    void StepPixels(int steps) {
        Find<TPixelsPerCellSpin>(QStringLiteral("Bitmap_PixelsPerCellUpDn"))->stepBy(steps);
        Process();
    }
    const QMimeData* Clip() { return QGuiApplication::clipboard()->mimeData(); }
};

// --- Pages and links ---

// The toolbar, the Program Map and the finished page all open the window on its menu with
// 20 pixels per cell, whatever page and size it was left with.
TEST_F(ExportFmTest, ShowingOpensTheMenuWithTwentyPixelsPerCell) {
    Click(QStringLiteral("Options_PuzzleBitmapLnk"));
    StepPixels(-3);
    ASSERT_EQ(Fm().PixelsPerCell(), 17);
    Fm().hide();
    QString page;
    int pixels = 0;
    modal.Answer = [&](QDialog&) {
        page = Fm().CurrentPageName();
        pixels = Fm().PixelsPerCell();
        return int(QDialog::Rejected);
    };
    Main().ShowExport();
    EXPECT_EQ(modal.Shown, QStringList{"TExportFm"});
    EXPECT_EQ(page, ExportOptionsPage);
    EXPECT_EQ(pixels, StartPixelsPerCell);
}

// Every menu link opens its page with the puzzle or the solution; the include group shows on
// every page but the menu; "Other Export Options" and Back return to the menu.
TEST_F(ExportFmTest, MenuLinksOpenTheirPages) {
    struct Case {
        const char* Link;
        QString Page;
        bool Solution;
    };
    const Case cases[] = {
        {"Options_CompleteWebPageLnk", HtmlPagePage, false}, {"Options_ExportHtmlLnk", CopyHtmlPage, false},
        {"Options_ExportTextLnk", SaveAsTextPage, false},    {"Options_ExportPuzzleLnk", MetafilePage, false},
        {"Options_ExportSolutionLnk", MetafileSolutionPage, true}, {"Options_PuzzleBitmapLnk", BitmapPage, false},
        {"Options_SolutionBitmapLnk", BitmapPage, true}, {"Options_PlayPageLnk", PlayPagePage, false},
    };
    QWidget* include = Find(QStringLiteral("IncludeGrp"));
    EXPECT_FALSE(include->isVisible());
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Link);
        Click(QString::fromLatin1(c.Link));
        EXPECT_EQ(Fm().CurrentPageName(), c.Page);
        EXPECT_EQ(Fm().ExportingSolution(), c.Solution);
        // The interactive page always holds the whole puzzle.
        EXPECT_EQ(include->isVisible(), c.Page != PlayPagePage);
        // Alternate the two ways back.
        if (n++ % 2 == 0) {
            Click(QStringLiteral("Export_BackBtn"));
        } else {
            QWidget* page = Find<QStackedWidget>(QStringLiteral("Export_Pages"))->currentWidget();
            for (TLink* link : page->findChildren<TLink*>())
                if (link->objectName().endsWith(QLatin1String("_OtherOptionsLnk"))) link->Activate();
            Process();
        }
        EXPECT_EQ(Fm().CurrentPageName(), ExportOptionsPage);
        EXPECT_FALSE(include->isVisible());
    }
    // Back on the menu returns to the main window.
    Click(QStringLiteral("Export_BackBtn"));
    EXPECT_FALSE(Fm().isVisible());
}

// Close and Escape close the window from any page.
TEST_F(ExportFmTest, CloseAndEscapeCloseTheWindow) {
    Click(QStringLiteral("Options_ExportTextLnk"));
    Click(QStringLiteral("Export_CloseBtn"));
    EXPECT_FALSE(Fm().isVisible());
    Open();
    QTest::keyClick(&Fm(), Qt::Key_Escape);
    Process();
    EXPECT_FALSE(Fm().isVisible());
}

// "Maximize Font Sizes" opens the appearance window.
TEST_F(ExportFmTest, MaximizeFontSizesOpensTheAppearanceWindow) {
    Click(QStringLiteral("Options_ExportPuzzleLnk"));
    Click(QStringLiteral("Metafile_MaximizeFontsLnk"));
    QWidget* layout = Main().Windows()->Layout;
    ASSERT_NE(layout, nullptr);
    EXPECT_TRUE(layout->isVisible());
}

// The hint links show their texts in the hint window, none naming a platform.
TEST_F(ExportFmTest, HintLinksShowTheirTexts) {
    struct Case {
        const char* Page;
        const char* Link;
        QString Text;
    };
    const Case cases[] = {
        {"Options_CompleteWebPageLnk", "HtmlPage_ExplainHtmlLnk", ExplainHtmlHintText()},
        {"Options_ExportHtmlLnk", "CPHtml_ExplainHtmlLnk", ExplainHtmlHintText()},
        {"Options_ExportHtmlLnk", "CPHtml_TextBasedWayLnk", TextBasedWayHintText()},
        {"Options_ExportHtmlLnk", "CPHtml_ClipboardLnk", ClipboardHintText()},
        {"Options_ExportTextLnk", "SaveAsText_ClipboardLnk", ClipboardHintText()},
        {"Options_ExportPuzzleLnk", "Metafile_ClipboardLnk", ClipboardHintText()},
        {"Options_ExportSolutionLnk", "MFSol_ClipboardLnk", ClipboardHintText()},
        {"Options_PuzzleBitmapLnk", "Bitmap_ClipboardLnk", ClipboardHintText()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Link);
        Fm().TurnTo(ExportOptionsPage);
        Click(QString::fromLatin1(c.Page));
        Main().Hint().CloseHint();
        Click(QString::fromLatin1(c.Link));
        EXPECT_TRUE(Main().Hint().isVisible());
        EXPECT_EQ(Main().Hint().Text(), c.Text);
        EXPECT_FALSE(c.Text.contains(QLatin1String("Windows")));
    }
}

// --- The include boxes ---

// The puzzle enables its four boxes and checks Puzzle and Word List, with Solution unchecked
// and hidden; the solution disables them, unchecks two and shows Solution checked; Title keeps
// its state both ways.
TEST_F(ExportFmTest, PuzzleAndSolutionSetTheIncludeBoxes) {
    const QStringList puzzleBoxes = {"IncludeWorksheetCB", "IncludeInstructionsCB", "IncludeGridCB", "IncludeListCB"};
    Click(QStringLiteral("Options_ExportTextLnk"));
    Box("IncludeTitleCB")->setChecked(true);
    Box("IncludeGridCB")->setChecked(false);
    Fm().TurnTo(ExportOptionsPage);

    Click(QStringLiteral("Options_ExportSolutionLnk"));
    for (const QString& name : puzzleBoxes) EXPECT_FALSE(Box(name)->isEnabled()) << name.toStdString();
    EXPECT_FALSE(Box("IncludeGridCB")->isChecked());
    EXPECT_FALSE(Box("IncludeListCB")->isChecked());
    EXPECT_TRUE(Box("IncludeSolutionCB")->isVisible());
    EXPECT_TRUE(Box("IncludeSolutionCB")->isChecked());
    EXPECT_TRUE(Box("IncludeTitleCB")->isChecked());

    Fm().TurnTo(ExportOptionsPage);
    Box("IncludeTitleCB")->setChecked(false);
    Click(QStringLiteral("Options_PuzzleBitmapLnk"));
    for (const QString& name : puzzleBoxes) EXPECT_TRUE(Box(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(Box("IncludeGridCB")->isChecked());
    EXPECT_TRUE(Box("IncludeListCB")->isChecked());
    EXPECT_FALSE(Box("IncludeSolutionCB")->isVisible());
    EXPECT_FALSE(Box("IncludeSolutionCB")->isChecked());
    EXPECT_FALSE(Box("IncludeTitleCB")->isChecked());
    EXPECT_FALSE(Fm().Sections().Solution);
}

// The bitmap page's heading and steps name what is exported.
TEST_F(ExportFmTest, BitmapPageWordingFollowsTheChoice) {
    Click(QStringLiteral("Options_SolutionBitmapLnk"));
    EXPECT_EQ(Find<QLabel>(QStringLiteral("Bitmap_Bnr"))->text(), QStringLiteral("Export Solution    (Fixed-size)"));
    EXPECT_EQ(Find<QLabel>(QStringLiteral("Bitmap_SubheadingTxt"))->text(),
              QStringLiteral("Copy and paste your solution into another program."));
    EXPECT_EQ(Find<QLabel>(QStringLiteral("Bitmap_Step3Txt"))->text(),
              QStringLiteral("Step 3   - Click on this button.   It copies your solution to the Clipboard."));
    Click(QStringLiteral("Export_BackBtn"));
    Click(QStringLiteral("Options_PuzzleBitmapLnk"));
    EXPECT_EQ(Find<QLabel>(QStringLiteral("Bitmap_Bnr"))->text(), QStringLiteral("Export Puzzle    (Fixed-size)"));
    EXPECT_EQ(Find<QLabel>(QStringLiteral("Bitmap_Step3Txt"))->text(),
              QStringLiteral("Step 3   - Click on this button.   It copies your puzzle to the Clipboard."));
}

// --- Bitmap size ---

// 15 x 15 at 20 pixels with only the grid: 300 x 300 in black; the title adds height in
// proportion; the spin and every box change re-suggest.
TEST_F(ExportFmTest, SuggestedBitmapSizeFollowsBoxesAndSpin) {
    Click(QStringLiteral("Options_PuzzleBitmapLnk"));
    SetBoxes({"IncludeGridCB"});
    EXPECT_EQ(FieldSize(), QSize(300, 300));
    EXPECT_EQ(TextColourOf(WidthEd()), QColor(Qt::black));
    EXPECT_EQ(TextColourOf(HeightEd()), QColor(Qt::black));

    SetBoxes({"IncludeGridCB", "IncludeTitleCB"});
    TPuzzleDocument& doc = Main().Document();
    const TInchRect grid = doc.GridRect();
    EXPECT_EQ(FieldSize(), QSize(300, int(std::lround((grid.Bottom - doc.TitleBox().Top) * 300 / grid.Height()))));

    SetBoxes({"IncludeGridCB"});
    StepPixels(1);
    EXPECT_EQ(FieldSize(), QSize(315, 315));
    StepPixels(-2);
    EXPECT_EQ(FieldSize(), QSize(285, 285));
    // A typed size stays until something suggests again.
    WidthEd()->setText(QStringLiteral("abc"));
    EXPECT_EQ(BitmapSideFromText(WidthEd()->text()), DefaultBitmapSide);
}

// A 3 x 3 grid at 5 pixels per cell suggests 15 x 15, held at 30 x 30 and shown in red; the
// spin does not go below 5.
TEST_F(ExportFmTest, TinyGridSizeIsLimitedAndRed) {
    Fm().hide();
    Build({"cat"}, 3, 3);
    Open();
    Click(QStringLiteral("Options_PuzzleBitmapLnk"));
    SetBoxes({"IncludeGridCB"});
    StepPixels(-30);
    EXPECT_EQ(Fm().PixelsPerCell(), MinPixelsPerCell);
    EXPECT_EQ(FieldSize(), QSize(30, 30));
    EXPECT_EQ(TextColourOf(WidthEd()), WarningText);
    EXPECT_EQ(TextColourOf(HeightEd()), WarningText);
    // Typing takes the red away; a new suggestion is black again when not limited.
    QTest::keyClicks(WidthEd(), QStringLiteral("0"));
    EXPECT_EQ(TextColourOf(WidthEd()), QColor(Qt::black));
}

// The spin's arrows: up only below 1000 div the larger side (50 without a grid), down
// while 6 or more.
TEST(PixelsPerCellSpin, ArrowsFollowTheGridSize) {
    struct Case {
        int Columns, Rows, Start, Steps, Expected;
    };
    const Case cases[] = {
        {100, 100, 20, 1, 20},  // 1000 div 100 = 10: no room above
        {100, 100, 20, -1, 19},
        {15, 15, 20, 100, 66},  // up to 1000 div 15
        {0, 0, 49, 5, 50},      // no grid: 50
        {15, 15, 7, -5, 5},     // never below 5
    };
    for (const Case& c : cases) {
        TPixelsPerCellSpin spin;
        spin.SetGridSize(c.Columns, c.Rows);
        spin.setValue(c.Start);
        spin.stepBy(c.Steps);
        EXPECT_EQ(spin.value(), c.Expected) << c.Columns << "x" << c.Rows << " from " << c.Start;
    }
    TPixelsPerCellSpin spin;
    spin.SetGridSize(100, 100);
    spin.setValue(20);
    spin.stepBy(1);
    EXPECT_EQ(spin.value(), 20);
}

// --- Nothing chosen ---

// Pictures with no box ticked: the message, no dialog, nothing on the clipboard or on disk;
// the text exports give an empty text.
TEST_F(ExportFmTest, NothingChosen) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    struct Case {
        const char* Link;
        const char* Control;
    };
    const Case pictures[] = {
        {"Options_ExportPuzzleLnk", "Metafile_CopyPuzzleBtn"},
        {"Options_ExportPuzzleLnk", "Metafile_SavePuzzleLnk"},
        {"Options_ExportSolutionLnk", "Metafile_CopySolutionBtn"},
        {"Options_ExportSolutionLnk", "Metafile_SaveSolutionLnk"},
        {"Options_PuzzleBitmapLnk", "Bitmap_CopyBtn"},
        {"Options_SolutionBitmapLnk", "Bitmap_SavePuzzleLnk"},
    };
    files.Answers = {TempPath("a.emf"), TempPath("b.emf"), TempPath("c.bmp")};
    for (const Case& c : pictures) {
        SCOPED_TRACE(c.Control);
        Fm().TurnTo(ExportOptionsPage);
        Click(QString::fromLatin1(c.Link));
        SetBoxes({});
        Box("IncludeSolutionCB")->setChecked(false);
        messages.Messages.clear();
        Click(QString::fromLatin1(c.Control));
        EXPECT_EQ(messages.Texts(), QStringList{NothingChosenMessage()});
        EXPECT_EQ(messages.Messages.front().Kind, MessageKind::Information);
        EXPECT_EQ(Clip()->text(), QStringLiteral("before"));
    }
    EXPECT_TRUE(files.Requests.empty());
    EXPECT_EQ(QDir(dir.path()).entryList({"*.emf", "*.bmp", "*.EMF", "*.BMP"}, QDir::Files), QStringList());

    Fm().TurnTo(ExportOptionsPage);
    Click(QStringLiteral("Options_ExportTextLnk"));
    SetBoxes({});
    Click(QStringLiteral("SaveAsText_CopyBtn"));
    EXPECT_EQ(Clip()->text(), QString());
    files.Answers = {TempPath("empty.txt")};
    Click(QStringLiteral("SaveAsText_SaveLnk"));
    EXPECT_TRUE(QFile::exists(TempPath("empty.txt")));
    EXPECT_EQ(ReadAll(TempPath("empty.txt")), QByteArray());
}

// --- Files ---

// Every format reaches its file through the dialog with its own title, and the file starts
// as its type requires; a picture name without a dot gets ".EMF" or ".BMP".
TEST_F(ExportFmTest, EveryFormatSavedToAFile) {
    struct Case {
        const char* Link;
        const char* Control;
        const char* Answer;
        const char* Written;
        const char* Title;
        QByteArray Head;  // the file's first bytes
        int HeadAt;
    };
    const Case cases[] = {
        {"Options_CompleteWebPageLnk", "HtmlPage_SaveBtn", "page.htm", "page.htm", "Export as Complete Web Page",
         "<html><head>\r\n", 0},
        {"Options_PlayPageLnk", "PlayPage_SaveBtn", "play.html", "play.html", "Export as Interactive Web Page",
         "<!DOCTYPE html>\n", 0},
        {"Options_ExportTextLnk", "SaveAsText_SaveLnk", "puzzle.txt", "puzzle.txt", "Export as Text File on Disk",
         "Zoo\r\n", 0},
        {"Options_ExportPuzzleLnk", "Metafile_SavePuzzleLnk", "vector.emf", "vector.emf", "Save as Enhanced Metafile",
         " EMF", 40},
        {"Options_ExportPuzzleLnk", "Metafile_SavePuzzleLnk", "nodot", "nodot.EMF", "Save as Enhanced Metafile",
         QByteArray("\x01\x00\x00\x00", 4), 0},
        {"Options_ExportSolutionLnk", "Metafile_SaveSolutionLnk", "solution.svg", "solution.svg",
         "Save as Enhanced Metafile", "<?xml", 0},
        {"Options_PuzzleBitmapLnk", "Bitmap_SavePuzzleLnk", "bitmap.bmp", "bitmap.bmp", "Save as Bitmap", "BM", 0},
        {"Options_SolutionBitmapLnk", "Bitmap_SavePuzzleLnk", "plain", "plain.BMP", "Save as Bitmap", "BM", 0},
        {"Options_PuzzleBitmapLnk", "Bitmap_SavePuzzleLnk", "bitmap.png", "bitmap.png", "Save as Bitmap",
         "\x89PNG\r\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Answer);
        if (c.Title == QLatin1String("Save as Enhanced Metafile") && !TAsCanvas::EmfAvailable() &&
            !QString::fromLatin1(c.Answer).endsWith(QLatin1String(".svg")))
            continue;
        Fm().TurnTo(ExportOptionsPage);
        Click(QString::fromLatin1(c.Link));
        Box("IncludeTitleCB")->setChecked(true);
        files.Answers = {TempPath(QString::fromLatin1(c.Answer))};
        files.Requests.clear();
        Click(QString::fromLatin1(c.Control));
        EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join(u'|').toStdString();
        ASSERT_EQ(files.Requests.size(), 1u);
        EXPECT_EQ(files.Requests[0].Title, QString::fromLatin1(c.Title));
        const QByteArray bytes = ReadAll(TempPath(QString::fromLatin1(c.Written)));
        EXPECT_EQ(bytes.mid(c.HeadAt, c.Head.size()), c.Head);
    }
    // The last bitmap has the size in the fields; the SVG is a picture.
    EXPECT_EQ(QImage(TempPath("bitmap.png")).size(), FieldSize());
    EXPECT_TRUE(QSvgRenderer(ReadAll(TempPath("solution.svg"))).isValid());
    // Cancelling writes nothing.
    files.Answers = {};
    Click(QStringLiteral("Bitmap_SavePuzzleLnk"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 10);  // nine files and the preferences
}

// Protects: the mystery box's choice reaches the interactive page, which holds the whole
// puzzle whatever the include boxes say.
TEST_F(ExportFmTest, InteractivePageTakesTheMysteryChoice) {
    Click(QStringLiteral("Options_PlayPageLnk"));
    SetBoxes({});
    for (const bool mystery : {true, false}) {
        SCOPED_TRACE(mystery);
        Box("PlayPage_MysteryCB")->setChecked(mystery);
        const QString path = TempPath(mystery ? "mystery.html" : "open.html");
        files.Answers = {path};
        Click(QStringLiteral("PlayPage_SaveBtn"));
        const QByteArray page = ReadAll(path);
        EXPECT_TRUE(page.contains(mystery ? "\"mystery\":true" : "\"mystery\":false"));
        EXPECT_TRUE(page.contains("\"title\":[\"Zoo\"]"));
        EXPECT_EQ(page.count("\"text\":"), FifteenWords.size());
    }
}

// Protects: the file type chosen in the save dialog decides the extension added to a name
// typed without one (PNG gives name.png holding a PNG); a typed extension wins; with no
// type chosen the old rule stays.
TEST_F(ExportFmTest, ChosenPictureTypeDecidesTheExtension) {
    struct Row {
        const char* Typed;
        int Chosen;  // the dialog's file type: 0 BMP, 1 PNG, 2 all files, -1 unknown
        const char* Written;
        QByteArray Head;
    };
    const Row rows[] = {
        {"chart", 1, "chart.png", "\x89PNG\r\n"},
        {"board", 0, "board.bmp", "BM"},
        {"sheet.bmp", 1, "sheet.bmp", "BM"},
        {"any", 2, "any.BMP", "BM"},
        {"old", -1, "old.BMP", "BM"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Typed);
        Fm().TurnTo(ExportOptionsPage);
        Click(QStringLiteral("Options_PuzzleBitmapLnk"));
        files.Answers = {TempPath(QString::fromLatin1(row.Typed))};
        files.ChosenFilters = {row.Chosen};
        Click(QStringLiteral("Bitmap_SavePuzzleLnk"));
        EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join(u'|').toStdString();
        EXPECT_EQ(ReadAll(TempPath(QString::fromLatin1(row.Written))).left(row.Head.size()), row.Head);
    }
}

// Files may grow to a few bytes only while it lives: every write past them fails as on a
// full disk, whatever permissions the tests run with.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit lower{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~TFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

// Protects: a write that fails on a full disk keeps the file that was there, leaves no
// temporary and says so, naming the file and the reason on a line of its own.
TEST_F(ExportFmTest, FailedWriteLeavesTheOldFile) {
    struct Case {
        const char* Link;
        const char* Control;
        const char* Extension;
    };
    const Case cases[] = {
        {"Options_CompleteWebPageLnk", "HtmlPage_SaveBtn", ".htm"},
        {"Options_PlayPageLnk", "PlayPage_SaveBtn", ".html"},
        {"Options_ExportTextLnk", "SaveAsText_SaveLnk", ".txt"},
        {"Options_ExportPuzzleLnk", "Metafile_SavePuzzleLnk", ".emf"},
        {"Options_ExportSolutionLnk", "Metafile_SaveSolutionLnk", ".svg"},
        {"Options_PuzzleBitmapLnk", "Bitmap_SavePuzzleLnk", ".bmp"},
        {"Options_SolutionBitmapLnk", "Bitmap_SavePuzzleLnk", ".png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Control);
        const QString extension = QString::fromLatin1(c.Extension);
        if (extension == QLatin1String(".emf") && !TAsCanvas::EmfAvailable()) continue;
        const QString path = TempPath(QStringLiteral("old") + extension);
        WriteFile(path, "OLD CONTENT");
        Fm().TurnTo(ExportOptionsPage);
        Click(QString::fromLatin1(c.Link));
        messages.Messages.clear();
        files.Answers = {path};
        {
            const TFileSizeLimit full(10);
            Click(QString::fromLatin1(c.Control));
        }
        EXPECT_EQ(messages.Texts(),
                  QStringList{ExportWriteErrorMessage() + u'\n' + path + QStringLiteral(": File too large")});
        EXPECT_EQ(messages.Messages.front().Kind, MessageKind::Warning);
        EXPECT_EQ(ReadAll(path), QByteArray("OLD CONTENT"));
        QFile::remove(path);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"prefs.ini"});
}

// --- Clipboard ---

// Text as text/plain; HTML as text/plain and text/html alike; the vector picture as SVG, EMF
// under its three names and a bitmap; the bitmap as an image of the fields' size.
TEST_F(ExportFmTest, ClipboardFormats) {
    Click(QStringLiteral("Options_ExportTextLnk"));
    Find<QComboBox>(QStringLiteral("SaveAsText_GridLetterSpacingCmBx"))->setCurrentIndex(0);
    SetBoxes({"IncludeGridCB"});
    Click(QStringLiteral("SaveAsText_CopyBtn"));
    EXPECT_EQ(Clip()->text(), TextExportClipboard(TextExportLines(Model().Puzzle(), Fm().Sections(), 0)));
    EXPECT_FALSE(Clip()->hasHtml());
    EXPECT_EQ(Clip()->text().section(u'\n', 0, 0).size(), 15);  // no blanks between letters

    Click(QStringLiteral("Export_BackBtn"));
    Click(QStringLiteral("Options_ExportHtmlLnk"));
    Click(QStringLiteral("CPHtml_CopyBtn"));
    EXPECT_TRUE(Clip()->hasHtml());
    EXPECT_EQ(Clip()->html(), Clip()->text());
    EXPECT_TRUE(Clip()->text().startsWith(QLatin1String("\n<!--  GRID  -->")));
    EXPECT_FALSE(Clip()->text().contains(QLatin1String("<html>")));

    Click(QStringLiteral("Export_BackBtn"));
    Click(QStringLiteral("Options_ExportSolutionLnk"));
    Click(QStringLiteral("Metafile_CopySolutionBtn"));
    const QMimeData* vector = Clip();
    EXPECT_TRUE(vector->hasFormat(SvgMimeType));
    EXPECT_TRUE(vector->hasImage());
    if (TAsCanvas::EmfAvailable()) {
        for (const QString& type : {EmfMimeType, EmfMimeTypeX, EmfMimeTypeApplication}) {
            EXPECT_TRUE(vector->hasFormat(type)) << type.toStdString();
            EXPECT_EQ(vector->data(type).mid(40, 4), QByteArray(" EMF"));
        }
    }

    Click(QStringLiteral("Export_BackBtn"));
    Click(QStringLiteral("Options_PuzzleBitmapLnk"));
    WidthEd()->setText(QStringLiteral("222"));
    HeightEd()->setText(QStringLiteral("111"));
    Click(QStringLiteral("Bitmap_CopyBtn"));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(222, 111));
    EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join(u'|').toStdString();
}

// A bitmap size outside 1..10000 is refused before the dialog.
TEST_F(ExportFmTest, UnusableBitmapSizeIsRefused) {
    Click(QStringLiteral("Options_PuzzleBitmapLnk"));
    WidthEd()->setText(QStringLiteral("0"));
    files.Answers = {TempPath("never.bmp")};
    Click(QStringLiteral("Bitmap_SavePuzzleLnk"));
    EXPECT_EQ(messages.Texts(), QStringList{BitmapSizeMessage()});
    EXPECT_TRUE(files.Requests.empty());
}

}  // namespace
}  // namespace vorlix::shell::test
