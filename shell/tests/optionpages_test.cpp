// The option pages driven through their widgets: directions, the instructions question,
// sharing, capitalization, worksheet lines, instructions and credits.
#include <array>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>

#include "capspage.h"
#include "creditspage.h"
#include "dirspage.h"
#include "instructionspage.h"
#include "sharingpage.h"
#include "shellfixture.h"
#include "worksheetpage.h"

namespace vorlix::shell::test {
namespace {

// North first, as the model indexes the directions.
const std::array<QString, 8> DirectionBoxNames{
    QStringLiteral("NorthCB"), QStringLiteral("NorthEastCB"), QStringLiteral("EastCB"),
    QStringLiteral("SouthEastCB"), QStringLiteral("SouthCB"), QStringLiteral("SouthWestCB"),
    QStringLiteral("WestCB"), QStringLiteral("NorthWestCB")};

class OptionPagesTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
    }

    // Clicks the boxes whose state differs from want, as a user would.
    void SetDirections(const std::array<bool, 8>& want) {
        for (std::size_t i = 0; i < want.size(); ++i) {
            auto* box = Find<QCheckBox>(DirectionBoxNames[i]);
            ASSERT_NE(box, nullptr);
            if (box->isChecked() != want[i]) box->click();
        }
        Process();
    }
    QString Summary() { return Find<QLabel>(QStringLiteral("Dirs_SummaryLbl"))->text(); }
    QPlainTextEdit* InstructionsMemo() { return Find<QPlainTextEdit>(QStringLiteral("Layout_InstructionsMemo")); }

    // Types text at the end of the instructions, which customizes them.
    void CustomizeInstructions() {
        Main().TurnPage(QStringLiteral("Instructions"));
        QPlainTextEdit* memo = InstructionsMemo();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral(" Good luck!"));
        Process();
    }
    void NewPuzzle() {
        Model().SetModified(false);
        Main().NewCommand();
        Process();
    }
    QComboBox* CreditsLine() { return Find<QComboBox>(QStringLiteral("CreditsLineCmBx")); }
};

// --- Directions ---

TEST_F(OptionPagesTest, DirectionsSummaryFollowsTheBoxes) {
    constexpr bool T = true, F = false;
    struct Row {
        std::array<bool, 8> Boxes;  // N NE E SE S SW W NW
        const char* Summary;
        bool Notice;
    };
    const std::vector<Row> rows{
        // No box at all means every direction, and says so.
        {{F, F, F, F, F, F, F, F}, "Words can go in all eight directions.", true},
        // Plain parts joined with a comma and "and".
        {{F, F, T, F, F, F, T, F}, "Words can go across, backwards and in no diagonals.", false},
        // A lone diagonal has no direction words before it.
        {{F, T, F, F, F, F, F, F}, "Words can go in one diagonal.", false},
        // The named special case for all eight.
        {{T, T, T, T, T, T, T, T}, "Words can go horizontally, vertically and diagonally in all eight directions.",
         false},
    };
    for (const Row& row : rows) {
        SetDirections(row.Boxes);
        EXPECT_EQ(Summary(), QString::fromUtf8(row.Summary));
        EXPECT_EQ(!Find<QLabel>(QStringLiteral("Dirs_AllUncheckedLbl"))->isHidden(), row.Notice) << row.Summary;
        EXPECT_EQ(Model().Puzzle().Directions, row.Boxes) << row.Summary;
        // Automatic instructions follow at once, on the instructions page too.
        EXPECT_EQ(InstructionsMemo()->toPlainText(),
                  Model().AutomaticInstructionsText() + QLatin1Char(' ') + QString::fromUtf8(row.Summary));
    }
    EXPECT_TRUE(messages.Messages.empty()) << "automatic instructions are replaced without asking";
    EXPECT_TRUE(Model().IsModified());
}

TEST_F(OptionPagesTest, DirectionClickAsksBeforeReplacingCustomInstructions) {
    struct Row {
        MessageAnswer Answer;
        bool Replaced;      // the instructions became the automatic text
        bool EastAfter;     // the clicked box (East, checked before)
        TInstructionsMode ModeAfter;  // the instructions mode after the answer
    };
    const std::vector<Row> rows{
        // Yes: replaced, and automatic from now on.
        {MessageAnswer::Yes, true, false, TInstructionsMode::Automatic},
        // No: the custom text stays and is never asked about again.
        {MessageAnswer::No, false, false, TInstructionsMode::KeepCustom},
        // Cancel: the click is undone and nothing else changes.
        {MessageAnswer::Cancel, false, true, TInstructionsMode::Customized},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.Answer));
        NewPuzzle();
        ASSERT_TRUE(Model().Puzzle().Directions[2]);
        CustomizeInstructions();
        ASSERT_EQ(Model().InstructionsMode(), TInstructionsMode::Customized);
        const QString custom = InstructionsMemo()->toPlainText();
        const QString summaryBefore = Summary();
        messages.Messages.clear();
        messages.Answers = {row.Answer};

        Find<QCheckBox>(QStringLiteral("EastCB"))->click();
        Process();

        ASSERT_EQ(messages.Messages.size(), 1u);
        EXPECT_EQ(messages.Messages[0].Text, ReplaceInstructionsQuestion());
        EXPECT_EQ(messages.Messages[0].Buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(Find<QCheckBox>(QStringLiteral("EastCB"))->isChecked(), row.EastAfter);
        EXPECT_EQ(Model().Puzzle().Directions[2], row.EastAfter);
        EXPECT_EQ(Model().InstructionsMode(), row.ModeAfter);
        Main().TurnPage(QStringLiteral("Instructions"));
        const QString expected =
            row.Replaced ? Model().AutomaticInstructionsText() + QLatin1Char(' ') + Summary() : custom;
        EXPECT_EQ(InstructionsMemo()->toPlainText(), expected);
        EXPECT_EQ(Summary(), row.Answer == MessageAnswer::Cancel ? summaryBefore : Model().DirectionsSummary());

        if (row.Answer == MessageAnswer::No) {
            // Declined once: later clicks neither ask nor touch the instructions.
            Find<QCheckBox>(QStringLiteral("WestCB"))->click();
            Process();
            EXPECT_EQ(messages.Messages.size(), 1u);
            EXPECT_EQ(InstructionsMemo()->toPlainText(), custom);
            EXPECT_EQ(Summary(), Model().DirectionsSummary());
        }
    }

}

// --- Sharing and capitalization ---

TEST_F(OptionPagesTest, SharingAndCapitalizationClicksReachTheEngine) {
    struct Row {
        const char* Choice;
        int Sharing;  // -1: a capitalization choice
        int Caps;
    };
    const std::vector<Row> rows{
        // Each choice stores its own level; out of order, so a level left from the row before cannot pass.
        {"ShareAllRB", 4, -1},
        {"ShareNoCrossRB", 0, -1},
        {"ShareSomeRB", 3, -1},
        {"ShareCrossRB", 1, -1},
        // The start-up level, clicked again: still an edit.
        {"ShareIntersectRB", 2, -1},
        // Each capitalization choice stores its own value, the default last.
        {"Cap_AsGivenRB", -1, 3},
        {"Cap_AllLowerRB", -1, 1},
        {"Cap_FirstLetterRB", -1, 2},
        {"Cap_AllUpperRB", -1, 0},
    };
    for (const Row& row : rows) {
        const QString name = QString::fromLatin1(row.Choice);
        Model().SetModified(false);
        Click(name);
        EXPECT_TRUE(Find<QRadioButton>(name)->isChecked()) << row.Choice;
        // What the engine builds with.
        TWordSearchConfig settings;
        ApplyPuzzleOptions(Model().Puzzle(), settings);
        if (row.Sharing >= 0) {
            EXPECT_EQ(settings.SharingLevel, row.Sharing) << row.Choice;
        }
        if (row.Caps >= 0) {
            EXPECT_EQ(static_cast<int>(settings.Capitalization), row.Caps) << row.Choice;
        }
        // Every click counts as an edit, and none touches the instructions question.
        EXPECT_TRUE(Model().IsModified()) << row.Choice;
    }
    EXPECT_TRUE(messages.Messages.empty());

    Click(QStringLiteral("Caps_CluesLnk"));
    EXPECT_EQ(Main().CurrentPageName(), QStringLiteral("Type_"));
}

// --- Worksheet ---

TEST_F(OptionPagesTest, WorksheetLinksToggleTheirSidesLines) {
    Main().TurnPage(QStringLiteral("Worksheet"));
    auto* left = Find<QPlainTextEdit>(QStringLiteral("Worksheet_LeftMemo"));
    auto* right = Find<QPlainTextEdit>(QStringLiteral("Worksheet_RightMemo"));
    ASSERT_TRUE(left && right);
    QTest::keyClicks(left, QStringLiteral("Team ____"));
    Process();
    EXPECT_EQ(Model().Puzzle().WorksheetLeftLines, QStringList{QStringLiteral("Team ____")});
    const QString leftBefore = left->toPlainText();
    const QString rightBefore = right->toPlainText();

    Click(QStringLiteral("Worksheet_LeftNameLnk"));
    EXPECT_EQ(left->toPlainText(), leftBefore + QStringLiteral("\nName _______________________"));
    EXPECT_EQ(left->textCursor().position(), left->toPlainText().size()) << "caret at the end after adding";
    EXPECT_EQ(right->toPlainText(), rightBefore);

    Click(QStringLiteral("Worksheet_LeftNameLnk"));
    EXPECT_EQ(left->toPlainText(), leftBefore) << "a second click takes the line away again";

    Click(QStringLiteral("Worksheet_RightDateLnk"));
    Click(QStringLiteral("Worksheet_RightPeriodLnk"));
    EXPECT_EQ(Model().Puzzle().WorksheetRightLines, (QStringList{QStringLiteral("Date _______________________"),
                                                                 QStringLiteral("Period _____________________")}));
    EXPECT_EQ(right->toPlainText(), Model().Puzzle().WorksheetRightLines.join(QLatin1Char('\n')));
    EXPECT_EQ(left->toPlainText(), leftBefore);

    // Worksheet edits mark the puzzle modified, so closing asks before losing them; a link
    // and typing each count.
    Model().SetModified(false);
    Click(QStringLiteral("Worksheet_RightDateLnk"));
    EXPECT_TRUE(Model().IsModified());
    Model().SetModified(false);
    QTest::keyClicks(left, QStringLiteral("x"));
    Process();
    EXPECT_TRUE(Model().IsModified());
    EXPECT_EQ(Model().Puzzle().WorksheetRightLines, QStringList{QStringLiteral("Period _____________________")});
}

// --- Instructions ---

TEST_F(OptionPagesTest, TypingCustomizesTheInstructionsAndIncludeMarksModified) {
    Model().SetModified(false);
    // Moving the caret is not typing.
    Main().TurnPage(QStringLiteral("Instructions"));
    QTest::keyClick(InstructionsMemo(), Qt::Key_End);
    EXPECT_EQ(Model().InstructionsMode(), TInstructionsMode::Automatic);
    EXPECT_FALSE(Model().IsModified());

    CustomizeInstructions();
    EXPECT_EQ(Model().InstructionsMode(), TInstructionsMode::Customized);
    EXPECT_TRUE(Model().Puzzle().InstructionLines.join(QString()).endsWith(QStringLiteral(" Good luck!")));
    EXPECT_TRUE(Model().IsModified());

    Model().SetModified(false);
    Click(QStringLiteral("Instructions_IncludeCB"));
    EXPECT_FALSE(Model().Puzzle().InstructionsIncluded);
    EXPECT_TRUE(Model().IsModified());

    Click(QStringLiteral("Instructions_DirsLnk"));
    EXPECT_EQ(Main().CurrentPageName(), QStringLiteral("Dirs"));
}

// --- Credits ---

TEST_F(OptionPagesTest, CreditsLinesFollowTheNameAndKeepTheChoice) {
    Model().CurrentYear = [] { return 2031; };
    Main().TurnPage(QStringLiteral("Credits"));
    auto* name = Find<QLineEdit>(QStringLiteral("Credits_NameEd"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(Main().CurrentPage()->focusWidget(), name) << "entering the page focuses the name";

    QTest::keyClicks(name, QStringLiteral("Ann"));
    Process();
    QComboBox* line = CreditsLine();
    ASSERT_EQ(line->count(), 33);
    EXPECT_EQ(line->itemText(2), QStringLiteral("© Ann. Made using Vorlix™"));
    EXPECT_EQ(line->itemText(4), QStringLiteral("© 2031 by Ann. Made using Vorlix™"));
    // Without a recipient its placeholder stays.
    EXPECT_TRUE(line->itemText(10).startsWith(QStringLiteral("Custom made for [PUT A NAME HERE] using")));

    // A chosen line follows later name edits at its position.
    line->setCurrentIndex(16);
    emit line->activated(16);
    EXPECT_EQ(Model().Puzzle().CreditsLine, QStringLiteral("Made by Ann using Vorlix™"));
    QTest::keyClicks(name, QStringLiteral(" Lee"));
    Process();
    EXPECT_EQ(line->currentIndex(), 16);
    EXPECT_EQ(line->currentText(), QStringLiteral("Made by Ann Lee using Vorlix™"));
    EXPECT_EQ(Model().Puzzle().CreditsLine, line->currentText());

    // An emptied name puts the placeholder back everywhere.
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    Process();
    for (int k : {2, 4, 16, 17}) EXPECT_TRUE(line->itemText(k).contains(QStringLiteral("<Name>"))) << k;

    // A typed line is kept as typed through a rebuild.
    Model().SetModified(false);
    line->lineEdit()->clear();
    QTest::keyClicks(line->lineEdit(), QStringLiteral("With love"));
    Process();
    EXPECT_EQ(Model().Puzzle().CreditsLine, QStringLiteral("With love"));
    EXPECT_TRUE(Model().IsModified());
    QTest::keyClicks(name, QStringLiteral("Bo"));
    Process();
    EXPECT_EQ(line->currentText(), QStringLiteral("With love"));
    EXPECT_EQ(line->count(), 33);
}

TEST_F(OptionPagesTest, RecipientFieldsShowOnRequestAndHideWhenLeftEmpty) {
    Model().CurrentYear = [] { return 2031; };
    Main().TurnPage(QStringLiteral("Credits"));
    const QStringList fields{QStringLiteral("Credits_RecipientLbl"), QStringLiteral("Credits_RecipientHintLbl"),
                             QStringLiteral("Credits_RecipientEd")};
    auto shown = [&] {
        int n = 0;
        for (const QString& f : fields) n += Find(f)->isHidden() ? 0 : 1;
        return n;
    };
    EXPECT_EQ(shown(), 0) << "no recipient yet";
    EXPECT_EQ(Find<QLabel>(fields[0])->text(), QStringLiteral("Who is this puzzle for?"));
    EXPECT_EQ(Find<QLabel>(fields[1])->text(), QStringLiteral("Some credits lines will use this."));

    Click(QStringLiteral("Credits_RecipientLnk"));
    auto* recipient = Find<QLineEdit>(fields[2]);
    EXPECT_EQ(shown(), 3);
    EXPECT_EQ(Main().CurrentPage()->focusWidget(), recipient);

    QTest::keyClicks(recipient, QStringLiteral("Bo"));
    Process();
    EXPECT_TRUE(CreditsLine()->itemText(9).startsWith(QStringLiteral("Custom made for Bo. ")));

    auto leave = [&] {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(recipient, &out);
    };
    leave();
    EXPECT_EQ(shown(), 3) << "a filled-in recipient stays";
    recipient->selectAll();
    QTest::keyClick(recipient, Qt::Key_Backspace);
    // Switching windows is not leaving the field.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(recipient, &away);
    EXPECT_EQ(shown(), 3);
    leave();
    EXPECT_EQ(shown(), 0);
    EXPECT_FALSE(Model().RecipientVisible);
}

// --- Loading ---

TEST_F(OptionPagesTest, LoadFromModelShowsEverythingWithoutFiringHandlers) {
    TPuzzleModel& m = Model();
    {
        // The pages are not told, so LoadFromModel alone must show it all.
        const QSignalBlocker quiet(&m.Signals());
        m.SetDirections({true, false, false, false, false, false, false, false});
        m.ChooseSharingLevel(4);
        m.ChooseCapitalization(TCapitalization::AsGiven);
        m.SetWorksheetLines(true, {QStringLiteral("Name ___"), QStringLiteral("Date ___")});
        m.SetWorksheetLines(false, {QStringLiteral("Class ___")});
        m.SetInstructionLines({QStringLiteral("Circle every word.")});
        m.SetInstructionsIncluded(false);
        m.RecipientVisible = true;
        m.SetCreditsNames(QStringLiteral("Cy"), QStringLiteral("Di"));
        m.ChooseCreditsLine(6);
        m.MarkInstructionsTyped();
        m.SetModified(false);
    }

    Main().PageOf<TDirsPage>()->LoadFromModel();
    Main().PageOf<TSharingPage>()->LoadFromModel();
    Main().PageOf<TCapsPage>()->LoadFromModel();
    Main().PageOf<TWorksheetPage>()->LoadFromModel();
    Main().PageOf<TInstructionsPage>()->LoadFromModel();
    Main().PageOf<TCreditsPage>()->LoadFromModel();
    Process();

    for (std::size_t i = 0; i < DirectionBoxNames.size(); ++i)
        EXPECT_EQ(Find<QCheckBox>(DirectionBoxNames[i])->isChecked(), i == 0) << DirectionBoxNames[i].toStdString();
    EXPECT_EQ(Summary(), QStringLiteral("Words can go up and in no diagonals."));
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("ShareAllRB"))->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(QStringLiteral("Cap_AsGivenRB"))->isChecked());
    EXPECT_EQ(Find<QPlainTextEdit>(QStringLiteral("Worksheet_LeftMemo"))->toPlainText(),
              QStringLiteral("Name ___\nDate ___"));
    EXPECT_EQ(Find<QPlainTextEdit>(QStringLiteral("Worksheet_RightMemo"))->toPlainText(), QStringLiteral("Class ___"));
    EXPECT_EQ(InstructionsMemo()->toPlainText(), QStringLiteral("Circle every word."));
    EXPECT_FALSE(Find<QCheckBox>(QStringLiteral("Instructions_IncludeCB"))->isChecked());
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("Credits_NameEd"))->text(), QStringLiteral("Cy"));
    EXPECT_FALSE(Find(QStringLiteral("Credits_RecipientEd"))->isHidden());
    EXPECT_EQ(CreditsLine()->currentIndex(), 6);
    EXPECT_EQ(CreditsLine()->currentText(), m.CreditsLineChoices()[6]);

    // Nothing was taken for an edit.
    EXPECT_FALSE(m.IsModified());
    EXPECT_EQ(m.InstructionsMode(), TInstructionsMode::Customized);
    EXPECT_EQ(m.Puzzle().WorksheetLeftLines.size(), 2);
    EXPECT_TRUE(messages.Messages.empty());
}

}  // namespace
}  // namespace vorlix::shell::test
