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
        model.SetWordLines({"cat", "dog"});
        model.MarkInstructionsTyped();
        model.SetInstructionLines({"my own"});
        host.Answers = {MessageAnswer::No};  // keep the custom instructions
        model.ChoosePuzzleType(true, true);
        model.SetDirections({});
        model.ChooseSharingLevel(ShareAll);
        model.ChooseCapitalization(TCapitalization::AsGiven);
        model.SetCurrentFileName("/tmp/pets.ws");
        TPageFormat format = model.Puzzle().Format;
        format.TitleFontSize = 99;
        format.SolutionColor = 0x0000FF;
        model.SetPageFormat(format);
        model.RebuildPuzzle();
        host.Messages.clear();
    }
};

// With first-run preferences the reset gives the standard new puzzle, keeping only the
// chosen solution colour.
TEST_F(NewPuzzleTest, ResetWithFirstRunPreferencesGivesTheStandardNewPuzzle) {
    Dirty();
    model.ResetToNewPuzzle();
    const TPuzzle& p = model.Puzzle();
    EXPECT_TRUE(p.WordLines.isEmpty());
    EXPECT_FALSE(model.HiddenMessageMode());
    EXPECT_FALSE(model.CustomCluesMode());
    EXPECT_EQ(p.Directions, (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
    EXPECT_EQ(model.Caption(), "Vorlix - No_Name.ws");
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(p.SharingLevel, ShareIntersect);
    EXPECT_EQ(p.Capitalization, TCapitalization::AllUpper);
    EXPECT_EQ(p.Format.TitleFontSize, 36);
    EXPECT_EQ(p.Format.SolutionColor, 0x0000FF);
    EXPECT_EQ(p.InstructionsMode, TInstructionsMode::Automatic);
    EXPECT_EQ(p.InstructionLines,
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
    prefs.PageFormat.GridFontSize = 20;
    model.ResetToNewPuzzle();
    EXPECT_EQ(model.Puzzle().Directions, prefs.DirsPref);
    EXPECT_EQ(model.SharingLevel(), ShareAll);
    EXPECT_EQ(model.Capitalization(), TCapitalization::AllLower);
    EXPECT_EQ(model.Puzzle().WorksheetLeftLines, (QStringList{"Name ___", "Date ___"}));
    EXPECT_TRUE(model.RecipientVisible);
    EXPECT_EQ(model.CreditsLineIndex(), 3);
    EXPECT_EQ(model.Puzzle().CreditsLine, "My own credits");
    EXPECT_EQ(model.Puzzle().Format.GridHtmlSize, "5");
    EXPECT_EQ(model.Dirs_SummaryLbl, "Words can go up, down and in two diagonals.");

    prefs.CapitalizationPref = "allupper";  // names are matched exactly
    prefs.ShareLevelPref = 9;
    prefs.CreditsLineIndex = 40;
    model.ResetToNewPuzzle();
    EXPECT_EQ(model.Capitalization(), TCapitalization::AllUpper);
    EXPECT_EQ(model.SharingLevel(), ShareIntersect);
    EXPECT_EQ(model.CreditsLineIndex(), -1);
}

// Answered Yes, memorizing stores the favourites, which the next new puzzle brings back.
TEST_F(NewPuzzleTest, MemorizedFavouritesComeBackInTheNextNewPuzzle) {
    model.ResetToNewPuzzle();
    model.Ready = true;
    model.SetWorksheetLines(true, {"Name ___"});
    model.SetCreditsNames("Ann", "");
    model.ChooseCreditsLine(6);
    model.SetDirections({false, false, true, false, true, false, false, false});
    model.ChooseCapitalization(TCapitalization::FirstLetter);
    host.Answers = {MessageAnswer::No, MessageAnswer::Yes};
    int saves = 0;
    EXPECT_FALSE(model.MemorizeFavouriteOptions([&] { ++saves; }));
    EXPECT_TRUE(prefs.YourName.isEmpty());
    EXPECT_TRUE(model.MemorizeFavouriteOptions([&] { ++saves; }));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(host.Texts(), (QStringList{MemorizeQuestion(), MemorizeQuestion()}));

    Dirty();
    model.ResetToNewPuzzle();
    EXPECT_EQ(model.Puzzle().WorksheetLeftLines, QStringList{"Name ___"});
    EXPECT_EQ(model.Puzzle().CreditsLine, QString::fromUtf8("\u00A9 2024 Ann. Made using Vorlix\u2122"));
    EXPECT_EQ(model.Capitalization(), TCapitalization::FirstLetter);
    EXPECT_EQ(model.Puzzle().InstructionLines,
              QStringList{"Find the words in the grid. Words can go across and down only."});
}

// A new puzzle takes the accidental-word level at once, so a grid turned before any build
// (an opened file) is checked as the preferences say; a stored value out of range is taboo.
TEST_F(NewPuzzleTest, ResetTakesTheAccidentalLevel) {
    for (const auto& [stored, level] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{2, 2}, std::pair{7, 1}}) {
        prefs.AccidentPrevent = stored;
        model.Builder().SetAccidentalLevel(0);
        model.ResetToNewPuzzle();
        EXPECT_EQ(model.Builder().AccidentalLevel(), level) << stored;
    }
}

}  // namespace
}  // namespace vorlix
