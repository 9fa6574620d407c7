// The main dictionary as a word set for the engine's accidental-word check.
#pragma once

#include <cstdint>
#include <vector>

#include "wordset.h"

namespace vorlix::spelling {

class TSpellingDictionaries;

// Looks words up over the whole main dictionary in sorted order, so it also answers
// prefix questions and does not depend on the file's grouping. The dictionaries are
// loaded on the first question if no check has loaded them yet.
class TMainDictionaryWordSet : public IWordSet {
public:
    explicit TMainDictionaryWordSet(TSpellingDictionaries& dictionaries) : dictionaries_(&dictionaries) {}
    bool Contains(std::u16string_view word) const override;
    bool HasWordStartingWith(std::u16string_view prefix) const override;

private:
    void Prepare() const;
    // The first position in sorted order whose word is not less than key.
    std::size_t LowerBound(std::u16string_view key) const;
    std::u16string_view WordAt(std::size_t sortedIndex) const;

    TSpellingDictionaries* dictionaries_;
    mutable bool prepared_ = false;
    mutable std::vector<std::int32_t> sorted_;  // main-word positions in word order
};

}  // namespace vorlix::spelling
