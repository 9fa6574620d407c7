// The preferences page and its sub-pages driven through their widgets: colour schemes,
// edit text size, link underlining, the Program Map, Memorize and the stored choices.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QToolBar>

#include "colorscheme.h"
#include "spellingdlg.h"
#include "windows.h"
#include "shellfixture.h"

namespace vorlix::shell::test {
namespace {

QColor WindowColour(const QWidget* w) { return w->palette().color(QPalette::Window); }

class PrefPageTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        Main().TurnPage(QStringLiteral("Pref"));
        Process();
    }
    void ChooseScheme(int position) {
        Find<QComboBox>(QStringLiteral("Pref_ColorsCmBx"))->setCurrentIndex(position);
        Process();
    }
    QSettings Stored() const { return QSettings(IniFile(), QSettings::IniFormat); }
};

struct SchemeRow {
    int Position;
    const char* PageBackground;
    const char* InsetPanel;
    const char* MapBackground;
    const char* LinkText;
    const char* MapLinkText;
    const char* ToolbarBackground;
    const char* ToolbarText;
};

// Every scheme reaches every surface that takes one of its roles.
const SchemeRow SchemeRows[] = {
    {0, "#ffffff", "#ffffff", "#dddddd", "#0000ff", "#0000ff", "#c0c0c0", "#000000"},  // Basic White
    {1, "#edf0f2", "#dce0e4", "#d0d0d0", "#0000ff", "#0000ff", "#c0c0c0", "#000000"},  // Eggshell
    {2, "#f0f0e8", "#ffffff", "#e8e8e0", "#008000", "#008000", "#f0f0e8", "#000000"},  // Light Putty
    {3, "#e0e0d8", "#f8f8f2", "#c8c8c0", "#008000", "#008000", "#e0e0d8", "#000000"},  // Putty
    {4, "#d8d8e0", "#f2f2f8", "#c8c8d0", "#008000", "#008000", "#d8d8e0", "#000000"},  // Blue steel
    {5, "#d8d8e0", "#f2f2f8", "#52597b", "#0000ff", "#d8d8e0", "#9598ad", "#d8d8e0"},  // High Contrast
    {6, "#c0c0c0", "#ffffff", "#808080", "#0000ff", "#ffffff", "#c0c0c0", "#000000"},  // Gray
};

TEST_F(PrefPageTest, EverySchemeColoursEverySurface) {
    for (const SchemeRow& row : SchemeRows) {
        SCOPED_TRACE(row.Position);
        ChooseScheme(row.Position == 1 ? 0 : 1);  // a change, so the chosen one is applied anew
        ChooseScheme(row.Position);
        EXPECT_EQ(Main().ColorSchemeIndex(), row.Position);
        EXPECT_EQ(WindowColour(Find(QStringLiteral("Pref_Page"))).name(), row.PageBackground);
        EXPECT_EQ(WindowColour(Find(QStringLiteral("Dirs_InsetPnl"))).name(), row.InsetPanel);
        EXPECT_EQ(WindowColour(Find(QStringLiteral("Type_ChoicesPnl"))).name(), row.InsetPanel);
        EXPECT_EQ(WindowColour(Find(QStringLiteral("Print_ChoicesPnl"))).name(), row.InsetPanel);
        // The banners take the Program Map's colour, the finished page's view bar too.
        EXPECT_EQ(WindowColour(Find(QStringLiteral("Pref_Bnr"))).name(), row.MapBackground);
        EXPECT_EQ(WindowColour(Find(QStringLiteral("FinishedPuzzle_ViewBnr"))).name(), row.MapBackground);
        EXPECT_EQ(Find<TLink>(QStringLiteral("Pref_DirsLnk"))->TextColour().name(), row.LinkText);
        EXPECT_EQ(Find<TLink>(QStringLiteral("Nav_DesignLnk"))->TextColour().name(), row.MapLinkText);
        // The main toolbar and the preview window's toolbar alike.
        for (const char* bar : {"ToolBar", "Preview_ToolBar"}) {
            SCOPED_TRACE(bar);
            auto* toolbar = Find<QToolBar>(QString::fromLatin1(bar));
            ASSERT_NE(toolbar, nullptr);
            EXPECT_EQ(WindowColour(toolbar).name(), row.ToolbarBackground);
            EXPECT_EQ(toolbar->palette().color(QPalette::ButtonText).name(), row.ToolbarText);
        }
    }
}

TEST_F(PrefPageTest, SchemeHighlightsThePreferencesLink) {
    // After a scheme change the Program Map still shows where the user is.
    ChooseScheme(5);
    auto* link = Find<TLink>(QStringLiteral("Nav_PrefLnk"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->TextColour().name(), ColorSchemeAt(5).CurrentPageLink.name());
}

TEST_F(PrefPageTest, EditTextSizeSetsFontsAndMemoHeights) {
    // Large is 10 points and 40-pixel title and message boxes; Regular 8 points and 33.
    auto* size = Find<QComboBox>(QStringLiteral("Pref_EditTextSizeCmBx"));
    for (auto [index, points, height] : {std::tuple{1, 10, 40}, std::tuple{0, 8, 33}}) {
        size->setCurrentIndex(index);
        Process();
        EXPECT_EQ(Main().EditTextSize(), points);
        EXPECT_EQ(Find<QPlainTextEdit>(QStringLiteral("Words_Memo"))->font().pointSize(), points);
        EXPECT_EQ(Find(QStringLiteral("Words_TitleMemo"))->height(), height);
        EXPECT_EQ(Find(QStringLiteral("Words_HiddenMemo"))->height(), height);
    }
}

TEST_F(PrefPageTest, UnderlineOffSparesOnlyTheWorksheetHeaderLinks) {
    auto* worksheet = Find<TLink>(QStringLiteral("Worksheet_LeftNameLnk"));
    ASSERT_NE(worksheet, nullptr);
    const bool worksheetBefore = worksheet->UnderlineAlways();
    Find<QCheckBox>(QStringLiteral("Pref_UnderlinedLinksCB"))->setChecked(false);
    Process();
    int plain = 0;
    for (TLink* link : Main().findChildren<TLink*>()) {
        const QString name = link->objectName();
        // The hint and dialog Close links draw their own style.
        if (name.startsWith(QLatin1String("Worksheet_Left")) || name.startsWith(QLatin1String("Worksheet_Right")) ||
            name == QLatin1String("CloseLnk"))
            continue;
        EXPECT_FALSE(link->UnderlineAlways()) << name.toStdString();
        ++plain;
    }
    EXPECT_GT(plain, 20);
    EXPECT_EQ(worksheet->UnderlineAlways(), worksheetBefore);
    Find<QCheckBox>(QStringLiteral("Pref_UnderlinedLinksCB"))->setChecked(true);
    Process();
    EXPECT_TRUE(Find<TLink>(QStringLiteral("Pref_DirsLnk"))->UnderlineAlways());
}

TEST_F(PrefPageTest, ProgramMapHidesAndShowsInSteps) {
    // Hiding narrows the map to nothing and the normal window by the map's width.
    Main().showNormal();
    Main().resize(1000, 700);
    Process();
    QWidget* map = Find(QStringLiteral("ProgramMap"));
    ASSERT_NE(map, nullptr);
    const int widthBefore = Main().width();
    const int mapWidth = map->width();  // as the captions need it, at least the classic 121
    EXPECT_GE(mapWidth, 121);
    Find<QCheckBox>(QStringLiteral("Pref_ShowNavigationBarCB"))->setChecked(false);
    WaitUntil([map] { return map->isHidden(); });
    EXPECT_TRUE(map->isHidden());
    EXPECT_FALSE(Main().ProgramMapShown());
    EXPECT_EQ(Main().width(), widthBefore - mapWidth);
    Find<QCheckBox>(QStringLiteral("Pref_ShowNavigationBarCB"))->setChecked(true);
    WaitUntil([map, mapWidth] { return map->width() == mapWidth; });
    EXPECT_TRUE(map->isVisible());
    EXPECT_EQ(map->width(), mapWidth);
}

TEST_F(PrefPageTest, MemorizeAnsweredNoChangesNothing) {
    const TPreferences before = Main().Preferences();
    Main().TurnPage(QStringLiteral("Dirs"));
    Click(QStringLiteral("NorthCB"));
    Main().TurnPage(QStringLiteral("Pref"));
    messages.Answers = {MessageAnswer::No};
    Click(QStringLiteral("Pref_MemorizeBtn"));
    ASSERT_EQ(messages.Texts().size(), 1);
    EXPECT_EQ(messages.Texts().back(),
              "Memorizing the current settings will change how all future puzzles are created when you press "
              "\"New\" or \"Start New Puzzle\". Do you want to memorize the current settings?.");
    EXPECT_EQ(Main().Preferences().DirsPref, before.DirsPref);
    EXPECT_FALSE(Find<QLabel>(QStringLiteral("Worksheet_DoneLbl"))->isVisible());
    EXPECT_FALSE(Stored().contains(QStringLiteral("DirsPref")));
}

TEST_F(PrefPageTest, MemorizeYesStoresFavouritesUntilTheNextChange) {
    Main().TurnPage(QStringLiteral("Dirs"));
    Click(QStringLiteral("NorthCB"));
    const bool north = Model().Puzzle().Directions[0];
    Main().TurnPage(QStringLiteral("Pref"));
    Process();
    messages.Answers = {MessageAnswer::Yes};
    Click(QStringLiteral("Pref_MemorizeBtn"));
    EXPECT_EQ(Main().Preferences().DirsPref[0], north);
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("Worksheet_DoneLbl"))->isVisible());
    // Written at once, not only when the program closes.
    EXPECT_EQ(Stored().value(QStringLiteral("DirsPref")).toString().left(1), north ? "T" : "F");
    // A later option change hides the notice.
    Main().TurnPage(QStringLiteral("Dirs"));
    Click(QStringLiteral("EastCB"));
    Main().TurnPage(QStringLiteral("Pref"));
    Process();
    EXPECT_FALSE(Find<QLabel>(QStringLiteral("Worksheet_DoneLbl"))->isVisible());
}

TEST_F(PrefPageTest, ConvenienceChoicesAreStoredWhenTheProgramCloses) {
    ChooseScheme(3);
    Find<QComboBox>(QStringLiteral("Pref_EditTextSizeCmBx"))->setCurrentIndex(1);
    Find<QCheckBox>(QStringLiteral("Pref_UnderlinedLinksCB"))->setChecked(false);
    Main().TurnPage(QStringLiteral("Spell"));
    Click(QStringLiteral("SpellConstructRB"));
    Main().TurnPage(QStringLiteral("Accident"));
    Click(QStringLiteral("AccidentalCheckAllRB"));
    EXPECT_EQ(Main().Preferences().AccidentPrevent, 2);
    EXPECT_FALSE(Main().Preferences().SpellerSemiAuto);
    ForceClose();
    Process();
    QSettings stored = Stored();
    EXPECT_EQ(stored.value(QStringLiteral("ColorScheme")).toInt(), 3);
    EXPECT_EQ(stored.value(QStringLiteral("EditTextSize")).toInt(), 10);
    EXPECT_EQ(stored.value(QStringLiteral("AccidentPrevent")).toInt(), 2);
    const QString underlined = stored.value(QStringLiteral("UnderlinedLinks")).toString();
    EXPECT_TRUE(underlined == "0" || underlined.compare("false", Qt::CaseInsensitive) == 0) << underlined.toStdString();
}

TEST_F(PrefPageTest, AllEnglishWordsGivesTheEngineTheMainDictionary) {
    // Level 2 needs the speller's dictionary in the engine, or it checks no more than level 1.
    QFile english(TempPath("English"));
    ASSERT_TRUE(english.open(QIODevice::WriteOnly));
    english.write("APPLE\nPEAR\n");
    english.close();
    Main().Windows()->Spelling->SetDictionaryLocations({TempPath("English"), TempPath("SpellSup")});
    Main().TurnPage(QStringLiteral("Accident"));
    Click(QStringLiteral("AccidentalCheckAllRB"));
    const IWordSet* words = Model().Builder().Engine().MainDictionary;
    ASSERT_NE(words, nullptr);
    EXPECT_TRUE(words->Contains(u"APPLE"));
    EXPECT_FALSE(words->Contains(u"QZXJ"));
}

}  // namespace
}  // namespace vorlix::shell::test
