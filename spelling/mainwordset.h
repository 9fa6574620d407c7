// The main dictionary as a word set for the engine's accidental-word check.
#pragma once

#include "wordset.h"

namespace vorlix::spelling {

class TSpellingDictionaries;

// The whole main dictionary as a prefix tree, built in word order so it does not depend on
// the file's grouping. The dictionaries are loaded on the first walk if no check has loaded
// them yet, and the tree is built again when a reload changed the word count.
class TMainDictionaryWordSet : public IWordSet {
public:
    explicit TMainDictionaryWordSet(TSpellingDictionaries& dictionaries) : dictionaries_(&dictionaries) {}
    const TWordTrie* Trie() const override;
    TNode Root() const override;
    TNode Next(TNode node, char16_t letter) const override { return trie_.Next(node, letter); }
    bool EndsWord(TNode node) const override { return trie_.EndsWord(node); }

private:
    void Prepare() const;

    TSpellingDictionaries* dictionaries_;
    mutable bool prepared_ = false;
    mutable int wordCount_ = -1;
    mutable TWordTrie trie_;
};

}  // namespace vorlix::spelling
