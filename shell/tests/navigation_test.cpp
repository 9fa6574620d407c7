// Page histories and navigation through the real main window.
#include <QToolButton>

#include "faqspage.h"
#include "hintfm.h"
#include "shellfixture.h"
#include "windows.h"

namespace vorlix::shell::test {

TEST(PageHistory, ContinueWalksBackAlongTheTurnedPages) {
    TPageHistory h;
    QString current = QStringLiteral("Home");
    for (const char* page : {"Design", "Dirs"}) {
        h.Turning(current);
        current = QString::fromLatin1(page);
        h.TurnDone();
    }
    current = h.Continue(current);
    EXPECT_EQ(current, "Design");
    current = h.Continue(current);
    EXPECT_EQ(current, "Home");
    EXPECT_EQ(h.BackHistory.Entries(), (QStringList{"Design", "Dirs", "Design", "Home"}));
}

TEST(PageHistory, StacksHoldAHundredAndPopHomeWhenEmpty) {
    TPageStack s;
    EXPECT_EQ(s.Pop(), "Home");
    for (int i = 1; i <= 101; ++i) s.Push(QString::number(i));
    EXPECT_EQ(s.Count(), 100);
    EXPECT_EQ(s.At(1), "101");
    EXPECT_EQ(s.At(100), "2");  // the first push was dropped
    EXPECT_EQ(s.At(101), "Home");
}

TEST(PageHistory, BackThenForwardReturnsAndTurnEmptiesForward) {
    TPageHistory h;
    h.Turning(QStringLiteral("Home"));
    h.TurnDone();
    QString current = h.Back(QStringLiteral("Design"));
    EXPECT_EQ(current, "Home");
    current = h.Forward(current);
    EXPECT_EQ(current, "Design");
    h.Back(current);
    h.Turning(QStringLiteral("Home"));
    h.TurnDone();
    EXPECT_TRUE(h.ForwardHistory.IsEmpty());
}

TEST(QuestionsText, BracesBoldAndBracketsNavyWithMarkersRemoved) {
    EXPECT_EQ(FormatQuestionsText(QStringLiteral("a {b} [c] d")),
              QStringLiteral("a <b>b</b> <b><font color=\"#000080\">c</font></b> d"));
    // Typed markup is shown, not obeyed; an unclosed brace stays as typed.
    EXPECT_EQ(FormatQuestionsText(QStringLiteral("<i> {x")), QStringLiteral("&lt;i&gt; {x"));
    QString many;
    for (int i = 0; i < 51; ++i) many += QStringLiteral("{x}");
    EXPECT_EQ(FormatQuestionsText(many).count(QStringLiteral("<b>")), 50);
}

TEST(HintPlacement, StaysOnScreen) {
    const QSize window(292, 91), screen(1280, 900);
    EXPECT_EQ(THintFm::PlaceFor(500, 300, window, screen), QPoint(500 - 292 + 236, 330));
    EXPECT_EQ(THintFm::PlaceFor(1275, 300, window, screen).x(), 1280 - 292);  // right edge
    EXPECT_EQ(THintFm::PlaceFor(500, 880, window, screen).y(), 900 - 91);     // bottom edge
    EXPECT_EQ(THintFm::PlaceFor(10, -100, window, screen), QPoint(0, 0));
}

TEST(Fading, OpacityFollowsElapsedTimeAndClamps) {
    EXPECT_EQ(FadeOpacity(0, 200, true), 0);
    EXPECT_EQ(FadeOpacity(100, 200, true), 128);
    EXPECT_EQ(FadeOpacity(500, 200, true), 255);
    EXPECT_EQ(FadeOpacity(50, 200, false), 191);
    EXPECT_EQ(FadeOpacity(300, 200, false), 0);
}

class NavigationTest : public ShellTest {};

TEST_F(NavigationTest, StartsOnHomeWithEverythingDisabled) {
    Start();
    EXPECT_EQ(Main().CurrentPageName(), "Home");
    EXPECT_TRUE(Main().History().BackHistory.IsEmpty());
    EXPECT_TRUE(Main().History().ForwardHistory.IsEmpty());
    for (const char* name : {"ToolBar_BackTBtn", "ToolBar_ForwardTbtn", "ToolBar_HomeTBtn", "ToolBar_SaveTBtn"})
        EXPECT_FALSE(Find<QToolButton>(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_EQ(Main().windowTitle(), "Vorlix - No_Name.ws[*]");
    EXPECT_FALSE(Find<QToolButton>(QStringLiteral("ToolBar_TabsTBtn"))->isVisible());
}

TEST_F(NavigationTest, MapLinksTurnPagesAndTheToolbarFollows) {
    Start();
    Click(QStringLiteral("Nav_DesignLnk"));
    Click(QStringLiteral("Nav_DirsLnk"));
    EXPECT_EQ(Main().CurrentPageName(), "Dirs");
    EXPECT_TRUE(Find<QToolButton>(QStringLiteral("ToolBar_BackTBtn"))->isEnabled());
    EXPECT_EQ(Find<TLink>(QStringLiteral("Nav_DirsLnk"))->TextColour(), Main().Scheme().CurrentPageLink);
    EXPECT_NE(Find<TLink>(QStringLiteral("Nav_DesignLnk"))->TextColour(), Main().Scheme().CurrentPageLink);

    Main().TurnPageContinue();
    EXPECT_EQ(Main().CurrentPageName(), "Design");
    Main().TurnPageContinue();
    EXPECT_EQ(Main().CurrentPageName(), "Home");
    EXPECT_FALSE(Find<QToolButton>(QStringLiteral("ToolBar_HomeTBtn"))->isEnabled());

    Click(QStringLiteral("ToolBar_BackTBtn"));
    EXPECT_EQ(Main().CurrentPageName(), "Design");
    EXPECT_TRUE(Find<QToolButton>(QStringLiteral("ToolBar_ForwardTbtn"))->isEnabled());
    Click(QStringLiteral("ToolBar_ForwardTbtn"));
    EXPECT_EQ(Main().CurrentPageName(), "Home");
}

TEST_F(NavigationTest, UnknownPageStaysButIsRecorded) {
    Start();
    Main().TurnPage(QStringLiteral("design"));  // names are case-sensitive
    EXPECT_EQ(Main().CurrentPageName(), "Home");
    EXPECT_EQ(Main().History().BackHistory.Entries(), QStringList{"Home"});
}

TEST_F(NavigationTest, MapLinkOfTheOpenPageOnlyHints) {
    Start();
    Click(QStringLiteral("Nav_FAQsLnk"));
    const int depth = Main().History().BackHistory.Count();
    Click(QStringLiteral("Nav_FAQsLnk"));
    EXPECT_EQ(Main().History().BackHistory.Count(), depth);
    ASSERT_TRUE(program->Windows().Hint->isVisible());
    EXPECT_EQ(program->Windows().Hint->Text(),
              "The \"FAQs\" page is already open. (These links under \"Program Map\" only open pages.)");
    EXPECT_EQ(program->Windows().Hint->Timer().interval(), 15000);
}

TEST_F(NavigationTest, EnterActsOnTheHighlightedLink) {
    Start();
    auto* faq = Find<TLink>(QStringLiteral("Home_FAQsLnk"));
    faq->setFocus();
    Process();
    ASSERT_EQ(Main().Highlighter().Current(), faq);
    EXPECT_TRUE(faq->font().underline());
    QTest::keyClick(&Main(), Qt::Key_Return);
    Process();
    EXPECT_EQ(Main().CurrentPageName(), "FAQs");
}

TEST_F(NavigationTest, UnderlineOffLeavesLinksPlainUntilHighlighted) {
    Start();
    Main().SetUnderlinedLinks(false);
    auto* link = Find<TLink>(QStringLiteral("Home_TourLnk"));
    EXPECT_FALSE(link->font().underline());
    link->SetHighlighted(true);
    EXPECT_TRUE(link->font().underline());
    Main().SetUnderlinedLinks(true);
    link->SetHighlighted(false);
    EXPECT_TRUE(link->font().underline());
}

}  // namespace vorlix::shell::test
