// The program-wide engine state: settings, word list, direction weights and generator.
#include <algorithm>
#include <cassert>
#include <chrono>
#include <numeric>

#include "wordsearch.h"

namespace vorlix {

const std::array<const char*, 9> DirectionNames = {"none",  "North",     "NorthEast", "East",     "SouthEast",
                                                   "South", "SouthWest", "West",      "NorthWest"};

namespace {

constexpr char16_t Space = u' ';

void ToUpperAscii(std::u16string& text) {
    for (char16_t& c : text)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
}

void ToLowerAscii(std::u16string& text) {
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
}

}  // namespace

TEngineState::TEngineState() {
    for (int d = 1; d <= 8; ++d) SetDirectionWeight(d, 100);
}

void TEngineState::ResetSettings() {
    Settings.Capitalization = TCapitalization::AllUpper;
    Settings.FillerMode = 1;
    Settings.HiddenMessage.clear();
    Settings.PuzzleOptions = 0;
    for (int d = 1; d <= 8; ++d) SetDirectionWeight(d, 100);
    ClearList();
}

void TEngineState::ClearList() {
    for (int i = 1; i <= WordCount; ++i) WordList[i] = TWordRecord{};
    WordCount = 0;
    DroppedWords = 0;
    ListReady = false;
    longestFirstCount_ = -1;
}

void TEngineState::Words_ProcessLine(const std::u16string& line) {
    // A finished list takes no more lines until ClearList.
    assert(!ListReady);
    if (ListReady) return;
    std::size_t start = 0;
    for (std::size_t comma = line.find(WordSeparator); comma != std::u16string::npos;
         comma = line.find(WordSeparator, start)) {
        AddWord(line.substr(start, comma - start));
        start = comma + 1;
    }
    AddWord(line.substr(start));
}

std::u16string TEngineState::GridForm(const std::u16string& item) const {
    std::u16string word = item.substr(0, item.find(ClueSeparator));
    // A tab is spacing too, never a grid letter.
    std::erase_if(word, [](char16_t c) { return c == Space || c == u'\t'; });
    switch (Settings.Capitalization) {
        case TCapitalization::AllUpper: ToUpperAscii(word); break;
        case TCapitalization::AllLower: ToLowerAscii(word); break;
        case TCapitalization::FirstLetter:
            ToLowerAscii(word);
            if (!word.empty() && word[0] >= u'a' && word[0] <= u'z') word[0] = static_cast<char16_t>(word[0] - 32);
            break;
        case TCapitalization::AsGiven: break;
    }
    return word;
}

std::u16string TEngineState::ClueForm(const std::u16string& item) const {
    const std::size_t separator = item.find(ClueSeparator);
    std::u16string clue = separator == std::u16string::npos ? item : item.substr(separator + 1, 9999);
    const std::size_t first = clue.find_first_not_of(Space);
    if (first == std::u16string::npos) return {};
    clue = clue.substr(first, clue.find_last_not_of(Space) - first + 1);
    return clue;
}

std::u16string ListedText(const TWordRecord& record, bool clues) {
    if (clues) return record.ClueText;
    const std::u16string& item = record.ItemText;
    std::u16string word = item.substr(0, item.find(ClueSeparator));
    const std::size_t first = word.find_first_not_of(u" \t");
    if (first == std::u16string::npos) return {};
    return word.substr(first, word.find_last_not_of(u" \t") - first + 1);
}

std::u16string DroppedWordsMessage(int count) {
    std::string text = "The word list holds more than " + std::to_string(MaxWords / 1000) + ",000 words; the last " +
                       std::to_string(count) + " of them were left out.";
    return std::u16string(text.begin(), text.end());
}

bool TEngineState::AddWord(const std::u16string& item) {
    std::u16string word = GridForm(item);
    if (word.empty()) return false;
    if (WordCount >= MaxWords) {
        ++DroppedWords;
        return false;
    }
    longestFirstCount_ = -1;
    TWordRecord& record = WordList[++WordCount];
    record.ItemText = item;
    record.ClueText = ClueForm(item);
    record.Length = static_cast<std::int32_t>(word.size());
    record.GridWord = std::move(word);
    return true;
}

void TEngineState::FinishList() {
    LongestWord = 0;
    TotalLetters = 0;
    for (int i = 1; i <= WordCount; ++i) {
        LongestWord = std::max(LongestWord, WordList[i].Length);
        TotalLetters += WordList[i].Length;
    }
    ListReady = true;

    auto* begin = DisplayIndex.data() + 1;
    std::iota(begin, begin + WordCount, 1);
    std::stable_sort(begin, begin + WordCount,
                     [this](int a, int b) { return WordList[a].GridWord < WordList[b].GridWord; });

    longestFirstCount_ = -1;
}

const std::array<std::int32_t, MaxWords + 1>& TEngineState::LongestFirstOrder() {
    // The many builds of one puzzle share this order, so it is sorted once, not per build.
    if (longestFirstCount_ != WordCount) {
        auto* order = longestFirst_.data() + 1;
        std::iota(order, order + WordCount, 1);
        std::stable_sort(order, order + WordCount,
                         [this](int a, int b) { return WordList[a].Length > WordList[b].Length; });
        longestFirstCount_ = WordCount;
    }
    return longestFirst_;
}

void TEngineState::SetDirectionWeight(int d, std::int32_t weight) {
    if (d < 1 || d > 8) return;
    DirectionWeights[d] = weight;
    TotalWeight = 0;
    CumulativeWeight[0] = 0;
    for (int k = 1; k <= 8; ++k) {
        TotalWeight += DirectionWeights[k];
        CumulativeWeight[k] = CumulativeWeight[k - 1] + DirectionWeights[k];
    }
}

double TEngineState::DirectionShare(int d) const {
    if (TotalWeight < 1) return 0.125;
    return static_cast<double>(DirectionWeights[d]) / static_cast<double>(TotalWeight);
}

void TEngineState::SetSeed(std::uint32_t seed) {
    Generator.Seed = seed;
    Randomized = true;
}

void TEngineState::EnsureSeeded() {
    if (Randomized) return;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    SetSeed(static_cast<std::uint32_t>(ticks));
}

std::u16string TEngineState::HiddenMessageLetters() const {
    if (!Settings.HasOption(Option_HiddenMessage)) return {};
    std::u16string letters = Settings.HiddenMessage;
    std::erase_if(letters, [](char16_t c) { return c == u' ' || c == u'\n' || c == u'\r'; });
    if (Settings.Capitalization == TCapitalization::AllUpper) ToUpperAscii(letters);
    if (Settings.Capitalization == TCapitalization::AllLower) ToLowerAscii(letters);
    return letters;
}

char16_t TEngineState::FillerLetter() {
    static constexpr char16_t Alphabet[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    char16_t letter = Alphabet[Random(26)];
    // Vowels and S would spell false words too easily.
    switch (letter) {
        case u'A': letter = u'T'; break;
        case u'E': letter = u'L'; break;
        case u'I': letter = u'N'; break;
        case u'O': letter = u'R'; break;
        case u'S': letter = u'K'; break;
        case u'U': letter = u'M'; break;
        default: break;
    }
    bool upper = true;
    switch (Settings.Capitalization) {
        case TCapitalization::AllUpper: break;
        case TCapitalization::AllLower:
        case TCapitalization::FirstLetter: upper = false; break;
        case TCapitalization::AsGiven: upper = Random(5) == 1; break;
    }
    return upper ? letter : static_cast<char16_t>(letter + 32);
}


}  // namespace vorlix
