// A list in another alphabet through the desktop program: the language and filler choices, and
// a typed Russian list through the finished page, the print and the exports.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "exportfm.h"
#include "shellfixture.h"

namespace vorlix::shell::test {
namespace {

// A saved file's letters in the order it writes them: references resolved; tags, blanks and
// direction marks gone.
QString LettersOf(const QString& path) {
    QFile f(path);
    QString page = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    static const QRegularExpression reference("&#(\\d+);");
    for (auto m = reference.match(page); m.hasMatch(); m = reference.match(page)) {
        const char32_t code = m.captured(1).toUInt();
        page.replace(m.capturedStart(), m.capturedLength(), QString::fromUcs4(&code, 1));
    }
    return page.remove(QRegularExpression("<[^>]*>|&nbsp;|\\s|[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}]"));
}

using ScriptsTest = ShellTest;

// Protects: the language and filler choices reach the model and show a puzzle's own (also a
// language they do not name); a Russian list typed in the program gives an all-Cyrillic
// upper-case grid on the finished page, and the PDF and the text, web and SVG exports show it.
TEST_F(ScriptsTest, RussianListEndToEnd) {
    Start();
    auto* language = Find<QComboBox>(QStringLiteral("Caps_LanguageCmBx"));
    auto* filler = Find<QComboBox>(QStringLiteral("Caps_FillerCmBx"));
    ASSERT_TRUE(language && filler);
    emit language->activated(language->findData(QStringLiteral("tr")));
    emit filler->activated(filler->findData(int(TFillerMode::Classic)));
    EXPECT_TRUE(Model().Language() == QStringLiteral("tr") && Model().FillerMode() == TFillerMode::Classic);
    EditPuzzle([](TPuzzle& p) { p.Language = QStringLiteral("pt-BR"), p.Filler = TFillerMode::Automatic; });
    EXPECT_EQ(language->currentText(), QStringLiteral("pt-BR"));
    EXPECT_EQ(filler->currentIndex(), 0);
    emit language->activated(0);  // detect from the word list
    Main().TurnPage(QStringLiteral("Design"));
    auto* memo = Find<QPlainTextEdit>(QStringLiteral("Words_Memo"));
    ASSERT_NE(memo, nullptr);
    for (const QChar c : QStringLiteral("кошка\nсобака\nмышь\nкорова\nлошадь\nмедведь\nволк\nлиса\nёжик"))
        QTest::sendKeyEvent(QTest::Click, memo, c == u'\n' ? Qt::Key_Return : Qt::Key_unknown, QString(c), {});
    Model().Builder().SetSeed(5);
    Click(QStringLiteral("Words_NextBtn"));
    ASSERT_EQ(Main().CurrentPageName(), QStringLiteral("Finished"));

    const TPuzzle& p = Model().Puzzle();
    QStringList rows;
    for (int r = 1; r <= p.Grid().ActualRows; ++r) {
        rows << QString();
        for (int c = 1; c <= p.Grid().ActualColumns; ++c) rows.back() += p.CellText(c, r);
        for (const QChar c : rows.back())
            EXPECT_TRUE(c.script() == QChar::Script_Cyrillic && c.isUpper()) << rows.back().toStdString();
    }
    ASSERT_GE(rows.size(), 5);

    Main().TurnPage(QStringLiteral("Print"));
    files.Answers = {TempPath("g.pdf")};
    Click(QStringLiteral("Print_PdfBtn"));
    TExportFm& fm = *program->Windows().Export;
    fm.PrepareToShow();
    fm.show();
    for (const auto& [link, save, name] : {std::tuple{"Options_ExportTextLnk", "SaveAsText_SaveLnk", "g.txt"},
                                           {"Options_CompleteWebPageLnk", "HtmlPage_SaveBtn", "g.htm"},
                                           {"Options_ExportPuzzleLnk", "Metafile_SavePuzzleLnk", "g.svg"}}) {
        fm.TurnTo(ExportOptionsPage);
        Click(QString::fromLatin1(link));
        files.Answers = {TempPath(name)};
        Click(QString::fromLatin1(save));
    }
    QStringList saved = {LettersOf(TempPath("g.txt")), LettersOf(TempPath("g.htm")), LettersOf(TempPath("g.svg"))};
    if (const QString tool = QStandardPaths::findExecutable("pdftotext"); !tool.isEmpty()) {
        QProcess::execute(tool, {"-layout", TempPath("g.pdf"), TempPath("pdf.txt")});
        saved << LettersOf(TempPath("pdf.txt"));
    }
    for (const QString& letters : saved)
        for (const QString& row : rows)
            EXPECT_TRUE(letters.contains(row)) << row.toStdString() << " in " << letters.toStdString();
    Model().SetModified(false);
}

}  // namespace
}  // namespace vorlix::shell::test
