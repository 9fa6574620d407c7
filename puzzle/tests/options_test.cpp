// Directions summary, automatic instructions and their question, the word page's counting
// and the rebuild.
#include <gtest/gtest.h>

#include <tuple>

#include "testhost.h"

namespace vorlix {
namespace {

class ModelTest : public ::testing::Test {
protected:
    ModelTest() : model(host, prefs) {
        model.SetListener(&listener);
        model.ResetToNewPuzzle();
        model.Ready = true;
    }
    test::TTestHost host;
    TPreferences prefs;
    test::THintListener listener;
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
    const QString find = "Find the words in the grid.";
    const QString clues = "Figure out what words the clues represent. Then find the words in the grid.";
    const QString hidden =
        " When you are done, the unused letters in the grid will spell out a hidden message. Pick them out from "
        "left to right, top line to bottom line.";
    const std::vector<std::tuple<bool, bool, QString>> cases = {
        {false, false, find}, {false, true, find + hidden}, {true, false, clues}, {true, true, clues + hidden}};
    for (const auto& [withClues, withHidden, text] : cases) {
        model.SetCustomCluesMode(withClues);
        model.SetHiddenMessageMode(withHidden);
        EXPECT_EQ(model.AutomaticInstructionsText(), text);
    }
}

// The replace question: asked only for customized instructions, and the answer is remembered.
TEST_F(ModelTest, ReplaceQuestionByInstructionsState) {
    using A = MessageAnswer;
    // State before, the scripted answer, the result, state after, whether it was asked.
    const std::vector<std::tuple<int, A, A, int, bool>> cases = {
        {InstructionsAutomatic, A::No, A::Yes, InstructionsAutomatic, false},
        {InstructionsKeepCustom, A::Yes, A::No, InstructionsKeepCustom, false},
        {InstructionsLoading, A::Yes, A::No, InstructionsLoading, false},
        {InstructionsCustomized, A::Yes, A::Yes, InstructionsAutomatic, true},
        {InstructionsCustomized, A::No, A::No, InstructionsKeepCustom, true},
        {InstructionsCustomized, A::Cancel, A::Cancel, InstructionsCustomized, true},
    };
    for (const auto& [state, answer, result, stateAfter, asked] : cases) {
        host.Messages.clear();
        host.Answers = {answer};
        model.AutoInstructions = state;
        EXPECT_EQ(model.AskReplaceInstructions(), result) << state;
        EXPECT_EQ(model.AutoInstructions, stateAfter) << state;
        ASSERT_EQ(host.Messages.size(), asked ? 1u : 0u) << state;
        if (asked) {
            EXPECT_EQ(host.Messages[0].Kind, MessageKind::Confirmation);
            EXPECT_EQ(host.Messages[0].Buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(host.Messages[0].Text, ReplaceInstructionsQuestion());
        }
    }
}

// Cancelling the question undoes the click that asked it.
TEST_F(ModelTest, CancelledQuestionUndoesTheClick) {
    model.Layout_InstructionsMemo = {"Circle every animal."};
    model.AutoInstructions = InstructionsCustomized;
    host.Answers = {MessageAnswer::Cancel, MessageAnswer::Cancel};
    EXPECT_FALSE(model.ClickDirection(0));
    EXPECT_FALSE(model.ChoosePuzzleType(true, true));
    EXPECT_TRUE(model.Directions[0]);
    EXPECT_EQ(model.Settings().PuzzleOptions, 0);
    EXPECT_EQ(model.Layout_InstructionsMemo, QStringList{"Circle every animal."});
    EXPECT_FALSE(model.IsModified());
}

// Word counting: non-blank lines count; long clues only in clue mode; crowded lines hint once.
TEST_F(ModelTest, WordListCountAndFlags) {
    const QString clue47 = "cat/" + QString(47, 'x');
    // Lines, clue mode, the label, long clues, crowded.
    const std::vector<std::tuple<QStringList, bool, QString, bool, bool>> cases = {
        {{}, false, "0 words listed.", false, false},
        {{"cat", "", "  ", "dog"}, false, "2 words listed.", false, false},
        {{"cat/" + QString(46, 'x')}, true, "1 word listed.", false, false},
        {{clue47}, true, "1 word listed.", true, false},
        {{clue47}, false, "1 word listed.", false, false},
        {{"a b c d e/letters"}, true, "1 word listed.", false, true},
        {{"olive green yellow red blue"}, false, "1 word listed.", false, true},
    };
    for (const auto& [lines, clues, label, longClues, crowded] : cases) {
        model.SetCustomCluesMode(clues);
        model.Words_Memo = lines;
        model.Words_MemoChange();
        EXPECT_EQ(model.WordCountLbl, label) << lines.join("|").toStdString();
        EXPECT_EQ(model.LongClues, longClues) << lines.join("|").toStdString();
        EXPECT_EQ(model.Crowded, crowded) << lines.join("|").toStdString();
    }
    EXPECT_EQ(listener.Hints, QStringList{SeparateLinesHintText()}) << "the hint shows once per run";
}

// The rebuild hands the word page to the engine, each time on a fresh list; sizes outside
// the lists never reach the engine raw.
TEST_F(ModelTest, RebuildHandsTheWordPageToTheEngine) {
    model.Words_Memo = {"cat, dog", "", "bird/flies", "horse"};
    model.Directions = Dirs("FFTFTFFF");
    model.SetSharingLevel(ShareNoCross);
    model.RequestedColumns = 8;
    model.RequestedRows = 7;
    const TWordSearch* made = model.RebuildPuzzle();
    ASSERT_EQ(made, &model.Puzzle());
    const TEngineState& e = model.Engine();
    EXPECT_EQ(e.WordCount, 4);
    for (int d = 1; d <= 8; ++d) EXPECT_EQ(e.DirectionWeights[d], (d == East || d == South) ? 50 : 0) << d;
    EXPECT_FALSE(model.Settings().AllowCross);
    EXPECT_EQ((std::array{made->ActualColumns, made->ActualRows}), (std::array{8, 7}));
    model.RequestedColumns = 500;
    model.RequestedRows = -4;
    ASSERT_NE(model.RebuildPuzzle(), nullptr);
    EXPECT_EQ(e.WordCount, 4);
    EXPECT_LE(made->ActualColumns, MaxGridSize);
    EXPECT_GE(made->ActualRows, 1);
    EXPECT_EQ(model.RequestedColumns, 500) << "the setting itself is kept";
}

}  // namespace
}  // namespace vorlix
