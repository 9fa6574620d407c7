// The prefix tree the accidental-word check walks: lookups, numbers and reversed entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wordset.h"

namespace vorlix {
namespace {

TWordTrie::TNode WalkTo(const TWordTrie& trie, std::u16string_view letters) {
    TWordTrie::TNode node = trie.Root();
    for (const char16_t c : letters)
        if ((node = trie.Next(node, c)) == TWordTrie::NoNode) break;
    return node;
}

TEST(WordTrieTest, FindsWordsPrefixesAndTheirNumbers) {
    const std::u16string words[] = {u"STOP", u"POTS", u"ST", u"ÉTÉ", u"STOPWATCHES", u"STOP", u"ЖУК"};
    std::vector<TWordTrie::TEntry> entries;
    for (int k = 0; k < 7; ++k) entries.push_back({words[k], k});
    entries.push_back({u"POTS", 9, true});  // STOP read back
    entries.push_back({u"", 8});
    const TWordTrie trie(entries);
    struct Case {
        const char16_t* text;
        bool word, prefix;
        int id, reversedId;
        const char* why;
    } cases[] = {
        {u"STOP", true, true, 0, -1, "a repeat keeps its first number"},
        {u"POTS", true, true, 1, 9, "a word and a reversed word on one node keep both numbers"},
        {u"ST", true, true, 2, -1, "a word that begins others"},
        {u"STO", false, true, -1, -1, "a prefix only"},
        {u"STOPWATCHES", true, true, 4, -1, "past the table-driven first letters"},
        {u"STOPWATCHE", false, true, -1, -1, "deep prefixes walk the edge lists"},
        {u"ÉTÉ", true, true, 3, -1, "letters outside A..Z at the root"},
        {u"ЖУК", true, true, 6, -1, "Cyrillic"},
        {u"SX", false, false, -1, -1, "no such beginning"},
        {u"", false, true, -1, -1, "the empty word is never stored"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(trie.Contains(c.text), c.word);
        EXPECT_EQ(trie.HasWordStartingWith(c.text), c.prefix);
        const TWordTrie::TNode node = WalkTo(trie, c.text);
        if (node == TWordTrie::NoNode) continue;
        EXPECT_EQ(trie.Id(node), c.id);
        EXPECT_EQ(trie.ReversedId(node), c.reversedId);
        EXPECT_EQ(TWordTrie::EndsEither(node), c.id >= 0 || c.reversedId >= 0);
    }
    EXPECT_EQ(trie.LongestWord(), 11);
}

TEST(WordTrieTest, ReassigningReplacesTheWords) {
    TWordTrie trie({{u"CAT", 0}});
    trie.Assign({{u"DOG", 0}});
    EXPECT_FALSE(trie.Contains(u"CAT"));
    EXPECT_TRUE(trie.Contains(u"DOG"));
    trie.Assign({});
    EXPECT_TRUE(trie.Empty());
    EXPECT_FALSE(trie.HasWordStartingWith(u"D"));
}

}  // namespace
}  // namespace vorlix
