// The walk over the eight stages, corrections written back, and the puzzle model's texts.
#include <gtest/gtest.h>

#include <array>

#include <QStringList>

#include "dictionaries.h"
#include "puzzle.h"
#include "puzzletexts.h"
#include "scriptedhost.h"
#include "spellwalk.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vorlix::spelling {
namespace {

class TFakeTexts : public ISpellingTexts {
public:
    std::array<QStringList, 6> Memos;
    QString Credits;
    int LineCount(int stage) const override { return stage == StageCredits ? 1 : int(Memos[std::size_t(stage)].size()); }
    QString Line(int stage, int row) const override {
        return stage == StageCredits ? Credits : Memos[std::size_t(stage)].value(row);
    }
    void SetLine(int stage, int row, const QString& text) override {
        if (stage == StageCredits) Credits = text;
        else Memos[std::size_t(stage)][row] = text;
    }
};

// Records what was reported, with where the walk stood.
class TRecordingView : public ISpellingWalkView {
public:
    TSpellingWalk* Walk = nullptr;
    QStringList Reported;  // "word@location:offset"
    QStringList Checked;
    int Steps = 0;
    int StopAfterSteps = -1;
    void ReportWord(const QString& word) override {
        Reported << word + QLatin1Char('@') + Walk->Location() + QLatin1Char(':') + QString::number(Walk->Offset());
    }
    void ShowWordChecked(const QString& word) override { Checked << word; }
    void ProcessPendingEvents() override {
        if (++Steps == StopAfterSteps) Walk->RequestStop();  // a Stop click between steps
    }
};

class WalkTest : public ::testing::Test {
protected:
    TSpellingDictionaries dict;
    TFakeTexts texts;
    TRecordingView view;
    TSpellingWalk walk{dict, texts, view};
    void SetUp() override {
        view.Walk = &walk;
        dict.SetLocations({});  // no files: only the words loaded here
        dict.LoadDictionaries();
        dict.LoadMainWords("AND\nCAT\nDOG\nDON'T\nFIND\nGRID\nNAME\nTHE\nWORDS\n");
    }
    // Reports until the end, answering every word with Ignore.
    QStringList WalkIgnoringAll() {
        walk.StartCheck();
        while (walk.Stage() != StageFinished) {
            walk.AdvanceToNextWord();
            walk.RunCheck();
        }
        return view.Reported;
    }
};

TEST_F(WalkTest, EveryStageIsWalkedInOrderAndEmptyTextsAreSkipped) {
    texts.Memos[StageLeftWorksheet] = {"Name zzleft"};
    texts.Memos[StageTitle] = {"", "Tittle"};  // an empty line and an empty stage before it
    texts.Memos[StageWords] = {"cat", "dog", "kat/a pet"};
    texts.Memos[StageHiddenMessage] = {"hiden"};
    texts.Credits = "Made by Zed";
    EXPECT_EQ(WalkIgnoringAll(), (QStringList{"zzleft@Left worksheet:6", "Tittle@Title:1", "kat@Your words, line 3:1",
                                              "pet@Your words, line 3:7", "hiden@Hidden message:1",
                                              "Made@Credits line:1", "by@Credits line:6", "Zed@Credits line:9"}));
    EXPECT_EQ(walk.Location(), "End.");
    EXPECT_EQ(walk.LineCaption(), "");
}

TEST_F(WalkTest, AllEmptyTextsFinishWithoutReports) {
    walk.StartCheck();
    EXPECT_EQ(walk.Stage(), StageFinished);
    EXPECT_TRUE(view.Reported.isEmpty());
}

TEST_F(WalkTest, OneLetterWordsAndApostrophesFollowTheRules) {
    texts.Memos[StageWords] = {"I don't find a cat x", "O'Neil and the grid", "dogs' words z"};
    // After O'Neil the walk goes on from the letter after the apostrophe, as it does in "don't".
    EXPECT_EQ(WalkIgnoringAll(), (QStringList{"O'Neil@Your words, line 2:1", "Neil@Your words, line 2:3",
                                              "dogs'@Your words, line 3:1"}));
    // Single letters, also the one closing a line, are never looked up.
    for (const QString& w : view.Checked) EXPECT_GE(w.size(), 2) << w.toStdString();
}

TEST_F(WalkTest, CaptionsAndLocationsFollowTheStage) {
    texts.Memos[StageLeftWorksheet] = {"qq"};
    texts.Memos[StageWords] = {"cat", "qq"};
    texts.Credits = "qq";
    walk.StartCheck();
    EXPECT_EQ(walk.LineCaption(), "Whole line:");
    walk.AdvanceToNextWord();
    walk.RunCheck();
    EXPECT_EQ(walk.Location(), "Your words, line 2");
    EXPECT_EQ(walk.LineCaption(), "Entire line:");
    walk.AdvanceToNextWord();
    walk.RunCheck();
    EXPECT_EQ(walk.LineCaption(), "Whole credits line:");
}

TEST_F(WalkTest, ChangeWritesTheLineBackAndTheReplacementIsCheckedNext) {
    texts.Memos[StageWords] = {"the kat and dog"};
    walk.StartCheck();
    ASSERT_EQ(walk.CurrentWord(), "kat");
    walk.ChangeCurrentWord(QStringLiteral("catt"));
    EXPECT_EQ(texts.Memos[StageWords][0], "the catt and dog");
    walk.RunCheck();  // without advancing: the replacement is reported again, same place
    EXPECT_EQ(view.Reported.last(), "catt@Your words, line 1:5");
    walk.ChangeCurrentWord(QStringLiteral("cat"));
    walk.RunCheck();
    EXPECT_EQ(texts.Memos[StageWords][0], "the cat and dog");
    EXPECT_EQ(walk.Stage(), StageFinished);
    EXPECT_EQ(view.Reported.size(), 2);
}

TEST_F(WalkTest, ChangeInTheCreditsLineWritesTheCreditsText) {
    texts.Credits = "By Jonh";
    walk.StartCheck();
    ASSERT_EQ(walk.CurrentWord(), "By");
    dict.IgnoreWord(QStringLiteral("by"));
    walk.AdvanceToNextWord();
    walk.RunCheck();
    ASSERT_EQ(walk.CurrentWord(), "Jonh");
    walk.ChangeCurrentWord(QString());  // an emptied correction removes the word
    walk.RunCheck();
    EXPECT_EQ(texts.Credits, "By ");
    EXPECT_EQ(walk.Stage(), StageFinished);
}

TEST_F(WalkTest, IgnoreAllSkipsTheWordInLaterFieldsAndLaterChecks) {
    texts.Memos[StageTitle] = {"Vorlix puzzle"};
    texts.Memos[StageWords] = {"VORLIX", "vorlix"};
    walk.StartCheck();
    ASSERT_EQ(walk.CurrentWord(), "Vorlix");
    dict.IgnoreWord(walk.CurrentWord());
    walk.AdvanceToNextWord();
    walk.RunCheck();
    EXPECT_EQ(walk.CurrentWord(), "puzzle");
    walk.AdvanceToNextWord();
    walk.RunCheck();
    EXPECT_EQ(walk.Stage(), StageFinished);
    view.Reported.clear();
    walk.StartCheck();  // a second check in the same run
    EXPECT_EQ(view.Reported, QStringList{"puzzle@Title:8"});
}

TEST_F(WalkTest, StopEndsTheLoopAfterTheCurrentWordAndResumeGoesOn) {
    texts.Memos[StageWords] = {"cat dog and the grid", "find the words"};
    view.StopAfterSteps = 6;  // four empty stages, then two words
    walk.StartCheck();
    EXPECT_TRUE(walk.StopRequested());
    EXPECT_EQ(walk.Stage(), StageWords);
    EXPECT_EQ(view.Checked, (QStringList{"cat", "dog"}));
    walk.ClearStopRequest();
    walk.RunCheck();
    EXPECT_EQ(walk.Stage(), StageFinished);
    EXPECT_EQ(view.Checked.size(), 8);
}

TEST_F(WalkTest, LongWordsAreCutAtNinetyNineCharacters) {
    texts.Memos[StageWords] = {QString(150, QLatin1Char('q'))};
    walk.StartCheck();
    EXPECT_EQ(walk.CurrentWord().size(), 99);
}

TEST(NextWordStart, SkipsTheWordThenTheGap) {
    struct Case {
        const char* line;
        int offset;
        int next;
        const char* why;
    } cases[] = {
        {"cat dog", 1, 5, "past the word and the space"},
        {"cat  ,dog", 1, 7, "every non-letter is skipped"},
        {"  cat", 1, 3, "from a gap straight to the word"},
        {"cat a", 1, 1, "a one-letter word at the end ends the line"},
        {"cat", 1, 1, "the last word ends the line"},
        {"don't", 1, 1, "the letter after the apostrophe is the last one"},
        {"x", 1, 1, "lines shorter than two characters end at once"},
        {"cat", 9, 1, "an offset past the end ends the line"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TSpellingWalk::NextWordStart(QString::fromLatin1(c.line), c.offset), c.next) << c.why;
}

// Protects: the walk reads every text of the puzzle, and a correction hands over the whole
// corrected text of its stage only; a line that is not there changes nothing.
TEST(PuzzleTexts, CorrectionsHandOverTheWholeText) {
    TPuzzle puzzle;
    puzzle.WordLines = {"cat", "dgo"};
    puzzle.HiddenMessageLines = {"wel done"};
    puzzle.CreditsLine = "By Me";
    std::vector<std::pair<int, QStringList>> applied;
    TPuzzleTexts texts(puzzle, [&](int stage, const QStringList& lines) { applied.emplace_back(stage, lines); });
    EXPECT_EQ(texts.LineCount(StageWords), 2);
    EXPECT_EQ(texts.LineCount(StageCredits), 1);
    EXPECT_EQ(texts.Line(StageCredits, 0), "By Me");
    EXPECT_EQ(texts.Line(StageHiddenMessage, 0), "wel done");

    texts.SetLine(StageWords, 1, QStringLiteral("dog"));
    texts.SetLine(StageCredits, 0, QStringLiteral("By Us"));
    EXPECT_TRUE(texts.Changed());
    using Applied = std::vector<std::pair<int, QStringList>>;
    EXPECT_EQ(applied, (Applied{{StageWords, {"cat", "dog"}}, {StageCredits, {"By Us"}}}));

    texts.ClearChanged();
    texts.SetLine(StageLeftWorksheet, 0, QStringLiteral("ignored"));  // no such line
    EXPECT_FALSE(texts.Changed());
    EXPECT_EQ(applied.size(), 2u);
}

}  // namespace
}  // namespace vorlix::spelling
