// The main dictionary as a word set for the engine's accidental-word check.
#pragma once

#include "wordset.h"

namespace vorlix::spelling {

class TSpellingDictionaries;

// The whole main dictionary as a prefix tree, built in word order so it does not depend on
// the file's grouping. The dictionaries are loaded on the first use if no check has loaded
// them yet, and the tree is built again when a reload changed the word count.
class TMainDictionaryWordSet : public IWordSet {
public:
    explicit TMainDictionaryWordSet(TSpellingDictionaries& dictionaries) : dictionaries_(&dictionaries) {}
    const TWordTrie& Words() const override;

private:
    void Prepare() const;

    TSpellingDictionaries* dictionaries_;
    mutable bool prepared_ = false;
    mutable int wordCount_ = -1;
    mutable TWordTrie trie_;
};

}  // namespace vorlix::spelling
