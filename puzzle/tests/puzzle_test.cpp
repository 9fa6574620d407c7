// The puzzle as a value: copies share a frozen grid, a change never reaches another copy,
// and the model tells every subscriber.
#include <gtest/gtest.h>

#include "puzzlebuilder.h"
#include "testhost.h"

namespace vorlix {
namespace {

TPuzzle Animals() {
    TPuzzle p;
    p.WordLines = {"cat", "dog", "horse", "zebra", "otter"};
    p.HiddenMessageLines = {"HI"};
    p.RequestedColumns = p.RequestedRows = 7;
    return p;
}

// Protects: a built grid is frozen: later builds and transforms through the same builder
// leave it, and every copy sharing it, as they were; equality sees cells and texts alike.
TEST(PuzzleValue, CopiesNeverChangeEachOther) {
    TPuzzleBuilder builder;
    builder.SetSeed(11);
    TPuzzle first = Animals();
    first.Built = builder.Build(first);
    const TPuzzle copy = first;
    const QString letters = QString::fromStdU16String(std::u16string(&copy.Grid().Grid[1][1], 1));
    EXPECT_TRUE(copy == first);

    TPuzzle turned = first;
    turned.Built = builder.Transform(first, 1);
    TPuzzle rebuilt = first;
    rebuilt.Built = builder.Build(rebuilt);
    EXPECT_TRUE(copy == first);
    EXPECT_FALSE(turned == first);
    EXPECT_FALSE(rebuilt == first);
    EXPECT_EQ(QString::fromStdU16String(std::u16string(&first.Grid().Grid[1][1], 1)), letters);

    TPuzzle retitled = copy;
    retitled.TitleLines = {"Pets"};
    EXPECT_FALSE(retitled == copy);
}

// Protects: a transform keeps every word where the variant puts it, and turning back restores
// the placements; the message letters follow the puzzle's capitalization.
TEST(PuzzleValue, TransformsKeepTheWords) {
    TPuzzleBuilder builder;
    builder.SetSeed(5);
    TPuzzle p = Animals();
    p.Built = builder.Build(p);
    for (int v = 1; v <= 7; ++v) {
        TPuzzle turned = p;
        turned.Built = builder.Transform(p, v);
        EXPECT_EQ(turned.Grid().PlacedWordCount(), p.Grid().PlacedWordCount()) << v;
        TPuzzle back = turned;
        back.Built = builder.Transform(turned, InverseVariant[static_cast<std::size_t>(v)]);
        for (int w = 1; w <= p.Words().WordCount; ++w) {
            const TWordPlacement &a = back.Grid().Placements[w], &b = p.Grid().Placements[w];
            EXPECT_EQ(std::tuple(a.Placed, a.Column, a.Row, a.Direction), std::tuple(b.Placed, b.Column, b.Row, b.Direction))
                << "variant " << v << " word " << w;
        }
    }
}

// Protects: every subscriber hears a change, and the modified mark follows the edit rules.
TEST(PuzzleModel, SeveralSubscribersHearEveryChange) {
    test::TTestHost host;
    TPreferences prefs;
    TPuzzleModel model(host, prefs);
    model.ResetToNewPuzzle();
    model.Ready = true;
    int first = 0, second = 0, grids = 0;
    QObject::connect(&model.Signals(), &TModelSignals::PuzzleChanged, [&] { ++first; });
    QObject::connect(&model.Signals(), &TModelSignals::PuzzleChanged, [&] { ++second; });
    QObject::connect(&model.Signals(), &TModelSignals::GridChanged, [&] { ++grids; });
    model.SetWordLines({"cat", "dog"});
    model.SetWorksheetLines(true, {"Name ___"});
    EXPECT_TRUE(model.IsModified()) << "a worksheet edit must not be lost on close";
    model.RebuildPuzzle();
    EXPECT_EQ(first, second);
    EXPECT_GE(first, 3);
    EXPECT_EQ(grids, 1);
    model.SetModified(false);
    model.TransformGrid(2);
    EXPECT_EQ(grids, 2);
    EXPECT_FALSE(model.IsModified()) << "turning keeps every word";
}

}  // namespace
}  // namespace vorlix
