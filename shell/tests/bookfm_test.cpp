// The "Make a Book" window: reached from the print page, it collects and orders puzzles,
// saves the book through the save-dialog seam and shows the paper check; a refused file
// name or Cancel leaves the earlier file as it was.
#include <QFile>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTimer>
#include <QListWidget>
#include <QPlainTextEdit>

#include "bookfm.h"
#include "shellfixture.h"

namespace vorlix::shell::test {
namespace {

class BookFmTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
        EditPuzzle([](TPuzzle& p) {
            p.WordLines = {"cat", "dog", "emu", "owl"};
            p.TitleLines = {"Pets"};
        });
        Main().RebuildPuzzle();
    }
    QString WordList(const QString& name, const QByteArray& words) {
        QFile f(TempPath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(words) == words.size());
        return f.fileName();
    }
};

// Protects: the print page's button opens the window modally, through the runner.
TEST_F(BookFmTest, PrintPageOpensIt) {
    Main().TurnPage(QStringLiteral("Print"));
    Click(QStringLiteral("Print_MakeBookBtn"));
    EXPECT_EQ(modal.Shown, QStringList{"BookFm"});
}

// Protects: the current puzzle and files go in the order added and can be reordered and
// removed; an unreadable file is told and adds nothing; the saved book passes the paper
// check shown in the window, and its pages follow the list's order; Cancel in the progress
// window stops the run.
TEST_F(BookFmTest, CollectOrderSaveAndCheck) {
    TPuzzleBuilder builder;
    builder.SetSeed(3);
    TBookFm fm(Model().Puzzle(), Model().Puzzle(), builder, Main().Services());
    fm.AddCurrentClick();
    files.Answers = {WordList("fruit.txt", "apple\npear\nplum\nkiwi\n"), WordList("trees.txt", "oak\nelm\nash\n"),
                     TempPath("missing.txt")};
    fm.AddFilesClick();
    ASSERT_EQ(fm.Items().size(), 3u);
    EXPECT_EQ(messages.Messages.size(), 1u);  // the missing file
    auto* list = fm.findChild<QListWidget*>(QStringLiteral("Book_ItemsLst"));
    list->setCurrentRow(2);
    fm.MoveClick(-1);  // trees before fruit
    list->setCurrentRow(0);
    fm.RemoveClick();  // the current puzzle goes
    fm.AddCurrentClick();
    QStringList titles;
    for (const TBookItem& item : fm.Items()) titles << item.Puzzle.TitleLines.value(0);
    EXPECT_EQ(titles, (QStringList{"trees", "fruit", "Pets"}));

    files.Answers = {TempPath("book.pdf")};
    ASSERT_TRUE(fm.SaveClick());
    ASSERT_NE(fm.Book(), nullptr);
    EXPECT_EQ(fm.Book()->PuzzleTitle(0), "trees");
    EXPECT_TRUE(fm.LastCheck().Passed());
    EXPECT_TRUE(QFile::exists(TempPath("book.pdf")));
    const QString shown = fm.findChild<QPlainTextEdit*>(QStringLiteral("Book_CheckTxt"))->toPlainText();
    EXPECT_TRUE(shown.contains("Paper check passed")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("at least 24 pages"));

    files.Answers = {};  // the save dialog cancelled
    EXPECT_FALSE(fm.SaveClick());

    // Cancel in the progress window stops the run and leaves the earlier book as it was.
    const QByteArray before = [&] {
        QFile f(TempPath("book.pdf"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    fm.findChild<QLineEdit*>(QStringLiteral("Book_TitleEdt"))->setText("Changed");  // the preview is stale
    EXPECT_EQ(fm.Book(), nullptr);
    QTimer::singleShot(0, &fm, [&fm] {
        if (auto* progress = fm.findChild<QProgressDialog*>(QStringLiteral("BookProgressDlg"))) progress->cancel();
    });
    files.Answers = {TempPath("book.pdf")};
    EXPECT_FALSE(fm.SaveClick());
    QFile after(TempPath("book.pdf"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

}  // namespace
}  // namespace vorlix::shell::test
