// Sorted lookups over the main dictionary.
#include "mainwordset.h"

#include <algorithm>
#include <numeric>

#include "dictionaries.h"

namespace vorlix::spelling {

std::u16string_view TMainDictionaryWordSet::WordAt(std::size_t sortedIndex) const {
    const QStringView w = dictionaries_->MainWord(sorted_[sortedIndex]);
    return {reinterpret_cast<const char16_t*>(w.utf16()), static_cast<std::size_t>(w.size())};
}

void TMainDictionaryWordSet::Prepare() const {
    if (!prepared_) dictionaries_->LoadDictionaries();
    if (prepared_ && sorted_.size() == static_cast<std::size_t>(dictionaries_->MainWordCount())) return;
    prepared_ = true;
    sorted_.resize(static_cast<std::size_t>(dictionaries_->MainWordCount()));
    std::iota(sorted_.begin(), sorted_.end(), 1);
    const auto word = [this](std::int32_t p) {
        const QStringView w = dictionaries_->MainWord(p);
        return std::u16string_view(reinterpret_cast<const char16_t*>(w.utf16()), static_cast<std::size_t>(w.size()));
    };
    std::stable_sort(sorted_.begin(), sorted_.end(),
                     [&word](std::int32_t a, std::int32_t b) { return word(a) < word(b); });
}

std::size_t TMainDictionaryWordSet::LowerBound(std::u16string_view key) const {
    std::size_t lo = 0;
    std::size_t hi = sorted_.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (WordAt(mid) < key) lo = mid + 1;
        else hi = mid;
    }
    return lo;
}

bool TMainDictionaryWordSet::Contains(std::u16string_view word) const {
    Prepare();
    if (word.empty()) return false;
    const std::size_t at = LowerBound(word);
    return at < sorted_.size() && WordAt(at) == word;
}

bool TMainDictionaryWordSet::HasWordStartingWith(std::u16string_view prefix) const {
    Prepare();
    const std::size_t at = LowerBound(prefix);
    return at < sorted_.size() && WordAt(at).substr(0, prefix.size()) == prefix;
}

}  // namespace vorlix::spelling
