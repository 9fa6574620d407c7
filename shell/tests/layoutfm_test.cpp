// The appearance dialog driven through its controls: accepted sizes and margins, the
// prepared layouts, the apply timer's coalescing and restart rules on a manual clock,
// refreshing without applying, the reset to preferences, sections, colour and hints.
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStackedWidget>

#include "desktopfit.h"
#include "hintfm.h"
#include "layoutfm.h"
#include "puzzlefile.h"
#include "shellfixture.h"
#include "windows.h"

namespace vorlix::shell::test {
namespace {

struct TElementNames {
    TPageElement Element;
    const char* Face;
    const char* Size;
};

const TElementNames Elements[] = {
    {TPageElement::Title, "Title_FontNameCmBx", "Title_FontSizeCmBx"},
    {TPageElement::Worksheet, "Worksheet_FontNameCmBx", "Worksheet_FontSizeCmBx"},
    {TPageElement::Instructions, "Instructions_FontNameCmBx", "Instructions_FontSizeCmBx"},
    {TPageElement::Grid, "Grid_FontNameCmBx", "Grid_FontSizeCmBx"},
    {TPageElement::Wordlist, "WordList_FontNameCmBx", "WordList_FontSizeCmBx"},
    {TPageElement::Credits, "Credits_FontNameCmBx", "Credits_FontSizeCmBx"},
};

class LayoutTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        Model().SetModified(false);
    }

    TLayoutFm& Layout() { return *Main().Windows()->Layout; }
    const TPageFormat& Format() { return Model().Puzzle().Format; }
    // A setting changed from outside the dialog, as a test sets it up; nothing is marked.
    template <class Edit>
    void EditFormat(Edit edit) {
        TPageFormat f = Format();
        edit(f);
        Model().SetPageFormat(f, true);
    }
    QComboBox* List(const char* name) { return Find<QComboBox>(QString::fromLatin1(name)); }

    // What typing into an editable list does: its text changes.
    void Type(const char* name, const QString& text) { List(name)->setEditText(text); }
    // A choice made with the mouse.
    void Choose(const char* name, int index) {
        QComboBox* list = List(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    bool IsRed(const char* name) {
        return List(name)->lineEdit()->palette().color(QPalette::Text) == WarningText;
    }
    // Faces the prepared layouts give: the face when installed, its fallback otherwise.
    QString ExpectedFace(const char* list, const char* face, const char* fallback) {
        const bool listed = List(list)->findText(QString::fromLatin1(face), Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
        return QString::fromLatin1(listed ? face : fallback);
    }
    // The dialog's own Close (the hint window has one of that name too).
    void CloseDialog() {
        Layout().findChild<TLink*>(QStringLiteral("CloseLnk"))->Activate();
        Process();
    }
    // From here on the clock only moves when the test says so.
    void ManualTime() {
        Process();
        clock.SetManual(true);
    }
};

// --- Sizes and margin.

TEST_F(LayoutTest, SizeListsTakeOnlyTheirAcceptedRange) {
    // Each size list's accepted range: both ends taken, one past either end refused.
    struct Case {
        const TElementNames& names;
        int lowest, highest;
    };
    const Case cases[] = {{Elements[0], 6, 144}, {Elements[1], 4, 36}, {Elements[2], 4, 36},
                          {Elements[3], 4, 96},  {Elements[4], 4, 36}, {Elements[5], 3, 36}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names.Size);
        for (int accepted : {c.lowest, c.highest}) {
            Type(c.names.Size, QString::number(accepted));
            EXPECT_FALSE(IsRed(c.names.Size));
            EXPECT_EQ(Format().FontSize(c.names.Element), accepted);
            EXPECT_EQ(Format().HtmlSize(c.names.Element), HtmlSizeOf(accepted));
        }
        for (const QString& refused : {QString::number(c.lowest - 1), QString::number(c.highest + 1),
                                       QStringLiteral("big"), QString()}) {
            Type(c.names.Size, refused);
            EXPECT_TRUE(IsRed(c.names.Size)) << refused.toStdString();
            EXPECT_EQ(Format().FontSize(c.names.Element), c.highest) << "a refused size keeps the previous one";
        }
    }
}

TEST_F(LayoutTest, TitleSizeTwoHundredIsRedAndTypingFixesIt) {
    // Typing 200 shows red and leaves the size; 144 typed key by key is taken in black.
    Type("Title_FontSizeCmBx", QStringLiteral("200"));
    EXPECT_TRUE(IsRed("Title_FontSizeCmBx"));
    EXPECT_EQ(Format().TitleFontSize, 36);
    QLineEdit* edit = List("Title_FontSizeCmBx")->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("144"));
    EXPECT_FALSE(IsRed("Title_FontSizeCmBx"));
    EXPECT_EQ(Format().TitleFontSize, 144);
    EXPECT_EQ(List("Title_FontSizeCmBx")->count(), 10) << "typed sizes are not added to the list";
}

TEST_F(LayoutTest, MarginAcceptsZeroToTwoInches) {
    struct Case {
        const char* text;
        bool accepted;
        double margin;  // expected MarginWidth afterwards
    };
    const Case cases[] = {
        {"2.000", true, 2.0},     // the upper end is inside
        {"2.001", false, 2.0},    // just past it is refused; the last good width stays
        {"0.5", true, 0.5},       // any real number inside, not only the listed ones
        {"-0.001", false, 0.5},   // below zero refused
        {"0", true, 0.0},         // the lower end is inside
        {"1.125", true, 1.125},   // a listed width
        {"wide", true, 0.0},      // a word counts as 0, which is a valid margin
    };
    for (const Case& c : cases) {
        Type("Margin_MarginWidthCmBx", QString::fromLatin1(c.text));
        EXPECT_EQ(IsRed("Margin_MarginWidthCmBx"), !c.accepted) << c.text;
        EXPECT_DOUBLE_EQ(Format().MarginWidth, c.margin) << c.text;
    }
    // Choosing the entry still selected under a refused typed width takes the entry.
    QComboBox* margin = List("Margin_MarginWidthCmBx");
    margin->setCurrentIndex(4);
    Type("Margin_MarginWidthCmBx", QStringLiteral("7"));
    ASSERT_TRUE(IsRed("Margin_MarginWidthCmBx"));
    margin->setCurrentIndex(4);
    EXPECT_FALSE(IsRed("Margin_MarginWidthCmBx"));
    EXPECT_DOUBLE_EQ(Format().MarginWidth, 0.75);
}

TEST_F(ShellTest, MarginListFollowsTheUsersDecimalSign) {
    // Where the decimal sign is a comma, the listed widths read back as themselves and the
    // width shows with a comma; a width typed with a point still means what it says.
    struct RestoreLocale {
        QLocale saved;
        ~RestoreLocale() { QLocale::setDefault(saved); }
    } restore{QLocale()};
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Start();
    auto* margin = Find<QComboBox>(QStringLiteral("Margin_MarginWidthCmBx"));
    EXPECT_EQ(margin->currentText().trimmed(), QStringLiteral("0,750"));
    margin->setCurrentIndex(margin->findText(QStringLiteral("1,125")));
    EXPECT_DOUBLE_EQ(Model().Puzzle().Format.MarginWidth, 1.125);
    margin->setEditText(QStringLiteral("0.5"));
    EXPECT_DOUBLE_EQ(Model().Puzzle().Format.MarginWidth, 0.5);
    margin->setEditText(QStringLiteral("2,001"));
    EXPECT_DOUBLE_EQ(Model().Puzzle().Format.MarginWidth, 0.5);
}

TEST_F(LayoutTest, ListChoicesGoIntoThePageFormat) {
    // Each list-only setting is its list's position; each change marks the puzzle modified.
    struct Case {
        const char* list;
        int TPageFormat::*setting;
        int position;
    };
    const Case cases[] = {{"FrameStyleCmBx", &TPageFormat::BorderIndex, 6},
                          {"GridPositionCmBx", &TPageFormat::GridHPosition, 2},
                          {"SolutionStyleCmBx", &TPageFormat::SolutionStyle, 2},
                          {"CluesColumnsCmBx", &TPageFormat::RequestedClueColumns, 9},
                          {"WordAlignmentCmBx", &TPageFormat::ClueAlignment, 0}};
    for (const Case& c : cases) {
        Model().SetModified(false);
        List(c.list)->setCurrentIndex(c.position);
        EXPECT_EQ(Format().*c.setting, c.position) << c.list;
        EXPECT_TRUE(Model().IsModified()) << c.list;
    }
    EXPECT_EQ(List("FrameStyleCmBx")->count(), 8);
    EXPECT_EQ(List("CluesColumnsCmBx")->count(), 10);
}

TEST_F(LayoutTest, FaceChangeSetsTheFaceAndItsWebFace) {
    // A typed face is taken as it stands, installed or not, with its web-page face.
    Type("Grid_FontNameCmBx", QStringLiteral("Arial Narrow"));
    EXPECT_EQ(Format().GridFont, QStringLiteral("Arial Narrow"));
    EXPECT_EQ(Format().GridHtmlFace, QStringLiteral("Arial Narrow, Helvetica, sans-serif"));
    EXPECT_TRUE(Model().IsModified());
    EXPECT_EQ(Layout().ApplyTimer().Interval(), FaceApplyDelayMs);
}

TEST_F(LayoutTest, FaceListsHoldTheInstalledFonts) {
    // Every face list offers the installed families, the same in all six.
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    for (const TElementNames& names : Elements) {
        QComboBox* list = List(names.Face);
        EXPECT_GT(list->count(), 0) << names.Face;
        EXPECT_GE(list->findText(families.first()), 0) << names.Face;
    }
}

// --- Prepared layouts.

TEST_F(LayoutTest, PreparedLayoutsSetFacesAndSizes) {
    // Sizes 5 - k entries after each standard size; the title list's end holds for the
    // two largest layouts.
    const int sizes[9][6] = {
        {56, 17, 17, 36, 30, 13},  // Super Jumbo
        {56, 16, 16, 28, 24, 12},  // Extra Jumbo
        {56, 15, 15, 20, 18, 11},  // Jumbo
        {48, 14, 14, 16, 16, 10},  // Extra Large
        {42, 13, 13, 14, 14, 9},   // Large
        {36, 12, 12, 12, 12, 8},   // Standard
        {24, 11, 11, 11, 11, 7},   // Small
        {18, 10, 10, 10, 10, 6},   // Extra Small
        {14, 9, 9, 9, 9, 5},       // Tiny
    };
    const QStringList faces{ExpectedFace("Title_FontNameCmBx", "Comic Sans MS", "Comic Sans MS"),
                            ExpectedFace("Worksheet_FontNameCmBx", "Arial", "Arial"),
                            ExpectedFace("Instructions_FontNameCmBx", "Times New Roman", "Arial"),
                            ExpectedFace("Grid_FontNameCmBx", "Arial", "Arial"),
                            ExpectedFace("WordList_FontNameCmBx", "Times New Roman", "Arial"),
                            ExpectedFace("Credits_FontNameCmBx", "Arial", "Arial")};
    QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(TLayoutFm::PreparedLayoutNames()[k].toStdString());
        Model().SetModified(false);
        applied.clear();
        Choose("PreparedLayoutsCmBx", k);
        for (int e = 0; e < 6; ++e) {
            const TElementNames& names = Elements[e];
            EXPECT_EQ(Format().FontSize(names.Element), sizes[k][e]) << names.Size;
            EXPECT_EQ(List(names.Size)->currentText(), QString::number(sizes[k][e])) << names.Size;
            EXPECT_EQ(Format().Face(names.Element), faces[e]) << names.Face;
            EXPECT_EQ(List(names.Face)->currentText(), faces[e]) << names.Face;
        }
        EXPECT_TRUE(Model().IsModified());
        EXPECT_EQ(applied.count(), 1) << "a prepared layout applies at once";
        EXPECT_FALSE(Layout().ApplyTimer().IsActive());
    }
}

TEST_F(LayoutTest, PreparedLayoutsChangeOnlyFacesAndSizes) {
    // Margin, frame, grid position, solution style and colour, columns and alignment stay.
    Type("Margin_MarginWidthCmBx", QStringLiteral("1.375"));
    List("FrameStyleCmBx")->setCurrentIndex(5);
    List("GridPositionCmBx")->setCurrentIndex(0);
    List("SolutionStyleCmBx")->setCurrentIndex(1);
    List("CluesColumnsCmBx")->setCurrentIndex(3);
    List("WordAlignmentCmBx")->setCurrentIndex(2);
    EditFormat([](TPageFormat& f) { f.SolutionColor = 0x123456; });
    const TPageFormat before = Format();
    Choose("PreparedLayoutsCmBx", 8);
    EXPECT_DOUBLE_EQ(Format().MarginWidth, before.MarginWidth);
    EXPECT_EQ(Format().BorderIndex, 5);
    EXPECT_EQ(Format().GridHPosition, 0);
    EXPECT_EQ(Format().SolutionStyle, 1);
    EXPECT_EQ(Format().RequestedClueColumns, 3);
    EXPECT_EQ(Format().ClueAlignment, 2);
    EXPECT_EQ(Format().SolutionColor, 0x123456);
    EXPECT_EQ(Format().ClueTextFontColor, before.ClueTextFontColor);
}

// Protects: the large-print layout puts every text at 16 pt or more in a plain face and
// marks answers by shape in black, not by colour.
TEST_F(LayoutTest, LargePrintLayout) {
    List("SolutionStyleCmBx")->setCurrentIndex(2);
    EditFormat([](TPageFormat& f) { f.SolutionColor = 0x00FF00; });
    Choose("PreparedLayoutsCmBx", 9);
    for (const TElementNames& names : Elements) {
        EXPECT_GE(Format().FontSize(names.Element), 16) << names.Size;
        EXPECT_EQ(Format().Face(names.Element), "Arial") << names.Face;
    }
    EXPECT_EQ(Format().SolutionStyle, 0);
    EXPECT_EQ(List("SolutionStyleCmBx")->currentIndex(), 0);
    EXPECT_EQ(Format().SolutionColor, 0);
}

TEST_F(LayoutTest, PreparedSizeHoldsToTheListEnds) {
    // Positions outside 0..8 (a layout that is not in the list) never leave the list.
    EXPECT_EQ(PreparedSize(TPageElement::Title, -1), 56);
    EXPECT_EQ(PreparedSize(TPageElement::Grid, -1), 48);
    EXPECT_EQ(PreparedSize(TPageElement::Credits, 20), 5);
}

// --- The apply timer.

TEST_F(LayoutTest, TwoSizeChangesHalfASecondApartRefreshOnce) {
    // The same delay again does not restart the countdown: one refresh, 1.2 s after the first.
    ManualTime();
    QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
    Type("Grid_FontSizeCmBx", QStringLiteral("14"));
    clock.Advance(500);
    Type("WordList_FontSizeCmBx", QStringLiteral("16"));
    clock.Advance(699);
    EXPECT_EQ(applied.count(), 0);
    clock.Advance(1);
    EXPECT_EQ(applied.count(), 1);
    clock.Advance(3000);
    EXPECT_EQ(applied.count(), 1);
}

TEST_F(LayoutTest, ListChoiceDuringCountdownRestartsItShorter) {
    // A different delay restarts the running countdown: 0.3 s from the list choice.
    ManualTime();
    QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
    Type("Grid_FontSizeCmBx", QStringLiteral("14"));
    clock.Advance(500);
    List("SolutionStyleCmBx")->setCurrentIndex(2);
    clock.Advance(299);
    EXPECT_EQ(applied.count(), 0);
    clock.Advance(1);
    EXPECT_EQ(applied.count(), 1);
    clock.Advance(2000);
    EXPECT_EQ(applied.count(), 1) << "the first countdown does not fire as well";
}

TEST_F(LayoutTest, SizeAfterFaceRestartsWithTheLongerDelay) {
    // 300 ms running, then a size change: the countdown starts again at 1200 ms.
    ManualTime();
    QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
    Type("Title_FontNameCmBx", QStringLiteral("Liberation Serif"));
    clock.Advance(200);
    Type("Title_FontSizeCmBx", QStringLiteral("42"));
    clock.Advance(1199);
    EXPECT_EQ(applied.count(), 0);
    clock.Advance(1);
    EXPECT_EQ(applied.count(), 1);
}

TEST_F(LayoutTest, RefusedValueStopsTheCountdown) {
    // A red size or margin stops the timer: nothing is applied.
    for (const char* list : {"Credits_FontSizeCmBx", "Margin_MarginWidthCmBx"}) {
        ManualTime();
        QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
        Type("Credits_FontNameCmBx", QStringLiteral("Liberation Sans"));
        Type(list, QStringLiteral("99"));
        EXPECT_FALSE(Layout().ApplyTimer().IsActive()) << list;
        clock.Advance(5000);
        EXPECT_EQ(applied.count(), 0) << list;
        clock.SetManual(false);
    }
}

TEST_F(LayoutTest, ArmApplyTimerDelayOutsideRangeBecomesDefault) {
    // Delays outside 0..4000 ms become 1200; the ends are kept.
    for (const auto& [asked, used] : {std::pair{4001, 1200}, {-1, 1200}, {4000, 4000}, {0, 0}}) {
        Layout().ArmApplyTimer(asked);
        EXPECT_EQ(Layout().ApplyTimer().Interval(), used) << asked;
        Layout().ApplyTimer().Stop();
    }
}

TEST_F(LayoutTest, TimerFiringHidesMemorizedAndApplies) {
    // The fired timer hides "Memorized." and refreshes the views.
    ASSERT_TRUE(Model().MemorizeFavouriteOptions({}));
    ASSERT_TRUE(Model().MemorizedShown());
    QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
    List("WordAlignmentCmBx")->setCurrentIndex(0);
    EXPECT_TRUE(Model().MemorizedShown()) << "not before the timer fires";
    Process();
    EXPECT_FALSE(Model().MemorizedShown());
    EXPECT_EQ(applied.count(), 1);
}

// --- Refresh, reset and the loading flag.

TEST_F(LayoutTest, RefreshShowsTheSettingsWithoutApplying) {
    // Settings read from a file show in the controls; nothing is marked or applied.
    ManualTime();
    QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
    TPuzzle read = Model().Puzzle();
    TPageFormat& f = read.Format;
    f.GridFont = QStringLiteral("No Such Face Installed");
    f.TitleFontSize = 200;
    f.CreditsFontSize = 7;
    f.BorderIndex = 9;
    f.MarginWidth = 1.7777;
    f.GridHPosition = 2;
    f.SolutionStyle = 1;
    f.RequestedClueColumns = 4;
    f.ClueAlignment = 0;
    Model().LoadPuzzle(read, Model().CurrentFileName());
    EXPECT_FALSE(Layout().Loading());
    EXPECT_FALSE(Model().IsModified());
    EXPECT_FALSE(Layout().ApplyTimer().IsActive());
    clock.Advance(5000);
    EXPECT_EQ(applied.count(), 0);

    EXPECT_EQ(List("Grid_FontNameCmBx")->currentText(), QStringLiteral("No Such Face Installed"));
    EXPECT_EQ(Format().GridFont, QStringLiteral("No Such Face Installed"));
    EXPECT_EQ(List("Title_FontSizeCmBx")->currentText(), QStringLiteral("200"));
    EXPECT_TRUE(IsRed("Title_FontSizeCmBx"));
    EXPECT_EQ(Format().TitleFontSize, 200) << "a refused size read from a file stays in force";
    EXPECT_EQ(List("Credits_FontSizeCmBx")->currentText(), QStringLiteral("7"));
    EXPECT_EQ(List("FrameStyleCmBx")->currentText(), QStringLiteral("None"));
    EXPECT_EQ(Format().BorderIndex, 9) << "the frame stays 9 until the list is changed";
    EXPECT_EQ(List("Margin_MarginWidthCmBx")->currentText().trimmed(), QStringLiteral("1.778"));
    EXPECT_DOUBLE_EQ(Format().MarginWidth, 1.7777) << "showing the width does not round it";
    EXPECT_EQ(List("GridPositionCmBx")->currentIndex(), 2);
    EXPECT_EQ(List("SolutionStyleCmBx")->currentIndex(), 1);
    EXPECT_EQ(List("CluesColumnsCmBx")->currentIndex(), 4);
    EXPECT_EQ(List("WordAlignmentCmBx")->currentIndex(), 0);

    List("FrameStyleCmBx")->setCurrentIndex(2);
    EXPECT_EQ(Format().BorderIndex, 2);
}

TEST_F(LayoutTest, OpenedFileWithUninstalledGridFaceShowsIt) {
    // After a puzzle file is read, a grid face that is not installed still shows.
    TPuzzle saved = Model().Puzzle();
    saved.Format.GridFont = QStringLiteral("Missing Grid Face");
    saved.Format.UpdateHtmlCompanions();
    const QString path = TempPath(QStringLiteral("face.ws"));
    TReport report;
    ASSERT_TRUE(SavePuzzleFile(saved, path, report));
    Model().ResetToNewPuzzle();
    ASSERT_NE(List("Grid_FontNameCmBx")->currentText(), QStringLiteral("Missing Grid Face"));
    files.Answers.push_back(path);
    Main().OpenCommand();
    Process();
    EXPECT_EQ(List("Grid_FontNameCmBx")->currentText(), QStringLiteral("Missing Grid Face"));
    EXPECT_EQ(Format().GridFont, QStringLiteral("Missing Grid Face"));
    EXPECT_FALSE(Model().IsModified());
}

TEST_F(LayoutTest, ResetLayoutToPreferences) {
    // Faces, sizes, margin, frame and the four lists come from the preferences; the
    // solution colour stays.
    TPreferences& p = Model().Preferences();
    p.PageFormat.TitleFont = QStringLiteral("Liberation Serif");
    p.PageFormat.GridFontSize = 20;
    p.PageFormat.CreditsFontSize = 6;
    p.PageFormat.MarginWidth = 0.5;
    p.PageFormat.BorderIndex = 3;
    p.PageFormat.GridHPosition = 0;
    p.PageFormat.SolutionStyle = 2;
    p.PageFormat.RequestedClueColumns = 5;
    p.PageFormat.ClueAlignment = 2;
    EditFormat([](TPageFormat& f) { f.SolutionColor = 0x00FF00; });
    Type("Title_FontSizeCmBx", QStringLiteral("300"));  // red before the reset
    Model().SetModified(false);

    Layout().ResetLayoutToPreferences();
    EXPECT_EQ(Format().TitleFont, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(List("Title_FontNameCmBx")->currentText(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(List("Grid_FontSizeCmBx")->currentText(), QStringLiteral("20"));
    EXPECT_EQ(Format().GridFontSize, 20);
    EXPECT_EQ(List("Credits_FontSizeCmBx")->currentText(), QStringLiteral("6"));
    EXPECT_FALSE(IsRed("Title_FontSizeCmBx"));
    EXPECT_EQ(List("Margin_MarginWidthCmBx")->currentText().trimmed(), QStringLiteral("0.500"));
    EXPECT_EQ(List("FrameStyleCmBx")->currentIndex(), 3);
    EXPECT_EQ(List("GridPositionCmBx")->currentIndex(), 0);
    EXPECT_EQ(List("SolutionStyleCmBx")->currentIndex(), 2);
    EXPECT_EQ(List("CluesColumnsCmBx")->currentIndex(), 5);
    EXPECT_EQ(List("WordAlignmentCmBx")->currentIndex(), 2);
    EXPECT_EQ(Format().RequestedClueColumns, 5);
    EXPECT_EQ(Format().SolutionColor, 0x00FF00);
    EXPECT_FALSE(Model().IsModified());
    EXPECT_FALSE(Layout().ApplyTimer().IsActive());
}

TEST_F(LayoutTest, NewPuzzleRefreshesTheDialog) {
    // The new-puzzle reset brings the dialog back to the preference defaults.
    Choose("PreparedLayoutsCmBx", 0);
    ASSERT_NE(Format().GridFontSize, Model().Preferences().PageFormat.GridFontSize);
    Model().SetModified(false);  // no save query
    Main().NewCommand();
    EXPECT_EQ(List("Title_FontSizeCmBx")->currentText(),
              QString::number(Model().Preferences().PageFormat.TitleFontSize));
    EXPECT_EQ(Format().GridFontSize, Model().Preferences().PageFormat.GridFontSize);
}

TEST_F(LayoutTest, ReapplyFontSizesLeavesTheModifiedMark) {
    // The re-run size changes do not mark the puzzle; the views refresh at once.
    QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
    Layout().ReapplyFontSizes();
    EXPECT_FALSE(Model().IsModified());
    EXPECT_EQ(applied.count(), 1);
    EXPECT_FALSE(Layout().ApplyTimer().IsActive());
}

TEST_F(LayoutTest, MainWindowResizeReappliesOnce) {
    // A burst of resizes gives one re-application, with the mark left alone.
    QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
    Main().resize(900, 650);
    Main().resize(920, 660);
    Process();
    EXPECT_EQ(applied.count(), 1);
    EXPECT_FALSE(Model().IsModified());
}

// --- Sections, links and closing.

TEST_F(LayoutTest, MainWindowLinksOpenTheirSection) {
    // The option pages' font links open the dialog, modeless, on their section.
    struct Case {
        const char* page;
        const char* link;
        const char* section;
    };
    const Case cases[] = {{"Design", "Words_TitleOptionsLnk", "Title"},
                          {"Worksheet", "Worksheet_FontLnk", "Worksheet"},
                          {"Instructions", "Instructions_FontLnk", "Instructions"}};
    for (const Case& c : cases) {
        Main().TurnPage(QString::fromLatin1(c.page));
        Click(QString::fromLatin1(c.link));
        EXPECT_TRUE(Layout().isVisible()) << c.link;
        EXPECT_FALSE(Layout().isModal());
        EXPECT_EQ(Layout().SectionShown(), QString::fromLatin1(c.section));
        EXPECT_EQ(Find<QStackedWidget>(QStringLiteral("Sections"))->currentWidget()->objectName(),
                  QString::fromLatin1(c.section));
        Layout().close();
    }
    EXPECT_TRUE(modal.Shown.isEmpty()) << "the dialog never runs modally";
}

TEST_F(LayoutTest, SectionIsRememberedAndTabsSwitchIt) {
    // A tab shows its section; opening without a section keeps the one last shown.
    Main().ShowAppearance();
    Find<QAbstractButton>(QStringLiteral("Word_ListTab"))->click();
    EXPECT_EQ(Layout().SectionShown(), QStringLiteral("Word_List"));
    EXPECT_EQ(Find<QAbstractButton>(QStringLiteral("Word_ListTab"))->text(), QStringLiteral("Word List"));
    CloseDialog();
    EXPECT_FALSE(Layout().isVisible());
    Main().ShowAppearance();
    EXPECT_EQ(Layout().SectionShown(), QStringLiteral("Word_List"));
    Layout().ShowSection(QStringLiteral("Nowhere"));
    EXPECT_EQ(Layout().SectionShown(), QStringLiteral("Word_List")) << "an unknown section changes nothing";
    for (const QString& section : TLayoutFm::SectionNames()) {
        Layout().ShowSection(section);
        EXPECT_TRUE(Find<QAbstractButton>(section + QStringLiteral("Tab"))->isChecked());
    }
    // The arrow keys move along the strip.
    auto* title = Find<QAbstractButton>(QStringLiteral("TitleTab"));
    title->click();
    title->setFocus();
    QTest::keyClick(title, Qt::Key_Right);
    EXPECT_EQ(Layout().SectionShown(), QStringLiteral("Worksheet"));
}

TEST_F(LayoutTest, EscapeClosesAndTheSettingsSurvive) {
    // Esc hides the dialog; what was chosen is still shown when it opens again.
    Main().ShowAppearance(QStringLiteral("Margin"));
    List("FrameStyleCmBx")->setCurrentIndex(4);
    QTest::keyClick(&Layout(), Qt::Key_Escape);
    EXPECT_FALSE(Layout().isVisible());
    Main().ShowAppearance();
    EXPECT_EQ(List("FrameStyleCmBx")->currentIndex(), 4);
    EXPECT_EQ(Format().BorderIndex, 4);
}

TEST_F(LayoutTest, HintsLinkShowsItsHintAndCloseHidesIt) {
    // The hint goes away with the dialog.
    Main().ShowAppearance();
    Click(QStringLiteral("HintsLnk"));
    THintFm& hint = Main().Hint();
    EXPECT_TRUE(hint.isVisible());
    EXPECT_EQ(hint.Text(), TLayoutFm::HintsText());
    CloseDialog();
    EXPECT_FALSE(Layout().isVisible());
    EXPECT_FALSE(hint.isVisible());

    // Another window's hint is not the dialog's to close.
    Main().ShowAppearance();
    Main().ShowHintBeside(nullptr, QStringLiteral("From the main window."), 15);
    CloseDialog();
    EXPECT_TRUE(hint.isVisible());
}

TEST_F(LayoutTest, SolutionColourLinks) {
    // A chosen colour is stored as 0x00BBGGRR and applied at once; cancel changes
    // nothing; "Default color(s)" goes back to none.
    Main().ShowAppearance(QStringLiteral("Puzzle"));
    QSignalSpy applied(&Layout(), &TLayoutFm::AppearanceApplied);
    colorsFonts.Colors.push_back(QColor(0x12, 0x34, 0x56));
    Click(QStringLiteral("ChangeColorLnk"));
    EXPECT_EQ(Format().SolutionColor, 0x563412);
    EXPECT_EQ(applied.count(), 1);
    EXPECT_FALSE(Layout().ApplyTimer().IsActive());
    EXPECT_TRUE(Model().IsModified()) << "the colour is saved with the puzzle, so the save query must know";

    Model().SetModified(false);
    colorsFonts.Colors.push_back(std::nullopt);
    Click(QStringLiteral("ChangeColorLnk"));
    EXPECT_EQ(Format().SolutionColor, 0x563412);
    EXPECT_EQ(applied.count(), 1);
    EXPECT_FALSE(Model().IsModified());

    Click(QStringLiteral("DefaultColorLnk"));
    EXPECT_EQ(Format().SolutionColor, NoColor);
    EXPECT_EQ(applied.count(), 2);
    Model().SetModified(false);
    Click(QStringLiteral("DefaultColorLnk"));
    EXPECT_FALSE(Model().IsModified()) << "no colour to forget, no change";
}

TEST_F(LayoutTest, EveryControlHasItsNameAndCaption) {
    // The named controls exist, and every list and link reads out a caption.
    const char* names[] = {"PreparedLayoutsCmBx", "Margin_MarginWidthCmBx", "FrameStyleCmBx", "GridPositionCmBx",
                           "SolutionStyleCmBx",   "CluesColumnsCmBx",       "WordAlignmentCmBx", "ChangeColorLnk",
                           "DefaultColorLnk",     "HintsLnk",               "CloseLnk"};
    for (const char* name : names) EXPECT_NE(Layout().findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    for (const TElementNames& e : Elements) {
        EXPECT_NE(Layout().findChild<QComboBox*>(QString::fromLatin1(e.Face)), nullptr) << e.Face;
        EXPECT_NE(Layout().findChild<QComboBox*>(QString::fromLatin1(e.Size)), nullptr) << e.Size;
    }
    for (QComboBox* list : Layout().findChildren<QComboBox*>())
        EXPECT_FALSE(list->accessibleName().isEmpty()) << list->objectName().toStdString();
    for (TLink* link : LinksOf(&Layout())) EXPECT_EQ(link->accessibleName(), link->text().remove(QLatin1Char('&')));
    EXPECT_EQ(Layout().windowTitle(),
              QStringLiteral("Appearance -- Choose Fonts, Sizes, Word Columns, Alignment, Etc."));
    EXPECT_EQ(List("PreparedLayoutsCmBx")->placeholderText(),
              QStringLiteral("Click on the triangle at right to display a list of choices."));
}

// --- The manual clock behind the tests above.

TEST(ManualClockTest, AdvanceRunsDueDelaysInTimeOrder) {
    // Delays run when time passes them, earliest first, equal times in asking order;
    // a delay whose context is gone is dropped.
    TClock clock(1.0);
    clock.SetManual(true);
    QStringList ran;
    QObject keep;
    auto gone = std::make_unique<QObject>();
    clock.After(30, &keep, [&] { ran << "c"; });
    clock.After(10, &keep, [&] { ran << "a"; });
    clock.After(10, &keep, [&] {
        ran << "b";
        clock.After(5, &keep, [&] { ran << "a2"; });  // asked for meanwhile, due at 15
    });
    clock.After(20, gone.get(), [&] { ran << "never"; });
    gone.reset();
    clock.Advance(29);
    EXPECT_EQ(ran, (QStringList{"a", "b", "a2"}));
    EXPECT_EQ(clock.Elapsed(), 29);
    clock.Advance(1);
    EXPECT_EQ(ran, (QStringList{"a", "b", "a2", "c"}));
}

}  // namespace
}  // namespace vorlix::shell::test
