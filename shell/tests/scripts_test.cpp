// Lists in other alphabets through the desktop program: the language and filler choices on the
// capitalization page, and a typed Russian list through the finished page, the print and the
// exports.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "capspage.h"
#include "exportfm.h"
#include "shellfixture.h"

namespace vorlix::shell::test {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Numeric character references written out, tags, blanks and no-break spaces taken away: the
// letters of a page in the order it writes them.
QString LettersOf(QString page) {
    static const QRegularExpression reference(QStringLiteral("&#(\\d+);"));
    QString out;
    qsizetype last = 0;
    for (auto it = reference.globalMatch(page); it.hasNext();) {
        const auto m = it.next();
        out += page.mid(last, m.capturedStart() - last);
        const char32_t code = m.captured(1).toUInt();
        out += QString::fromUcs4(&code, 1);
        last = m.capturedEnd();
    }
    out += page.mid(last);
    out.remove(QRegularExpression(QStringLiteral("<[^>]*>|&nbsp;|\\s|[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}]")));
    return out;
}

class ScriptsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        Start();
    }
    QComboBox* Language() { return Find<QComboBox>(QStringLiteral("Caps_LanguageCmBx")); }
    QComboBox* Filler() { return Find<QComboBox>(QStringLiteral("Caps_FillerCmBx")); }
    // A choice from a list as the user makes it.
    static void Choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
        Process(1);
    }

    // Types text into the word list as keystrokes, letter by letter, as a keyboard in that
    // alphabet sends them.
    void TypeWords(const QString& text) {
        Main().TurnPage(QStringLiteral("Design"));
        Process();
        auto* memo = Find<QPlainTextEdit>(QStringLiteral("Words_Memo"));
        ASSERT_NE(memo, nullptr);
        memo->setFocus();
        for (const QChar c : text) {
            if (c == u'\n')
                QTest::keyClick(memo, Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        Process();
    }

    // Each row of the grid as one text of its cells.
    QStringList GridRows() const {
        const TPuzzle& p = Model().Puzzle();
        QStringList rows;
        for (int r = 1; r <= p.Grid().ActualRows; ++r) {
            QString row;
            for (int c = 1; c <= p.Grid().ActualColumns; ++c) row += p.CellText(c, r);
            rows << row;
        }
        return rows;
    }

    // Saves an export from the export window: menu link, then the save control, into name.
    QString Export(const char* link, const char* save, const QString& name) {
        TExportFm& fm = *program->Windows().Export;
        fm.PrepareToShow();
        fm.show();
        Process();
        fm.TurnTo(ExportOptionsPage);
        Click(QString::fromLatin1(link));
        files.Answers = {TempPath(name)};
        Click(QString::fromLatin1(save));
        return TempPath(name);
    }
};

// Protects: the language and filler choices sit on the capitalization page with their names,
// the user's choice reaches the model, and a puzzle that comes in shows its own choices, also
// a language the list does not name.
TEST_F(ScriptsTest, LanguageAndFillerChoices) {
    Main().TurnPage(QStringLiteral("Caps"));
    ASSERT_NE(Language(), nullptr);
    ASSERT_NE(Filler(), nullptr);
    EXPECT_EQ(Language()->accessibleName(), QStringLiteral("Language"));
    EXPECT_EQ(Filler()->accessibleName(), QStringLiteral("Filler letters"));
    EXPECT_EQ(Language()->itemText(0), QStringLiteral("Detect from the word list"));
    EXPECT_EQ(Language()->currentIndex(), 0);

    Choose(Language(), Language()->findData(QStringLiteral("tr")));
    EXPECT_EQ(Model().Language(), QStringLiteral("tr"));
    EXPECT_TRUE(Model().IsModified());
    Choose(Filler(), Filler()->findData(static_cast<int>(TFillerMode::LikeList)));
    EXPECT_EQ(Model().FillerMode(), TFillerMode::LikeList);
    Choose(Language(), 0);
    EXPECT_EQ(Model().Language(), QString());

    EditPuzzle([](TPuzzle& p) {
        p.Language = QStringLiteral("pt-BR");
        p.Filler = TFillerMode::Classic;
    });
    Process();
    EXPECT_EQ(Language()->currentData().toString(), QStringLiteral("pt-BR"));
    EXPECT_EQ(Filler()->currentData().toInt(), static_cast<int>(TFillerMode::Classic));
    Model().SetModified(false);
}

// Protects: a Russian list typed in the program gives an all-Cyrillic upper-case grid on the
// finished page, in the printed PDF and in the text, web page and SVG exports, each showing
// the grid's rows in order.
TEST_F(ScriptsTest, RussianListEndToEnd) {
    TypeWords(QStringLiteral("кошка\nсобака\nмышь\nкорова\nлошадь\nмедведь\nволк\nлиса\nзаяц\nёжик"));
    ASSERT_EQ(Model().Puzzle().WordLines.size(), 10);
    Model().Builder().SetSeed(5);
    Click(QStringLiteral("Words_NextBtn"));  // Create Puzzle Now
    WaitUntil([this] { return Main().CurrentPageName() == QStringLiteral("Finished"); });
    ASSERT_EQ(Main().CurrentPageName(), QStringLiteral("Finished"));

    const QStringList rows = GridRows();
    ASSERT_FALSE(rows.isEmpty());
    for (const QString& row : rows)
        for (const QChar c : row) {
            EXPECT_EQ(c.script(), QChar::Script_Cyrillic) << row.toStdString();
            EXPECT_TRUE(c.isUpper()) << row.toStdString();
        }

    Main().TurnPage(QStringLiteral("Print"));
    Process();
    files.Answers = {TempPath(QStringLiteral("russian.pdf"))};
    Click(QStringLiteral("Print_PdfBtn"));
    ASSERT_FALSE(ReadAll(TempPath(QStringLiteral("russian.pdf"))).isEmpty());

    QStringList pages = {QString::fromUtf8(ReadAll(Export("Options_ExportTextLnk", "SaveAsText_SaveLnk", "g.txt"))),
                         QString::fromUtf8(ReadAll(Export("Options_CompleteWebPageLnk", "HtmlPage_SaveBtn", "g.htm"))),
                         QString::fromUtf8(ReadAll(Export("Options_ExportPuzzleLnk", "Metafile_SavePuzzleLnk", "g.svg")))};
    if (const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext")); !pdftotext.isEmpty()) {
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), TempPath(QStringLiteral("russian.pdf")), QStringLiteral("-")});
        ASSERT_TRUE(p.waitForFinished(30000));
        pages << QString::fromUtf8(p.readAllStandardOutput());
    }
    for (const QString& page : pages) {
        ASSERT_FALSE(page.isEmpty());
        const QString letters = LettersOf(page);
        for (const QString& row : rows) EXPECT_TRUE(letters.contains(row)) << row.toStdString() << " in " << letters.toStdString();
    }
    Model().SetModified(false);
}

}  // namespace
}  // namespace vorlix::shell::test
