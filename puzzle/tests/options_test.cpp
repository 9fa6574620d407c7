// Directions summary, automatic instructions and their question, the word page's counting
// and the rebuild.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "testhost.h"

namespace vorlix {
namespace {

class ModelTest : public ::testing::Test {
protected:
    ModelTest() : model(host, prefs), listener(model) {
        model.ResetToNewPuzzle();
        model.Ready = true;
    }
    test::TTestHost host;
    TPreferences prefs;
    TPuzzleModel model;
    test::THintListener listener;

    // The current puzzle with some of its parts changed, taken in without any question.
    void Take(const std::function<void(TPuzzle&)>& change) {
        TPuzzle p = model.Puzzle();
        change(p);
        model.ReplacePuzzle(p);
    }
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
        model.SetDirections(Dirs(flags));
        EXPECT_EQ(model.DirectionsSummary(), sentence) << flags;
        EXPECT_EQ(model.Dirs_SummaryLbl, sentence) << flags;
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
        Take([&](TPuzzle& p) { p.Type = {withHidden, withClues}; });
        EXPECT_EQ(model.AutomaticInstructionsText(), text);
    }
}

// The replace question: asked only for customized instructions, and the answer is remembered.
TEST_F(ModelTest, ReplaceQuestionByInstructionsState) {
    using A = MessageAnswer;
    using enum TInstructionsMode;
    // State before, the scripted answer, the result, state after, whether it was asked.
    const std::vector<std::tuple<TInstructionsMode, A, A, TInstructionsMode, bool>> cases = {
        {Automatic, A::No, A::Yes, Automatic, false},
        {KeepCustom, A::Yes, A::No, KeepCustom, false},
        {Customized, A::Yes, A::Yes, Automatic, true},
        {Customized, A::No, A::No, KeepCustom, true},
        {Customized, A::Cancel, A::Cancel, Customized, true},
    };
    for (const auto& [state, answer, result, stateAfter, asked] : cases) {
        Take([&](TPuzzle& p) { p.InstructionsMode = state; });
        host.Messages.clear();
        host.Answers = {answer};
        EXPECT_EQ(model.AskReplaceInstructions(), result) << int(state);
        EXPECT_EQ(model.InstructionsMode(), stateAfter) << int(state);
        ASSERT_EQ(host.Messages.size(), asked ? 1u : 0u) << int(state);
        if (asked) {
            EXPECT_EQ(host.Messages[0].Kind, MessageKind::Confirmation);
            EXPECT_EQ(host.Messages[0].Buttons, MessageButtons::YesNoCancel);
            EXPECT_EQ(host.Messages[0].Text, ReplaceInstructionsQuestion());
        }
    }
}

// Cancelling the question undoes the click that asked it.
TEST_F(ModelTest, CancelledQuestionUndoesTheClick) {
    Take([](TPuzzle& p) {
        p.InstructionLines = {"Circle every animal."};
        p.InstructionsMode = TInstructionsMode::Customized;
    });
    model.SetModified(false);
    host.Answers = {MessageAnswer::Cancel, MessageAnswer::Cancel};
    EXPECT_FALSE(model.ClickDirection(0));
    EXPECT_FALSE(model.ChoosePuzzleType(true, true));
    EXPECT_TRUE(model.Puzzle().Directions[0]);
    EXPECT_EQ(model.Puzzle().Type, TPuzzleType{});
    EXPECT_EQ(model.Puzzle().InstructionLines, QStringList{"Circle every animal."});
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
        Take([&](TPuzzle& p) { p.Type.CustomClues = clues; });
        model.SetWordLines(lines);
        EXPECT_EQ(model.WordCountLbl, label) << lines.join("|").toStdString();
        EXPECT_EQ(model.LongClues, longClues) << lines.join("|").toStdString();
        EXPECT_EQ(model.Crowded, crowded) << lines.join("|").toStdString();
    }
    EXPECT_EQ(listener.Hints, QStringList{SeparateLinesHintText()}) << "the hint shows once per run";
}

// The rebuild hands the word page to the engine, each time on a fresh list; sizes outside
// the lists never reach the engine raw.
TEST_F(ModelTest, RebuildHandsTheWordPageToTheEngine) {
    model.SetWordLines({"cat, dog", "", "bird/flies", "horse"});
    model.SetDirections(Dirs("FFTFTFFF"));
    model.ChooseSharingLevel(ShareNoCross);
    model.SetRequestedSize(8, 7);
    ASSERT_TRUE(model.RebuildPuzzle());
    const TEngineState& e = model.Builder().Engine();
    EXPECT_EQ(model.Puzzle().Words().WordCount, 4);
    for (int d = 1; d <= 8; ++d) EXPECT_EQ(e.DirectionWeights[d], (d == East || d == South) ? 50 : 0) << d;
    EXPECT_FALSE(model.Puzzle().Words().Settings.AllowCross());
    const TWordSearch& made = model.Puzzle().Grid();
    EXPECT_EQ((std::array{made.ActualColumns, made.ActualRows}), (std::array{8, 7}));
    model.SetRequestedSize(500, -4);
    ASSERT_TRUE(model.RebuildPuzzle());
    const TWordSearch& again = model.Puzzle().Grid();
    EXPECT_EQ(model.Puzzle().Words().WordCount, 4);
    EXPECT_LE(again.ActualColumns, MaxGridSize);
    EXPECT_GE(again.ActualRows, 1);
    EXPECT_EQ(model.Puzzle().RequestedColumns, 500) << "the setting itself is kept";
}

}  // namespace
}  // namespace vorlix

namespace vorlix {
namespace {

class LanguageModelTest : public ModelTest {};

// Protects: the language and filler setters mark the puzzle modified and tell subscribers
// once per change; the filler preference is one of the remembered options; a build uses the
// detected language and the filler the list calls for.
TEST_F(LanguageModelTest, LanguageAndFillerSetters) {
    QStringList languages;
    QList<TFillerMode> fillers;
    QObject::connect(&model.Signals(), &TModelSignals::LanguageChanged, [&](const QString& l) { languages << l; });
    QObject::connect(&model.Signals(), &TModelSignals::FillerModeChanged, [&](TFillerMode m) { fillers << m; });
    model.SetLanguage(QStringLiteral("ru"));
    model.SetLanguage(QStringLiteral("ru"));
    model.SetFillerMode(TFillerMode::LikeList);
    EXPECT_EQ(languages, QStringList{QStringLiteral("ru")});
    EXPECT_EQ(fillers, QList<TFillerMode>{TFillerMode::LikeList});
    EXPECT_TRUE(model.IsModified());
    model.CopyFavouritesToPreferences();
    EXPECT_EQ(prefs.FillerPref, QStringLiteral("List"));

    TPuzzle p;
    p.WordLines = {QString::fromUtf8("кошка, собака")};
    EXPECT_EQ(p.LanguageInUse(), QStringLiteral("ru"));
    EXPECT_EQ(p.FillerInUse(), TFillerMode::LikeList);
    p.WordLines = {QStringLiteral("cat, dog/un chien")};
    EXPECT_EQ(p.LanguageInUse(), QStringLiteral("en"));
    EXPECT_EQ(p.FillerInUse(), TFillerMode::Classic);
}

}  // namespace
}  // namespace vorlix
