#include "engine_fixture.h"
#include "word_lists.h"

namespace vorlix::testing {
namespace {

// FNV-1a over the size, every cell, every placement and the generator's seed afterwards.
std::uint64_t Fingerprint(const TWordSearch& ws, const TEngineState& state) {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](std::uint64_t v) {
        for (int k = 0; k < 8; ++k) {
            h ^= (v >> (8 * k)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    mix(ws.ActualColumns);
    mix(ws.ActualRows);
    for (int c = 1; c <= ws.ActualColumns; ++c)
        for (int r = 1; r <= ws.ActualRows; ++r) mix(ws.Grid[c][r]);
    for (int i = 1; i <= state.WordCount; ++i) {
        const TWordPlacement& p = ws.Placements[i];
        mix(p.Placed ? (p.Column * 1000 + p.Row) * 10 + p.Direction : 0);
    }
    mix(state.Generator.Seed);
    return h;
}

// Protects: Classic stays draw for draw what it was before Tight existed (grids pinned from that build).
TEST_F(EngineTest, ClassicUnchangedOverManySeeds) {
    struct Case { const char* name; const std::u16string* line; int columns, rows, level, accidental; bool message;
                  std::uint64_t fingerprint; };
    const std::u16string animals = u"ant,bee,cat,dog,eel,fox,gnu,hen,owl,yak,emu,bat,lion,bear,wolf,mole,zebra,tiger";
    const Case cases[] = {
        {"elements auto", &ElementNames, 0, 0, 2, 0, false, 6052697907757883035ull},
        {"elements 32x32", &ElementNames, 32, 32, 2, 0, false, 656118791249111987ull},
        {"thirty 15x15", &ThirtyWords, 15, 15, 2, 0, false, 244694178016147817ull},
        {"thirty 15 columns, level 0", &ThirtyWords, 15, 0, 0, 0, false, 5136032511292163113ull},
        {"animals auto, level 4, checked, message", &animals, 0, 0, 4, 1, true, 7566577370224380368ull},
        {"animals 0x9, level 1", &animals, 0, 9, 1, 0, false, 2017024565106863771ull},
    };
    Settings().HiddenMessage = u"Well done";
    for (const Case& c : cases) {
        Settings().SetSharingLevel(c.level);
        Settings().AccidentalCheck = static_cast<std::uint8_t>(c.accidental);
        Settings().PuzzleOptions = c.message ? Option_HiddenMessage : 0;
        SetList(*c.line);
        std::uint64_t all = 0;
        for (std::uint32_t seed = 1; seed <= 25; ++seed) {
            state->SetSeed(seed * 7919u);
            ASSERT_EQ(ws->MakePuzzle(trial.get(), c.columns, c.rows), ws.get());
            all = all * 31 + Fingerprint(*ws, *state);
        }
        EXPECT_EQ(all, c.fingerprint) << c.name;
    }
}

class TightTest : public EngineTest {
protected:
    void SetUp() override {
        Settings().PackMode = TPackMode::Tight;
        Settings().PackWorkLimit = 3'000'000;  // enough for these lists, and quick
        Settings().PackTimeLimitMs = 0;        // no machine-dependent stop
    }

    // Only the directions given keep weight.
    void AllowOnly(const std::vector<int>& directions) {
        for (int d = 1; d <= 8; ++d) state->SetDirectionWeight(d, 0);
        for (int d : directions) state->SetDirectionWeight(d, 100);
    }

    // The placed words, laid again in the order Tight made them on an empty grid, each pass
    // CanPlaceWord: the grid keeps the sharing rules exactly as Classic reads them.
    void ExpectRulesHold() const {
        auto scratch = std::make_unique<TWordSearch>(*state);
        scratch->ActualColumns = ws->ActualColumns;
        scratch->ActualRows = ws->ActualRows;
        const int placed = ws->PlacedWordCount();
        for (int k = 1; k <= placed; ++k) {
            const int w = ws->PlacementOrder[k];
            const TWordPlacement& p = ws->Placements[w];
            ASSERT_TRUE(p.Placed) << "placement order " << k;
            EXPECT_TRUE(scratch->CanPlaceWord(w, p.Column, p.Row, p.Direction)) << "word " << w;
            scratch->PlaceWord(w, p.Column, p.Row, p.Direction);
        }
    }

    int MessageCells() const {
        int n = 0;
        for (int c = 1; c <= ws->ActualColumns; ++c)
            for (int r = 1; r <= ws->ActualRows; ++r) n += ws->WordListIndicies[c][r] == HiddenMessageMarker;
        return n;
    }
};

// Protects: a fixed grid that has a layout of every word gets one, the exact one when it is the only one, and
// the search finds layouts the first greedy one misses.
TEST_F(TightTest, PlacesEveryWordInSmallCases) {
    struct Case { const char* name; std::u16string line; int columns, rows, level; std::vector<int> directions;
                  std::u16string grid; bool greedyFallsShort; };  // grid empty: any layout with every word
    const std::vector<int> all = {1, 2, 3, 4, 5, 6, 7, 8};
    const Case cases[] = {
        // rows East, columns South; the short words must cross the long ones at their own letters
        {"every cell shared", u"abc,def,ad,be,cf", 3, 2, 2, {East, South}, u"ABC|DEF", false},
        {"diagonal only", u"abcd,efg", 4, 4, 2, {SouthEast}, u"", false},
        {"exact tiling without sharing", u"abcd,efgh,ij,kl,mnop", 4, 4, 0, all, u"", false},
        {"five-letter cross", u"level,civic,radar,refer,rotor", 5, 5, 2, {East, South, SouthEast}, u"", false},
        {"thirty words, 15 x 15", ThirtyWords, 15, 15, 2, all, u"", false},
        {"thirty words, 14 x 14: more letters than cells", ThirtyWords, 14, 14, 2, all, u"", true},
        {"all elements, 32 x 32", ElementNames, 32, 32, 2, all, u"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings().SetSharingLevel(c.level);
        AllowOnly(c.directions);
        SetList(c.line);
        if (c.greedyFallsShort) {
            Settings().PackWorkLimit = 0;
            state->SetSeed(42);
            ws->MakePuzzle(nullptr, c.columns, c.rows);
            EXPECT_LT(ws->PlacedWordCount(), state->WordCount) << "the case no longer needs the search";
        }
        Settings().PackWorkLimit = c.greedyFallsShort ? 20'000'000 : 3'000'000;
        state->SetSeed(42);
        ASSERT_EQ(ws->MakePuzzle(nullptr, c.columns, c.rows), ws.get());
        EXPECT_EQ(ws->PlacedWordCount(), state->WordCount);
        EXPECT_TRUE(ws->PackResult.Unplaced.empty());
        if (!c.grid.empty()) {
            EXPECT_EQ(GridRows(), c.grid);
        }
        ExpectConsistent();
        ExpectRulesHold();
    }
}

// Protects: every sharing level's rules hold in Tight grids (level 0 shares no cell and crosses no
// diagonal, level 1 shares no cell, level 2 shares only across lines), and an automatic size holds every word.
TEST_F(TightTest, SharingRulesAtEveryLevel) {
    const std::u16string fishy = u"catfish,fish,hsif,fishbone,bone,enob,cat,tac,bonefish,shift,fit,tif";
    for (const std::u16string* line : {&ElementNames, &fishy})
        for (int level = 0; level <= 4; ++level) {
            SCOPED_TRACE(::testing::Message() << "words " << line->size() << ", level " << level);
            Settings().SetSharingLevel(level);
            SetList(*line);
            state->SetSeed(7 + level);
            ws->MakePuzzle(nullptr, 0, 0);
            EXPECT_EQ(ws->PlacedWordCount(), state->WordCount);
            ExpectConsistent();
            ExpectRulesHold();
            for (int c = 1; c <= ws->ActualColumns; ++c)
                for (int r = 1; r <= ws->ActualRows; ++r) {
                    const std::u16string& here = ws->WordListIndicies[c][r];
                    if (level <= 1) {
                        EXPECT_LE(here.size(), 1u) << c << "," << r;
                    }
                    for (size_t i = 0; level == 2 && i < here.size(); ++i)
                        for (size_t j = i + 1; j < here.size(); ++j)
                            EXPECT_NE((ws->Placements[here[i]].Direction - 1) % 4,
                                      (ws->Placements[here[j]].Direction - 1) % 4) << c << "," << r;
                    // an X of two diagonal words through a 2 x 2 block without a common cell
                    if (level == 0 && c < ws->ActualColumns && r < ws->ActualRows) {
                        const std::u16string &a = here, &b = ws->WordListIndicies[c + 1][r + 1],
                                             &x = ws->WordListIndicies[c + 1][r], &y = ws->WordListIndicies[c][r + 1];
                        const bool down = !a.empty() && a == b, up = !x.empty() && x == y;
                        EXPECT_FALSE(down && up) << "crossing at " << c << "," << r;
                    }
                }
        }
}

// Protects: the automatic size never takes the cells the hidden message needs, in squares and with one side given.
TEST_F(TightTest, MessageRoomKept) {
    const std::u16string longMessage(120, u'q');
    struct Case { const std::u16string* line; std::u16string message; int columns, rows; };
    const Case cases[] = {
        {&ThirtyWords, u"", 0, 0},         {&ThirtyWords, u"Well done", 0, 0}, {&ThirtyWords, longMessage, 0, 0},
        {&ThirtyWords, longMessage, 12, 0}, {&ThirtyWords, longMessage, 0, 20}, {&ElementNames, longMessage, 0, 0},
    };
    int sideWithout = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.message.size() << " letters, " << c.columns << "x" << c.rows);
        Settings().PuzzleOptions = Option_HiddenMessage;
        Settings().HiddenMessage = c.message;
        SetList(*c.line);
        state->SetSeed(5);
        ws->MakePuzzle(nullptr, c.columns, c.rows);
        EXPECT_EQ(ws->PlacedWordCount(), state->WordCount);
        EXPECT_EQ(MessageCells(), static_cast<int>(state->HiddenMessageLetters().size()));
        EXPECT_EQ(ws->ActualColumns, c.columns != 0 ? c.columns : ws->ActualColumns);
        EXPECT_EQ(ws->ActualRows, c.rows != 0 ? c.rows : ws->ActualRows);
        if (c.message.empty()) sideWithout = ws->ActualColumns;
        const bool square = c.columns == 0 && c.rows == 0 && c.line == &ThirtyWords;
        EXPECT_GE(square ? ws->ActualColumns : sideWithout, sideWithout);
        ExpectConsistent();
    }
}

// Protects: one seed gives one grid, whatever ran before; a different seed may differ.
TEST_F(TightTest, SameSeedSameGrid) {
    struct Case { const std::u16string* line; int columns, rows; };
    const Case cases[] = {{&ElementNames, 0, 0}, {&ThirtyWords, 15, 15}, {&ThirtyWords, 0, 11}};
    for (const Case& c : cases) {
        SetList(*c.line);
        std::uint64_t first = 0;
        for (std::uint32_t seed : {11u, 99u, 11u}) {
            state->SetSeed(seed);
            ws->MakePuzzle(nullptr, c.columns, c.rows);
            const std::uint64_t print = Fingerprint(*ws, *state);
            if (seed == 11u && first != 0) {
                EXPECT_EQ(print, first) << c.columns << "x" << c.rows;
            }
            if (seed == 11u) first = print;
            EXPECT_FALSE(ws->PackResult.TimeLimitHit);
        }
    }
}

// Protects: a search ended by the caller or the time limit keeps a whole, legal grid and says why it stopped.
TEST_F(TightTest, StoppedSearchKeepsAValidGrid) {
    SetList(ElementNames);
    struct Case { const char* name; int answerFalseAt, timeLimitMs, columns; };
    const Case cases[] = {
        {"cancelled at the first report", 1, 0, 27},  // still laying the first grid
        {"cancelled at the tenth report", 10, 0, 27},  // repairing an over-full grid
        {"cancelled while sizing", 3, 0, 0},
        {"time limit", 0, 1, 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int calls = 0;
        bool sane = true;
        state->PackProgress = [&](int placed, int total) {
            sane = sane && placed >= 0 && placed <= total && total == state->WordCount;
            return ++calls != c.answerFalseAt;
        };
        Settings().PackWorkLimit = 200'000'000;
        Settings().PackTimeLimitMs = c.timeLimitMs;
        state->SetSeed(3);
        ASSERT_EQ(ws->MakePuzzle(nullptr, c.columns, c.columns), ws.get());
        EXPECT_TRUE(sane);
        EXPECT_EQ(ws->PackResult.Cancelled, c.answerFalseAt != 0);
        EXPECT_EQ(ws->PackResult.TimeLimitHit, c.timeLimitMs != 0);
        EXPECT_EQ(calls, c.answerFalseAt != 0 ? c.answerFalseAt : calls);
        EXPECT_TRUE(ws->Constructed);
        EXPECT_GT(ws->PlacedWordCount(), 0);
        EXPECT_EQ(ws->PlacedWordCount() + static_cast<int>(ws->PackResult.Unplaced.size()), state->WordCount);
        ExpectConsistent();  // every placed word reads along its placement
        ExpectRulesHold();
    }
    state->PackProgress = nullptr;
}

// Protects: each unplaced word is listed once, in display order, with the reason that applies; Classic's grids
// stay as they were while it reports.
TEST_F(TightTest, UnplacedReasons) {
    using enum TUnplacedReason;
    struct Case { const char* name; TPackMode mode; std::u16string line; int columns, rows, level;
                  std::vector<int> directions; std::vector<TUnplacedWord> unplaced; };
    const Case cases[] = {
        {"Classic, too long", TPackMode::Classic, u"zebra,hippopotamus,cat,elephantine", 5, 5, 2, {},
         {{4, LongerThanGrid}, {2, LongerThanGrid}}},
        {"Tight, too long", TPackMode::Tight, u"zebra,hippopotamus,cat,elephantine", 5, 5, 2, {},
         {{4, LongerThanGrid}, {2, LongerThanGrid}}},
        // four letters fit the six rows but not the three columns, and only East is allowed
        {"no allowed direction", TPackMode::Tight, u"abcd,xyz,abcdefg", 3, 6, 2, {East},
         {{1, NoAllowedDirection}, {3, LongerThanGrid}}},
        {"Classic, no room left", TPackMode::Classic, u"abc,def,ghi,jkl", 3, 3, 0, {East}, {{4, NoRoomLeft}}},
        {"Tight, search ran out", TPackMode::Tight, u"abc,def,ghi,jkl", 3, 3, 0, {East}, {{4, SearchStopped}}},
        {"Tight, automatic size, too long for any grid", TPackMode::Tight, std::u16string(120, u'z') + u",cat", 0, 0, 2,
         {}, {{1, LongerThanGrid}}},
        {"Tight, automatic size, empty list", TPackMode::Tight, u"", 0, 0, 2, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings().PackMode = c.mode;
        Settings().SetSharingLevel(c.level);
        if (c.directions.empty()) AllowOnly({1, 2, 3, 4, 5, 6, 7, 8});
        else AllowOnly(c.directions);
        SetList(c.line);
        state->SetSeed(3);
        ws->MakePuzzle(trial.get(), c.columns, c.rows);
        EXPECT_EQ(ws->PackResult.Mode, c.mode);
        EXPECT_EQ(ws->PackResult.Unplaced, c.unplaced);
        // an automatic size is sized by the words that can fit, not by the one that cannot
        if (c.columns == 0) {
            EXPECT_LE(ws->ActualColumns, 3);
        }
    }
}

}  // namespace
}  // namespace vorlix::testing
