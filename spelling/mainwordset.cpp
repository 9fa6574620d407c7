// The main dictionary as the engine's word set.
#include "mainwordset.h"

#include <vector>

#include "dictionaries.h"

namespace vorlix::spelling {

void TMainDictionaryWordSet::Prepare() const {
    if (!prepared_) dictionaries_->LoadDictionaries();
    prepared_ = true;
    if (wordCount_ == dictionaries_->MainWordCount()) return;
    wordCount_ = dictionaries_->MainWordCount();
    std::vector<TWordTrie::TEntry> entries;
    entries.reserve(static_cast<std::size_t>(wordCount_));
    for (int p = 1; p <= wordCount_; ++p) {
        const QStringView w = dictionaries_->MainWord(p);
        entries.push_back({{reinterpret_cast<const char16_t*>(w.utf16()), static_cast<std::size_t>(w.size())}, p});
    }
    trie_.Assign(std::move(entries));
}

const TWordTrie& TMainDictionaryWordSet::Words() const {
    Prepare();
    return trie_;
}

}  // namespace vorlix::spelling
