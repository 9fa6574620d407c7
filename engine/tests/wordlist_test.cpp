#include "engine_fixture.h"

namespace vorlix::testing {
namespace {

// A typed line splits at each word separator; each item, kept as typed, yields its grid form and its clue.
TEST_F(EngineTest, ItemsAndForms) {
    using enum TCapitalization;
    struct Case { TCapitalization cap; std::u16string line; std::vector<std::array<std::u16string, 3>> entries; };
    const Case cases[] = {
        // items without grid letters are dropped; spaces leave the grid form, only spaces are trimmed from clues
        {AllUpper, u"", {}}, {AllUpper, u",,,", {}}, {AllUpper, u"   ,  ", {}}, {AllUpper, u"/only a clue", {}},
        {AllUpper, u"ice cream , hot dog",
         {{u"ice cream ", u"ICECREAM", u"ice cream"}, {u" hot dog", u"HOTDOG", u"hot dog"}}},
        {AllUpper, u"word/", {{u"word/", u"WORD", u""}}},
        {AllUpper, u"new york/big apple", {{u"new york/big apple", u"NEWYORK", u"big apple"}}},
        {AllUpper, u"dog/loyal, friendly pet",
         {{u"dog/loyal", u"DOG", u"loyal"}, {u" friendly pet", u"FRIENDLYPET", u"friendly pet"}}},
        {AllUpper, u"cat/a/b ", {{u"cat/a/b ", u"CAT", u"a/b"}}},
        // a tab is spacing, never a grid letter
        {AllUpper, u"\trock-n-r2d2 ", {{u"\trock-n-r2d2 ", u"ROCK-N-R2D2", u"\trock-n-r2d2"}}},
        // capitalization changes every cased letter
        {AllUpper, u"caf\u00e9 \u00fcber", {{u"caf\u00e9 \u00fcber", u"CAF\u00c9\u00dcBER", u"caf\u00e9 \u00fcber"}}},
        {AllLower, u"mcDonald", {{u"mcDonald", u"mcdonald", u"mcDonald"}}},
        {FirstLetter, u"mcDonald", {{u"mcDonald", u"Mcdonald", u"mcDonald"}}},
        {FirstLetter, u"NEW york", {{u"NEW york", u"Newyork", u"NEW york"}}},
        {FirstLetter, u"1ABC", {{u"1ABC", u"1abc", u"1ABC"}}},
        {FirstLetter, u"ZEBRA", {{u"ZEBRA", u"Zebra", u"ZEBRA"}}},
        {FirstLetter, u"\u00c9COLE", {{u"\u00c9COLE", u"\u00c9cole", u"\u00c9COLE"}}},
        {AllUpper, u"cat/  a small caf\u00e9\t  ", {{u"cat/  a small caf\u00e9\t  ", u"CAT", u"a small caf\u00e9\t"}}},
    };
    for (const Case& c : cases) {
        Settings().Capitalization = c.cap;
        SetList(c.line);
        std::vector<std::array<std::u16string, 3>> got;
        for (int i = 1; i <= state->WordCount; ++i) {
            const TWordRecord& rec = state->WordList[i];
            got.push_back({rec.ItemText, rec.GridWord, rec.ClueText});
            EXPECT_EQ(rec.Length, int(rec.GridWord.size()));
        }
        EXPECT_EQ(got, c.entries) << "case " << &c - cases;
    }
}

// The list holds 5000 words; later items are dropped silently.
TEST_F(EngineTest, ListLimit) {
    std::u16string line;
    for (int k = 1; k <= MaxWords + 2; ++k)
        for (char ch : "w" + std::to_string(k) + ",") line += char16_t(ch);
    state->Words_ProcessLine(line);
    state->Words_ProcessLine(u"later");
    EXPECT_EQ(state->WordCount, MaxWords);
    EXPECT_EQ(state->WordList[MaxWords].GridWord, u"W5000");
}

// Display order: A-Z lists by ascending UTF-16 code units, prefixes first, ties in list order;
// other lists by collation.
TEST_F(EngineTest, DisplayOrder) {
    struct Case { TCapitalization cap; std::u16string line; std::vector<int> expected; };
    std::vector<Case> cases = {
        {TCapitalization::AsGiven, u"pear,Apple,apple", {2, 3, 1}},
        {TCapitalization::AllUpper, u"dog,cat,Dog,cats,DOG", {2, 4, 1, 3, 5}},
        // Beyond A-Z the collation orders: a symbol first, full-width A among the A's, é with e.
        {TCapitalization::AsGiven, u"\uff21,\U0001F600,z,\u00e9", {2, 1, 4, 3}},
        {TCapitalization::AllUpper, u"", {}},  // a,a,B,a,a,B,...: a sort that is not stable shows
    };
    for (int k = 1; k <= 60; ++k) cases.back().line += k % 3 ? u"a," : u"B,";
    for (int k = 1; k <= 60; ++k) if (k % 3) cases.back().expected.push_back(k);
    for (int k = 3; k <= 60; k += 3) cases.back().expected.push_back(k);
    for (const Case& c : cases) {
        Settings().Capitalization = c.cap;
        SetList(c.line);
        EXPECT_EQ(std::vector<int>(&state->DisplayIndex[1], &state->DisplayIndex[1] + state->WordCount), c.expected);
    }
}

// The file reader's path: AddPlacedWord lists cells and marks first letters, then message cells are marked.
TEST_F(EngineTest, FileReaderPath) {
    Settings().PuzzleOptions = Option_HiddenMessage;
    Settings().HiddenMessage = u"Hi";
    EmptyGrid(5, 4);
    ws->AddPlacedWord(u"house/a home", 1, 3, 2, East, "");
    ws->AddPlacedWord(u"/no word", 1, 1, 1, South, "");
    ws->AddPlacedWord(u"ox", 0, 4, 1, South, "5");
    ws->MarkHiddenMessageCells();
    ASSERT_EQ(state->WordCount, 2);
    EXPECT_EQ(state->WordList[1].ClueText, u"a home");
    const TWordPlacement &p = ws->Placements[1], &q = ws->Placements[2];
    EXPECT_EQ(std::make_tuple(p.Placed, p.Column, p.Row, int(p.Direction)), std::make_tuple(true, 3, 2, int(East)));
    EXPECT_EQ(std::make_pair(q.Placed, q.Path), std::make_pair(false, std::string("5")));
    EXPECT_EQ(std::make_pair(ws->EndColumn(1), ws->EndRow(2)), std::make_pair(7, 2));
    std::u16string lists;  // "Hi" marks the first two free cells; the lists stop at the grid edge
    for (auto [c, r] : {std::pair{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}})
        lists += ws->WordListIndicies[c][r] + u"|";
    EXPECT_EQ(lists, HiddenMessageMarker + u"|" + HiddenMessageMarker + u"||\x02||\x01|\x01\x02|\x01||");
    // Letters are the reader's business; a placed word's first cell keeps its mark so an opened puzzle's
    // solution still shows it, an unplaced one marks nothing.
    EXPECT_EQ(std::make_pair(ws->Grid[1][1], ws->Grid[3][2]), std::make_pair(EmptyCell, EmptyCell));
    EXPECT_EQ(ws->SolutionFlags[3][2], FirstLetterFlag);
    EXPECT_EQ(ws->SolutionFlags[4][2] | ws->SolutionFlags[4][1], 0);
}

// Credits templates: 33 of them, © and ™ as single code units, placeholders where they belong.
TEST(CreditsTemplates, CountMarksAndPlaceholders) {
    EXPECT_EQ(CreditsTemplateCount, 33);
    const std::u16string web = ProductWebAddress;
    EXPECT_EQ(CreditsLineTemplates(21), ProductWebAddressSecondForm);
    const std::string placeholders = "011333333" "4455551110000" "11440441155";  // 1 <Name>, 2 <Year>, 4 [PUT...]
    for (int k = 1; k <= CreditsTemplateCount; ++k) {
        const std::u16string& t = CreditsLineTemplates(k);
        EXPECT_TRUE(t.ends_with(web) || t.ends_with(u"\u2122") || k == 21) << k;  // web address or trademark
        EXPECT_EQ(t.find(u'\u00a9') != t.npos, k >= 2 && k <= 9) << k;
        const int found = (t.find(u"<Name>") != t.npos) + 2 * (t.find(u"<Year>") != t.npos) +
                          4 * (t.find(u"[PUT A NAME HERE]") != t.npos);
        EXPECT_EQ(found, placeholders[k - 1] - '0') << k;
    }
}

}  // namespace
}  // namespace vorlix::testing
