// The word entry page and the examples window, driven through their widgets.
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "desktopfit.h"
#include "designpage.h"
#include "examplefm.h"
#include "hintfm.h"
#include "memolines.h"
#include "shellfixture.h"
#include "typepage.h"

namespace vorlix::shell::test {
namespace {

class DesignPageTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        Main().TurnPage(QStringLiteral("Design"));
        Process();
    }
    TDesignPage& Page() const { return *Main().PageOf<TDesignPage>(); }
    QPlainTextEdit* Memo() const { return Find<QPlainTextEdit>(QStringLiteral("Words_Memo")); }
    QString LabelText(const QString& name) const { return Find<QLabel>(name)->text(); }
    void Type(const QStringList& lines) {
        Memo()->setPlainText(lines.join(QLatin1Char('\n')));
        Process();
    }
    // Through the type page, as the user changes the type.
    void ChooseType(const QString& choice) {
        Main().TurnPage(QStringLiteral("Type_"));
        Click(choice);
        Click(QStringLiteral("Type_NextBtn"));
    }
};

TEST_F(DesignPageTest, WordCountFollowsTheListedLines) {
    struct Row {
        QStringList lines;
        QString count;
    };
    const Row rows[] = {
        // An empty line and a line of spaces list nothing.
        {{"CAT", "", "  ", "DOG"}, "2 words listed."},
        // One word takes the singular.
        {{"CAT"}, "1 word listed."},
        // An empty list still says how many.
        {{}, "0 words listed."},
        // Comma-separated words on one line count as one listed line.
        {{"Georgia, Connecticut", "Delaware"}, "2 words listed."},
    };
    for (const Row& row : rows) {
        Type(row.lines);
        EXPECT_EQ(LabelText(QStringLiteral("WordCountLbl")), row.count) << row.lines.join('|').toStdString();
        EXPECT_EQ(Model().Puzzle().WordLines, row.lines);
    }
}

TEST_F(DesignPageTest, MemoLinesDropOnlyTheFinalNewline) {
    struct Row {
        QString text;
        QStringList lines;
    };
    const Row rows[] = {
        {"", {}},                     // an empty memo holds no line (imports start at the top)
        {"A\nB\n", {"A", "B"}},       // the newline ending the last line starts none
        {"A\n\n", {"A", ""}},         // a deliberate blank line stays
        {"\n", {""}},                 // a lone newline is one blank line
        {"A\nB", {"A", "B"}},
    };
    for (const Row& row : rows) EXPECT_EQ(LinesOfText(row.text), row.lines) << row.text.toStdString();
}

TEST_F(DesignPageTest, EditsReachTheModelAndMarkItModified) {
    Model().SetModified(false);
    Model().SpellingUpToDate = true;
    Find<QPlainTextEdit>(QStringLiteral("Words_TitleMemo"))->setPlainText(QStringLiteral("States"));
    EXPECT_EQ(Model().Puzzle().TitleLines, QStringList{QStringLiteral("States")});
    EXPECT_TRUE(Model().IsModified());
    EXPECT_FALSE(Model().SpellingUpToDate);

    Model().SetModified(false);
    Find<QComboBox>(QStringLiteral("Words_ColumnsCmBx"))->setCurrentIndex(12);
    Find<QComboBox>(QStringLiteral("Words_RowsCmBx"))->setCurrentIndex(50);
    EXPECT_EQ(Model().Puzzle().RequestedColumns, 12);
    EXPECT_EQ(Model().Puzzle().RequestedRows, 50);
    EXPECT_TRUE(Model().IsModified());

    Find<QPlainTextEdit>(QStringLiteral("Words_HiddenMemo"))->setPlainText(QStringLiteral("GO TEAM"));
    EXPECT_EQ(Model().Puzzle().HiddenMessage(), QStringLiteral("GO TEAM"));
}

// Protects: "Fit all words" builds with the search: every word goes into the size asked
// for, the finished page says why a word stayed out, and cancelling keeps a whole grid.
TEST_F(DesignPageTest, FitAllWordsSearchesAndCanBeCancelled) {
    Model().SetModified(false);
    Click(QStringLiteral("Words_PackCB"));
    EXPECT_EQ(Model().Puzzle().PackMode, TPackMode::Tight);
    EXPECT_TRUE(Model().IsModified());
    Type({"apple", "grape", "lemon", "melon", "peach", "mango", "olive", "guava", "hippopotamus"});
    Find<QComboBox>(QStringLiteral("Words_ColumnsCmBx"))->setCurrentIndex(6);
    Find<QComboBox>(QStringLiteral("Words_RowsCmBx"))->setCurrentIndex(6);
    Model().Builder().SetSeed(5);
    Main().RebuildPuzzle();
    const TWordSearch& grid = Model().Puzzle().Grid();
    EXPECT_EQ(grid.PlacedWordCount(), 8) << "every word that fits a 6 x 6 grid";
    const auto* left = Find<QListWidget>(QStringLiteral("ExcludedLB"));
    ASSERT_EQ(left->count(), 1);
    EXPECT_EQ(left->item(0)->text(), QStringLiteral("HIPPOPOTAMUS (longer than the grid)"));

    // The progress window's Cancel: the search ends at once with a grid every word of which reads.
    Model().Builder().SetProgress([](int, int) { return false; });
    Model().RebuildPuzzle();
    Model().Builder().SetProgress({});
    const TWordSearch& kept = Model().Puzzle().Grid();
    EXPECT_TRUE(kept.PackResult.Cancelled || kept.PlacedWordCount() == 8);
    EXPECT_EQ(kept.ActualColumns, 6);
}

TEST_F(DesignPageTest, LoadFromModelShowsTheModelWithoutEditing) {
    TPuzzle puzzle = Model().Puzzle();
    puzzle.WordLines = {QStringLiteral("ONE"), QStringLiteral("TWO")};
    puzzle.TitleLines = {QStringLiteral("Numbers")};
    puzzle.RequestedColumns = 7;
    puzzle.RequestedRows = 80;  // from a file; the box cannot show it
    {
        // As a file is read: the page is not told, so LoadFromModel alone must show it.
        const QSignalBlocker quiet(&Model().Signals());
        Model().ReplacePuzzle(puzzle);
        Model().SetModified(false);
    }
    Page().LoadFromModel();
    EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("ONE\nTWO"));
    EXPECT_EQ(Find<QPlainTextEdit>(QStringLiteral("Words_TitleMemo"))->toPlainText(), QStringLiteral("Numbers"));
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("Words_ColumnsCmBx"))->currentIndex(), 7);
    EXPECT_EQ(LabelText(QStringLiteral("WordCountLbl")), QStringLiteral("2 words listed."));
    // No change handler ran: the puzzle is not modified and the file's size is kept.
    EXPECT_FALSE(Model().IsModified());
    EXPECT_EQ(Model().Puzzle().RequestedRows, 80);
}

TEST_F(DesignPageTest, PuzzleTypeShapesThePage) {
    QWidget* page = &Page();
    auto* longLbl = Find<QLabel>(QStringLiteral("Words_LongCluesWarningLbl"));
    auto* hiddenMemo = Find(QStringLiteral("Words_HiddenMemo"));
    EXPECT_FALSE(longLbl->isVisibleTo(page));
    EXPECT_FALSE(hiddenMemo->isVisibleTo(page));
    EXPECT_TRUE(Page().WordWrap());
    EXPECT_EQ(LabelText(QStringLiteral("WordListLbl")), QStringLiteral("Type or import your words here."));

    ChooseType(QStringLiteral("Type_CluesHiddenRB"));
    ASSERT_EQ(Main().CurrentPageName(), QStringLiteral("Design"));
    EXPECT_TRUE(longLbl->isVisibleTo(page));
    EXPECT_TRUE(Find(QStringLiteral("Words_LongCluesWarningLnk"))->isVisibleTo(page));
    EXPECT_TRUE(hiddenMemo->isVisibleTo(page));
    EXPECT_TRUE(hiddenMemo->isEnabled());
    // Clue lines are long: no wrapping, and a horizontal scroll bar when needed.
    EXPECT_FALSE(Page().WordWrap());
    EXPECT_NE(Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(LabelText(QStringLiteral("WordListLbl")), QStringLiteral("Type or import your words/clues here."));

    ChooseType(QStringLiteral("Type_StandardRB"));
    EXPECT_FALSE(longLbl->isVisibleTo(page));
    EXPECT_FALSE(hiddenMemo->isVisibleTo(page));
    EXPECT_TRUE(Page().WordWrap());
}

TEST_F(DesignPageTest, LongClueWarningTurnsRedAndBoldAboveFiftyCharacters) {
    ChooseType(QStringLiteral("Type_CluesRB"));
    auto* label = Find<QLabel>(QStringLiteral("Words_LongCluesWarningLbl"));
    struct Row {
        int length;
        bool warn;
    };
    const Row rows[] = {
        {50, false},  // fifty characters is still short
        {51, true},   // one more warns
        {10, false},  // and the warning goes again once the line is shortened
    };
    for (const Row& row : rows) {
        Type({QStringLiteral("W/") + QString(row.length - 2, QLatin1Char('x'))});
        EXPECT_EQ(label->font().bold(), row.warn) << row.length;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), row.warn ? WarningText : QColor(Qt::black))
            << row.length;
    }
}

TEST_F(DesignPageTest, CrowdedLineHintShowsOncePerRun) {
    // Three spaces before the slash are allowed.
    Type({QStringLiteral("A B C D/letters")});
    EXPECT_FALSE(Model().SeparateLinesHintShown);
    EXPECT_FALSE(Main().Hint().isVisible());

    // Four are not: the hint explains one item per line.
    Type({QStringLiteral("A B C D E/letters")});
    EXPECT_TRUE(Model().SeparateLinesHintShown);
    EXPECT_TRUE(Main().Hint().isVisible());
    EXPECT_TRUE(Main().Hint().Text().contains(QStringLiteral("Please use a separate line for each item")));

    Main().Hint().CloseHint();
    Process();
    Type({QStringLiteral("F G H I J K")});
    EXPECT_FALSE(Main().Hint().isVisible());
}

TEST_F(DesignPageTest, ImportAppendsTheFileAndCancelChangesNothing) {
    const QString path = TempPath(QStringLiteral("fruit.txt"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("APPLE\r\nPEAR\r\n");
    }
    Type({QStringLiteral("FIG")});
    Model().SetModified(false);
    files.Answers = {path};
    Click(QStringLiteral("Words_ImportLnk"));
    ASSERT_EQ(files.Requests.size(), 1u);
    EXPECT_EQ(files.Requests[0].Title, QStringLiteral("Import Word List"));
    EXPECT_TRUE(files.Requests[0].Filter.startsWith(QStringLiteral("Word Search Puzzle File (*.ws)|*.WS|")));
    EXPECT_TRUE(files.Requests[0].Filter.contains(QStringLiteral("|*.WS;*.THM;*.GMR;*.TXT|")));
    EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("FIG\nAPPLE\nPEAR"));
    EXPECT_EQ(LabelText(QStringLiteral("WordCountLbl")), QStringLiteral("3 words listed."));
    EXPECT_TRUE(Model().IsModified());

    // A cancelled dialog: no lines, no modified mark.
    Model().SetModified(false);
    Click(QStringLiteral("Words_ImportLnk"));
    EXPECT_EQ(files.Requests.size(), 2u);
    EXPECT_EQ(Model().Puzzle().WordLines.size(), 3);
    EXPECT_FALSE(Model().IsModified());
}

TEST_F(DesignPageTest, ImportOfAMissingFileSaysSoAndStillCounts) {
    files.Answers = {TempPath(QStringLiteral("gone.txt"))};
    Click(QStringLiteral("Words_ImportLnk"));
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_TRUE(messages.Messages[0].Text.endsWith(QStringLiteral(" was not found.")));
    EXPECT_EQ(LabelText(QStringLiteral("WordCountLbl")), QStringLiteral("0 words listed."));
}

TEST_F(DesignPageTest, ExportListWritesTheWordList) {
    Type({QStringLiteral("CAT"), QStringLiteral(""), QStringLiteral("DOG")});
    const QString path = TempPath(QStringLiteral("pets.txt"));
    files.Answers = {path};
    Click(QStringLiteral("Words_ExportListBtn"));
    ASSERT_EQ(files.Requests.size(), 1u);
    EXPECT_EQ(files.Requests[0].Title, QStringLiteral("Export only the word list to a file"));
    EXPECT_EQ(files.Requests[0].DefaultSuffix, QStringLiteral("thm"));
    EXPECT_EQ(files.Requests[0].Filter,
              QStringLiteral("Theme word list file (*.thm)|*.thm|Text file (*.txt)|*.txt|All files (*.*)|*.*"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("CAT\r\n\r\nDOG\r\n"));

    f.close();

    // Cancelled: nothing is written.
    ASSERT_TRUE(QFile::remove(path));
    Click(QStringLiteral("Words_ExportListBtn"));
    EXPECT_EQ(files.Requests.size(), 2u);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(DesignPageTest, ClearListEmptiesAndRecounts) {
    Type({QStringLiteral("CAT"), QStringLiteral("DOG")});
    Model().SetModified(false);
    Click(QStringLiteral("Words_ClearListBtn"));
    EXPECT_TRUE(Memo()->toPlainText().isEmpty());
    EXPECT_TRUE(Model().Puzzle().WordLines.isEmpty());
    EXPECT_EQ(LabelText(QStringLiteral("WordCountLbl")), QStringLiteral("0 words listed."));
    EXPECT_TRUE(Model().IsModified());
}

// What the examples window showed before it closed.
struct ShownExample {
    QString heading;
    bool normalShown = false;
    bool cluesShown = false;
    QString afterSwitch;  // the heading after the other example's link
};

TEST_F(DesignPageTest, ExampleLinkOpensTheExampleOfThePuzzleType) {
    ShownExample shown;
    modal.Answer = [&shown](QDialog& d) {
        shown.heading = d.findChild<QLabel*>(QStringLiteral("ExampleLbl"))->text();
        shown.normalShown = !d.findChild<QWidget*>(QStringLiteral("Example_NormalMemo"))->isHidden();
        shown.cluesShown = !d.findChild<QWidget*>(QStringLiteral("Example_WithCluesMemo"))->isHidden();
        const bool clues = shown.cluesShown;
        d.findChild<TLink*>(clues ? QStringLiteral("Example_NormalLnk") : QStringLiteral("Example_WithCluesLnk"))
            ->Activate();
        shown.afterSwitch = d.findChild<QLabel*>(QStringLiteral("ExampleLbl"))->text();
        return int(QDialog::Accepted);
    };

    // A standard puzzle: the plain word list.
    Click(QStringLiteral("Words_ExampleLnk"));
    ASSERT_EQ(modal.Shown, QStringList{QStringLiteral("TExampleFm")});
    EXPECT_EQ(shown.heading, QStringLiteral("Example of a Word List"));
    EXPECT_TRUE(shown.normalShown);
    EXPECT_FALSE(shown.cluesShown);
    EXPECT_EQ(shown.afterSwitch, QStringLiteral("Example of a Word List with Clues"));

    // A clue puzzle: the word/clue list.
    ChooseType(QStringLiteral("Type_CluesRB"));
    Click(QStringLiteral("Words_ExampleLnk"));
    ASSERT_EQ(modal.Shown.size(), 2);
    EXPECT_EQ(shown.heading, QStringLiteral("Example of a Word List with Clues"));
    EXPECT_FALSE(shown.normalShown);
    EXPECT_TRUE(shown.cluesShown);
    EXPECT_EQ(shown.afterSwitch, QStringLiteral("Example of a Word List"));
    // Closing clears the highlight the window's links may have left.
    EXPECT_EQ(Main().Highlighter().Current(), nullptr);
}

TEST_F(DesignPageTest, ExampleKindChoosesTheSample) {
    struct Row {
        const char* kind;
        bool puzzleHasClues;
        bool clues;
    };
    const Row rows[] = {
        {"Words", true, false},  // asked for words: words, whatever the puzzle
        {"Clues", false, true},  // asked for clues: clues, whatever the puzzle
        {"", true, true},        // no kind: the puzzle decides
        {"", false, false},
        {"Other", true, true},   // an unknown kind counts as none
    };
    for (const Row& row : rows)
        EXPECT_EQ(TExampleFm::ClueExampleFor(QString::fromLatin1(row.kind), row.puzzleHasClues), row.clues)
            << row.kind << ' ' << row.puzzleHasClues;
}

TEST_F(DesignPageTest, WordSampleIsSixListedLines) {
    QStringList sample;
    modal.Answer = [&sample](QDialog& d) {
        sample = d.findChild<QPlainTextEdit*>(QStringLiteral("Example_NormalMemo"))->toPlainText().split('\n');
        return int(QDialog::Accepted);
    };
    ShowExampleWindow(Main(), QStringLiteral("Words"));
    ASSERT_EQ(sample.size(), 6);
    Type(sample);
    EXPECT_EQ(LabelText(QStringLiteral("WordCountLbl")), QStringLiteral("6 words listed."));
}

}  // namespace
}  // namespace vorlix::shell::test
