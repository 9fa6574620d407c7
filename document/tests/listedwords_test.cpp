// What the printed sheet, the web page and the text file list for each word: the word as
// typed, or its clue when the puzzle type uses clues.
#include <gtest/gtest.h>

#include "htmlexport.h"
#include "testpuzzle.h"
#include "textexport.h"

namespace vorlix::test {
namespace {

QStringList SheetList(const TPuzzleDocument& document) {
    QStringList texts;
    for (const TWordListArrangement::Item& item : document.ArrangeWordList().Items) texts << item.Text;
    texts.sort();
    return texts;
}

QStringList TextFileList(const TPuzzle& puzzle) {
    QStringList lines = TextExportLines(puzzle, {false, false, false, false, true, false});
    lines.removeAll(QString());
    lines.sort();
    return lines;
}

// Protects: a Standard puzzle made from "word/clue" lines lists its words as typed (inner
// blanks and case kept, no clue); the clues are listed only when the type uses them. The
// sheet, the web page and the text file agree.
TEST(ListedWords, ClueOnlyWhenThePuzzleTypeUsesClues) {
    const QStringList lines = {u" New Jersey / a state"_qs, u"cat/a pet"_qs, u"Emu"_qs};
    struct Row {
        bool Clues;
        QStringList Listed;  // sorted
    };
    const Row rows[] = {
        {false, {u"Emu"_qs, u"New Jersey"_qs, u"cat"_qs}},
        {true, {u"Emu"_qs, u"a pet"_qs, u"a state"_qs}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Clues ? "clues" : "standard");
        TTestPuzzle t;
        t.ChooseType(false, row.Clues);
        t.Build(lines, 15, 15);
        ASSERT_EQ(t.puzzle.Grid().PlacedWordCount(), 3);
        EXPECT_EQ(SheetList(t.document), row.Listed);
        EXPECT_EQ(TextFileList(t.puzzle), row.Listed);
        const QString html = HtmlFragmentLines(t.puzzle, {false, false, false, false, true, false}).join(u'\n');
        for (const QString& listed : row.Listed) EXPECT_TRUE(html.contains(listed)) << listed.toStdString();
        const QString other = row.Clues ? u"New Jersey"_qs : u"a state"_qs;
        EXPECT_FALSE(html.contains(other)) << other.toStdString();
    }
}

}  // namespace
}  // namespace vorlix::test
