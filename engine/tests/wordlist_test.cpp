#include "engine_fixture.h"

namespace vorlix::testing {
namespace {

struct Entry {
    std::u16string item, grid, clue;
};

struct LineCase {
    const char* name;
    std::u16string line;
    std::vector<Entry> entries;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class ProcessLineTest : public EngineTest, public ::testing::WithParamInterface<LineCase> {};

// One typed line splits at every comma first, then each item yields grid and clue forms.
TEST_P(ProcessLineTest, ItemsAndForms) {
    const LineCase& tc = GetParam();
    SetList({tc.line});
    ASSERT_EQ(state->WordCount, int(tc.entries.size()));
    for (size_t k = 0; k < tc.entries.size(); ++k) {
        const TWordRecord& rec = state->WordList[k + 1];
        SCOPED_TRACE(::testing::Message() << "entry " << k + 1);
        EXPECT_EQ(rec.ItemText, tc.entries[k].item);
        EXPECT_EQ(rec.GridWord, tc.entries[k].grid);
        EXPECT_EQ(rec.ClueText, tc.entries[k].clue);
        EXPECT_EQ(rec.Length, int(rec.GridWord.size()));
    }
    EXPECT_TRUE(host.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProcessLineTest,
    ::testing::Values(
        LineCase{"Empty", u"", {}},
        LineCase{"OnlyCommas", u",,,", {}},
        LineCase{"OnlySpaces", u"   ,  ", {}},
        LineCase{"TwoItems", u"ice cream , hot dog",
                 {{u"ice cream ", u"ICECREAM", u"ice cream"}, {u" hot dog", u"HOTDOG", u"hot dog"}}},
        LineCase{"ClueOnly", u"/only a clue", {}},
        LineCase{"EmptyClue", u"word/", {{u"word/", u"WORD", u""}}},
        LineCase{"Clue", u"new york/big apple", {{u"new york/big apple", u"NEWYORK", u"big apple"}}},
        LineCase{"CommaInsideClue", u"dog/loyal, friendly pet",
                 {{u"dog/loyal", u"DOG", u"loyal"}, {u" friendly pet", u"FRIENDLYPET", u"friendly pet"}}},
        LineCase{"SecondSlashStaysInClue", u"cat/a/b ", {{u"cat/a/b ", u"CAT", u"a/b"}}},
        LineCase{"HyphensKept", u"rock-n-roll", {{u"rock-n-roll", u"ROCK-N-ROLL", u"rock-n-roll"}}},
        LineCase{"TabsAndDigitsKept", u"\tr2d2 ", {{u"\tr2d2 ", u"\tR2D2", u"\tr2d2"}}},
        LineCase{"OnlyAsciiChangesCase", u"caf\u00e9 \u00fcber", {{u"caf\u00e9 \u00fcber", u"CAF\u00e9\u00fcBER", u"caf\u00e9 \u00fcber"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Capitalization touches only the grid form, and only the 26 ASCII letters.
TEST_F(EngineTest, CapitalizationOfGridForm) {
    struct Case {
        TCapitalization cap;
        std::u16string item, grid;
    };
    const Case cases[] = {
        {TCapitalization::AllUpper, u"mcDonald", u"MCDONALD"},
        {TCapitalization::AllLower, u"mcDonald", u"mcdonald"},
        {TCapitalization::FirstLetter, u"mcDonald", u"Mcdonald"},
        {TCapitalization::AsGiven, u"mcDonald", u"mcDonald"},
        {TCapitalization::FirstLetter, u"NEW york", u"Newyork"},
        {TCapitalization::FirstLetter, u"1ABC", u"1abc"},
        {TCapitalization::FirstLetter, u"ZEBRA", u"Zebra"},
        {TCapitalization::FirstLetter, u"\u00c9COLE", u"\u00c9cole"},
        {TCapitalization::AllLower, u"\u00c9COLE/Clue", u"\u00c9cole"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("capitalization ") + std::to_string(int(c.cap)));
        Settings().Capitalization = c.cap;
        SetList({c.item});
        ASSERT_EQ(state->WordCount, 1);
        EXPECT_EQ(state->WordList[1].GridWord, c.grid);
    }
}

// KeepClueCase off upper-cases the clue (ASCII only); only spaces are trimmed from it.
TEST_F(EngineTest, ClueCaseAndTrim) {
    Settings().KeepClueCase = false;
    SetList({u"cat/  a small caf\u00e9\t  "});
    EXPECT_EQ(state->WordList[1].ClueText, u"A SMALL CAF\u00e9\t");
    Settings().KeepClueCase = true;
    SetList({u"  Big Cat  "});
    EXPECT_EQ(state->WordList[1].ClueText, u"Big Cat");
}

// The separators are settings, not fixed characters.
TEST_F(EngineTest, CustomSeparators) {
    Settings().WordSeparator = u';';
    Settings().ClueSeparator = u':';
    SetList({u"a,b:first/clue;c"});
    ASSERT_EQ(state->WordCount, 2);
    EXPECT_EQ(state->WordList[1].GridWord, u"A,B");
    EXPECT_EQ(state->WordList[1].ClueText, u"first/clue");
    EXPECT_EQ(state->WordList[2].GridWord, u"C");
}

// The list holds 5000 words; later items are dropped silently.
TEST_F(EngineTest, ListLimit) {
    std::u16string line;
    for (int k = 1; k <= MaxWords + 2; ++k) {
        if (k > 1) line += u',';
        for (char ch : "w" + std::to_string(k)) line += char16_t(ch);
    }
    SetList({line, u"later"});
    EXPECT_EQ(state->WordCount, MaxWords);
    EXPECT_EQ(state->WordList[MaxWords].GridWord, u"W5000");
    EXPECT_TRUE(host.shown.empty());
}

// Lines fed to a finished list are refused with a warning until ClearList.
TEST_F(EngineTest, UntimelyProcessLine) {
    SetList({u"cat,dog"});
    state->Words_ProcessLine(u"emu");
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(host.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(host.shown[0].text, u"TWordSearch: Untimely call to Words_ProcessLine. Call ClearList first.");
    EXPECT_EQ(state->WordCount, 2);

    state->ClearList();
    EXPECT_FALSE(state->ListReady);
    EXPECT_EQ(state->WordCount, 0);
    EXPECT_TRUE(state->WordList[1].GridWord.empty());
    EXPECT_EQ(state->WordList[2].Length, 0);
    state->Words_ProcessLine(u"emu");
    EXPECT_EQ(state->WordCount, 1);
    EXPECT_EQ(host.shown.size(), 1u);
}

// Display order: ascending UTF-16 code units, prefixes first, ties in list order; order 2 is entry order.
TEST_F(EngineTest, DisplayOrder) {
    struct Case {
        TCapitalization cap;
        std::uint8_t order;
        std::u16string line;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {TCapitalization::AsGiven, 0, u"pear,Apple,apple", {2, 3, 1}},
        {TCapitalization::AllUpper, 0, u"dog,cat,Dog,cats,DOG", {2, 4, 1, 3, 5}},
        // A surrogate pair sorts below U+FF21 by code unit, though above it by code point.
        {TCapitalization::AsGiven, 0, u"\uff21,\U0001F600,z,\u00e9", {3, 4, 2, 1}},
        {TCapitalization::AsGiven, 2, u"pear,Apple,apple", {1, 2, 3}},
        {TCapitalization::AllUpper, 0, u"", {}},  // long run of ties, filled in below
    };
    for (Case c : cases) {
        if (c.line.empty()) {
            // Enough equal words that a sort which is not stable would show it.
            std::vector<int> bees;
            for (int k = 1; k <= 60; ++k) {
                c.line += k % 3 ? u"a," : u"B,";
                if (k % 3) c.expected.push_back(k); else bees.push_back(k);
            }
            c.expected.insert(c.expected.end(), bees.begin(), bees.end());
        }
        SCOPED_TRACE(::testing::Message() << "order " << int(c.order) << " case " << int(c.cap));
        Settings().Capitalization = c.cap;
        Settings().WordListOrder = c.order;
        SetList({c.line});
        ASSERT_EQ(state->WordCount, int(c.expected.size()));
        std::vector<int> got(state->DisplayIndex.begin() + 1, state->DisplayIndex.begin() + 1 + state->WordCount);
        EXPECT_EQ(got, c.expected);
    }
}

// The file reader's AddPlacedWord lists the word in the cells it covers, up to the grid edge only.
TEST_F(EngineTest, AddPlacedWord) {
    state->ClearList();
    EmptyGrid(5, 4);
    ws->AddPlacedWord(u"house/a home", 1, 3, 2, East, "");
    ws->AddPlacedWord(u"/no word", 1, 1, 1, South, "");
    ws->AddPlacedWord(u"ox", 0, 4, 1, South, "5");
    ASSERT_EQ(state->WordCount, 2);
    EXPECT_EQ(state->WordList[1].ItemText, u"house/a home");
    EXPECT_EQ(state->WordList[1].ClueText, u"a home");
    const TWordPlacement& p = ws->Placements[1];
    EXPECT_TRUE(p.Placed);
    EXPECT_EQ(p.Column, 3);
    EXPECT_EQ(p.Row, 2);
    EXPECT_EQ(p.Direction, East);
    EXPECT_FALSE(ws->Placements[2].Placed);
    EXPECT_EQ(ws->Placements[2].Path, "5");

    EXPECT_EQ(ws->WordListIndicies[3][2], u"\x01");
    EXPECT_EQ(ws->WordListIndicies[4][2], std::u16string({1, 2}));
    EXPECT_EQ(ws->WordListIndicies[5][2], u"\x01");
    EXPECT_TRUE(ws->WordListIndicies[6][2].empty());
    EXPECT_EQ(ws->WordListIndicies[4][1], u"\x02");
    // Letters are the reader's business; a placed word's first letter keeps its mark so an
    // opened puzzle's solution still shows it, an unplaced one marks nothing.
    EXPECT_EQ(ws->Grid[3][2], EmptyCell);
    EXPECT_EQ(ws->SolutionFlags[3][2], FirstLetterFlag);
    EXPECT_EQ(ws->SolutionFlags[4][2], 0);
    EXPECT_EQ(ws->SolutionFlags[4][1], 0);
}

// The credits templates, with the two special characters as single code units.
TEST(CreditsTemplates, Entries) {
    const std::u16string web = ProductWebAddress;
    const std::u16string made = u" Made using Vorlix\u2122";
    const std::u16string expected[CreditsTemplateCount + 1] = {
        u"",
        web,
        u"\u00a9 <Name>. " + web,
        u"\u00a9 <Name>." + made,
        u"\u00a9 <Year> by <Name>. " + web,
        u"\u00a9 <Year> by <Name>." + made,
        u"\u00a9 <Year> <Name>. " + web,
        u"\u00a9 <Year> <Name>." + made,
        u"Copyright \u00a9 <Year> <Name>. " + web,
        u"Copyright \u00a9 <Year> <Name>." + made,
        u"Custom made for [PUT A NAME HERE]. " + web,
        u"Custom made for [PUT A NAME HERE] using Vorlix\u2122",
        u"Custom puzzle made for [PUT A NAME HERE] by <Name>. " + web,
        u"Custom puzzle made for [PUT A NAME HERE] by <Name>, using Vorlix\u2122",
        u"For [PUT A NAME HERE] from <Name>. " + web,
        u"For [PUT A NAME HERE] from <Name>." + made,
        u"Made by <Name>. " + web,
        u"Made by <Name> using Vorlix\u2122",
        u"<Name> and Vorlix\u2122",
        u"Made at " + web,
        u"Made by Vorlix\u2122",
        ProductWebAddressSecondForm,
        u"Vorlix\u2122",
        u"Puzzle by <Name>. " + web,
        u"Puzzle by <Name>." + made,
        u"Puzzle for [PUT A NAME HERE]. " + web,
        u"Puzzle for [PUT A NAME HERE]." + made,
        u"This puzzle was made by Vorlix\u2122",
        u"This puzzle was made for [PUT A NAME HERE]. " + web,
        u"This puzzle was made for [PUT A NAME HERE] using Vorlix\u2122",
        u"This puzzle was made by <Name>. " + web,
        u"This puzzle was made by <Name> using Vorlix\u2122",
        u"This puzzle was made by <Name> for [PUT A NAME HERE]. " + web,
        u"This puzzle was made by <Name> for [PUT A NAME HERE], using Vorlix\u2122",
    };
    EXPECT_EQ(CreditsTemplateCount, 33);
    EXPECT_FALSE(web.empty());
    EXPECT_NE(web, std::u16string(ProductWebAddressSecondForm));
    for (int k = 1; k <= CreditsTemplateCount; ++k) EXPECT_EQ(CreditsLineTemplates(k), expected[k]) << "template " << k;
}

}  // namespace
}  // namespace vorlix::testing
