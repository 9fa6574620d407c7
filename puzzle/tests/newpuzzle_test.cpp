// New-puzzle reset, the modified mark, the credits list and memorizing favourites.
#include <gtest/gtest.h>

#include "puzzlemodel.h"
#include "scriptedhost.h"

namespace vorlix {
namespace {

using test::TRecordingListener;
using test::TScriptedHost;

class NewPuzzleTest : public ::testing::Test {
protected:
    NewPuzzleTest() : model(host, prefs) {
        model.SetListener(&listener);
        model.CurrentYear = [] { return 2024; };
    }
    TScriptedHost host;
    TPreferences prefs;
    TRecordingListener listener;
    TPuzzleModel model;
};

// A puzzle full of edits, so the reset has something to undo.
void Dirty(TPuzzleModel& m) {
    m.Ready = true;
    m.Words_Memo = {"cat", "dog"};
    m.Words_MemoChange();
    m.Words_TitleMemo = {"Pets"};
    m.Words_HiddenMemo = {"hello"};
    m.Words_HiddenMemoChange();
    m.Layout_InstructionsMemo = {"my own"};
    m.AutoInstructions = InstructionsKeepCustom;
    m.RequestedColumns = 12;
    m.RequestedRows = 9;
    m.SetHiddenMessageMode(true);
    m.SetCustomCluesMode(true);
    m.Directions.fill(false);
    m.SetSharingLevel(ShareAll);
    m.SetCapitalization(TCapitalization::AsGiven);
    m.SetCurrentFileName("/tmp/pets.ws");
    m.PageFormat.TitleFontSize = 99;
    m.PageFormat.SolutionColor = 0x0000FF;
    m.Finished = true;
    m.RebuildPuzzle();
}

TEST_F(NewPuzzleTest, ResetWithFirstRunPreferencesGivesTheStandardNewPuzzle) {
    Dirty(model);
    model.ResetToNewPuzzle();

    EXPECT_TRUE(model.Words_Memo.isEmpty());
    EXPECT_TRUE(model.Words_TitleMemo.isEmpty());
    EXPECT_TRUE(model.Words_HiddenMemo.isEmpty());
    EXPECT_EQ(model.WordCountLbl, "0 words listed.");
    EXPECT_EQ(model.RequestedColumns, 0);
    EXPECT_EQ(model.RequestedRows, 0);
    EXPECT_FALSE(model.HiddenMessageMode());
    EXPECT_FALSE(model.CustomCluesMode());
    EXPECT_EQ(model.Directions, (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
    EXPECT_EQ(model.CurrentFileName(), "No_Name.ws");
    EXPECT_EQ(model.SaveTargetName, "No_Name.ws");
    EXPECT_EQ(model.Caption(), "Vorlix - No_Name.ws");
    EXPECT_FALSE(model.IsModified());
    EXPECT_FALSE(model.Finished);

    // The engine: settings reset, empty list, preferred sharing level kept.
    const TWordSearchConfig& s = model.Settings();
    EXPECT_EQ(s.PuzzleOptions, 0);
    EXPECT_TRUE(s.HiddenMessage.empty());
    EXPECT_EQ(s.SharingLevel, ShareIntersect);
    EXPECT_EQ(s.Capitalization, TCapitalization::AllUpper);
    EXPECT_EQ(model.Engine().WordCount, 0);
    EXPECT_FALSE(model.Engine().ListReady);

    // Appearance from the preferences, but the chosen solution colour survives.
    EXPECT_EQ(model.PageFormat.TitleFont, "Comic Sans MS");
    EXPECT_EQ(model.PageFormat.TitleFontSize, 36);
    EXPECT_EQ(model.PageFormat.TitleHtmlSize, "7");
    EXPECT_EQ(model.PageFormat.SolutionColor, 0x0000FF);
    EXPECT_GE(listener.AppearanceResets, 1);

    // The instructions are the automatic ones again.
    EXPECT_EQ(model.AutoInstructions, InstructionsAutomatic);
    EXPECT_EQ(model.Layout_InstructionsMemo,
              QStringList{"Find the words in the grid. Words can go horizontally, vertically and diagonally in all "
                          "eight directions."});
    EXPECT_EQ(model.Dirs_SummaryLbl,
              "Words can go horizontally, vertically and diagonally in all eight directions.");
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(NewPuzzleTest, ResetTakesEveryFavouriteFromThePreferences) {
    prefs.DirsPref = {true, true, false, false, true, true, false, false};
    prefs.ShareLevelPref = ShareAll;
    prefs.CapitalizationPref = "AllLower";
    prefs.DefaultLeftWorkSheet = {"Name ___", "", "Date ___"};
    prefs.DefaultRightWorkSheet = {"", "Class ___"};
    prefs.YourName = "Ann";
    prefs.RecipientName = "Bo";
    prefs.CreditsLineIndex = 3;
    prefs.CreditsLine = "My own credits";
    prefs.GridFontNamePref = "Courier New";
    prefs.GridFontSizePref = 20;
    prefs.MarginWidthPref = 1.125;
    prefs.BorderIndexPref = 5;
    prefs.PuzzleAlignmentPref = 2;
    prefs.SolutionStylePref = 1;
    prefs.WordListColumnsPref = 4;
    prefs.WordListAlignmentPref = 0;

    model.ResetToNewPuzzle();

    EXPECT_EQ(model.Directions, prefs.DirsPref);
    EXPECT_EQ(model.SharingLevel(), ShareAll);
    // The engine's own reset must not undo the preferred capitalization.
    EXPECT_EQ(model.Capitalization(), TCapitalization::AllLower);
    EXPECT_EQ(model.Worksheet_LeftMemo, (QStringList{"Name ___", "Date ___"}));
    EXPECT_EQ(model.Worksheet_RightMemo, QStringList{"Class ___"});
    EXPECT_EQ(model.Credits_NameEd, "Ann");
    EXPECT_EQ(model.Credits_RecipientEd, "Bo");
    EXPECT_TRUE(model.RecipientVisible);
    EXPECT_EQ(model.CreditsLineCmBx.ItemIndex, 3);
    EXPECT_EQ(model.CreditsLineCmBx.Text, "My own credits");
    EXPECT_EQ(model.CreditsLineCmBx.Items.size(), CreditsTemplateCount);

    const TPageFormat& f = model.PageFormat;
    EXPECT_EQ(f.GridFont, "Courier New");
    EXPECT_EQ(f.GridHtmlFace, "Courier New, monospace");
    EXPECT_EQ(f.GridFontSize, 20);
    EXPECT_EQ(f.GridHtmlSize, "5");
    EXPECT_DOUBLE_EQ(f.MarginWidth, 1.125);
    EXPECT_EQ(f.BorderIndex, 5);
    EXPECT_EQ(f.GridHPosition, 2);
    EXPECT_EQ(f.SolutionStyle, 1);
    EXPECT_EQ(f.RequestedClueColumns, 4);
    EXPECT_EQ(f.ClueAlignment, 0);

    EXPECT_EQ(model.Dirs_SummaryLbl, "Words can go up, down and in two diagonals.");
}

TEST_F(NewPuzzleTest, UnknownPreferredValuesFallBackToTheDefaultChoices) {
    prefs.CapitalizationPref = "allupper";  // names are matched exactly
    prefs.ShareLevelPref = 9;
    prefs.CreditsLineIndex = 40;
    model.SetCapitalization(TCapitalization::AsGiven);
    model.ResetToNewPuzzle();
    EXPECT_EQ(model.Capitalization(), TCapitalization::AllUpper);
    EXPECT_EQ(model.SharingLevel(), ShareIntersect);
    EXPECT_EQ(model.CreditsLineCmBx.ItemIndex, -1);
    EXPECT_EQ(model.CreditsLineCmBx.Text, prefs.CreditsLine);
    EXPECT_FALSE(model.RecipientVisible);
}

// The modified mark: ignored before start-up finished and while suppressed.
TEST_F(NewPuzzleTest, ModifiedMarkObeysReadyAndSuppression) {
    model.SetModified(true);
    EXPECT_FALSE(model.IsModified()) << "before the window is ready";
    model.Ready = true;
    model.SetModified(true);
    EXPECT_TRUE(model.IsModified());
    model.ModifiedSuppressed = true;
    model.SetModified(false);
    EXPECT_TRUE(model.IsModified()) << "suppressed";
    model.ModifiedSuppressed = false;
    model.SetModified(false);
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(listener.ModifiedCalls, (std::vector<bool>{true, false}));
}

TEST_F(NewPuzzleTest, CaptionIsAnnouncedOnlyWhenItChanges) {
    model.ResetToNewPuzzle();
    model.ResetToNewPuzzle();
    model.SetCurrentFileName("/home/a/b.ws");
    model.SetCurrentFileName("/home/a/b.ws");
    EXPECT_EQ(listener.Captions, (QStringList{"Vorlix - No_Name.ws", "Vorlix - /home/a/b.ws"}));
}

TEST_F(NewPuzzleTest, CreditsTemplatesGetNameYearAndRecipient) {
    model.Ready = true;
    model.Credits_NameEd = "Ann";
    model.Credits_RecipientEd = "Bo";
    model.RebuildCreditsLines(false);
    const QStringList& items = model.CreditsLineCmBx.Items;
    ASSERT_EQ(items.size(), 33);
    EXPECT_EQ(items[0], QString::fromUtf16(ProductWebAddress));
    EXPECT_EQ(items[3], QString::fromUtf8("\u00A9 2024 by Ann. ") + QString::fromUtf16(ProductWebAddress));
    EXPECT_EQ(items[31], QString::fromUtf8("This puzzle was made by Ann for Bo. ") + QString::fromUtf16(ProductWebAddress));
    EXPECT_TRUE(model.IsModified());

    // An empty name or recipient leaves its placeholder.
    model.Credits_NameEd.clear();
    model.Credits_RecipientEd.clear();
    model.Credits_NameChange();
    EXPECT_EQ(model.CreditsLineCmBx.Items[16], QString::fromUtf8("Made by <Name> using Vorlix\u2122"));
    EXPECT_EQ(model.CreditsLineCmBx.Items[24], QString::fromUtf8("Puzzle for [PUT A NAME HERE]. ") +
                                                   QString::fromUtf16(ProductWebAddress));
}

TEST_F(NewPuzzleTest, EditingTheNameKeepsTheChosenLineOrTheTypedOne) {
    model.RebuildCreditsLines(false);
    model.CreditsLineCmBx.Select(15);
    model.Credits_NameEd = "Cy";
    model.Credits_NameChange();
    EXPECT_EQ(model.CreditsLineCmBx.ItemIndex, 15);
    EXPECT_EQ(model.CreditsLineCmBx.Text, "Made by Cy. " + QString::fromUtf16(ProductWebAddress));

    model.CreditsLineCmBx.ItemIndex = -1;
    model.CreditsLineCmBx.Text = "Typed by hand";
    model.Credits_NameEd = "Dee";
    model.Credits_NameChange();
    EXPECT_EQ(model.CreditsLineCmBx.Text, "Typed by hand");
}

TEST_F(NewPuzzleTest, MemorizeAnsweredNoChangesNothing) {
    model.ResetToNewPuzzle();
    model.Credits_NameEd = "Someone";
    host.Answers = {MessageAnswer::No};
    bool saved = false;
    EXPECT_FALSE(model.MemorizeFavouriteOptions([&] { saved = true; }));
    EXPECT_FALSE(saved);
    EXPECT_TRUE(prefs.YourName.isEmpty());
    EXPECT_FALSE(model.MemorizedShown());
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, MemorizeQuestion());
}

TEST_F(NewPuzzleTest, MemorizedFavouritesComeBackInTheNextNewPuzzle) {
    model.ResetToNewPuzzle();
    model.Ready = true;
    model.Worksheet_LeftMemo = {"Name ___"};
    model.Worksheet_RightMemo = {"Date ___"};
    model.Credits_NameEd = "Ann";
    model.Credits_RecipientEd = "Bo";
    model.Credits_NameChange();
    model.CreditsLineCmBx.Select(6);
    model.Directions = {false, false, true, false, true, false, false, false};
    model.PageFormat.SetFace(TPageElement::Title, "Arial");
    model.PageFormat.SetFontSize(TPageElement::Credits, 6);
    model.PageFormat.MarginWidth = 0.5;
    model.PageFormat.BorderIndex = 7;
    model.PageFormat.GridHPosition = 0;
    model.PageFormat.SolutionStyle = 2;
    model.PageFormat.RequestedClueColumns = 3;
    model.PageFormat.ClueAlignment = 2;
    model.SetSharingLevel(ShareNoCross);
    model.SetCapitalization(TCapitalization::FirstLetter);

    host.Answers = {MessageAnswer::Yes};
    int saves = 0;
    EXPECT_TRUE(model.MemorizeFavouriteOptions([&] { ++saves; }));
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(model.MemorizedShown());
    EXPECT_EQ(prefs.CapitalizationPref, "FirstLetter");
    EXPECT_EQ(prefs.CreditsLineIndex, 6);

    // Any option change hides the notice again.
    model.ChooseSharingLevel(ShareCross);
    EXPECT_FALSE(model.MemorizedShown());

    Dirty(model);
    model.ResetToNewPuzzle();
    EXPECT_EQ(model.Worksheet_LeftMemo, QStringList{"Name ___"});
    EXPECT_EQ(model.Worksheet_RightMemo, QStringList{"Date ___"});
    EXPECT_EQ(model.Credits_NameEd, "Ann");
    EXPECT_EQ(model.CreditsLineCmBx.ItemIndex, 6);
    EXPECT_EQ(model.CreditsLineCmBx.Text, QString::fromUtf8("\u00A9 2024 Ann. Made using Vorlix\u2122"));
    EXPECT_EQ(model.Directions, (std::array<bool, 8>{false, false, true, false, true, false, false, false}));
    EXPECT_EQ(model.PageFormat.TitleFont, "Arial");
    EXPECT_EQ(model.PageFormat.CreditsFontSize, 6);
    EXPECT_DOUBLE_EQ(model.PageFormat.MarginWidth, 0.5);
    EXPECT_EQ(model.PageFormat.BorderIndex, 7);
    EXPECT_EQ(model.PageFormat.GridHPosition, 0);
    EXPECT_EQ(model.PageFormat.SolutionStyle, 2);
    EXPECT_EQ(model.PageFormat.RequestedClueColumns, 3);
    EXPECT_EQ(model.PageFormat.ClueAlignment, 2);
    EXPECT_EQ(model.SharingLevel(), ShareNoCross);
    EXPECT_EQ(model.Capitalization(), TCapitalization::FirstLetter);
    EXPECT_EQ(model.Layout_InstructionsMemo,
              QStringList{"Find the words in the grid. Words can go across and down only."});
}

// HTML companions: suffixes are cumulative and case-sensitive; sizes follow the point bands.
TEST(PageFormatTest, HtmlCompanionsFollowFacesAndSizes) {
    const std::vector<std::pair<QString, QString>> faces = {
        {"Arial", "Arial, Helvetica, sans-serif"},
        {"Times New Roman", "Times New Roman, serif"},
        {"Courier New", "Courier New, monospace"},
        {"Arial Times", "Arial Times, Helvetica, sans-serif, serif"},
        {"arial", "arial"},
        {"", ""},
    };
    for (const auto& [name, face] : faces) EXPECT_EQ(HtmlFaceOf(name), face) << name.toStdString();

    const std::vector<std::pair<int, const char*>> sizes = {{0, "1"},   {8, "1"},   {9, "2"},   {10, "2"},
                                                            {11, "3"},  {13, "3"},  {14, "4"},  {16, "4"},
                                                            {17, "5"},  {20, "5"},  {21, "6"},  {30, "6"},
                                                            {31, "7"},  {144, "7"}, {-5, "1"}};
    for (const auto& [points, size] : sizes) EXPECT_EQ(HtmlSizeOf(points), size) << points;

    TPageFormat f;
    EXPECT_EQ(f.TitleHtmlFace, "Comic Sans MS");
    EXPECT_EQ(f.WordlistHtmlFace, "Times New Roman, serif");
    EXPECT_EQ(f.CreditsHtmlSize, "1");
    f.SetFontSize(TPageElement::Wordlist, 18);
    EXPECT_EQ(f.HtmlSize(TPageElement::Wordlist), "5");
    EXPECT_STREQ(SizeKeyOf(TPageElement::Wordlist), "WordlistFontSize");
    EXPECT_STREQ(FaceKeyOf(TPageElement::Credits), "CreditsFont");
}

}  // namespace
}  // namespace vorlix
