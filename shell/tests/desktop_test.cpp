// The desktop conventions of the main window: menu keys, undo and redo, recent puzzles,
// drag and drop, the title's unsaved mark, the manual and the About page.
#include <memory>

#include <QAction>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUndoStack>

#include "aboutpage.h"
#include "homepage.h"
#include "mainmenu.h"
#include "preferences_store.h"
#include "shellfixture.h"
#include "undohistory.h"

namespace vorlix::shell::test {

class DesktopTest : public ShellTest {
protected:
    void StartActive() {
        Start();
        Main().show();
        Main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    }
    // Keys go to the window with the focus on no text box, as after a click on a page.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Main().setFocus();
        QTest::keyClick(&Main(), static_cast<Qt::Key>(key), modifiers);
        Process();
    }
    void TypeWords(const QStringList& words) {
        Model().SetWordLines(words);
        Main().LoadPagesFromModel();
        Process();
    }
    // Saves under name and returns the path, the puzzle then counting as saved.
    QString SaveAs(const QString& name) {
        files.Answers = {TempPath(name)};
        Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        return TempPath(name);
    }
    QString WriteFile(const QString& name, const QByteArray& bytes) {
        QFile f(TempPath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return TempPath(name);
    }
    // A drag entering target and dropped there, as the desktop sends them; takes the data.
    bool Drop(QWidget* target, QMimeData* dropped) {
        const std::unique_ptr<QMimeData> owner(dropped);
        QMimeData* data = owner.get();
        const QPoint at(target->width() / 2, target->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        Process();
        return drop.isAccepted();
    }
    static QMimeData* FilesData(const QStringList& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
        data->setUrls(urls);
        return data;
    }
    QAction* Item(const QString& name) { return Main().Menus().Action(name); }
    QStringList RecentMenuTips() {
        QStringList tips;
        for (QAction* a : Main().findChild<QMenu*>(QStringLiteral("File_RecentMnu"))->actions()) tips << a->toolTip();
        return tips;
    }
};

// Protects: each standard key reaches its command from the window, whatever page is open.
TEST_F(DesktopTest, StandardKeysRunTheirCommands) {
    StartActive();
    Main().TurnPage(QStringLiteral("Finished"));

    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Main().CurrentPageName(), "Type_");

    Key(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(files.Requests.size(), 1u);
    EXPECT_EQ(files.Requests[0].Title, "Open Word Search Puzzle");

    Key(Qt::Key_S, Qt::ControlModifier);  // a new puzzle's Save asks for a name
    ASSERT_EQ(files.Requests.size(), 2u);
    EXPECT_EQ(files.Requests[1].Title, "Save As");
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(files.Requests.size(), 3u);
    EXPECT_EQ(files.Requests[2].Title, "Save As");

    Key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Main().CurrentPageName(), "Print");

    Key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Main().CurrentPageName(), "Type_");
    Key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Main().CurrentPageName(), "Print");

    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Main().Menus().FindBox());

    Key(Qt::Key_F1);
    ASSERT_EQ(desktop.Opened.size(), 1u);
    EXPECT_TRUE(desktop.Opened[0].isLocalFile());
    EXPECT_TRUE(desktop.Opened[0].toLocalFile().endsWith("manual.html"));
    EXPECT_TRUE(QFile::exists(desktop.Opened[0].toLocalFile()));
}

// Protects: the mouse's back and forward buttons turn pages like Alt+Left and Alt+Right.
TEST_F(DesktopTest, MouseBackAndForwardButtonsTurnPages) {
    StartActive();
    Main().TurnPage(QStringLiteral("Design"));
    QWidget* page = Main().CurrentPage();
    QTest::mouseClick(page, Qt::BackButton);
    EXPECT_EQ(Main().CurrentPageName(), "Home");
    QTest::mouseClick(Main().CurrentPage(), Qt::ForwardButton);
    EXPECT_EQ(Main().CurrentPageName(), "Design");
}

// Protects: Quit asks about unsaved changes, and a Cancel keeps the program open.
TEST_F(DesktopTest, QuitKeyAsksBeforeLosingChanges) {
    StartActive();
    TypeWords({"owl"});
    modal.Answer = [](QDialog&) { return int(QDialog::Rejected); };
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(modal.Shown, QStringList{"TOkayToProceedAfterSaveQueryFm"});
    EXPECT_TRUE(Main().isVisible());
}

// Protects: Find selects the next place in the word list holding the text, round from the top.
TEST_F(DesktopTest, FindSelectsMatchesInTheWordList) {
    StartActive();
    TypeWords({"cat", "dog", "catfish"});
    QLineEdit* box = Main().Menus().FindBox();
    Key(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("cat"));
    auto* memo = Find<QPlainTextEdit>(QStringLiteral("Words_Memo"));
    EXPECT_EQ(Main().CurrentPageName(), "Design");
    EXPECT_EQ(memo->textCursor().selectionStart(), 0);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(memo->textCursor().selectionStart(), 8);  // "catfish"
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(memo->textCursor().selectionStart(), 0) << "the search goes round to the top";
    EXPECT_FALSE(Main().FindInWordList(QStringLiteral("zebra"), false));
}

// Protects: Rescramble is undone and redone, and undoing back to the saved grid clears the
// modified mark and the title's unsaved mark.
TEST_F(DesktopTest, RescrambleUndoesBackToTheSavedPuzzle) {
    StartActive();
    TypeWords({"Delaware", "Pennsylvania", "Georgia", "Connecticut", "Virginia"});
    Main().CreatePuzzle();
    Process();
    SaveAs(QStringLiteral("states.ws"));
    ASSERT_FALSE(Model().IsModified());
    EXPECT_FALSE(Main().isWindowModified());
    const std::shared_ptr<const TBuiltGrid> saved = Model().Puzzle().Built;

    Click(QStringLiteral("Puzzle_TryAgainBtn"));
    const std::shared_ptr<const TBuiltGrid> scrambled = Model().Puzzle().Built;
    ASSERT_FALSE(scrambled->SameAs(*saved));
    EXPECT_TRUE(Model().IsModified());
    EXPECT_TRUE(Main().isWindowModified());
    EXPECT_EQ(Item(QStringLiteral("Edit_UndoItm"))->text(), "&Undo Rescramble");

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Model().Puzzle().Built->SameAs(*saved));
    EXPECT_FALSE(Model().IsModified()) << "back at the saved puzzle";
    EXPECT_FALSE(Main().isWindowModified());

    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Model().Puzzle().Built->SameAs(*scrambled));
    EXPECT_TRUE(Model().IsModified());
    EXPECT_TRUE(Main().isWindowModified());
}

// Protects: Clear List is undone with the words shown again, and redone.
TEST_F(DesktopTest, ClearListUndoesAndRedoes) {
    StartActive();
    TypeWords({"red", "blue", "olive green"});
    SaveAs(QStringLiteral("colours.ws"));
    Main().TurnPage(QStringLiteral("Design"));
    Click(QStringLiteral("Words_ClearListBtn"));
    EXPECT_TRUE(Model().Puzzle().WordLines.join("").isEmpty());
    EXPECT_EQ(Item(QStringLiteral("Edit_UndoItm"))->text(), "&Undo Clear List");

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Model().Puzzle().WordLines, (QStringList{"red", "blue", "olive green"}));
    EXPECT_EQ(Find<QPlainTextEdit>(QStringLiteral("Words_Memo"))->toPlainText(), "red\nblue\nolive green");
    EXPECT_FALSE(Model().IsModified());

    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Model().Puzzle().WordLines.join("").isEmpty());
    EXPECT_TRUE(Model().IsModified());
}

// Protects: typing into one box is one step of the history, options each their own, and the
// history ends at New.
TEST_F(DesktopTest, TypingMergesAndNewEndsTheHistory) {
    StartActive();
    Main().TurnPage(QStringLiteral("Design"));
    for (const QChar c : QStringLiteral("lion")) {
        QTest::keyClicks(Find<QPlainTextEdit>(QStringLiteral("Words_Memo")), QString(c));
        Process();  // each key recorded on its own, then merged
    }
    QUndoStack& stack = Main().UndoHistory().Stack();
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), "Typing in the Word List");
    Main().TurnPage(QStringLiteral("Sharing"));
    Click(QStringLiteral("ShareNoCrossRB"));
    EXPECT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.undoText(), "Letter Sharing Change");
    Main().UndoHistory().Undo();
    Main().UndoHistory().Undo();
    EXPECT_TRUE(Model().Puzzle().WordLines.join("").isEmpty());
    EXPECT_FALSE(Model().IsModified());

    Main().UndoHistory().Redo();
    modal.Answer = [](QDialog& d) {
        d.findChild<TLink*>(QStringLiteral("DontSaveLnk"))->Activate();
        return d.result();
    };
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(stack.count(), 0);
    EXPECT_FALSE(Item(QStringLiteral("Edit_UndoItm"))->isEnabled());
}

// Protects: the recent list keeps the newest ten, newest first, in the store and the menu.
TEST_F(DesktopTest, RecentListKeepsTheNewestTen) {
    StartActive();
    QStringList saved;
    for (int i = 1; i <= 12; ++i) {
        TypeWords({QStringLiteral("word%1").arg(i)});
        saved.prepend(SaveAs(QStringLiteral("p%1.ws").arg(i)));
    }
    SaveAs(QStringLiteral("p3.ws"));  // again: it moves to the top, no second entry
    saved.removeAll(TempPath("p3.ws"));
    saved.prepend(TempPath("p3.ws"));
    saved = saved.mid(0, MaxRecentFiles);
    EXPECT_EQ(Main().RecentFiles(), saved);
    EXPECT_EQ(RecentMenuTips(), saved);

    TPreferencesStore store(IniFile());
    TPreferences prefs;
    TReport report;
    store.LoadRecentFiles(prefs, report);
    EXPECT_EQ(prefs.RecentFiles, saved) << "kept at once, not only at exit";

    // The Home page names each puzzle and shows its grid.
    TypeWords({"apple", "pear"});
    EditPuzzle([](TPuzzle& p) { p.TitleLines = {"Fruit"}; });
    Main().CreatePuzzle();
    SaveAs(QStringLiteral("fruit.ws"));
    Main().TurnPage(QStringLiteral("Home"));
    EXPECT_EQ(Find<TLink>(QStringLiteral("Home_RecentLnk1"))->text(), "Fruit");
    auto* picture = Find<QLabel>(QStringLiteral("Home_RecentPic1"));
    EXPECT_FALSE(picture->pixmap().isNull());
}

// Protects: a recent puzzle opens from the menu; a missing one is offered for removal, not
// opened into an error.
TEST_F(DesktopTest, RecentFileOpensOrIsOfferedForRemoval) {
    StartActive();
    TypeWords({"kiwi"});
    const QString kept = SaveAs(QStringLiteral("kept.ws"));
    TypeWords({"fig"});
    const QString gone = SaveAs(QStringLiteral("gone.ws"));
    Key(Qt::Key_N, Qt::ControlModifier);

    Main().findChild<QAction*>(QStringLiteral("File_RecentItm2"))->trigger();
    Process();
    EXPECT_EQ(Model().CurrentFileName(), kept);
    EXPECT_EQ(Model().Puzzle().WordLines, QStringList{"kiwi"});

    ASSERT_TRUE(QFile::remove(gone));
    messages.Messages.clear();
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        messages.Answers = {answer};
        Main().OpenRecentFile(gone);
        Process();
        EXPECT_EQ(Model().CurrentFileName(), kept) << "the puzzle on screen stays";
        EXPECT_EQ(Main().RecentFiles().contains(gone), answer == MessageAnswer::No);
    }
    ASSERT_EQ(messages.Messages.size(), 2u);
    EXPECT_TRUE(messages.Messages[0].Text.contains("no longer there"));
}

// Protects: each kind of dropped file does what the import link or Open does, and a bad
// drop gets a message and changes nothing.
TEST_F(DesktopTest, DroppedFilesOpenOrImport) {
    StartActive();
    TypeWords({"moon"});
    const QString puzzle = SaveAs(QStringLiteral("sky.ws"));
    Key(Qt::Key_N, Qt::ControlModifier);
    const QString txt = WriteFile("list.txt", "sun\nstar\n");
    const QString thm = WriteFile("list.thm", "comet\t|tail of ice\n");
    const QString gmr = WriteFile("list.gmr", "THEME WORDS:\n#1\t2\tplanet\nEND THEME WORDS\n");
    const QString png = WriteFile("photo.png", "not words");
    QWidget* memo = Find<QPlainTextEdit>(QStringLiteral("Words_Memo"))->viewport();

    struct Row {
        const char* What;
        QString File;
        bool OnWordList;
        QStringList Words;  // the word list afterwards
        QString OpenedName;
    };
    const Row rows[] = {
        {"a word list on the window", txt, false, {"sun", "star"}, NoNameFileName},
        {"a theme file", thm, false, {"sun", "star", "comet"}, NoNameFileName},
        {"a Gridmoor file", gmr, true, {"sun", "star", "comet", "planet"}, NoNameFileName},
        {"a puzzle on the word list gives its words", puzzle, true, {"sun", "star", "comet", "planet", "moon"},
         NoNameFileName},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        EXPECT_TRUE(Drop(row.OnWordList ? memo : static_cast<QWidget*>(&Main()), FilesData({row.File})));
        EXPECT_EQ(Model().Puzzle().WordLines, row.Words);
        EXPECT_EQ(QFileInfo(Model().CurrentFileName()).fileName(), row.OpenedName);
    }
    EXPECT_EQ(Main().UndoHistory().Stack().undoText(), "Import");

    // A puzzle dropped on the window opens after the save-changes query.
    modal.Answer = [](QDialog& d) {
        d.findChild<TLink*>(QStringLiteral("DontSaveLnk"))->Activate();
        return d.result();
    };
    EXPECT_TRUE(Drop(Find(QStringLiteral("Words_TitleMemo")), FilesData({puzzle})));
    EXPECT_EQ(modal.Shown, QStringList{"TOkayToProceedAfterSaveQueryFm"});
    EXPECT_EQ(Model().CurrentFileName(), puzzle);
    EXPECT_EQ(Model().Puzzle().WordLines, QStringList{"moon"});

    messages.Messages.clear();
    EXPECT_TRUE(Drop(&Main(), FilesData({png, TempPath("missing.ws")})));
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_TRUE(messages.Messages[0].Text.contains("photo.png"));
    EXPECT_TRUE(messages.Messages[0].Text.contains("missing.ws"));
    EXPECT_EQ(Model().CurrentFileName(), puzzle);
    EXPECT_EQ(Model().Puzzle().WordLines, QStringList{"moon"});
}

// Protects: dropped text becomes words of the list, one a line, blank lines left out.
TEST_F(DesktopTest, DroppedTextAddsWords) {
    StartActive();
    TypeWords({"ant"});
    Main().TurnPage(QStringLiteral("Finished"));
    auto* data = new QMimeData;
    data->setText(QStringLiteral("bee\r\n\r\n  wasp \n"));
    EXPECT_TRUE(Drop(Main().CurrentPage(), data));
    EXPECT_EQ(Model().Puzzle().WordLines, (QStringList{"ant", "bee", "wasp"}));
    EXPECT_EQ(Main().CurrentPageName(), "Design");
}

// Protects: the About page carries the version, licence, credits and where to report, and
// the questions page leads there.
TEST_F(DesktopTest, AboutPageCarriesVersionLicenceAndCredits) {
    StartActive();
    Main().TurnPage(QStringLiteral("FAQs"));
    Click(QStringLiteral("FAQs_AboutLnk"));
    EXPECT_EQ(Main().CurrentPageName(), "About");
    QString text;
    for (QLabel* l : Main().CurrentPage()->findChildren<QLabel*>()) text += l->text() + "\n";
    for (const char* needed : {VORLIX_VERSION, "Licence", "Liberation", "Comic Neue", "Noto", "wamerican", "SCOWL",
                               "problem", "F1"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(needed))) << needed;
}

// Protects: a manual the desktop cannot open is named in a message instead of failing silently.
TEST_F(DesktopTest, ManualThatCannotOpenIsNamed) {
    StartActive();
    desktop.Result = false;
    messages.Messages.clear();
    Key(Qt::Key_F1);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_TRUE(messages.Messages[0].Text.contains("manual.html"));
}

}  // namespace vorlix::shell::test
