// How the undo history names a change and decides which typing merges into one step.
#include <gtest/gtest.h>

#include <functional>

#include "puzzle.h"
#include "undohistory.h"

namespace vorlix::shell::test {
namespace {

// Protects: typing into one text field merges; a change touching anything else does not.
TEST(UndoHistoryTest, NamesChangesAndFindsTheTypedField) {
    struct Row {
        const char* What;
        std::function<void(TPuzzle&)> Change;
        int Field;
        const char* Name;
    };
    const Row rows[] = {
        {"word list", [](TPuzzle& p) { p.WordLines = {"cat"}; }, 1, "Typing in the Word List"},
        {"title", [](TPuzzle& p) { p.TitleLines = {"Pets"}; }, 2, "Typing in the Title"},
        {"credits line", [](TPuzzle& p) { p.CreditsLine = "Mine"; }, 8, "Typing in the Credits Line"},
        {"two fields at once", [](TPuzzle& p) { p.WordLines = {"cat"}; p.TitleLines = {"Pets"}; }, 0, "Changes"},
        {"words and an option (an example list)",
         [](TPuzzle& p) {
             p.WordLines = {"cat"};
             p.SharingLevel = ShareNoCross;
         },
         0, "Changes"},
        {"sharing", [](TPuzzle& p) { p.SharingLevel = ShareNoCross; }, 0, "Letter Sharing Change"},
        {"appearance", [](TPuzzle& p) { p.Format.GridFontSize += 2; }, 0, "Appearance Change"},
        {"directions", [](TPuzzle& p) { p.Directions[0] = false; }, 0, "Word Directions Change"},
    };
    const TPuzzle before;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.What);
        TPuzzle after = before;
        row.Change(after);
        EXPECT_EQ(TypedField(before, after), row.Field);
        EXPECT_EQ(ChangeName(before, after), QString::fromLatin1(row.Name));
    }
}

}  // namespace
}  // namespace vorlix::shell::test
