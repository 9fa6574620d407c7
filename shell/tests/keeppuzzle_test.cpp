// The puzzle on screen outlives what goes wrong around it: a damaged file opened over it,
// and an all-unique print run of many new puzzles.
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>

#include "printchoices.h"
#include "puzzlefile.h"
#include "shellfixture.h"

namespace vorlix::shell::test {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class KeepPuzzleTest : public ShellTest {
protected:
    // A saved puzzle, then changed: the file, the name and the modified mark all matter.
    void SavedThenChanged() {
        Start();
        Model().SetWordLines({"maple", "birch", "cedar", "spruce"});
        Main().CreatePuzzle();
        files.Answers = {TempPath("trees.ws")};
        Click(QStringLiteral("ToolBar_SaveAsTBtn"));
        Model().SetWordLines({"maple", "birch", "cedar", "spruce", "alder"});
        Main().LoadPagesFromModel();
        Main().RebuildPuzzle();
        ASSERT_TRUE(Model().IsModified());
    }
    struct TScreen {
        QStringList Lines;
        QString Memo, Title, FileName;
        QByteArray File;
        bool Modified = false;
        bool operator==(const TScreen&) const = default;
    };
    TScreen Screen() {
        TScreen s;
        FormatPuzzleFile(Model().Puzzle(), s.Lines);
        s.Memo = Find<QPlainTextEdit>(QStringLiteral("Words_Memo"))->toPlainText();
        s.Title = Main().windowTitle();
        s.FileName = Model().CurrentFileName();
        s.File = ReadAll(TempPath("trees.ws"));
        s.Modified = Model().IsModified();
        return s;
    }
    void AnswerDontSave() {
        modal.Answer = [](QDialog& dialog) {
            dialog.findChild<TLink*>(QStringLiteral("DontSaveLnk"))->Activate();
            return dialog.result();
        };
    }
};

// Protects: a file cut short (at its end or inside a section) is refused with one message
// naming what is wrong, and the puzzle on screen, its file and its modified mark stay as
// they were. (Contradicting sections are refused by the same reader; files/ tests them.)
TEST_F(KeepPuzzleTest, DamagedFileKeepsThePuzzle) {
    SavedThenChanged();
    const QByteArray whole = ReadAll(TempPath("trees.ws"));
    const std::pair<QByteArray, const char*> rows[] = {
        {whole.left(whole.size() / 2), "was cut short"},
        {whole.left(whole.indexOf("END GRID")), "the GRID section has no end"},
    };
    const TScreen before = Screen();
    for (const auto& [bytes, named] : rows) {
        SCOPED_TRACE(named);
        const QString damaged = TempPath(QStringLiteral("damaged.ws"));
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        messages.Messages.clear();
        files.Answers = {damaged};
        AnswerDontSave();
        Click(QStringLiteral("ToolBar_OpenTBtn"));
        ASSERT_EQ(messages.Messages.size(), 1u) << messages.Texts().join(u'|').toStdString();
        EXPECT_EQ(messages.Messages[0].Kind, MessageKind::Error);
        EXPECT_TRUE(messages.Texts()[0].startsWith(QStringLiteral("File ") + damaged +
                                                   QStringLiteral(" is damaged and was not opened: ")));
        EXPECT_TRUE(messages.Texts()[0].contains(QLatin1String(named))) << messages.Texts()[0].toStdString();
        EXPECT_TRUE(Screen() == before);
    }
}

// Protects: printing "All puzzles are unique" builds its copies beside the puzzle: the
// screen, the file and the modified mark are as they were, whatever the run made.
TEST_F(KeepPuzzleTest, AllUniquePrintLeavesThePuzzle) {
    SavedThenChanged();
    Main().TurnPage(QStringLiteral("Print"));
    Find<QComboBox>(QStringLiteral("Print_QuantityCmBx"))->setEditText(QStringLiteral("3"));
    Process(1);
    Find<QComboBox>(QStringLiteral("Print_UniquesCmBx"))->setCurrentIndex(AllUniqueItemIndex);
    const TScreen before = Screen();
    files.Answers = {TempPath("sheets.pdf")};
    Click(QStringLiteral("Print_PdfBtn"));
    EXPECT_TRUE(ReadAll(TempPath("sheets.pdf")).startsWith("%PDF"));
    EXPECT_TRUE(Screen() == before);
    Main().TurnPage(QStringLiteral("Finished"));
    EXPECT_TRUE(Screen() == before);
}

}  // namespace
}  // namespace vorlix::shell::test
