// The new-puzzle reset and memorizing favourites.
#include <gtest/gtest.h>

#include "testhost.h"

namespace vorlix {
namespace {

class NewPuzzleTest : public ::testing::Test {
protected:
    NewPuzzleTest() : model(host, prefs) { model.CurrentYear = [] { return 2024; }; }
    test::TTestHost host;
    TPreferences prefs;
    TPuzzleModel model;

    // A puzzle full of edits, so the reset has something to undo.
    void Dirty() {
        model.Ready = true;
        model.Words_Memo = {"cat", "dog"};
        model.Layout_InstructionsMemo = {"my own"};
        model.AutoInstructions = InstructionsKeepCustom;
        model.SetHiddenMessageMode(true);
        model.SetCustomCluesMode(true);
        model.Directions.fill(false);
        model.SetSharingLevel(ShareAll);
        model.SetCapitalization(TCapitalization::AsGiven);
        model.SetCurrentFileName("/tmp/pets.ws");
        model.PageFormat.TitleFontSize = 99;
        model.PageFormat.SolutionColor = 0x0000FF;
        model.RebuildPuzzle();
    }
};

// With first-run preferences the reset gives the standard new puzzle, keeping only the
// chosen solution colour.
TEST_F(NewPuzzleTest, ResetWithFirstRunPreferencesGivesTheStandardNewPuzzle) {
    Dirty();
    model.ResetToNewPuzzle();
    EXPECT_TRUE(model.Words_Memo.isEmpty());
    EXPECT_FALSE(model.HiddenMessageMode());
    EXPECT_EQ(model.Directions, (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
    EXPECT_EQ(model.Caption(), "Vorlix - No_Name.ws");
    EXPECT_FALSE(model.IsModified());
    const TWordSearchConfig& s = model.Settings();
    EXPECT_EQ(s.PuzzleOptions, 0);
    EXPECT_EQ(s.SharingLevel, ShareIntersect);
    EXPECT_EQ(s.Capitalization, TCapitalization::AllUpper);
    EXPECT_EQ(model.PageFormat.TitleFontSize, 36);
    EXPECT_EQ(model.PageFormat.SolutionColor, 0x0000FF);
    EXPECT_EQ(model.AutoInstructions, InstructionsAutomatic);
    EXPECT_EQ(model.Layout_InstructionsMemo,
              QStringList{"Find the words in the grid. Words can go horizontally, vertically and diagonally in all "
                          "eight directions."});
    EXPECT_TRUE(host.Messages.empty());
}

// The reset takes every favourite from the preferences; unknown values give the default choice.
TEST_F(NewPuzzleTest, ResetTakesTheFavouritesFromThePreferences) {
    prefs.DirsPref = {true, true, false, false, true, true, false, false};
    prefs.ShareLevelPref = ShareAll;
    prefs.CapitalizationPref = "AllLower";
    prefs.DefaultLeftWorkSheet = {"Name ___", "", "Date ___"};
    prefs.RecipientName = "Bo";
    prefs.CreditsLineIndex = 3;
    prefs.CreditsLine = "My own credits";
    prefs.GridFontSizePref = 20;
    model.ResetToNewPuzzle();
    EXPECT_EQ(model.Directions, prefs.DirsPref);
    EXPECT_EQ(model.SharingLevel(), ShareAll);
    // The engine's own reset must not undo the preferred capitalization.
    EXPECT_EQ(model.Capitalization(), TCapitalization::AllLower);
    EXPECT_EQ(model.Worksheet_LeftMemo, (QStringList{"Name ___", "Date ___"}));
    EXPECT_TRUE(model.RecipientVisible);
    EXPECT_EQ(model.CreditsLineCmBx.ItemIndex, 3);
    EXPECT_EQ(model.CreditsLineCmBx.Text, "My own credits");
    EXPECT_EQ(model.PageFormat.GridHtmlSize, "5");
    EXPECT_EQ(model.Dirs_SummaryLbl, "Words can go up, down and in two diagonals.");

    prefs.CapitalizationPref = "allupper";  // names are matched exactly
    prefs.ShareLevelPref = 9;
    prefs.CreditsLineIndex = 40;
    model.ResetToNewPuzzle();
    EXPECT_EQ(model.Capitalization(), TCapitalization::AllUpper);
    EXPECT_EQ(model.SharingLevel(), ShareIntersect);
    EXPECT_EQ(model.CreditsLineCmBx.ItemIndex, -1);
}

// Answered Yes, memorizing stores the favourites, which the next new puzzle brings back.
TEST_F(NewPuzzleTest, MemorizedFavouritesComeBackInTheNextNewPuzzle) {
    model.ResetToNewPuzzle();
    model.Ready = true;
    model.Worksheet_LeftMemo = {"Name ___"};
    model.Credits_NameEd = "Ann";
    model.Credits_NameChange();
    model.CreditsLineCmBx.Select(6);
    model.Directions = {false, false, true, false, true, false, false, false};
    model.SetCapitalization(TCapitalization::FirstLetter);
    host.Answers = {MessageAnswer::No, MessageAnswer::Yes};
    int saves = 0;
    EXPECT_FALSE(model.MemorizeFavouriteOptions([&] { ++saves; }));
    EXPECT_TRUE(prefs.YourName.isEmpty());
    EXPECT_TRUE(model.MemorizeFavouriteOptions([&] { ++saves; }));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(host.Texts(), (QStringList{MemorizeQuestion(), MemorizeQuestion()}));

    Dirty();
    model.ResetToNewPuzzle();
    EXPECT_EQ(model.Worksheet_LeftMemo, QStringList{"Name ___"});
    EXPECT_EQ(model.CreditsLineCmBx.Text, QString::fromUtf8("\u00A9 2024 Ann. Made using Vorlix\u2122"));
    EXPECT_EQ(model.Capitalization(), TCapitalization::FirstLetter);
    EXPECT_EQ(model.Layout_InstructionsMemo,
              QStringList{"Find the words in the grid. Words can go across and down only."});
}

// A new puzzle takes the accidental-word level at once, so a grid turned before any build
// (an opened file) is checked as the preferences say; a stored value out of range is taboo.
TEST_F(NewPuzzleTest, ResetTakesTheAccidentalLevel) {
    for (const auto& [stored, level] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{2, 2}, std::pair{7, 1}}) {
        prefs.AccidentPrevent = stored;
        model.Settings().AccidentalCheck = 9;
        model.ResetToNewPuzzle();
        EXPECT_EQ(model.Settings().AccidentalCheck, level) << stored;
    }
}

}  // namespace
}  // namespace vorlix
