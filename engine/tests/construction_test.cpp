#include "engine_fixture.h"

#include <sstream>

namespace vorlix::testing {
namespace {

std::string PlacementText(const TEngineState& state, const TWordSearch& g) {
    std::ostringstream out;
    for (int i = 1; i <= state.WordCount; ++i) {
        const TWordPlacement& p = g.Placements[i];
        if (i > 1) out << ';';
        if (p.Placed)
            out << p.Column << ',' << p.Row << ',' << int(p.Direction);
        else
            out << '-';
    }
    return out.str();
}

// The generator's recurrence and its high-bits result, including the draw made for N = 0.
TEST(RandomGenerator, SequenceFromSeedZero) {
    TRandom g;
    g.Seed = 0;
    std::vector<int> got;
    for (int k = 0; k < 5; ++k) got.push_back(g.Random(26));
    EXPECT_EQ(got, (std::vector<int>{0, 0, 22, 5, 7}));

    g.Seed = 0;
    EXPECT_EQ(g.Random(0), 0);
    EXPECT_EQ(g.Random(0), 0);
    EXPECT_EQ(g.Random(26), 22);  // the two empty draws still advanced the seed
    EXPECT_EQ(g.Seed, 3698175007u);

    // Near the top of both ranges the product needs all 64 bits.
    g.Seed = 0xFFFFFFFFu;
    EXPECT_EQ(g.Random(0x7FFFFFFF), 2080095741);
    EXPECT_EQ(g.Seed, 4160191484u);
}

// CanPlaceWord at each sharing level, with words laid by hand.
class SharingTest : public EngineTest {
protected:
    bool Can(int level, int word, int c, int r, int d) {
        Settings().SetSharingLevel(level);
        return ws->CanPlaceWord(word, c, r, d);
    }
};

// Overlap on one line: refused as same line (level 2), as embedded (level 3), allowed at level 4;
// a word that only overlaps and runs on past the end is not embedded. Checked in all eight directions.
TEST_F(SharingTest, SameLineAndEmbedding) {
    SetList({u"catfish,fish,hsif,fishbone,hsiftacq"});
    for (int d = 1; d <= 8; ++d) {
        SCOPED_TRACE(::testing::Message() << "direction " << d);
        const int dx = DirectionDx[d], dy = DirectionDy[d];
        const int c0 = dx > 0 ? 2 : dx < 0 ? 13 : 7;
        const int r0 = dy > 0 ? 2 : dy < 0 ? 13 : 7;
        EmptyGrid(14, 14);
        ws->PlaceWord(1, c0, r0, d);
        const int fc = c0 + 3 * dx, fr = r0 + 3 * dy;  // the F of CATFISH
        const int hc = c0 + 6 * dx, hr = r0 + 6 * dy;  // its H
        const int back = OppositeDirection[d];
        const bool expected[5][4] = {
            // fish inside, hsif inside backwards, fishbone running on, hsiftacq running on backwards
            {false, false, false, false}, {false, false, false, false}, {false, false, false, false},
            {false, false, true, true},   {true, true, true, true},
        };
        for (int level = 0; level <= 4; ++level) {
            SCOPED_TRACE(::testing::Message() << "level " << level);
            EXPECT_EQ(Can(level, 2, fc, fr, d), expected[level][0]);
            EXPECT_EQ(Can(level, 3, hc, hr, back), expected[level][1]);
            EXPECT_EQ(Can(level, 4, fc, fr, d), expected[level][2]);
            EXPECT_EQ(Can(level, 5, hc, hr, back), expected[level][3]);
        }
        ws->PlaceWord(2, fc, fr, d);
        EXPECT_EQ(ws->WordListIndicies[hc][hr], std::u16string({1, 2}));
    }
}

// Crossing words share a cell only from level 2 on; a differing letter is refused at every level.
TEST_F(SharingTest, IntersectionAndMismatch) {
    SetList({u"cat,ant,dog"});
    EmptyGrid(5, 5);
    ws->PlaceWord(1, 1, 1, East);
    for (int level = 0; level <= 4; ++level) {
        SCOPED_TRACE(::testing::Message() << "level " << level);
        EXPECT_EQ(Can(level, 2, 2, 1, South), level >= 2);
        EXPECT_FALSE(Can(level, 3, 2, 1, South));
        EXPECT_TRUE(Can(level, 3, 4, 1, South));  // beside the word, no shared cell
    }
}

// A diagonal word may not pass between two letters of another word at level 0; the step after its last
// letter is not looked at, and two different words at the corners are no crossing.
TEST_F(SharingTest, DiagonalCrossing) {
    SetList({u"pq,xy,ab"});
    EmptyGrid(6, 6);
    ws->PlaceWord(1, 2, 3, NorthEast);  // P at (2,3), Q at (3,2)
    EXPECT_FALSE(Can(ShareNoCross, 2, 2, 2, SouthEast));
    EXPECT_TRUE(Can(ShareCross, 2, 2, 2, SouthEast));
    EXPECT_FALSE(Can(ShareNoCross, 2, 3, 3, NorthWest));
    EXPECT_TRUE(Can(ShareNoCross, 2, 1, 1, SouthEast));  // ends at (2,2) before the crossing

    EmptyGrid(6, 6);
    ws->PlaceWord(1, 2, 3, West);   // P at (2,3)
    ws->PlaceWord(3, 3, 2, North);  // A at (3,2)
    EXPECT_TRUE(Can(ShareNoCross, 2, 2, 2, SouthEast));
}

// A word must fit inside the grid; ending exactly on the edge is fine.
TEST_F(SharingTest, FitAtEdges) {
    SetList({u"cat"});
    EmptyGrid(5, 4);
    struct Case {
        int c, r, d;
        bool fits;
    };
    const Case cases[] = {
        {3, 1, East, true},       {4, 1, East, false},      {3, 1, West, true},       {2, 1, West, false},
        {1, 2, South, true},      {1, 3, South, false},     {1, 3, North, true},      {1, 2, North, false},
        {3, 2, SouthEast, true},  {4, 2, SouthEast, false}, {3, 4, NorthWest, true},  {3, 2, NorthWest, false},
        {5, 4, NorthWest, true},  {1, 4, NorthEast, true},  {4, 4, NorthEast, false}, {5, 1, SouthWest, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.c << "," << c.r << " d" << c.d);
        EXPECT_EQ(Can(ShareAll, 1, c.c, c.r, c.d), c.fits);
    }
}

// Letters compare by exact character value.
TEST_F(SharingTest, CaseSensitiveSharing) {
    Settings().Capitalization = TCapitalization::AsGiven;
    SetList({u"banana,Apple,apple"});
    EmptyGrid(6, 6);
    ws->PlaceWord(1, 1, 1, East);
    EXPECT_FALSE(Can(ShareAll, 2, 2, 1, South));
    EXPECT_TRUE(Can(ShareIntersect, 3, 2, 1, South));
}

// Starting size: a little over two cells per letter, never below the longest word in an automatic dimension.
TEST_F(EngineTest, SelectSize) {
    SetList({u"abcdefghi,abcdefg,abcdef,abcdef,abcdef,abcdef,abcde,abcde,abcde,abcde"});
    ASSERT_EQ(state->TotalLetters, 60);
    const int cases[][4] = {
        {0, 0, 11, 11}, {15, 0, 15, 9}, {0, 15, 9, 15}, {5, 0, 5, 25}, {1, 0, 1, 100}, {7, 5, 7, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c[0] << "x" << c[1]);
        EXPECT_EQ(ws->SelectSize(c[0], c[1]), std::make_pair(c[2], c[3]));
    }
    SetList({});
    EXPECT_EQ(ws->SelectSize(0, 0), std::make_pair(1, 1));
    std::u16string fifty;
    for (int k = 0; k < 50; ++k) fifty += std::u16string(100, u'Q') + u',';
    SetList({fifty});
    ASSERT_EQ(state->TotalLetters, 5000);
    EXPECT_EQ(ws->SelectSize(0, 0), std::make_pair(100, 100));
    SetList({std::u16string(150, u'Z')});
    EXPECT_EQ(ws->SelectSize(0, 0), std::make_pair(100, 100));
    EXPECT_EQ(ws->SelectSize(10, 0), std::make_pair(10, 0));  // the longest word exceeds any grid
    SetList({u"abcdefghi"});
    EXPECT_EQ(ws->SelectSize(9, 0), std::make_pair(9, 3));  // the given columns already hold the word
}

// Score: 1000 + 10 x balance - 100000 per unplaced word; balance from the weighted directions only.
TEST_F(EngineTest, ScoreAndBalance) {
    struct Case {
        std::array<int, 9> weights;
        std::array<int, 9> placed;  // words placed per direction
        int unplaced;
        std::int64_t balance, score;
    };
    const Case cases[] = {
        {{0, 50, 0, 50, 0, 50, 0, 50, 0}, {0, 3, 0, 5, 0, 2, 0, 0, 0}, 0, -5, 950},
        {{0, 50, 0, 50, 0, 50, 0, 50, 0}, {0, 3, 0, 5, 0, 2, 0, 1, 0}, 0, 1, 1010},
        {{0, 50, 0, 50, 0, 50, 0, 50, 0}, {0, 3, 4, 5, 0, 2, 0, 1, 0}, 2, 1, 1010 - 200000},
        {{0, 100, 100, 100, 100, 100, 100, 100, 100}, {0, 2, 3, 2, 2, 4, 2, 2, 5}, 0, 2, 1020},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0, 0, 0, 0}, 1, 9999, 1000 + 99990 - 100000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "balance " << c.balance);
        for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, c.weights[d]);
        int words = c.unplaced;
        for (int d = 1; d <= 8; ++d) words += c.placed[d];
        std::u16string line;
        for (int k = 0; k < words; ++k) line += u"w,";
        SetList({line});
        ws->Clear();
        int i = 1;
        for (int d = 1; d <= 8; ++d)
            for (int k = 0; k < c.placed[d]; ++k, ++i) {
                ws->Placements[i].Placed = true;
                ws->Placements[i].Direction = std::uint8_t(d);
            }
        EXPECT_EQ(ws->DirectionBalance(), c.balance);
        EXPECT_EQ(ws->PuzzleScore(), c.score);
    }
}

// Direction choice: least used by share, ties to the lower code, no draws; weighted pick by running sums.
TEST_F(EngineTest, DirectionChoice) {
    for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, d == North || d == East || d == NorthWest ? 50 : 0);
    state->SetSeed(77);
    ws->Clear();
    EXPECT_EQ(ws->LeastUsedDirection(), North);
    ws->DirectionCounts[North] = 1;
    EXPECT_EQ(ws->LeastUsedDirection(), East);
    ws->DirectionCounts[East] = 1;
    ws->DirectionCounts[NorthWest] = 1;
    EXPECT_EQ(ws->LeastUsedDirection(), North);
    EXPECT_EQ(state->Generator.Seed, 77u);

    // Weighted pick: one draw through the running sums; with every weight 0, an empty draw then a uniform one.
    for (bool allZero : {false, true}) {
        if (allZero)
            for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, 0);
        for (std::uint32_t seed : {1u, 2u, 3u, 40u, 500u}) {
            TRandom ref;
            ref.Seed = seed;
            const int r = ref.Random(allZero ? 0 : 150);
            const int expected = allZero ? ref.Random(8) + 1 : r < 50 ? North : r < 100 ? East : NorthWest;
            state->SetSeed(seed);
            EXPECT_EQ(ws->WeightedRandomDirection(), expected) << "seed " << seed;
            EXPECT_EQ(state->Generator.Seed, ref.Seed);
        }
    }
    // With every weight 0, least-used still weighs all eight directions alike.
    ws->Clear();
    for (int d = 1; d <= 7; ++d) ws->DirectionCounts[d] = 1;
    EXPECT_EQ(ws->LeastUsedDirection(), NorthWest);
}

// Building before FinishList is an internal error and returns nothing.
TEST_F(EngineTest, MakePuzzleNeedsFinishedList) {
    state->ClearList();
    state->Words_ProcessLine(u"cat");
    EXPECT_EQ(ws->MakePuzzle(trial.get(), 0, 0), nullptr);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(host.shown[0].buttons, MessageButtons::OkAbort);
    EXPECT_EQ(host.shown[0].text, u"TWS.PM: Untimely call.");
}

// Clear empties every cell of the arrays, however the letters got there (the file reader and the size
// setters write them directly), and forgets the placements.
TEST_F(EngineTest, ClearEmptiesEveryCell) {
    SetList({u"cat"});
    state->SetSeed(1);
    EmptyGrid(10, 10);
    ws->PlaceWord(1, 8, 9, East);
    ws->FillGrid();
    ws->Grid[100][100] = u'X';
    ws->WordListIndicies[100][1] = u"\x01";
    ws->SolutionFlags[1][100] = FirstLetterFlag;
    ws->ActualColumns = ws->ActualRows = 3;
    ws->Constructed = true;
    ws->Clear();
    int stale = 0;
    for (int c = 0; c <= MaxGridSize; ++c)
        for (int r = 0; r <= MaxGridSize; ++r)
            stale += ws->Grid[c][r] != EmptyCell || !ws->WordListIndicies[c][r].empty() || ws->SolutionFlags[c][r] != 0;
    EXPECT_EQ(stale, 0);
    EXPECT_FALSE(ws->Constructed);
    EXPECT_EQ(ws->ActualColumns, 0);
    EXPECT_FALSE(ws->Placements[1].Placed);
    EXPECT_EQ(ws->Placements[1].Column, 0);
    EXPECT_EQ(ws->DirectionCounts[East], 0);
}

// Builds count exactly: an empty list still makes 1 + 51 + 5 builds when shrinking, 1 + 5 when both
// dimensions are requested; each draws one letter per cell.
TEST_F(EngineTest, BuildCountWithEmptyList) {
    struct Case {
        int columns, rows, draws;
    };
    for (const Case& c : {Case{0, 0, 57}, Case{3, 2, 36}, Case{0, 2, 2 * 57}}) {
        SCOPED_TRACE(::testing::Message() << c.columns << "x" << c.rows);
        SetList({});
        state->SetSeed(9);
        ASSERT_EQ(ws->MakePuzzle(trial.get(), c.columns, c.rows), ws.get());
        TRandom ref;
        ref.Seed = 9;
        for (int k = 0; k < c.draws; ++k) ref.Random(26);
        EXPECT_EQ(state->Generator.Seed, ref.Seed);
        EXPECT_TRUE(ws->Constructed);
    }
    EXPECT_EQ(ws->ActualColumns, 1);
    EXPECT_EQ(ws->ActualRows, 2);
}

// Words that cannot fit stay unplaced, cost the score and are listed in display order.
TEST_F(EngineTest, UnplacedWords) {
    SetList({u"zebra,hippopotamus,cat,elephantine"});
    state->SetSeed(3);
    ws->MakePuzzle(trial.get(), 5, 5);
    EXPECT_EQ(ws->PlacedWordCount(), 2);
    EXPECT_EQ(ws->UnplacedWordCount(), 2);
    EXPECT_EQ(ws->UnplacedGridWord(1), u"ELEPHANTINE");
    EXPECT_EQ(ws->UnplacedGridWord(2), u"HIPPOPOTAMUS");
    EXPECT_EQ(ws->PlacedGridWord(1), u"CAT");
    EXPECT_EQ(ws->PlacedGridWord(2), u"ZEBRA");
    EXPECT_EQ(ws->PlacedWordIndex(2), 1);
    EXPECT_EQ(ws->PlacedWordIndex(3), 0);
    EXPECT_EQ(ws->PuzzleScore(), 1000 + 10 * ws->DirectionBalance() - 200000);
    const TWordPlacement& z = ws->Placements[1];
    EXPECT_EQ(ws->EndColumn(1), z.Column + 4 * DirectionDx[z.Direction]);
    EXPECT_EQ(ws->EndRow(1), z.Row + 4 * DirectionDy[z.Direction]);
}

// The same seed, list and settings give the same puzzle, cell bookkeeping included.
TEST_F(EngineTest, Deterministic) {
    SetList({u"apple,banana,cherry,grape,lemon,mango,melon,peach,pear,plum,fig,kiwi"});
    auto snapshot = [this] {
        std::u16string out = GridRows(*ws);
        for (int c = 1; c <= ws->ActualColumns; ++c)
            for (int r = 1; r <= ws->ActualRows; ++r) out += ws->WordListIndicies[c][r] + char16_t(ws->SolutionFlags[c][r]);
        for (char ch : PlacementText(*state, *ws) + "/" + std::to_string(state->Generator.Seed)) out += char16_t(ch);
        return out;
    };
    state->SetSeed(31337);
    ws->MakePuzzle(trial.get(), 0, 0);
    const std::u16string first = snapshot();
    state->SetSeed(31337);
    ws->MakePuzzle(trial.get(), 0, 0);
    EXPECT_EQ(snapshot(), first);
}

// Every finished grid is consistent, obeys its sharing level and keeps each requested dimension; an
// automatic dimension only shrinks from its starting size.
TEST_F(EngineTest, BuildInvariants) {
    // Whether every cell of word inner also lists word outer.
    auto AllCellsList = [this](int inner, int outer) {
        const TWordPlacement& p = ws->Placements[inner];
        for (int k = 0; k < state->WordList[inner].Length; ++k) {
            const int c = p.Column + k * DirectionDx[p.Direction], r = p.Row + k * DirectionDy[p.Direction];
            if (ws->WordListIndicies[c][r].find(char16_t(outer)) == std::u16string::npos) return false;
        }
        return true;
    };
    const std::u16string line =
        u"crocodile,alligator,kangaroo,elephant,giraffe,leopard,panther,gorilla,buffalo,"
        u"hyena,otter,llama,sloth,koala,lemur,tapir,bison,moose,camel,zebra,ox,yak,emu,gnu";
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        for (int level = 0; level <= 4; ++level) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << " level " << level);
            Settings().Capitalization = TCapitalization(seed % 4);
            Settings().PuzzleOptions = seed % 2 ? Option_HiddenMessage : 0;
            Settings().HiddenMessage = u"Find us\r\nall!";
            Settings().SetSharingLevel(level);
            SetList({line});
            state->SetSeed(seed);
            const int columns = seed % 3 == 1 ? 11 : 0, rows = seed % 3 == 2 ? 12 : 0;
            const auto start = ws->SelectSize(columns, rows);
            ASSERT_EQ(ws->MakePuzzle(trial.get(), columns, rows), ws.get());
            ExpectConsistentGrid(*ws, true);
            EXPECT_TRUE(columns ? ws->ActualColumns == columns : ws->ActualColumns <= start.first);
            EXPECT_TRUE(rows ? ws->ActualRows == rows : ws->ActualRows <= start.second);

            for (int c = 1; c <= ws->ActualColumns; ++c) {
                for (int r = 1; r <= ws->ActualRows; ++r) {
                    const std::u16string& list = ws->WordListIndicies[c][r];
                    if (list == HiddenMessageMarker) continue;
                    if (level <= ShareCross) {
                        EXPECT_LE(list.size(), 1u) << c << "," << r;
                    }
                    for (size_t a = 0; a < list.size(); ++a)
                        for (size_t b = a + 1; b < list.size(); ++b) {
                            const int u = list[a], v = list[b];
                            const int du = ws->Placements[u].Direction, dv = ws->Placements[v].Direction;
                            const bool sameLine = du == dv || du == OppositeDirection[dv];
                            if (level <= ShareIntersect) {
                                EXPECT_FALSE(sameLine) << u << " and " << v;
                            }
                            if (level == ShareSome && sameLine) {
                                EXPECT_FALSE(AllCellsList(v, u)) << v << " inside " << u;
                                EXPECT_FALSE(AllCellsList(u, v)) << u << " inside " << v;
                            }
                        }
                }
            }
            if (level != ShareNoCross) continue;
            for (int i = 1; i <= state->WordCount; ++i) {
                const TWordPlacement& p = ws->Placements[i];
                if (!p.Placed || !IsDiagonal(p.Direction)) continue;
                const int dx = DirectionDx[p.Direction], dy = DirectionDy[p.Direction];
                for (int k = 0; k + 1 < state->WordList[i].Length; ++k) {
                    const int c = p.Column + k * dx, r = p.Row + k * dy;
                    for (char16_t w : ws->WordListIndicies[c + dx][r]) {
                        if (w == HiddenMessageMarkerCode) continue;
                        EXPECT_EQ(ws->WordListIndicies[c][r + dy].find(w), std::u16string::npos)
                            << "word " << i << " crosses word " << int(w);
                    }
                }
            }
        }
    }
}

// Draw-for-draw reproduction of complete builds (placement, shrinking, polishing, filler, refill).
struct ReferenceBuild {
    const char* name;
    std::uint32_t seed;
    std::u16string line;
    int columns, rows, level;
    std::array<int, 8> weights;
    TCapitalization cap;
    std::u16string message;
    std::uint8_t wordOrder;
    std::vector<int> transforms;
    int expectColumns, expectRows;
    std::u16string grid;
    std::string placements;
    std::uint32_t seedAfter;
};

void PrintTo(const ReferenceBuild& b, std::ostream* os) { *os << b.name; }

class ReferenceBuildTest : public EngineTest, public ::testing::WithParamInterface<ReferenceBuild> {};

TEST_P(ReferenceBuildTest, ExactResult) {
    const ReferenceBuild& b = GetParam();
    Settings().Capitalization = b.cap;
    Settings().SetSharingLevel(b.level);
    Settings().WordOrder = b.wordOrder;
    Settings().PuzzleOptions = b.message.empty() ? 0 : Option_HiddenMessage;
    Settings().HiddenMessage = b.message;
    for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, b.weights[d - 1]);
    SetList({b.line});
    state->SetSeed(b.seed);
    ASSERT_EQ(ws->MakePuzzle(trial.get(), b.columns, b.rows), ws.get());
    for (int v : b.transforms) ws->Transform(v);
    EXPECT_EQ(ws->ActualColumns, b.expectColumns);
    EXPECT_EQ(ws->ActualRows, b.expectRows);
    EXPECT_EQ(PlacementText(*state, *ws), b.placements);
    EXPECT_EQ(GridRows(*ws), b.grid);
    EXPECT_EQ(state->Generator.Seed, b.seedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Builds, ReferenceBuildTest,
    ::testing::Values(
        ReferenceBuild{"Requested6x6", 12345, u"cat,dog,emu,horse,zebra,otter", 6, 6, 2,
                       {100, 100, 100, 100, 100, 100, 100, 100}, TCapitalization::AllUpper, u"", 0, {}, 6, 6,
                       u"RZLEFA|ERMQRF|SUKBDN|RCEVOH|OZANGL|HOTTER",
                       "2,4,4;5,3,5;4,1,6;1,6,1;2,5,2;2,6,3", 3575348060u},
        ReferenceBuild{"AutoNoCross", 777, u"apple,banana,cherry,grape,lemon,mango,melon,peach,pear,plum", 0, 0, 0,
                       {100, 100, 100, 100, 100, 100, 100, 100}, TCapitalization::AllUpper, u"", 0, {}, 9, 9,
                       u"TPNKGMGAM|RLLLAYKNL|AUTNRBPAE|EMGRDRFNM|POEGHDKAO|CHXZRCXBN|CFMLZAANN|NOLEMNPEZ|LAPPLEKEP",
                       "2,9,3;8,6,1;1,7,2;4,5,4;9,2,5;6,1,6;5,8,7;9,9,8;1,5,1;2,1,5", 1072224673u},
        ReferenceBuild{"MessageAsGivenTransformed", 2024, u"Red,green,Blue,yellow,violet,indigo,Orange", 8, 0, 4,
                       {50, 50, 50, 50, 50, 50, 50, 50}, TCapitalization::AsGiven, u"Well done!\r\nYou", 0, {1, 3, 6},
                       9, 8, u"eWeBltlod|oglnee!gY|ounluRbiT|emoamezdp|HikJrdnnT|vgkkrOkiV|rDyyellow|hpnneergW",
                       "6,3,5;8,8,7;4,1,6;4,7,3;1,6,2;8,6,1;6,6,8", 1017959184u},
        ReferenceBuild{"ShuffledFourDirections", 99,
                       u"ant,bee,cat,dog,eel,fox,gnu,hen,owl,yak,emu,bat,lion,bear,wolf,mole,zebra,tiger", 0, 6, 3,
                       {50, 0, 50, 0, 50, 0, 50, 0}, TCapitalization::FirstLetter, u"", 1, {}, 11, 6,
                       u"uFoxmMneHqf|mlgoDoOrgul|EYBatlwemno|raeBeelgCGW|lkLioneiamw|ZebrarETtnA",
                       "11,6,7;4,4,3;9,4,5;5,2,7;7,6,1;2,1,3;10,4,1;9,1,7;7,2,5;2,3,5;1,3,1;3,3,3;3,5,3;4,4,7;11,4,1;6,1,5;"
                       "1,6,3;8,6,1",
                       1213946494u},
        ReferenceBuild{"AllWeightsZero", 5, u"one,two,three,four,five,six,seven,eight", 0, 0, 1,
                       {0, 0, 0, 0, 0, 0, 0, 0}, TCapitalization::AllLower, u"", 0, {5}, 6, 6,
                       u"lnttrx|eehhui|nvrgos|oeeift|hseebw|fiveno", "1,4,1;6,4,5;3,1,5;5,4,1;1,6,3;6,3,1;2,5,1;4,5,1",
                       1411493027u}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorlix::testing
