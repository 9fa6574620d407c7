// The puzzle type page: the marker and its pause, Next with the instructions question, Cancel.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "designpage.h"
#include "shellfixture.h"
#include "typepage.h"

namespace vorlix::shell::test {
namespace {

const QString ChoiceNames[] = {
    QStringLiteral("Type_StandardRB"),
    QStringLiteral("Type_HiddenRB"),
    QStringLiteral("Type_CluesRB"),
    QStringLiteral("Type_CluesHiddenRB"),
};

class TypePageTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        Main().TurnPage(QStringLiteral("Design"));
        Main().TurnPage(QStringLiteral("Type_"));
        Process();
    }
    TTypePage& Page() const { return *Main().PageOf<TTypePage>(); }
    QRadioButton* Choice(int choice) const { return Find<QRadioButton>(ChoiceNames[choice]); }
    // A left press as the mouse gives it; the release is left out on purpose.
    void Press(int choice) {
        QRadioButton* rb = Choice(choice);
        const QPointF at(4, rb->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, rb->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(rb, &press);
    }
    // The instructions were customized, so Next asks before replacing them.
    void CustomizeInstructions() {
        Model().SetInstructionLines({QStringLiteral("Circle every word you find.")});
        Model().MarkInstructionsTyped();
    }
};

TEST_F(TypePageTest, ChoicesCarryTheirCaptions) {
    const char* captions[] = {"Standard Word Search", "Word Search with Hidden Message", "Word Search with Clues",
                              "Word Search with Clues and Hidden Message"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Choice(i)->text(), QString::fromLatin1(captions[i]));
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("Type_NextBtn"))->text(), QStringLiteral("Next  >>"));
    EXPECT_TRUE(Choice(TTypePage::Standard)->isChecked());
}

TEST_F(TypePageTest, PressMovesTheMarkerAtOnceAndTheChoiceAfterThePause) {
    Press(TTypePage::Hidden);
    EXPECT_EQ(Page().MarkerChoice(), TTypePage::Hidden);
    EXPECT_TRUE(Page().Pausing());
    EXPECT_TRUE(Choice(TTypePage::Standard)->isChecked());

    Process();
    EXPECT_FALSE(Page().Pausing());
    EXPECT_TRUE(Choice(TTypePage::Hidden)->isChecked());
    // Beside the choice: eight pixels right of its right edge, two below its top.
    QRadioButton* rb = Choice(TTypePage::Hidden);
    auto* marker = Find<QLabel>(QStringLiteral("Type_MarkerLbl"));
    EXPECT_EQ(marker->text(), QStringLiteral("(Current puzzle type)"));
    EXPECT_EQ(marker->pos(), QPoint(rb->x() + rb->width() + 8, rb->y() + 2));
}

TEST_F(TypePageTest, PauseDoesNothingOnceThePageWasLeft) {
    Press(TTypePage::Clues);
    Main().TurnPage(QStringLiteral("Design"));
    Process();
    EXPECT_TRUE(Choice(TTypePage::Standard)->isChecked());
    EXPECT_EQ(Page().MarkerChoice(), TTypePage::Standard);
    EXPECT_FALSE(Model().CustomCluesMode());
}

TEST_F(TypePageTest, NextDuringThePauseTakesThePressedChoice) {
    Press(TTypePage::Clues);
    Click(QStringLiteral("Type_NextBtn"));
    EXPECT_TRUE(Model().CustomCluesMode());
    EXPECT_FALSE(Model().HiddenMessageMode());
    EXPECT_EQ(Main().CurrentPageName(), QStringLiteral("Design"));
}

TEST_F(TypePageTest, NextSetsTheTypeAndOpensTheDesignPage) {
    struct Row {
        int choice;
        bool hidden;
        bool clues;
        bool wraps;  // clue lines are not wrapped
    };
    const Row rows[] = {
        {TTypePage::Hidden, true, false, true},
        {TTypePage::Clues, false, true, false},
        {TTypePage::CluesHidden, true, true, false},
        {TTypePage::Standard, false, false, true},
    };
    for (const Row& row : rows) {
        Main().TurnPage(QStringLiteral("Type_"));
        Click(ChoiceNames[row.choice]);
        Click(QStringLiteral("Type_NextBtn"));
        EXPECT_EQ(Main().CurrentPageName(), QStringLiteral("Design")) << row.choice;
        EXPECT_EQ(Model().HiddenMessageMode(), row.hidden) << row.choice;
        EXPECT_EQ(Model().CustomCluesMode(), row.clues) << row.choice;
        TWordSearchConfig settings;
        ApplyPuzzleOptions(Model().Puzzle(), settings);
        EXPECT_EQ(settings.HasOption(Option_CustomClues), row.clues) << row.choice;
        EXPECT_EQ(Main().PageOf<TDesignPage>()->WordWrap(), row.wraps) << row.choice;
        // Instructions that were never customized follow the type without a question.
        EXPECT_EQ(Model().Puzzle().InstructionLines.value(0),
                  Model().AutomaticInstructionsText() + QLatin1Char(' ') + Model().DirectionsSummary());
    }
    EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(TypePageTest, NextAsksBeforeReplacingCustomInstructions) {
    struct Row {
        MessageAnswer answer;
        bool turned;           // Cancel keeps the page and the type
        TInstructionsMode mode;  // Yes: automatic again; No: never ask again
        bool replaced;
    };
    const Row rows[] = {
        {MessageAnswer::Yes, true, TInstructionsMode::Automatic, true},
        {MessageAnswer::No, true, TInstructionsMode::KeepCustom, false},
        {MessageAnswer::Cancel, false, TInstructionsMode::Customized, false},
    };
    for (const Row& row : rows) {
        Model().ResetToNewPuzzle();
        Main().LoadPagesFromModel();
        Main().TurnPage(QStringLiteral("Type_"));
        CustomizeInstructions();
        auto* design = Main().PageOf<TDesignPage>();
        messages.Messages.clear();
        messages.Answers = {row.answer};

        Click(QStringLiteral("Type_CluesHiddenRB"));
        Click(QStringLiteral("Type_NextBtn"));
        const int r = static_cast<int>(row.answer);
        ASSERT_EQ(messages.Messages.size(), 1u) << r;
        EXPECT_EQ(messages.Messages[0].Text, ReplaceInstructionsQuestion());
        EXPECT_EQ(messages.Messages[0].Buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(Main().CurrentPageName(), row.turned ? QStringLiteral("Design") : QStringLiteral("Type_")) << r;
        EXPECT_EQ(Model().CustomCluesMode(), row.turned) << r;
        EXPECT_EQ(Model().HiddenMessageMode(), row.turned) << r;
        EXPECT_EQ(Model().InstructionsMode(), row.mode) << r;
        EXPECT_EQ(Model().Puzzle().InstructionLines.value(0) == QStringLiteral("Circle every word you find."),
                  !row.replaced)
            << r;
        // Wrapping follows the type the model ends with: a cancelled question leaves it on.
        EXPECT_EQ(design->WordWrap(), !row.turned) << r;
    }
}

TEST_F(TypePageTest, AfterNoTheQuestionIsNotAskedAgain) {
    CustomizeInstructions();
    messages.Answers = {MessageAnswer::No};
    Click(QStringLiteral("Type_CluesRB"));
    Click(QStringLiteral("Type_NextBtn"));
    Main().TurnPage(QStringLiteral("Type_"));
    Click(QStringLiteral("Type_StandardRB"));
    Click(QStringLiteral("Type_NextBtn"));
    EXPECT_EQ(messages.Messages.size(), 1u);
    EXPECT_FALSE(Model().CustomCluesMode());
    EXPECT_EQ(Model().Puzzle().InstructionLines.value(0), QStringLiteral("Circle every word you find."));
}

TEST_F(TypePageTest, CancelChecksThePuzzleTypeAndGoesBack) {
    struct Row {
        TPuzzleType type;
        int choice;
    };
    const Row rows[] = {
        {{false, false}, TTypePage::Standard},
        {{true, false}, TTypePage::Hidden},
        {{false, true}, TTypePage::Clues},
        {{true, true}, TTypePage::CluesHidden},
    };
    for (const Row& row : rows) {
        Main().TurnPage(QStringLiteral("Design"));
        Main().TurnPage(QStringLiteral("Type_"));
        EditPuzzle([&row](TPuzzle& p) { p.Type = row.type; });
        // Another choice pressed, then given up.
        const int other = (row.choice + 1) % 4;
        Click(ChoiceNames[other]);
        Press(other);
        Click(QStringLiteral("Type_CancelBtn"));
        EXPECT_TRUE(Choice(row.choice)->isChecked()) << row.choice;
        EXPECT_EQ(Page().MarkerChoice(), row.choice) << row.choice;
        EXPECT_FALSE(Page().Pausing()) << row.choice;
        EXPECT_EQ(Main().CurrentPageName(), QStringLiteral("Design")) << row.choice;
    }
}

TEST_F(TypePageTest, LoadFromModelChecksTheModelType) {
    {
        // The page is not told, so LoadFromModel alone must show the type.
        const QSignalBlocker quiet(&Model().Signals());
        EditPuzzle([](TPuzzle& p) { p.Type = {true, true}; });
    }
    Page().LoadFromModel();
    EXPECT_TRUE(Choice(TTypePage::CluesHidden)->isChecked());
    EXPECT_EQ(Page().MarkerChoice(), TTypePage::CluesHidden);
}

TEST_F(TypePageTest, ExampleShowsTheClueSampleEvenForAStandardPuzzle) {
    QString heading;
    modal.Answer = [&heading](QDialog& d) {
        heading = d.findChild<QLabel*>(QStringLiteral("ExampleLbl"))->text();
        return int(QDialog::Rejected);
    };
    ASSERT_FALSE(Model().CustomCluesMode());
    Click(QStringLiteral("Type_ExampleLnk"));
    EXPECT_EQ(modal.Shown, QStringList{QStringLiteral("TExampleFm")});
    EXPECT_EQ(heading, QStringLiteral("Example of a Word List with Clues"));
    EXPECT_EQ(Main().CurrentPageName(), QStringLiteral("Type_"));
}

}  // namespace
}  // namespace vorlix::shell::test
