#include "engine_fixture.h"

namespace vorlix::testing {
namespace {

// Free cells take the message letters in reading order, then filler (seed 0 draws 0, 0, 22, 5, 7).
TEST_F(EngineTest, MessageThenFiller) {
    using enum TCapitalization;
    struct Case { TCapitalization cap; std::uint16_t options; std::u16string message, grid; int draws; };
    // The message needs option 1, drops spaces and line breaks, takes the capitalization (ASCII letters only)
    // and is cut off silently; filler replaces vowels and S, one draw per free cell in each of 1 + 5 builds.
    const Case cases[] = {
        {AllUpper, Option_HiddenMessage, u" \r\n ", u"TTWFH", 30},  // a message without letters
        {AllLower, 0, u"Good job", u"ttwfh", 30},                      // a message switched off
        {FirstLetter, 0, u"Good job", u"ttwfh", 30},
        {AsGiven, 0, u"Good job", u"tWhnj", 60},  // each letter draw is followed by a case draw
        {AllUpper, Option_HiddenMessage, u"Good job", u"GOODJOB", 0},
        {AllUpper, Option_HiddenMessage, u"Good job", u"GOODJ", 0},
        {AsGiven, Option_HiddenMessage | Option_CustomClues, u"Hi!\r\nYou", u"Hi!You", 0},
        {AllLower, Option_HiddenMessage, u"Hi!\nYOU\t2", u"hi!you\t2", 0},
        {FirstLetter, Option_HiddenMessage, u"good Job", u"goodJob", 0},
        {AllUpper, Option_HiddenMessage, u"caf\u00e9 ok", u"CAF\u00c9OK", 0},
    };
    SetList(u"");
    for (const Case& c : cases) {
        Settings().Capitalization = c.cap;
        Settings().PuzzleOptions = c.options;
        Settings().HiddenMessage = c.message;
        state->SetSeed(0);
        ASSERT_EQ(ws->MakePuzzle(trial.get(), int(c.grid.size()), 1), ws.get());
        ws->Transform(0);  // touches nothing, not even the filler
        EXPECT_EQ(GridRows(), c.grid);
        TRandom ref;
        for (int k = 0; k < c.draws; ++k) ref.Random(26);
        EXPECT_EQ(state->Generator.Seed, ref.Seed) << c.draws;
        ExpectConsistent();
    }
}

// Each variant moves the picture with placements, directions, counts and path steps; InverseVariant undoes it.
TEST_F(EngineTest, VariantsAndInverses) {
    SetList(u"abc,def,ad,fb");  // every cell of the 3 x 2 grid is a word letter
    EmptyGrid(3, 2);
    for (const auto& w : {std::array{1, 1, 1, +East}, {2, 1, 2, +East}, {3, 1, 1, +South}, {4, 3, 2, +NorthWest}})
        ws->PlaceWord(w[0], w[1], w[2], w[3]);
    ws->Placements[1].Path = "3x";  // a bent word's steps; a non-digit reads as 0
    const std::u16string pictures[8] = {u"ABC|DEF",  u"CF|BE|AD", u"FED|CBA", u"DA|EB|FC",
                                        u"AD|BE|CF", u"DEF|ABC",  u"FC|EB|DA", u"CBA|FED"};
    const std::string placements = PlacementText();
    const std::array<std::int32_t, 9> countsBefore = ws->DirectionCounts;
    for (int v = 0; v < 8; ++v) {
        SCOPED_TRACE(::testing::Message() << "variant " << v);
        ws->Transform(v);
        EXPECT_EQ(GridRows(), pictures[v]);
        ExpectConsistent();
        std::array<std::int32_t, 9> counts{};
        for (int i = 1; i <= 4; ++i) ++counts[ws->Placements[i].Direction];
        EXPECT_EQ(ws->DirectionCounts, counts);
        EXPECT_EQ(ws->Placements[1].Path, v == 0 ? "3x" : std::to_string(ws->Placements[1].Direction) + "0");
        ws->Transform(InverseVariant[v]);
        EXPECT_EQ(PlacementText(), placements);
        EXPECT_EQ(ws->DirectionCounts, countsBefore);
    }
    ws->Clear();  // an empty grid survives every variant
    for (int v = 0; v < 8; ++v) {
        ws->Transform(v);
        EXPECT_EQ(std::make_pair(ws->ActualColumns, ws->ActualRows), std::make_pair(0, 0));
    }
}

}  // namespace
}  // namespace vorlix::testing
