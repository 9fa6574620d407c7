#include "engine_fixture.h"

namespace vorlix::testing {
namespace {

// Generator: the draws from seed 0, a draw for N = 0 still advancing the seed, 64-bit products at the top.
TEST(RandomGenerator, SequenceFromSeedZero) {
    TRandom g;
    std::vector<int> got;
    for (int k = 0; k < 5; ++k) got.push_back(g.Random(26));
    EXPECT_EQ(got, (std::vector<int>{0, 0, 22, 5, 7}));
    g.Seed = 0;
    EXPECT_EQ(g.Random(0) + g.Random(0), 0);
    EXPECT_EQ(g.Random(26), 22);
    EXPECT_EQ(g.Seed, 3698175007u);
    g.Seed = 0xFFFFFFFFu;
    EXPECT_EQ(g.Random(0x7FFFFFFF), 2080095741);
    EXPECT_EQ(g.Seed, 4160191484u);
}

// Sharing refusals per level 0..4 ("00111": allowed from level 2 on) against words laid by hand.
TEST_F(EngineTest, SharingLevels) {
    struct Case { const char* rule; std::u16string line; std::vector<std::array<int, 4>> laid; std::array<int, 4> tried;
                  const char* allowed; };
    const Case cases[] = {
        {"crossing words share a cell", u"cat,ant,dog", {{1, 1, 1, East}}, {2, 2, 1, South}, "00111"},
        {"a differing letter is never shared", u"cat,ant,dog", {{1, 1, 1, East}}, {3, 2, 1, South}, "00000"},
        {"no shared cell", u"cat,ant,dog", {{1, 1, 1, East}}, {3, 4, 1, South}, "11111"},
        {"a diagonal between two letters", u"pq,xy", {{1, 2, 3, NorthEast}}, {2, 2, 2, SouthEast}, "01111"},
        {"the step after the last letter", u"pq,xy", {{1, 2, 3, NorthEast}}, {2, 1, 1, SouthEast}, "11111"},
        {"two words at the corners", u"pq,xy,ab", {{1, 2, 3, West}, {3, 3, 2, North}}, {2, 2, 2, SouthEast}, "11111"},
        {"letters compare by exact value", u"banana,Apple,apple", {{1, 1, 1, East}}, {2, 2, 1, South}, "00000"},
    };
    Settings().Capitalization = TCapitalization::AsGiven;
    for (const Case& c : cases) {
        SetList(c.line);
        EmptyGrid(6, 6);
        for (const auto& w : c.laid) ws->PlaceWord(w[0], w[1], w[2], w[3]);
        for (int level = 0; level <= 4; ++level) {
            Settings().SetSharingLevel(level);
            EXPECT_EQ(ws->CanPlaceWord(c.tried[0], c.tried[1], c.tried[2], c.tried[3]), c.allowed[level] == '1')
                << c.rule << ", level " << level;
        }
    }
}

// One-line overlap, all eight directions: same line refused up to level 2, embedding at 3, both allowed at 4.
TEST_F(EngineTest, SameLineAndEmbedding) {
    SetList(u"catfish,fish,hsif,fishbone,hsiftacq");
    for (int d = 1; d <= 8; ++d) {
        const int dx = DirectionDx[d], dy = DirectionDy[d];
        const int c0 = dx > 0 ? 2 : dx < 0 ? 13 : 7, r0 = dy > 0 ? 2 : dy < 0 ? 13 : 7;
        EmptyGrid(14, 14);
        ws->PlaceWord(1, c0, r0, d);
        const int fc = c0 + 3 * dx, fr = r0 + 3 * dy;  // the F of CATFISH
        const int hc = c0 + 6 * dx, hr = r0 + 6 * dy;  // its H
        // fish inside, hsif inside backwards, fishbone and hsiftacq running on past the end (not embedded)
        const char* allowed[5] = {"0000", "0000", "0000", "0011", "1111"};
        for (int level = 0; level <= 4; ++level) {
            Settings().SetSharingLevel(level);
            const bool got[4] = {ws->CanPlaceWord(2, fc, fr, d), ws->CanPlaceWord(3, hc, hr, OppositeDirection[d]),
                                 ws->CanPlaceWord(4, fc, fr, d), ws->CanPlaceWord(5, hc, hr, OppositeDirection[d])};
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(got[k], allowed[level][k] == '1') << "direction " << d << " level " << level << " word " << k + 2;
        }
        ws->PlaceWord(2, fc, fr, d);
        EXPECT_EQ(ws->WordListIndicies[hc][hr], std::u16string({1, 2}));
    }
}

// A word must fit inside the grid (5 x 4 here); ending exactly on the edge is fine.
TEST_F(EngineTest, FitAtEdges) {
    SetList(u"cat,ox");
    EmptyGrid(5, 4);
    const std::array<int, 5> cases[] = {  // word, column, row, direction, fits
        {1, 3, 1, East, 1},      {1, 4, 1, East, 0},      {1, 3, 1, West, 1},      {1, 2, 1, West, 0},
        {1, 1, 2, South, 1},     {1, 1, 3, South, 0},     {1, 1, 3, North, 1},     {1, 1, 2, North, 0},
        {1, 3, 2, SouthEast, 1}, {1, 4, 2, SouthEast, 0}, {1, 3, 4, NorthWest, 1}, {1, 3, 2, NorthWest, 0},
        {1, 5, 4, NorthWest, 1}, {1, 1, 4, NorthEast, 1}, {1, 4, 4, NorthEast, 0}, {1, 5, 1, SouthWest, 1},
        {2, 4, 1, East, 1},      {2, 5, 1, East, 0},  // a two-letter word too
    };
    for (const auto& c : cases)
        EXPECT_EQ(ws->CanPlaceWord(c[0], c[1], c[2], c[3]), c[4] == 1)
            << "word " << c[0] << " at " << c[1] << "," << c[2] << " direction " << c[3];
}

// Starting size: a little over two cells per letter, at least the longest word, at most 100; a given pair stays.
TEST_F(EngineTest, SelectSize) {
    const std::u16string sixty = u"abcdefghi,abcdefg,abcdef,abcdef,abcdef,abcdef,abcde,abcde,abcde,abcde";
    std::u16string fiveThousand;
    for (int k = 0; k < 50; ++k) fiveThousand += std::u16string(100, u'Q') + u',';
    const std::u16string tooLong(150, u'Z');
    struct Case { std::u16string line; int a, b, columns, rows; };
    const Case cases[] = {
        {sixty, 0, 0, 11, 11}, {sixty, 15, 0, 15, 9}, {sixty, 0, 15, 9, 15}, {sixty, 5, 0, 5, 25},
        {sixty, 1, 0, 1, 100}, {sixty, 7, 5, 7, 5},   {u"", 0, 0, 1, 1},     {fiveThousand, 0, 0, 100, 100},
        {tooLong, 0, 0, 100, 100},
        {tooLong, 10, 0, 10, 0},     // the longest word exceeds any grid
        {u"abcdefghi", 9, 0, 9, 3},  // the given columns already hold the word
    };
    for (const Case& c : cases) {
        SetList(c.line);
        EXPECT_EQ(ws->SelectSize(c.a, c.b), std::make_pair(c.columns, c.rows)) << c.a << "x" << c.b;
    }
}

// Score = 1000 + 10 x balance - 100000 per unplaced word; the balance looks at weighted directions only.
TEST_F(EngineTest, ScoreAndBalance) {
    struct Case { std::array<int, 9> weights; std::string directions; std::int64_t balance, score; };
    // directions: one digit per word, 0 when unplaced; each unused weighted direction costs 5, and when
    // every one is used the least count is added
    const Case cases[] = {
        {{0, 50, 0, 50, 0, 50, 0, 50, 0}, "1113333355", -5, 950},
        {{0, 50, 0, 50, 0, 50, 0, 50, 0}, "11133333557", 1, 1010},
        {{0, 50, 0, 50, 0, 50, 0, 50, 0}, "11122223333355700", 1, 1010 - 200000},
        {{0, 100, 100, 100, 100, 100, 100, 100, 100}, "1122233445555667788888", 2, 1020},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, "10", 9999, 1000 + 99990 - 100000},
    };
    for (const Case& c : cases) {
        for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, c.weights[d]);
        std::u16string line;
        for (size_t k = 0; k < c.directions.size(); ++k) line += u"w,";
        SetList(line);
        ws->Clear();
        for (size_t k = 0; k < c.directions.size(); ++k) {
            ws->Placements[k + 1].Placed = c.directions[k] != '0';
            ws->Placements[k + 1].Direction = std::uint8_t(c.directions[k] - '0');
        }
        EXPECT_EQ(ws->DirectionBalance(), c.balance);
        EXPECT_EQ(ws->PuzzleScore(), c.score) << "balance " << c.balance;
    }
}

// Clear empties every cell of the arrays, however the letters got there, and forgets the placements.
TEST_F(EngineTest, ClearEmptiesEveryCell) {
    SetList(u"cat");
    EmptyGrid(10, 10);
    ws->PlaceWord(1, 8, 9, East);
    ws->FillGrid();
    ws->Grid[100][100] = u'X';  // the file reader and the size setters write cells directly
    ws->WordListIndicies[100][1].push_back(1);
    ws->SolutionFlags[1][100] = FirstLetterFlag;
    ws->ActualColumns = ws->ActualRows = 3;
    ws->Constructed = true;
    ws->Clear();
    EXPECT_EQ(std::make_tuple(ws->ActualColumns, ws->Constructed, ws->Placements[1].Placed, ws->Placements[1].Column,
                              ws->DirectionCounts[East]), std::make_tuple(0, false, false, 0, 0));
    ExpectConsistent();  // in a 0 x 0 grid every cell is outside and must be empty
}

// Builds count exactly: an empty list makes 1 + 51 + 5 builds when shrinking, 1 + 5 with both sizes given.
TEST_F(EngineTest, BuildCountWithEmptyList) {
    SetList(u"");
    for (auto [columns, rows, draws] : {std::array{0, 0, 57}, std::array{3, 2, 36}, std::array{0, 2, 2 * 57}}) {
        state->SetSeed(9);
        ASSERT_EQ(ws->MakePuzzle(trial.get(), columns, rows), ws.get());
        TRandom ref{9};
        for (int k = 0; k < draws; ++k) ref.Random(26);
        EXPECT_EQ(state->Generator.Seed, ref.Seed) << columns << "x" << rows;
    }
    EXPECT_EQ(std::make_pair(ws->ActualColumns, ws->ActualRows), std::make_pair(1, 2));
}

// Words that cannot fit stay unplaced, cost the score, and the queries list both kinds in display order.
TEST_F(EngineTest, UnplacedWords) {
    SetList(u"zebra,hippopotamus,cat,elephantine");
    state->SetSeed(3);
    ws->MakePuzzle(trial.get(), 5, 5);
    EXPECT_EQ(std::make_pair(ws->PlacedWordCount(), ws->UnplacedWordCount()), std::make_pair(2, 2));
    EXPECT_EQ(ws->UnplacedGridWord(1) + u"|" + ws->UnplacedGridWord(2), u"ELEPHANTINE|HIPPOPOTAMUS");
    EXPECT_EQ(ws->PlacedGridWord(1) + u"|" + ws->PlacedGridWord(2), u"CAT|ZEBRA");
    EXPECT_EQ(std::make_pair(ws->PlacedWordIndex(2), ws->PlacedWordIndex(3)), std::make_pair(1, 0));
    EXPECT_EQ(ws->PuzzleScore(), 1000 + 10 * ws->DirectionBalance() - 200000);
}

// Draw-for-draw reproduction of whole builds, one per sharing level; a second run must not see the first.
TEST_F(EngineTest, ReferenceBuilds) {
    struct Build {
        const char* name; std::uint32_t seed; std::u16string line; int columns, rows, level, weights[8];
        TCapitalization cap; std::u16string message; std::vector<int> transforms;
        std::u16string grid; std::string placements; std::uint32_t seedAfter;  // placements: column,row,direction
    };
    const Build builds[] = {
        {"Requested6x6", 12345, u"cat,dog,emu,horse,zebra,otter", 6, 6, 2, {100, 100, 100, 100, 100, 100, 100, 100},
         TCapitalization::AllUpper, u"", {}, u"RZLEFA|ERMQRF|SUKBDN|RCEVOH|OZANGL|HOTTER",
         "2,4,4;5,3,5;4,1,6;1,6,1;2,5,2;2,6,3", 3575348060u},
        {"AutoNoCross", 777, u"apple,banana,cherry,grape,lemon,mango,melon,peach,pear,plum", 0, 0, 0,
         {100, 100, 100, 100, 100, 100, 100, 100}, TCapitalization::AllUpper, u"", {},
         u"TPNKGMGAM|RLLLAYKNL|AUTNRBPAE|EMGRDRFNM|POEGHDKAO|CHXZRCXBN|CFMLZAANN|NOLEMNPEZ|LAPPLEKEP",
         "2,9,3;8,6,1;1,7,2;4,5,4;9,2,5;6,1,6;5,8,7;9,9,8;1,5,1;2,1,5", 1072224673u},
        {"MessageAsGivenTransformed", 2024, u"Red,green,Blue,yellow,violet,indigo,Orange", 8, 0, 4,
         {50, 50, 50, 50, 50, 50, 50, 50}, TCapitalization::AsGiven, u"Well done!\r\nYou", {1, 3, 6},
         u"eWeBltlod|oglnee!gY|ounluRbiT|emoamezdp|HikJrdnnT|vgkkrOkiV|rDyyellow|hpnneergW",
         "6,3,5;8,8,7;4,1,6;4,7,3;1,6,2;8,6,1;6,6,8", 1017959184u},
        {"AllWeightsZero", 5, u"one,two,three,four,five,six,seven,eight", 0, 0, 1, {0, 0, 0, 0, 0, 0, 0, 0},
         TCapitalization::AllLower, u"", {5}, u"lnttrx|eehhui|nvrgos|oeeift|hseebw|fiveno",
         "1,4,1;6,4,5;3,1,5;5,4,1;1,6,3;6,3,1;2,5,1;4,5,1", 1411493027u},
    };
    for (const Build& b : builds) {
        Settings().Capitalization = b.cap;
        Settings().SetSharingLevel(b.level);
        Settings().PuzzleOptions = b.message.empty() ? 0 : Option_HiddenMessage;
        Settings().HiddenMessage = b.message;
        for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, b.weights[d - 1]);
        SetList(b.line);
        for (int run = 1; run <= 2; ++run) {
            SCOPED_TRACE(::testing::Message() << b.name << " run " << run);
            state->SetSeed(b.seed);
            ASSERT_EQ(ws->MakePuzzle(trial.get(), b.columns, b.rows), ws.get());
            for (int v : b.transforms) ws->Transform(v);
            EXPECT_EQ(PlacementText(), b.placements);
            EXPECT_EQ(GridRows(), b.grid);
            EXPECT_EQ(state->Generator.Seed, b.seedAfter);
            ExpectConsistent();
        }
    }
}

}  // namespace
}  // namespace vorlix::testing
