// The spelling dialog over the real main window: its states, commands and both modes.
#include <functional>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "preferences.h"
#include "shellfixture.h"
#include "spellingdlg.h"
#include "windows.h"

namespace vorlix::shell::test {
namespace {

class SpellingDlgTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        QFile english(TempPath("English"));
        ASSERT_TRUE(english.open(QIODevice::WriteOnly));
        english.write("AND\nCAT\nDOG\nFIND\nGRID\nNAME\nTHE\nWORDS\n");
        english.close();
        Dialog().SetDictionaryLocations({TempPath("English"), TempPath("SpellSup")});
        // Only the texts a test types are checked.
        EditPuzzle([](TPuzzle& p) {
            p.WorksheetLeftLines.clear();
            p.WorksheetRightLines.clear();
            p.TitleLines.clear();
            p.InstructionLines.clear();
            p.WordLines.clear();
            p.HiddenMessageLines.clear();
            p.CreditsLine.clear();
        });
    }
    TSpellingDlg& Dialog() const { return *Main().Windows()->Spelling; }
    template <class T = QWidget>
    T* Control(const char* name) const {
        return Dialog().findChild<T*>(QString::fromLatin1(name));
    }
    QString Text(const char* name) const { return Control<QLabel>(name)->text(); }
    bool Enabled(const char* name) const { return Control(name)->isEnabled(); }
    // Which of the eight commands can be pressed, in the dialog's order.
    QString Commands() const {
        QString on;
        for (const char* n : {"AddBtn", "ChangeBtn", "IgnoreBtn", "IgnoreAllBtn", "StopBtn", "ResumeBtn", "OKBtn",
                              "HelpBtn"})
            on += Enabled(n) ? QLatin1Char('1') : QLatin1Char('0');
        return on;
    }
    void Press(const char* name) {
        Control<QPushButton>(name)->click();
        Process();
    }
    // Runs action from the first event after the walk has started: the start is queued
    // when the dialog is shown, so this goes one step behind it.
    static void WhileWalking(QDialog& d, std::function<void()> action) {
        QTimer::singleShot(0, &d, [&d, action] { QTimer::singleShot(0, &d, action); });
    }
    // Runs the dialog as the opener does; script acts while it is on screen.
    void OpenWith(const std::function<void(TSpellingDlg&)>& script, bool automatic = false) {
        modal.Answer = [this, script](QDialog& d) {
            auto& dialog = static_cast<TSpellingDlg&>(d);
            dialog.show();
            Process();
            if (script) script(dialog);
            if (dialog.isVisible()) dialog.accept();
            return dialog.result();
        };
        if (automatic) {
            Main().Preferences().SpellerSemiAuto = false;
            Model().SpellingUpToDate = false;
            Main().CreatePuzzle();
        } else {
            Main().TurnPage(QStringLiteral("Design"));
            Click(QStringLiteral("Words_SpellingBtn"));
        }
    }
};

TEST_F(SpellingDlgTest, ReportedWordShowsItsPlaceAndTheWordCommands) {
    Model().SetWordLines({"cat", "the dgo and cat"});
    OpenWith([this](TSpellingDlg&) {
        EXPECT_EQ(Text("MainMesgLbl"), "Not Found:");
        EXPECT_EQ(Text("CurrentWordLbl"), "dgo");
        EXPECT_EQ(Control<QLineEdit>("WordEdit")->text(), "dgo");
        EXPECT_EQ(Text("LocationLbl"), "Your words, line 2");
        EXPECT_EQ(Text("MemoLbl"), "Entire line:");
        auto* context = Control<QPlainTextEdit>("ContextMemo");
        EXPECT_EQ(context->toPlainText(), "the dgo and cat");
        EXPECT_EQ(context->textCursor().selectedText(), "dgo");
        // Add, Change, Ignore, Ignore All, Close and Help; not Stop or Resume.
        EXPECT_EQ(Commands(), "11110011");
        Press("IgnoreBtn");
        EXPECT_EQ(Text("MainMesgLbl"), "Spell Check Completed.");
        EXPECT_EQ(Text("CurrentWordLbl"), "");
        EXPECT_EQ(Control<QPlainTextEdit>("ContextMemo")->toPlainText(), "");
        EXPECT_EQ(Commands(), "00000011");
        EXPECT_TRUE(Dialog().isVisible());  // manual mode stays open
        Press("OKBtn");
        EXPECT_FALSE(Dialog().isVisible());
        EXPECT_TRUE(Control("MainMesgLbl")->isHidden());  // closing hides the status
    });
    EXPECT_EQ(modal.Shown, QStringList{"TSpellingDlg"});
    EXPECT_TRUE(Model().SpellingUpToDate);
}

TEST_F(SpellingDlgTest, ChangeCorrectsTheTextAsAnEditAndChecksTheReplacement) {
    Model().SetWordLines({"the kat"});
    Model().SetModified(false);
    OpenWith([this](TSpellingDlg&) {
        auto* edit = Control<QLineEdit>("WordEdit");
        edit->setText(QStringLiteral("catt"));
        Press("ChangeBtn");
        // Still unknown: reported again in the same place.
        EXPECT_EQ(Text("CurrentWordLbl"), "catt");
        EXPECT_EQ(Dialog().Walk().Offset(), 5);
        EXPECT_EQ(Model().Puzzle().WordLines, QStringList{"the catt"});
        EXPECT_EQ(Control<QPlainTextEdit>("ContextMemo")->textCursor().selectedText(), "catt");
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("cat"));  // typing enables Change
        EXPECT_TRUE(Enabled("ChangeBtn"));
        Press("ChangeBtn");
        EXPECT_EQ(Text("MainMesgLbl"), "Spell Check Completed.");
    });
    EXPECT_EQ(Model().Puzzle().WordLines, QStringList{"the cat"});
    EXPECT_TRUE(Model().IsModified());
    EXPECT_EQ(Model().ListedWordCount, 1);
    // The page shows the corrected text.
    EXPECT_EQ(Find<QPlainTextEdit>(QStringLiteral("Words_Memo"))->toPlainText(), "the cat");
}

TEST_F(SpellingDlgTest, ChangeInTheCreditsLineRewritesItsText) {
    Model().TypeCreditsLine(QStringLiteral("cat dgo"));
    OpenWith([this](TSpellingDlg&) {
        EXPECT_EQ(Text("LocationLbl"), "Credits line");
        EXPECT_EQ(Text("MemoLbl"), "Whole credits line:");
        Control<QLineEdit>("WordEdit")->setText(QStringLiteral("dog"));
        Press("ChangeBtn");
    });
    EXPECT_EQ(Model().Puzzle().CreditsLine, "cat dog");
}

TEST_F(SpellingDlgTest, IgnoreAllSkipsTheWordInLaterFieldsAndLaterChecks) {
    Model().SetTitleLines({"Zorbs"});
    Model().SetWordLines({"zorbs", "ZORBS cat"});
    Model().SetHiddenMessageLines({"qix"});
    QStringList reported;
    const auto collect = [&](TSpellingDlg&) {
        while (Enabled("IgnoreBtn")) {
            reported << Text("CurrentWordLbl");
            Press(reported.last() == "Zorbs" ? "IgnoreAllBtn" : "IgnoreBtn");
        }
    };
    OpenWith(collect);
    EXPECT_EQ(reported, (QStringList{"Zorbs", "qix"}));
    reported.clear();
    OpenWith(collect);  // a new walk, the same run: the ignore list stays
    EXPECT_EQ(reported, QStringList{"qix"});
}

TEST_F(SpellingDlgTest, AutomaticModeWithoutUnknownWordsClosesByItself) {
    Model().SetWordLines({"cat", "dog"});
    bool answered = false;
    OpenWith([&](TSpellingDlg& d) {
        answered = true;
        EXPECT_FALSE(d.isVisible());  // closed before any input
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }, true);
    EXPECT_TRUE(answered);
    EXPECT_TRUE(Model().SpellingUpToDate);
    EXPECT_EQ(Main().CurrentPageName(), "Finished");
}

TEST_F(SpellingDlgTest, AutomaticModeStopsAtAnUnknownWordAndClosesAtTheEnd) {
    Model().SetWordLines({"cat", "dgo"});
    OpenWith([this](TSpellingDlg& d) {
        ASSERT_TRUE(d.isVisible());
        EXPECT_EQ(Text("CurrentWordLbl"), "dgo");
        Press("AddBtn");
        EXPECT_FALSE(d.isVisible());
    }, true);
    QFile spellSup(TempPath("SpellSup"));
    ASSERT_TRUE(spellSup.open(QIODevice::ReadOnly));
    EXPECT_EQ(spellSup.readAll(), "dgo\n");
}

TEST_F(SpellingDlgTest, UnwritableSpellSupTellsTheUserAndKeepsTheWord) {
    QFile blocker(TempPath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // Before the first check, so the dialog of this run takes these files.
    ASSERT_FALSE(Dialog().Dictionaries().Loaded());
    Dialog().SetDictionaryLocations({TempPath("English"), TempPath("blocker/SpellSup")});
    Model().SetWordLines({"zorb", "dgo zorb"});
    OpenWith([this](TSpellingDlg&) {
        Press("AddBtn");
        EXPECT_EQ(messages.Texts(), QStringList{SpellSupWriteFailedText()});
        EXPECT_EQ(Text("CurrentWordLbl"), "dgo");  // the walk went on; later "zorb" is known
        Press("IgnoreBtn");
        EXPECT_EQ(Text("MainMesgLbl"), "Spell Check Completed.");
    });
    EXPECT_TRUE(Dialog().Dictionaries().IsKnownWord(u"zorb"));
}

TEST_F(SpellingDlgTest, StopAndResumeReachTheRunningWalk) {
    QStringList many;
    for (int i = 0; i < 200; ++i) many << QStringLiteral("find the words and the grid");
    many << QStringLiteral("dgo");
    Model().SetWordLines(many);
    OpenWith(nullptr);  // prime the dictionaries and close
    modal.Answer = [this](QDialog& d) {
        // Stop is pressed from an event that arrives while the walk runs.
        WhileWalking(d, [this] {
            EXPECT_EQ(Commands(), "00001000");  // checking: only Stop
            Control<QPushButton>("StopBtn")->click();
        });
        d.show();
        Process();
        EXPECT_TRUE(Dialog().Walk().StopRequested());
        EXPECT_NE(Dialog().Walk().Stage(), spelling::StageFinished);
        EXPECT_EQ(Commands(), "00000111");  // Resume, Close, Help
        Press("ResumeBtn");
        EXPECT_EQ(Text("CurrentWordLbl"), "dgo");
        EXPECT_EQ(Text("LocationLbl"), "Your words, line 201");
        d.accept();
        return d.result();
    };
    Click(QStringLiteral("Words_SpellingBtn"));
}

TEST_F(SpellingDlgTest, HelpExplainsTheCommands) {
    Model().SetWordLines({"dgo"});
    OpenWith([this](TSpellingDlg&) { Press("HelpBtn"); });
    EXPECT_EQ(messages.Texts(), QStringList{SpellingHelpText()});
}

TEST_F(SpellingDlgTest, ClosingMidWalkEndsIt) {
    QStringList many(100, QStringLiteral("cat dog"));
    Model().SetWordLines(many);
    modal.Answer = [this](QDialog& d) {
        WhileWalking(d, [&d] { d.reject(); });  // the window's close box
        d.show();
        Process();
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(Dialog().Walk().Running());
        return d.result();
    };
    Click(QStringLiteral("Words_SpellingBtn"));
    EXPECT_TRUE(Dialog().Walk().StopRequested());
}

}  // namespace
}  // namespace vorlix::shell::test
