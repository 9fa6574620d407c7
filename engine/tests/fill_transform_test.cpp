#include "engine_fixture.h"

namespace vorlix::testing {
namespace {

// Filler letters from seed 0 (draws 0, 0, 22, 5, 7 ...): vowels and S replaced, case by capitalization.
TEST_F(EngineTest, FillerLettersFromSeedZero) {
    struct Case {
        TCapitalization cap;
        std::u16string row;
    };
    const Case cases[] = {
        {TCapitalization::AllUpper, u"TTWFH"},
        {TCapitalization::AllLower, u"ttwfh"},
        {TCapitalization::FirstLetter, u"ttwfh"},
        {TCapitalization::AsGiven, u"tWhnj"},  // each letter draw is followed by a case draw
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "capitalization " << int(c.cap));
        Settings().Capitalization = c.cap;
        // A message without letters, or one switched off, leaves every cell to filler.
        Settings().HiddenMessage = c.cap == TCapitalization::AllUpper ? u" \r\n " : u"Good job";
        Settings().PuzzleOptions = c.cap == TCapitalization::AllUpper ? Option_HiddenMessage : 0;
        SetList({});
        state->SetSeed(0);
        ASSERT_EQ(ws->MakePuzzle(trial.get(), 5, 1), ws.get());
        EXPECT_EQ(GridRows(*ws), c.row);
        for (int col = 1; col <= 5; ++col) EXPECT_TRUE(ws->WordListIndicies[col][1].empty());
    }
}

// Message letters: option 1 required; spaces and line breaks dropped; case by capitalization (ASCII only).
TEST_F(EngineTest, HiddenMessageLetters) {
    struct Case {
        TCapitalization cap;
        std::uint16_t options;
        std::u16string typed, letters;
    };
    const Case cases[] = {
        {TCapitalization::AllUpper, Option_HiddenMessage, u"Good job", u"GOODJOB"},
        {TCapitalization::AsGiven, Option_HiddenMessage | Option_CustomClues, u"Hi!\r\nYou", u"Hi!You"},
        {TCapitalization::AllLower, Option_HiddenMessage, u"Hi!\nYOU\t2", u"hi!you\t2"},
        {TCapitalization::FirstLetter, Option_HiddenMessage, u"good Job", u"goodJob"},
        {TCapitalization::AllUpper, Option_HiddenMessage, u"caf\u00e9 ok", u"CAF\u00e9OK"},
        {TCapitalization::AllUpper, Option_CustomClues, u"Good job", u""},
    };
    for (const Case& c : cases) {
        Settings().Capitalization = c.cap;
        Settings().PuzzleOptions = c.options;
        Settings().HiddenMessage = c.typed;
        EXPECT_EQ(state->HiddenMessageLetters(), c.letters) << int(c.cap);
    }
}

// The message takes the free cells in reading order (rows top to bottom), is cut off silently, and the
// rest is filler.
TEST_F(EngineTest, MessageInFreeCells) {
    Settings().PuzzleOptions = Option_HiddenMessage;
    Settings().HiddenMessage = u"Good job";
    struct Case {
        std::u16string line;
        std::vector<std::array<int, 3>> words;  // column, row, direction
        std::u16string messageCells;            // letters of the free cells, '.' for filler
    };
    const Case cases[] = {
        {u"abcd,q", {{1, 2, East}, {2, 3, East}}, u"GOOD" u"J" u"OB"},  // exactly 7 free cells
        {u"abcd,efg", {{1, 2, East}, {2, 3, East}}, u"GOODJ"},        // 5 free cells
        {u"abcd", {{1, 2, East}}, u"GOODJOB."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.words.size() << " words");
        SetList({c.line});
        state->SetSeed(4);
        EmptyGrid(4, 3);
        for (size_t i = 0; i < c.words.size(); ++i) ws->PlaceWord(int(i) + 1, c.words[i][0], c.words[i][1], c.words[i][2]);
        ws->FillGrid();
        const auto free = FreeCells(*ws);
        ASSERT_EQ(free.size(), c.messageCells.size());
        for (size_t k = 0; k < free.size(); ++k) {
            const auto [col, row] = free[k];
            if (c.messageCells[k] == u'.') {
                EXPECT_TRUE(ws->WordListIndicies[col][row].empty());
            } else {
                EXPECT_EQ(ws->Grid[col][row], c.messageCells[k]) << col << "," << row;
                EXPECT_EQ(ws->WordListIndicies[col][row], HiddenMessageMarker);
            }
        }
        ExpectConsistentGrid(*ws, false);
    }
    // A whole build whose every cell takes a message letter draws nothing at all.
    SetList({});
    state->SetSeed(4);
    ws->MakePuzzle(trial.get(), 7, 1);
    EXPECT_EQ(GridRows(*ws), u"GOODJOB");
    EXPECT_EQ(state->Generator.Seed, 4u);
}

// After a file read, markers go to the first free cells in reading order; letters stay as read.
TEST_F(EngineTest, MarkHiddenMessageCells) {
    Settings().HiddenMessage = u"Hi";
    for (std::uint16_t options : {std::uint16_t(0), Option_HiddenMessage}) {
        SCOPED_TRACE(::testing::Message() << "options " << options);
        Settings().PuzzleOptions = options;
        state->ClearList();
        EmptyGrid(4, 2);
        ws->AddPlacedWord(u"abc", 1, 2, 2, East, "");
        const std::u16string letters = u"wxyz" u"vABC";
        for (int k = 0; k < 8; ++k) ws->Grid[k % 4 + 1][k / 4 + 1] = letters[k];
        ws->MarkHiddenMessageCells();
        const bool on = options != 0;
        EXPECT_EQ(ws->WordListIndicies[1][1], on ? HiddenMessageMarker : u"");
        EXPECT_EQ(ws->WordListIndicies[2][1], on ? HiddenMessageMarker : u"");
        EXPECT_TRUE(ws->WordListIndicies[3][1].empty());
        EXPECT_TRUE(ws->WordListIndicies[1][2].empty());
        EXPECT_EQ(ws->WordListIndicies[2][2], u"\x01");
        EXPECT_EQ(GridRows(*ws), u"wxyz|vABC");
    }
}

// Where a cell lands under each variant, for a grid of C columns and R rows.
std::pair<int, int> Moved(int v, int c, int r, int C, int R) {
    switch (v) {
    case 1: return {r, C - c + 1};          // quarter turn counter-clockwise
    case 2: return {C - c + 1, R - r + 1};  // half turn
    case 3: return {R - r + 1, c};          // quarter turn clockwise
    case 4: return {r, c};                  // main diagonal
    case 5: return {c, R - r + 1};          // top to bottom
    case 6: return {R - r + 1, C - c + 1};  // other diagonal
    case 7: return {C - c + 1, r};          // left to right
    default: return {c, r};
    }
}

int MovedDirection(int v, int d) {
    const auto [c0, r0] = Moved(v, 50, 50, 100, 100);
    const auto [c1, r1] = Moved(v, 50 + DirectionDx[d], 50 + DirectionDy[d], 100, 100);
    for (int e = 0; e <= 8; ++e)
        if (DirectionDx[e] == c1 - c0 && DirectionDy[e] == r1 - r0) return e;
    return -1;
}

constexpr int Inverse[8] = {0, 3, 2, 1, 4, 5, 6, 7};

// The worked examples of the rotation.
TEST_F(EngineTest, RotateExamples) {
    SetList({u"abc,def"});
    EmptyGrid(3, 2);
    ws->PlaceWord(1, 1, 1, East);
    ws->PlaceWord(2, 1, 2, East);
    ws->Transform(1);
    EXPECT_EQ(ws->ActualColumns, 2);
    EXPECT_EQ(ws->ActualRows, 3);
    EXPECT_EQ(GridRows(*ws), u"CF|BE|AD");
    EXPECT_EQ(ws->Placements[1].Column, 1);
    EXPECT_EQ(ws->Placements[1].Row, 3);
    EXPECT_EQ(ws->Placements[1].Direction, North);

    SetList({u"ab"});
    EmptyGrid(5, 3);
    ws->PlaceWord(1, 2, 1, East);
    ws->Transform(1);
    EXPECT_EQ(ws->Placements[1].Column, 1);
    EXPECT_EQ(ws->Placements[1].Row, 4);
    EXPECT_EQ(ws->Placements[1].Direction, North);
}

// Each variant moves cells, placements, directions and counts as the picture moves; its inverse
// restores every word; the message is laid again in the new reading order.
TEST_F(EngineTest, VariantsAndInverses) {
    Settings().PuzzleOptions = Option_HiddenMessage;
    Settings().HiddenMessage = u"secret note";
    SetList({u"walrus,seal,orca,krill,squid,cod,eel,tuna,ray,crab,clam,kelp"});
    state->SetSeed(606);
    ASSERT_EQ(ws->MakePuzzle(trial.get(), 9, 6), ws.get());
    ASSERT_LT(ws->UnplacedWordCount(), state->WordCount);
    for (int d = 0; d <= 8; ++d) ws->DirectionCounts[d] = 10 + d;
    const auto before = std::make_unique<TWordSearch>(*ws);
    const int C = before->ActualColumns, R = before->ActualRows;

    for (int v = 0; v < 8; ++v) {
        SCOPED_TRACE(::testing::Message() << "variant " << v);
        ws->Transform(v);
        const bool swapped = v == 1 || v == 3 || v == 4 || v == 6;
        ASSERT_EQ(ws->ActualColumns, swapped ? R : C);
        ASSERT_EQ(ws->ActualRows, swapped ? C : R);
        for (int c = 1; c <= C; ++c)
            for (int r = 1; r <= R; ++r) {
                const auto [nc, nr] = Moved(v, c, r, C, R);
                if (before->WordListIndicies[c][r].empty() || before->WordListIndicies[c][r] == HiddenMessageMarker)
                    continue;
                EXPECT_EQ(ws->Grid[nc][nr], before->Grid[c][r]);
                EXPECT_EQ(ws->WordListIndicies[nc][nr], before->WordListIndicies[c][r]);
                EXPECT_EQ(ws->SolutionFlags[nc][nr], before->SolutionFlags[c][r]);
            }
        for (int i = 1; i <= state->WordCount; ++i) {
            const TWordPlacement& p = before->Placements[i];
            if (!p.Placed) continue;
            EXPECT_EQ(std::make_pair(ws->Placements[i].Column, ws->Placements[i].Row), Moved(v, p.Column, p.Row, C, R));
            EXPECT_EQ(ws->Placements[i].Direction, MovedDirection(v, p.Direction));
        }
        for (int d = 1; d <= 8; ++d) EXPECT_EQ(ws->DirectionCounts[MovedDirection(v, d)], before->DirectionCounts[d]);
        ExpectConsistentGrid(*ws, false);

        ws->Transform(Inverse[v]);
        ASSERT_EQ(ws->ActualColumns, C);
        for (int i = 1; i <= state->WordCount; ++i) {
            EXPECT_EQ(ws->Placements[i].Placed, before->Placements[i].Placed);
            EXPECT_EQ(ws->Placements[i].Column, before->Placements[i].Column);
            EXPECT_EQ(ws->Placements[i].Row, before->Placements[i].Row);
            EXPECT_EQ(ws->Placements[i].Direction, before->Placements[i].Direction);
        }
        EXPECT_EQ(ws->DirectionCounts, before->DirectionCounts);
        ExpectConsistentGrid(*ws, false);
    }
    // Four quarter turns are the identity for every word letter.
    for (int k = 0; k < 4; ++k) ws->Transform(1);
    for (int c = 1; c <= C; ++c)
        for (int r = 1; r <= R; ++r)
            if (!before->WordListIndicies[c][r].empty() && before->WordListIndicies[c][r] != HiddenMessageMarker) {
                EXPECT_EQ(ws->Grid[c][r], before->Grid[c][r]) << c << "," << r;
            }
}

// Variant 0 touches nothing, not even the filler; an empty grid survives every variant.
TEST_F(EngineTest, IdentityAndEmptyGrid) {
    SetList({u"cat"});
    state->SetSeed(8);
    ws->MakePuzzle(trial.get(), 4, 4);
    const std::u16string letters = GridRows(*ws);
    const std::uint32_t seed = state->Generator.Seed;
    ws->Transform(0);
    EXPECT_EQ(GridRows(*ws), letters);
    EXPECT_EQ(state->Generator.Seed, seed);

    ws->Clear();
    for (int v = 0; v < 8; ++v) {
        ws->Transform(v);
        EXPECT_EQ(ws->ActualColumns, 0);
        EXPECT_EQ(ws->ActualRows, 0);
    }
}

// Bent-word paths are remapped digit by digit; a character that is no digit counts as 0.
TEST_F(EngineTest, PathDigitsRemapped) {
    for (auto [variant, expected] : {std::pair{1, "103"}, std::pair{4, "503"}}) {
        state->ClearList();
        EmptyGrid(5, 5);
        ws->AddPlacedWord(u"abcd", 1, 1, 1, East, "3x5");
        ws->Transform(variant);
        EXPECT_EQ(ws->Placements[1].Path, expected) << "variant " << variant;
    }
}

}  // namespace
}  // namespace vorlix::testing
