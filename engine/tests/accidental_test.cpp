// The accidental-word check: taboo words, repeated list words and dictionary words in the filler.
#include <fstream>
#include <set>
#include <string>

#include "engine_fixture.h"

namespace vorlix {
extern const char16_t* const TabooWordsRu[];
extern const std::size_t TabooWordsRuCount;
extern const char16_t* const TabooWordsMild[];
extern const std::size_t TabooWordsMildCount;
}  // namespace vorlix

namespace vorlix::testing {
namespace {

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }

struct Found {
    std::u16string word;
    int column, row, direction;
    bool usesFiller;
};

// Brute force, independent of the engine's search: every word of the list read in every
// direction from every cell, ignoring ASCII case.
std::vector<Found> Spelled(const TWordSearch& ws, const std::vector<std::u16string>& words) {
    std::vector<Found> out;
    for (int r = 1; r <= ws.ActualRows; ++r)
        for (int c = 1; c <= ws.ActualColumns; ++c)
            for (int d = 1; d <= 8; ++d)
                for (const std::u16string& w : words) {
                    bool match = true, filler = false;
                    for (size_t k = 0; k < w.size() && match; ++k) {
                        const int x = c + DirectionDx[d] * int(k), y = r + DirectionDy[d] * int(k);
                        match = x >= 1 && x <= ws.ActualColumns && y >= 1 && y <= ws.ActualRows &&
                                Upper(ws.Grid[x][y]) == Upper(w[k]);
                        filler = filler || (match && ws.WordListIndicies[x][y].empty());
                    }
                    if (match) out.push_back({w, c, r, d, filler});
                }
    return out;
}

int FillerHits(const std::vector<Found>& found) {
    int n = 0;
    for (const Found& f : found) n += f.usesFiller;
    return n;
}

std::vector<std::u16string> Taboo() {
    std::vector<std::u16string> words;
    for (size_t k = 0; k < TabooWordCount(); ++k) words.emplace_back(TabooWord(k));
    return words;
}

// Everything but the filler: word and message cells, their lists and flags, the placements.
std::u16string FixedCells(const TWordSearch& ws) {
    std::u16string out;
    for (int r = 1; r <= ws.ActualRows; ++r)
        for (int c = 1; c <= ws.ActualColumns; ++c) {
            out += ws.WordListIndicies[c][r].empty() ? u'.' : ws.Grid[c][r];
            out += ws.WordListIndicies[c][r] + char16_t(ws.SolutionFlags[c][r]);
        }
    return out;
}

std::u16string Letters(const TWordSearch& ws) {
    std::u16string out;
    for (int r = 1; r <= ws.ActualRows; ++r)
        for (int c = 1; c <= ws.ActualColumns; ++c) out += ws.Grid[c][r];
    return out;
}

// A word set over a plain list, as the spelling library offers one; counts the times it is asked.
struct ListWordSet : IWordSet {
    std::set<std::u16string, std::less<>> words;
    mutable int lookups = 0;
    mutable TWordTrie trie;
    const TWordTrie& Words() const override {
        if (lookups++ == 0) {
            std::vector<TWordTrie::TEntry> entries;
            for (const auto& w : words) entries.push_back({w, 0});
            trie.Assign(std::move(entries));
        }
        return trie;
    }
};

class AccidentalTest : public EngineTest {
protected:
    // Words full of vowels and S, which filler never holds, so filler beside them spells words.
    const std::u16string vowelList = u"Banana,apple,Pear,ant,assist,fat,NUT,tan,Sun,hat,taste,ice,sat,cat,tic,aunt";

    void Build(std::uint32_t seed, int level, int rows = 0) {
        Settings().AccidentalCheck = std::uint8_t(level);
        state->SetSeed(seed);
        ASSERT_EQ(ws->MakePuzzle(trial.get(), 0, rows), ws.get());
    }
};

// The check removes every taboo word that uses filler, changes only filler cells and keeps a seed's result.
TEST_F(AccidentalTest, TabooWordsInFillerAreDrawnAway) {
    SetList(vowelList);
    const auto taboo = Taboo();
    int spelledBefore = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        Build(seed, AccidentalNone);
        const int before = FillerHits(Spelled(*ws, taboo));
        const std::u16string fixed = FixedCells(*ws);
        const std::string placements = PlacementText();
        spelledBefore += before > 0;
        Build(seed, AccidentalTaboo);
        EXPECT_EQ(FillerHits(Spelled(*ws, taboo)), 0);
        EXPECT_EQ(FixedCells(*ws), fixed);  // only filler was drawn again
        EXPECT_EQ(PlacementText(), placements);
        ExpectConsistent();
        const std::u16string letters = Letters(*ws);
        Build(seed, AccidentalTaboo);
        EXPECT_EQ(Letters(*ws), letters);  // the same seed, the same grid
    }
    EXPECT_GT(spelledBefore, 0) << "no seed spelled a taboo word, so nothing was tested";
}

// The list of the puzzle's language, and the milder English words with filler like the list,
// are drawn away too: filler drawn from the words' own letters spells them readily.
TEST_F(AccidentalTest, LanguageAndMildTabooWordsAreDrawnAway) {
    struct Case {
        const char* language;
        std::u16string list;
        const char16_t* const* taboo;
        std::size_t count;
    };
    const Case cases[] = {
        {"ru", u"\u0445\u0443\u0439\u0442\u0430,\u0443\u0445\u0430,\u0445\u0443\u0442\u043e\u0440,\u0439\u043e\u0433\u0430,\u0431\u043b\u044f\u0445\u0430,\u0443\u0439",
         TabooWordsRu, TabooWordsRuCount},
        {"en", u"pool,spoon,moon,boot,poop,loop,peel,tool", TabooWordsMild, TabooWordsMildCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        Settings().Language = c.language;
        Settings().FillerMode = TFillerMode::LikeList;
        SetList(c.list);
        const std::vector<std::u16string> taboo(c.taboo, c.taboo + c.count);
        int spelledBefore = 0;
        for (std::uint32_t seed = 1; seed <= 60; ++seed) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed);
            Build(seed, AccidentalNone);
            spelledBefore += FillerHits(Spelled(*ws, taboo)) > 0;
            Build(seed, AccidentalTaboo);
            EXPECT_EQ(FillerHits(Spelled(*ws, taboo)), 0);
        }
        EXPECT_GT(spelledBefore, 0) << "no seed spelled a word of the list, so nothing was tested";
    }
}

// A listed word spelled a second time by filler is drawn away; its own placement (also read
// backwards, for a palindrome) stays.
TEST_F(AccidentalTest, ListedWordRepeatedByFiller) {
    SetList(u"tv,nth,pfft,crwth,tnt");  // filler letters only, so repeats are frequent
    std::vector<std::u16string> listed = {u"TV", u"NTH", u"PFFT", u"CRWTH", u"TNT"};
    int repeatedBefore = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        Build(seed, AccidentalNone);
        repeatedBefore += FillerHits(Spelled(*ws, listed)) > 0;
        Build(seed, AccidentalTaboo);
        EXPECT_EQ(FillerHits(Spelled(*ws, listed)), 0);
        // What is still reported is made of word letters alone.
        for (const TAccidentalWord& w : ws->AccidentalWords)
            for (int k = 0; k < int(w.Word.size()); ++k)
                EXPECT_FALSE(ws->WordListIndicies[w.Column + k * DirectionDx[w.Direction]]
                                                 [w.Row + k * DirectionDy[w.Direction]].empty());
        ExpectConsistent();
    }
    EXPECT_GT(repeatedBefore, 0);
}

// Word and message letters alone cannot be redrawn: such runs are reported and left as they are.
TEST_F(AccidentalTest, WordLettersOnlyAreReported) {
    struct Case { const char* rule; std::u16string list; std::vector<std::array<int, 4>> laid;
                  std::vector<TAccidentalWord> reported; };
    const Case cases[] = {
        {"a taboo word across two listed words", u"an,al", {{1, 1, 1, East}, {2, 3, 1, East}},
         {{u"ANAL", 1, 1, East}, {u"AN", 3, 1, West}}},  // and AN read back from ANAL's second A
        {"a taboo word inside one listed word is the teacher's own", u"glasses", {{1, 1, 1, East}}, {}},
        {"a listed word inside another listed word", u"catfish,cat", {{1, 1, 1, East}, {2, 1, 2, East}},
         {{u"CAT", 1, 1, East}}},
        {"a palindrome read backwards is its own placement", u"level", {{1, 1, 1, East}}, {}},
        {"a repeated list entry is its own placement", u"dog,dog", {{1, 1, 1, East}, {2, 1, 2, East}}, {}},
    };
    Settings().AccidentalCheck = AccidentalTaboo;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        SetList(c.list);
        EmptyGrid(7, 3);
        for (const auto& w : c.laid) ws->PlaceWord(w[0], w[1], w[2], w[3]);
        const std::u16string fixed = FixedCells(*ws);
        state->SetSeed(5);
        ws->FillGrid();
        EXPECT_EQ(ws->AccidentalWords, c.reported);
        EXPECT_EQ(FixedCells(*ws), fixed);
        ExpectConsistent();
    }
    // Hidden-message letters count as fixed too, whatever the case: "Kkk" in the message is reported.
    Settings().Capitalization = TCapitalization::AsGiven;
    Settings().PuzzleOptions = Option_HiddenMessage;
    Settings().HiddenMessage = u"Kkk";
    SetList(u"");
    EmptyGrid(3, 1);
    ws->FillGrid();
    EXPECT_EQ(ws->AccidentalWords, (std::vector<TAccidentalWord>{{u"Kkk", 1, 1, East}}));
}

// Level 0 checks nothing and draws nothing: grid for grid as before the check existed.
TEST_F(AccidentalTest, LevelZeroIsUnchanged) {
    // Grid letters and the generator's final seed, recorded from the engine before the check.
    const std::uint32_t expected[60] = {
        0x1259936fu, 0x39b68731u, 0xb8c1f867u, 0x033e00eeu, 0x1deea2c3u, 0xfd9e7959u, 0x7e92dd15u, 0x2526ca17u,
        0x095a31e0u, 0x047ac91du, 0x976a070cu, 0x8e626423u, 0x76a95136u, 0x44afa93au, 0xcd86a67au, 0x132dce06u,
        0xd3cbe362u, 0x3343ed31u, 0x250a28a1u, 0xe67166d6u, 0x181a4fc4u, 0x4ccd183du, 0xeea884e2u, 0x335d8ef5u,
        0x94ff9f54u, 0x022f5231u, 0x08e156ecu, 0xb573cff3u, 0x0b684662u, 0xb2877a8fu, 0x1e075008u, 0x4347b995u,
        0x895a6112u, 0x66275a28u, 0xe118c29du, 0x144d13b0u, 0x9eea016au, 0xdbb4076cu, 0x07d87f88u, 0x3635da92u,
        0xb1ee175eu, 0xd67825fcu, 0x0fadcac7u, 0x6d9388acu, 0x94ce26e1u, 0x36959ee4u, 0xa5dfce0cu, 0x90ad4b65u,
        0x90a68715u, 0xe76d8364u, 0xe68d535bu, 0x15f50621u, 0xb11201e0u, 0xedc5c31fu, 0x70c5cf74u, 0x8390bc53u,
        0x167c5d85u, 0x9777fa72u, 0x718aaafbu, 0x42725cd5u,
    };
    Settings().Capitalization = TCapitalization::AsGiven;
    Settings().PuzzleOptions = Option_HiddenMessage;
    Settings().HiddenMessage = u"Tea is at noon";
    SetList(vowelList);
    ListWordSet dictionary;
    dictionary.words = {u"APPLE", u"TASTE"};
    state->MainDictionary = &dictionary;  // present but unused at level 0
    for (std::uint32_t seed = 0; seed < 60; ++seed) {
        Build(seed * 7919u, AccidentalNone, seed % 3 == 0 ? 9 : 0);
        std::uint32_t h = 2166136261u;
        auto mix = [&](std::uint32_t v) { h = (h ^ v) * 16777619u; };
        for (const char16_t c : Letters(*ws)) mix(c);
        mix(state->Generator.Seed);
        EXPECT_EQ(h, expected[seed]) << "seed " << seed * 7919u;
        EXPECT_TRUE(ws->AccidentalWords.empty());
    }
    EXPECT_EQ(dictionary.lookups, 0);
}

// Every transform lays new filler and checks it again, in the new orientation.
TEST_F(AccidentalTest, TransformsAreChecked) {
    SetList(vowelList);
    const auto taboo = Taboo();
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        Build(seed, AccidentalTaboo);
        for (int v = 1; v < 8; ++v) {
            ws->Transform(v);
            EXPECT_EQ(FillerHits(Spelled(*ws, taboo)), 0) << "variant " << v;
            ExpectConsistent();
            ws->Transform(InverseVariant[v]);
        }
        // Switching the check off afterwards leaves no stale report behind.
        Settings().AccidentalCheck = AccidentalNone;
        ws->Transform(2);
        EXPECT_TRUE(ws->AccidentalWords.empty());
    }
}

// Level 2 adds dictionary words of five letters or more; lower-case grids compare without case.
TEST_F(AccidentalTest, DictionaryWords) {
    ListWordSet dictionary;
    dictionary.words = {u"ANTHRAX", u"TAXTB", u"BRR"};  // BRR is too short to count
    // Filler letters spell these easily beside the listed words' vowels.
    for (char16_t a = u'B'; a <= u'Z'; ++a)
        for (char16_t b = u'B'; b <= u'Z'; ++b) dictionary.words.insert(std::u16string(u"AT") + a + b + u'T');
    std::vector<std::u16string> all(dictionary.words.begin(), dictionary.words.end());
    std::erase(all, u"BRR");
    Settings().Capitalization = TCapitalization::AllLower;
    SetList(u"at,at,at,at,at,at,at,at,at,at,at,at");
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        state->MainDictionary = &dictionary;
        Build(seed, AccidentalAllWords);
        EXPECT_EQ(FillerHits(Spelled(*ws, all)), 0);
        ExpectConsistent();
        // Without a dictionary the level falls back to the taboo words.
        state->MainDictionary = nullptr;
        Build(seed, AccidentalAllWords);
        const std::u16string withoutDictionary = Letters(*ws);
        Build(seed, AccidentalTaboo);
        EXPECT_EQ(Letters(*ws), withoutDictionary);
    }
}

// The embedded taboo list holds upper-case words of three letters or more, without repeats.
// The process's peak resident memory in kB since the last reset, or -1 where Linux cannot tell.
long PeakKb(bool reset) {
    if (reset) {
        std::ofstream clear("/proc/self/clear_refs");
        clear << "5";  // resets the peak
        if (!clear.flush()) return -1;
    }
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Protects: a word longer than any grid side never enters the check's tree (a 64 MB word once
// took 4.7 GB there); the check still finds the listed words that fit.
TEST_F(AccidentalTest, WordsNoGridCanHoldAreSkipped) {
    SetList(u"tv,nth,pfft,crwth,tnt," + std::u16string(1'000'000, u'q'));
    if (PeakKb(true) < 0) GTEST_SKIP() << "no peak memory figures here";
    const long before = PeakKb(false);
    Build(1, AccidentalTaboo);
    EXPECT_LT(PeakKb(false) - before, 40'000);
    EXPECT_EQ(FillerHits(Spelled(*ws, {u"TV", u"NTH", u"PFFT", u"CRWTH", u"TNT"})), 0);
}

TEST(TabooList, Entries) {
    std::set<std::u16string> seen;
    ASSERT_GT(TabooWordCount(), 200u);
    for (size_t k = 0; k < TabooWordCount(); ++k) {
        const std::u16string w = TabooWord(k);
        EXPECT_GE(w.size(), 3u) << k;
        EXPECT_TRUE(std::all_of(w.begin(), w.end(), [](char16_t c) { return c >= u'A' && c <= u'Z'; })) << k;
        EXPECT_TRUE(seen.insert(w).second) << k;
    }
}

}  // namespace
}  // namespace vorlix::testing
