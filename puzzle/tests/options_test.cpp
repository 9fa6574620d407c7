// Directions summary, automatic instructions and their question, the word page's counting,
// the worksheet links and the rebuild steps.
#include <gtest/gtest.h>

#include "puzzlemodel.h"
#include "scriptedhost.h"

namespace vorlix {
namespace {

using test::TRecordingListener;
using test::TScriptedHost;

class ModelTest : public ::testing::Test {
protected:
    ModelTest() : model(host, prefs) {
        model.SetListener(&listener);
        model.CurrentYear = [] { return 2024; };
        model.ResetToNewPuzzle();
        model.Ready = true;
    }
    TScriptedHost host;
    TPreferences prefs;
    TRecordingListener listener;
    TPuzzleModel model;
};

std::array<bool, 8> Dirs(const char* tf) {
    std::array<bool, 8> d{};
    for (std::size_t i = 0; i < 8; ++i) d[i] = tf[i] == 'T';
    return d;
}

// The summary sentence: the special cases replace the list, which is joined with "," and " and".
TEST_F(ModelTest, DirectionsSummarySentences) {
    // Order of the flags: N NE E SE S SW W NW.
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"TTTTTTTT", "Words can go horizontally, vertically and diagonally in all eight directions."},
        {"FFTFTFFF", "Words can go across and down only."},
        {"FFTTTFFF", "Words can go across, down and diagonally across and down only."},
        {"TFTFTFTF", "Words can go horizontally and vertically either way, but not diagonally."},
        {"FTFTFTFT", "Words can go in the four diagonal directions only."},
        {"FFFFFFFF", "Words can go in all eight directions."},
        {"FFTFFFTF", "Words can go across, backwards and in no diagonals."},
        {"FTFFFFFF", "Words can go in one diagonal."},
        {"FFTFFFFF", "Words can go across and in no diagonals."},
        {"TFTFFFTF", "Words can go across, backwards, up and in no diagonals."},
        {"TTTTTTTF", "Words can go across, backwards, up, down and in three diagonals."},
        {"FTTTTTFT", "Words can go across, down and in all four diagonals."},
        {"FFFTTFFF", "Words can go down and in one diagonal."},
    };
    for (const auto& [flags, sentence] : cases) {
        model.Directions = Dirs(flags);
        EXPECT_EQ(model.DirectionsSummary(), sentence) << flags;
    }
}

// The type sentence of each of the four puzzle types.
TEST_F(ModelTest, AutomaticInstructionsPerPuzzleType) {
    const QString hidden =
        " When you are done, the unused letters in the grid will spell out a hidden message. Pick them out from "
        "left to right, top line to bottom line.";
    const QString clues = "Figure out what words the clues represent. Then find the words in the grid.";
    struct Case {
        bool clues, hidden;
        QString text;
    };
    const std::vector<Case> cases = {
        {false, false, "Find the words in the grid."},
        {false, true, "Find the words in the grid." + hidden},
        {true, false, clues},
        {true, true, clues + hidden},
    };
    for (const Case& c : cases) {
        model.SetCustomCluesMode(c.clues);
        model.SetHiddenMessageMode(c.hidden);
        EXPECT_EQ(model.AutomaticInstructionsText(), c.text) << c.clues << c.hidden;
        EXPECT_EQ(model.Settings().PuzzleOptions, (c.clues ? Option_CustomClues : 0) | (c.hidden ? Option_HiddenMessage : 0));
    }
}

// The replace question: asked only for customized instructions, and the answer is remembered.
TEST_F(ModelTest, ReplaceQuestionByInstructionsState) {
    struct Case {
        int state;
        std::vector<MessageAnswer> script;
        MessageAnswer result;
        int stateAfter;
        bool asked;
    };
    const std::vector<Case> cases = {
        {InstructionsAutomatic, {}, MessageAnswer::Yes, InstructionsAutomatic, false},
        {InstructionsKeepCustom, {}, MessageAnswer::No, InstructionsKeepCustom, false},
        {InstructionsLoading, {}, MessageAnswer::No, InstructionsLoading, false},
        {InstructionsCustomized, {MessageAnswer::Yes}, MessageAnswer::Yes, InstructionsAutomatic, true},
        {InstructionsCustomized, {MessageAnswer::No}, MessageAnswer::No, InstructionsKeepCustom, true},
        {InstructionsCustomized, {MessageAnswer::Cancel}, MessageAnswer::Cancel, InstructionsCustomized, true},
    };
    for (const Case& c : cases) {
        host.Messages.clear();
        host.Answers.assign(c.script.begin(), c.script.end());
        model.AutoInstructions = c.state;
        EXPECT_EQ(model.AskReplaceInstructions(), c.result) << c.state;
        EXPECT_EQ(model.AutoInstructions, c.stateAfter) << c.state;
        ASSERT_EQ(host.Messages.size(), c.asked ? 1u : 0u) << c.state;
        if (c.asked) {
            EXPECT_EQ(host.Messages[0].Kind, MessageKind::Confirmation);
            EXPECT_EQ(host.Messages[0].Buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(host.Messages[0].Text, ReplaceInstructionsQuestion());
        }
    }
}

TEST_F(ModelTest, CancelledQuestionUndoesTheDirectionClick) {
    model.Layout_InstructionsMemo = {"Circle every animal."};
    model.AutoInstructions = InstructionsCustomized;
    model.SetModified(false);
    host.Answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(model.ClickDirection(0));
    EXPECT_TRUE(model.Directions[0]);
    EXPECT_EQ(model.Layout_InstructionsMemo, QStringList{"Circle every animal."});
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(model.AutoInstructions, InstructionsCustomized);
}

TEST_F(ModelTest, DecliningOnceStopsTheQuestionUntilTheNextNewPuzzle) {
    model.Layout_InstructionsMemo = {"Circle every animal."};
    model.AutoInstructions = InstructionsCustomized;
    host.Answers = {MessageAnswer::No};
    EXPECT_TRUE(model.ClickDirection(0));  // North off
    EXPECT_FALSE(model.Directions[0]);
    EXPECT_EQ(model.Dirs_SummaryLbl, "Words can go across, backwards, down and in all four diagonals.");
    EXPECT_TRUE(model.IsModified());

    EXPECT_TRUE(model.ChoosePuzzleType(true, false));
    EXPECT_TRUE(model.ClickDirection(2));
    EXPECT_EQ(host.Messages.size(), 1u) << "asked only the first time";
    EXPECT_EQ(model.Layout_InstructionsMemo, QStringList{"Circle every animal."});

    model.ResetToNewPuzzle();
    model.Layout_InstructionsMemoKeyPress();
    host.Answers = {MessageAnswer::Yes};
    EXPECT_TRUE(model.ChoosePuzzleType(false, true));
    EXPECT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(model.Layout_InstructionsMemo,
              QStringList{"Figure out what words the clues represent. Then find the words in the grid. Words can go "
                          "horizontally, vertically and diagonally in all eight directions."});
}

TEST_F(ModelTest, CancelledTypeChangeKeepsTheType) {
    model.AutoInstructions = InstructionsCustomized;
    host.Answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(model.ChoosePuzzleType(true, true));
    EXPECT_FALSE(model.HiddenMessageMode());
    EXPECT_FALSE(model.CustomCluesMode());
    EXPECT_EQ(model.Settings().PuzzleOptions, 0);
}

TEST_F(ModelTest, AllDirectionsOffShowsTheNotice) {
    for (int i = 0; i < 8; ++i) model.ClickDirection(i);
    EXPECT_TRUE(model.AllUncheckedNotice);
    EXPECT_EQ(model.Dirs_SummaryLbl, "Words can go in all eight directions.");
    EXPECT_EQ(model.Layout_InstructionsMemo,
              QStringList{"Find the words in the grid. Words can go in all eight directions."});
    model.ClickDirection(3);
    EXPECT_FALSE(model.AllUncheckedNotice);
}

TEST_F(ModelTest, LoadingAFileNeverTouchesTheInstructions) {
    model.AutoInstructions = InstructionsLoading;
    model.Layout_InstructionsMemo = {"From the file."};
    model.Directions = Dirs("FFTFTFFF");
    model.UpdateDirectionsDisplay();
    EXPECT_EQ(model.Dirs_SummaryLbl, "Words can go across and down only.");
    EXPECT_EQ(model.Layout_InstructionsMemo, QStringList{"From the file."});
    EXPECT_TRUE(host.Messages.empty());
}

// Word counting: non-blank lines count; long clues only in clue mode; crowded lines hint once.
TEST_F(ModelTest, WordListCountLabelAndFlags) {
    struct Case {
        QStringList lines;
        bool clues;
        int count;
        QString label;
        bool longClues, crowded;
    };
    const QString fifty(50, 'x');
    const std::vector<Case> cases = {
        {{}, false, 0, "0 words listed.", false, false},
        {{"cat"}, false, 1, "1 word listed.", false, false},
        {{"cat", "", "  ", "dog"}, false, 2, "2 words listed.", false, false},
        {{"\t"}, false, 1, "1 word listed.", false, false},
        {{"cat/" + fifty.left(46)}, true, 1, "1 word listed.", false, false},
        {{"cat/" + fifty.left(47)}, true, 1, "1 word listed.", true, false},
        {{"cat/" + fifty.left(47)}, false, 1, "1 word listed.", false, false},
        {{"a b c d e/letters"}, true, 1, "1 word listed.", false, true},
        {{"a b c d/letters"}, true, 1, "1 word listed.", false, false},
        {{"a b c d,e f g h i"}, false, 1, "1 word listed.", false, false},
        {{"olive green yellow red blue"}, false, 1, "1 word listed.", false, true},
    };
    for (const Case& c : cases) {
        model.SetCustomCluesMode(c.clues);
        model.Words_Memo = c.lines;
        model.Words_MemoChange();
        const std::string what = c.lines.join("|").toStdString();
        EXPECT_EQ(model.ListedWordCount, c.count) << what;
        EXPECT_EQ(model.WordCountLbl, c.label) << what;
        EXPECT_EQ(model.LongClues, c.longClues) << what;
        EXPECT_EQ(model.Crowded, c.crowded) << what;
    }
    EXPECT_EQ(listener.Hints, QStringList{SeparateLinesHintText()}) << "the hint shows once per run";
    EXPECT_TRUE(model.SeparateLinesHintShown);
}

TEST_F(ModelTest, WordListEditsMarkModifiedAndStaleSpelling) {
    model.SpellingUpToDate = true;
    model.SetModified(false);
    model.Words_Memo = {"cat"};
    model.Words_MemoChange();
    EXPECT_TRUE(model.IsModified());
    EXPECT_FALSE(model.SpellingUpToDate);

    model.Words_HiddenMemo = {"hi there", "you"};
    model.Words_HiddenMemoChange();
    EXPECT_EQ(model.Settings().HiddenMessage, u"hi there\r\nyou");
}

TEST_F(ModelTest, WorksheetLinkTogglesItsLine) {
    model.Worksheet_LeftMemo = {"Date ___", "My Name here"};
    model.ToggleWorksheetLine(true, 0);  // "Name"
    EXPECT_EQ(model.Worksheet_LeftMemo, QStringList{"Date ___"}) << "every line holding the word goes";
    model.ToggleWorksheetLine(true, 0);
    EXPECT_EQ(model.Worksheet_LeftMemo, (QStringList{"Date ___", "Name _______________________"}));
    model.ToggleWorksheetLine(true, 0);
    EXPECT_EQ(model.Worksheet_LeftMemo, QStringList{"Date ___"});
    model.ToggleWorksheetLine(false, 6);
    EXPECT_EQ(model.Worksheet_RightMemo, QStringList{"Period _____________________"});
    model.ToggleWorksheetLine(false, 7);  // no such link
    EXPECT_EQ(model.Worksheet_RightMemo.size(), 1);
    for (const char* line : WorksheetLines) EXPECT_EQ(QString(line).size(), 28) << line;
}

TEST_F(ModelTest, RebuildHandsTheWordPageToTheEngine) {
    model.Words_Memo = {"cat, dog", "", "bird/flies", "horse"};
    model.Directions = Dirs("FFTFTFFF");
    model.SetSharingLevel(ShareNoCross);
    model.RequestedColumns = 8;
    model.RequestedRows = 7;
    model.SetModified(false);

    TWordSearch* made = model.RebuildPuzzle();
    ASSERT_EQ(made, &model.Puzzle());
    const TEngineState& e = model.Engine();
    EXPECT_EQ(e.WordCount, 4);
    EXPECT_TRUE(e.ListReady);
    EXPECT_EQ(e.WordList[3].GridWord, u"BIRD");
    for (int d = 1; d <= 8; ++d) EXPECT_EQ(e.DirectionWeights[d], (d == East || d == South) ? 50 : 0) << d;
    EXPECT_EQ(model.Settings().SharingLevel, ShareNoCross);
    EXPECT_FALSE(model.Settings().AllowCross);
    EXPECT_EQ(made->ActualColumns, 8);
    EXPECT_EQ(made->ActualRows, 7);
    EXPECT_TRUE(made->Constructed);
    for (int w = 1; w <= e.WordCount; ++w) {
        if (made->Placements[w].Placed) {
            EXPECT_TRUE(made->Placements[w].Direction == East || made->Placements[w].Direction == South);
        }
    }
    EXPECT_TRUE(model.CrowdedWarningPending);
    EXPECT_TRUE(model.IsModified());
    EXPECT_EQ(model.Settings().AccidentalCheck, 1);

    // A second build starts a fresh list instead of being refused.
    EXPECT_NE(model.RebuildPuzzle(), nullptr);
    EXPECT_EQ(model.Engine().WordCount, 4);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ModelTest, TypedHiddenMessageIsLaidWhateverThePuzzleType) {
    model.Words_Memo = {"cat"};
    model.Words_HiddenMemo = {"hi"};
    model.Words_HiddenMemoChange();
    model.RebuildPuzzle();
    EXPECT_TRUE(model.Settings().HasOption(Option_HiddenMessage));
    EXPECT_FALSE(model.HiddenMessageMode());

    model.SetHiddenMessageMode(true);
    model.Words_HiddenMemo.clear();
    model.Words_HiddenMemoChange();
    model.RebuildPuzzle();
    EXPECT_FALSE(model.Settings().HasOption(Option_HiddenMessage));
}

TEST_F(ModelTest, SizesOutsideTheListsDoNotReachTheEngineRaw) {
    model.Words_Memo = {"cat"};
    model.RequestedColumns = 500;
    model.RequestedRows = -4;
    TWordSearch* made = model.RebuildPuzzle();
    ASSERT_NE(made, nullptr);
    EXPECT_LE(made->ActualColumns, MaxGridSize);
    EXPECT_GE(made->ActualRows, 1);
    EXPECT_EQ(model.RequestedColumns, 500) << "the setting itself is kept";
}

}  // namespace
}  // namespace vorlix
