// New, Open, Save, Save As, Exit and the save-changes query, through the real window.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QToolButton>

#include "finishedpage.h"
#include "preferences.h"
#include "preferences_store.h"
#include "puzzlefile.h"
#include "savequeryfm.h"
#include "shellfixture.h"

namespace vorlix::shell::test {

namespace {

// A path whose folder does not exist: every write there fails.
const QString UnwritablePath = QStringLiteral("/nonexistent-folder/puzzle.ws");

}  // namespace

class FileCommandsTest : public ShellTest {
protected:
    void TypeWords(const QStringList& words) {
        Model().SetWordLines(words);
        Main().LoadPagesFromModel();
    }
    bool SaveEnabled() { return Find<QToolButton>(QStringLiteral("ToolBar_SaveTBtn"))->isEnabled(); }
    // Answers the next query by activating the named links in turn; returns the dialog's result.
    void AnswerQueryWith(QStringList links) {
        modal.Answer = [this, links](QDialog& dialog) {
            for (const QString& name : links) {
                if (!dialog.isVisible() && dialog.result() == QDialog::Accepted) break;
                dialog.findChild<TLink*>(name)->Activate();
                queryAcceptedAfter << (dialog.result() == QDialog::Accepted);
                if (dialog.result() == QDialog::Accepted) break;
            }
            return dialog.result();
        };
    }
    QList<bool> queryAcceptedAfter;
};

TEST_F(FileCommandsTest, NewWithoutChangesResetsAtOnceAndOpensTheTypePage) {
    Start();
    Click(QStringLiteral("ToolBar_NewTBtn"));
    EXPECT_TRUE(modal.Shown.isEmpty());
    EXPECT_EQ(Main().CurrentPageName(), "Type_");
}

TEST_F(FileCommandsTest, SaveFollowsTheModifiedMark) {
    Start();
    EXPECT_FALSE(SaveEnabled());
    TypeWords({"cat"});
    EXPECT_TRUE(SaveEnabled());
    files.Answers = {TempPath("a.ws")};
    Click(QStringLiteral("ToolBar_SaveTBtn"));  // a new puzzle's Save asks for a name
    ASSERT_EQ(files.Requests.size(), 1u);
    EXPECT_EQ(files.Requests[0].Title, "Save As");
    EXPECT_EQ(files.Requests[0].DefaultSuffix, "ws");
    EXPECT_FALSE(SaveEnabled());
    EXPECT_EQ(Main().windowTitle(), "Vorlix - " + TempPath("a.ws") + "[*]");

    TypeWords({"cat", "dog"});
    Click(QStringLiteral("ToolBar_SaveTBtn"));  // now it writes back without a dialog
    EXPECT_EQ(files.Requests.size(), 1u);
    EXPECT_FALSE(SaveEnabled());
    EXPECT_TRUE(QFile::exists(TempPath("a.ws")));
}

TEST_F(FileCommandsTest, SavedPuzzleOpensAgainUnchanged) {
    Start();
    TypeWords({"Delaware", "Pennsylvania", "New Jersey", "Georgia"});
    Main().CreatePuzzle();
    EXPECT_EQ(Main().CurrentPageName(), "Finished");
    QStringList before;
    FormatPuzzleFile(Model().Puzzle(), before);
    files.Answers = {TempPath("states.ws")};
    Click(QStringLiteral("ToolBar_SaveAsTBtn"));
    Click(QStringLiteral("ToolBar_NewTBtn"));
    EXPECT_TRUE(Model().Puzzle().WordLines.isEmpty());
    files.Answers = {TempPath("states.ws")};
    Click(QStringLiteral("ToolBar_OpenTBtn"));
    EXPECT_EQ(files.Requests.back().Title, "Open Word Search Puzzle");
    EXPECT_EQ(Main().CurrentPageName(), "Finished");
    QStringList after;
    FormatPuzzleFile(Model().Puzzle(), after);
    EXPECT_EQ(after, before);
    EXPECT_FALSE(SaveEnabled());
    EXPECT_EQ(Find<QPlainTextEdit>(QStringLiteral("Words_Memo"))->toPlainText().split('\n').size(), 4);
}

// Protects: an Open that cannot read the file keeps the puzzle on screen as it was and says why.
TEST_F(FileCommandsTest, FailedOpenKeepsThePuzzleAndSaysWhy) {
    Start();
    const QString missing = TempPath("missing.ws");
    const QString notAPuzzle = TempPath("notes.ws");
    {
        QFile f(notAPuzzle);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Shopping list\r\nmilk\r\n");
    }
    struct Row {
        QString Path;
        QString Message;
    };
    const Row rows[] = {
        {missing, PuzzleNotFoundMessage(missing)},
        {notAPuzzle, UnknownFormatMessage(notAPuzzle)},
    };
    TypeWords({"cat", "dog"});
    Main().TurnPage(QStringLiteral("Design"));
    const QString title = Main().windowTitle();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Path.toStdString());
        messages.Messages.clear();
        files.Answers = {row.Path};
        AnswerQueryWith({"DontSaveLnk"});
        Click(QStringLiteral("ToolBar_OpenTBtn"));
        EXPECT_EQ(messages.Texts(), QStringList{row.Message});
        EXPECT_EQ(Model().Puzzle().WordLines, (QStringList{"cat", "dog"}));
        EXPECT_EQ(Find<QPlainTextEdit>(QStringLiteral("Words_Memo"))->toPlainText(), "cat\ndog");
        EXPECT_EQ(Main().windowTitle(), title);
        EXPECT_EQ(Main().CurrentPageName(), "Design");
        EXPECT_TRUE(Model().IsModified()) << "nothing was saved, so Save stays offered";
    }
}

TEST_F(FileCommandsTest, QueryForANeverNamedPuzzleOffersNoPlainSave) {
    Start();
    TypeWords({"cat"});
    modal.Answer = [](QDialog& dialog) {
        EXPECT_FALSE(dialog.findChild<TLink*>(QStringLiteral("SaveLnk"))->isEnabled());
        dialog.findChild<TLink*>(QStringLiteral("CancelLnk"))->Activate();
        return dialog.result();
    };
    Click(QStringLiteral("ToolBar_NewTBtn"));
    EXPECT_EQ(modal.Shown, QStringList{"TOkayToProceedAfterSaveQueryFm"});
    EXPECT_EQ(Find<QLabel>(QStringLiteral("QueryLbl"))->text(),
              "Starting a new puzzle will erase your current puzzle, which is not saved. What do you want to do "
              "with your current puzzle?");
    EXPECT_EQ(Model().Puzzle().WordLines, QStringList{"cat"});  // cancelled: nothing reset
}

TEST_F(FileCommandsTest, ThrowItAwayProceeds) {
    Start();
    TypeWords({"cat"});
    AnswerQueryWith({"DontSaveLnk"});
    Click(QStringLiteral("ToolBar_NewTBtn"));
    EXPECT_TRUE(Model().Puzzle().WordLines.isEmpty());
    EXPECT_EQ(Main().CurrentPageName(), "Type_");
}

// A save that fails never lets the query throw the puzzle away, whichever way it was asked.
TEST_F(FileCommandsTest, FailedSaveKeepsThePuzzleOnEveryPath) {
    Start();
    TypeWords({"cat"});
    files.Answers = {UnwritablePath};
    Click(QStringLiteral("ToolBar_SaveAsTBtn"));
    EXPECT_TRUE(Model().IsModified());
    EXPECT_TRUE(SaveEnabled());
    ASSERT_FALSE(messages.Messages.empty());
    EXPECT_EQ(messages.Messages.back().Text,
              SaveErrorMessage() + QStringLiteral("\n") + UnwritablePath +
                  QStringLiteral(": No such file or directory"));

    // Save it (the target is the failed name): stays open, then Cancel.
    AnswerQueryWith({"SaveLnk", "CancelLnk"});
    Click(QStringLiteral("ToolBar_NewTBtn"));
    EXPECT_EQ(queryAcceptedAfter, (QList<bool>{false, false}));
    EXPECT_EQ(Model().Puzzle().WordLines, QStringList{"cat"});

    // Save it with a new name, failing again, and with the dialog cancelled.
    queryAcceptedAfter.clear();
    files.Answers = {UnwritablePath, QString()};
    AnswerQueryWith({"SaveAsLnk", "SaveAsLnk", "CancelLnk"});
    Click(QStringLiteral("ToolBar_OpenTBtn"));
    EXPECT_EQ(queryAcceptedAfter, (QList<bool>{false, false, false}));
    EXPECT_EQ(Model().Puzzle().WordLines, QStringList{"cat"});

    // Exit: the window stays.
    queryAcceptedAfter.clear();
    AnswerQueryWith({"SaveLnk", "CancelLnk"});
    Main().close();
    Process();
    EXPECT_TRUE(Main().isVisible());
    EXPECT_EQ(Model().Puzzle().WordLines, QStringList{"cat"});
}

TEST_F(FileCommandsTest, SaveItThenProceedsWhenTheSaveWorked) {
    Start();
    TypeWords({"cat"});
    files.Answers = {TempPath("cat.ws")};
    Click(QStringLiteral("ToolBar_SaveAsTBtn"));
    TypeWords({"cat", "dog"});
    AnswerQueryWith({"SaveLnk"});
    Click(QStringLiteral("ToolBar_NewTBtn"));
    EXPECT_EQ(queryAcceptedAfter, QList<bool>{true});
    EXPECT_TRUE(Model().Puzzle().WordLines.isEmpty());
    QFile saved(TempPath("cat.ws"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("dog"));
}

TEST_F(FileCommandsTest, RefusedExitLeavesPreferencesUntouched) {
    Start();
    QFile ini(IniFile());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray before = ini.readAll();
    ini.close();
    TypeWords({"cat"});
    AnswerQueryWith({"CancelLnk"});
    Main().close();
    Process();
    EXPECT_TRUE(Main().isVisible());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), before);
}

TEST_F(FileCommandsTest, AgreedExitSavesPreferences) {
    Start();
    Main().ApplyColourScheme(5);
    Main().close();
    Process();
    EXPECT_FALSE(Main().isVisible());
    TPreferences prefs;
    TReport report;
    TPreferencesStore(IniFile()).LoadWindowPreferences(prefs, report);
    EXPECT_EQ(prefs.ColorScheme, 5);
}

class StartupTest : public ShellTest {
protected:
    QString SavedPuzzle(const QStringList& words) {
        TScriptedMessageHost host;
        TPreferences prefs;
        TPuzzleModel model(host, prefs);
        model.ResetToNewPuzzle();
        model.SetWordLines(words);
        if (!words.isEmpty()) model.RebuildPuzzle();
        const QString path = TempPath("start.ws");
        TReport report;
        EXPECT_TRUE(SavePuzzleFile(model.Puzzle(), path, report));
        return path;
    }
};

TEST_F(StartupTest, CommandLinePuzzleOpensOnTheFinishedPageInTwoPages) {
    const QString path = SavedPuzzle({"apple", "pear", "plum"});
    Start({path});
    EXPECT_TRUE(Main().PuzzleFromCommandLine());
    EXPECT_EQ(Main().CurrentPageName(), "Finished");
    EXPECT_EQ(Main().PageOf<TFinishedPage>()->View(), 2);
    EXPECT_EQ(Main().windowTitle(), "Vorlix - " + path + "[*]");
    EXPECT_EQ(Model().Puzzle().WordLines, (QStringList{"apple", "pear", "plum"}));
    EXPECT_FALSE(Model().IsModified());
}

// Protects: a start-up argument that names no readable puzzle (a missing file, a folder)
// starts on Home as always, and tells the user why, through the message seam.
TEST_F(StartupTest, MissingCommandLineFileStartsOnHomeAndSaysSo) {
    QDir(dir.path()).mkdir(QStringLiteral("folder.ws"));
    const std::pair<QString, QString> cases[] = {
        {TempPath("missing.ws"), PuzzleNotFoundMessage(TempPath("missing.ws"))},
        {TempPath("folder.ws"), FolderGivenMessage(TempPath("folder.ws"))},
    };
    for (const auto& [path, said] : cases) {
        messages.Messages.clear();
        Start({path});
        EXPECT_FALSE(Main().PuzzleFromCommandLine());
        EXPECT_EQ(Main().CurrentPageName(), "Home");
        EXPECT_EQ(messages.Texts(), QStringList{said});
    }
}

TEST_F(StartupTest, FirstRunShowsTheTourOnceAndRemembersIt) {
    QFile::remove(IniFile());
    Start();
    EXPECT_EQ(modal.Shown, QStringList{"TTourFm"});
    Main().close();
    Process();
    program.reset();
    modal.Shown.clear();
    Start();
    EXPECT_TRUE(modal.Shown.isEmpty());
}

}  // namespace vorlix::shell::test

namespace vorlix::shell::test {

class PrintPageTest : public ShellTest {};

// A teacher without a printer still gets her sheets: the puzzle and its solution as PDF.
TEST_F(PrintPageTest, SaveAsPdfWritesThePuzzleAndItsSolution) {
    Start();
    Model().SetWordLines({"sun", "moon", "star"});
    Main().CreatePuzzle();
    Main().TurnPage(QStringLiteral("Print"));
    files.Answers = {TempPath("sheets.pdf")};
    Click(QStringLiteral("Print_PdfBtn"));
    QFile pdf(TempPath("sheets.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>>") +
                  bytes.count("/Type /Page "),
              2);

    files.Answers = {QStringLiteral("/nonexistent-folder/sheets.pdf")};
    const size_t shown = messages.Messages.size();
    Click(QStringLiteral("Print_PdfBtn"));
    EXPECT_GT(messages.Messages.size(), shown);  // the failure is reported, not silent
}

}  // namespace vorlix::shell::test
