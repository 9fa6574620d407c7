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

}  // namespace

TEngineState::TEngineState() {
    for (int d = 1; d <= 8; ++d) SetDirectionWeight(d, 100);
}

void TEngineState::ResetSettings() {
    Settings.Capitalization = TCapitalization::AllUpper;
    Settings.FillerMode = TFillerMode::Classic;
    Settings.Language.clear();
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
    Cells.Clear();
    fillerReady_ = false;
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

std::u16string TEngineState::CasedCells(std::u16string_view text) const {
    const std::string& language = Settings.Language;
    switch (Settings.Capitalization) {
        case TCapitalization::AllUpper: return CellCodes(UpperText(text, language), Cells);
        case TCapitalization::AllLower: return CellCodes(LowerText(text, language), Cells);
        case TCapitalization::FirstLetter: {
            // The rest is lowered as one text, so a Greek final sigma stays final.
            std::vector<std::u16string> cells = SplitCells(LowerText(text, language));
            std::u16string out;
            for (std::size_t k = 0; k < cells.size(); ++k) out += k == 0 ? UpperText(cells[0], language) : cells[k];
            return CellCodes(out, Cells);
        }
        case TCapitalization::AsGiven: break;
    }
    return CellCodes(text, Cells);
}

std::u16string TEngineState::GridForm(const std::u16string& item) const {
    std::u16string word = item.substr(0, item.find(ClueSeparator));
    // A tab is spacing too, never a grid letter.
    std::erase_if(word, [](char16_t c) { return c == Space || c == u'\t'; });
    return CasedCells(word);
}

std::u16string TEngineState::ClueForm(const std::u16string& item) const {
    const std::size_t separator = item.find(ClueSeparator);
    std::u16string clue = separator == std::u16string::npos ? item : item.substr(separator + 1, 9999);
    const std::size_t first = clue.find_first_not_of(Space);
    if (first == std::u16string::npos) return {};
    clue = clue.substr(first, clue.find_last_not_of(Space) - first + 1);
    return clue;
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
    const bool plain = std::all_of(WordList.begin() + 1, WordList.begin() + 1 + WordCount, [](const TWordRecord& w) {
        return std::all_of(w.GridWord.begin(), w.GridWord.end(), [](char16_t c) { return c < 0x80; });
    });
    if (plain) {
        std::stable_sort(begin, begin + WordCount,
                         [this](int a, int b) { return WordList[a].GridWord < WordList[b].GridWord; });
    } else {
        // Letters beyond A-Z sort as the list's language orders them.
        std::vector<std::u16string> texts(static_cast<std::size_t>(WordCount) + 1);
        for (int i = 1; i <= WordCount; ++i) texts[static_cast<std::size_t>(i)] = WordText(i);
        std::vector<int> order(begin, begin + WordCount);
        CollateOrder(Settings.Language, texts, order);
        std::copy(order.begin(), order.end(), begin);
    }

    longestFirstCount_ = -1;
    fillerReady_ = false;
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
    const std::string& language = Settings.Language;
    if (Settings.Capitalization == TCapitalization::AllUpper) return CellCodes(UpperText(letters, language), Cells);
    if (Settings.Capitalization == TCapitalization::AllLower) return CellCodes(LowerText(letters, language), Cells);
    return CellCodes(letters, Cells);
}

void TEngineState::MakeFillerTable() {
    fillerReady_ = true;
    fillerCodes_.clear();
    fillerWeights_.clear();
    // How often each cell occurs in the words.
    std::vector<std::pair<char16_t, double>> counts;
    std::u16string wordsText;
    double total = 0;
    for (int i = 1; i <= WordCount; ++i) {
        for (const char16_t c : WordList[i].GridWord) {
            auto at = std::find_if(counts.begin(), counts.end(), [c](const auto& p) { return p.first == c; });
            if (at == counts.end()) counts.emplace_back(c, 1.0);
            else at->second += 1.0;
            total += 1.0;
        }
        wordsText += WordText(i);
    }
    // The language's own letters in the words' scripts keep filler from echoing the words
    // alone; they take a small share so the mix stays that of the words.
    constexpr double AlphabetShare = 0.15;
    std::vector<char16_t> alphabet;
    for (const std::u16string& letter : LanguageAlphabet(Settings.Language, wordsText)) {
        const bool upper = Settings.Capitalization == TCapitalization::AllUpper;
        const std::u16string cased = upper ? letter : LowerText(letter, Settings.Language);
        const std::u16string codes = CellCodes(cased, Cells);
        if (codes.size() == 1 && std::find(alphabet.begin(), alphabet.end(), codes[0]) == alphabet.end())
            alphabet.push_back(codes[0]);
    }
    const double wordsShare = total > 0 ? (alphabet.empty() ? 1.0 : 1.0 - AlphabetShare) : 0.0;
    for (auto& [c, n] : counts) n = wordsShare * n / total;
    for (const char16_t c : alphabet) {
        auto at = std::find_if(counts.begin(), counts.end(), [c](const auto& p) { return p.first == c; });
        const double share = (1.0 - wordsShare) / static_cast<double>(alphabet.size());
        if (at == counts.end()) counts.emplace_back(c, share);
        else at->second += share;
    }
    std::sort(counts.begin(), counts.end());
    std::int32_t cumulative = 0;
    for (const auto& [c, share] : counts) {
        // Every letter of the words keeps a chance, however rare.
        cumulative += std::max<std::int32_t>(1, static_cast<std::int32_t>(share * (1 << 20)));
        fillerCodes_.push_back(c);
        fillerWeights_.push_back(cumulative);
    }
}

char16_t TEngineState::FillerLetter() {
    if (Settings.FillerMode == TFillerMode::LikeList) {
        if (!fillerReady_) MakeFillerTable();
        if (!fillerCodes_.empty()) {
            const std::int32_t r = Random(fillerWeights_.back());
            const auto at = std::upper_bound(fillerWeights_.begin(), fillerWeights_.end(), r);
            return fillerCodes_[static_cast<std::size_t>(at - fillerWeights_.begin())];
        }
    }
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
