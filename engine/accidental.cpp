// The accidental-word check: words the filler spells by chance are drawn away again.
#include <algorithm>
#include <array>
#include <memory>
#include <tuple>
#include <vector>

#include "wordsearch.h"

namespace vorlix {

extern const char16_t* const TabooWords[];
extern const std::size_t TabooWordsCount;
extern const char16_t* const TabooWordsMild[];
extern const std::size_t TabooWordsMildCount;
extern const char16_t* const TabooWordsEs[];
extern const std::size_t TabooWordsEsCount;
extern const char16_t* const TabooWordsFr[];
extern const std::size_t TabooWordsFrCount;
extern const char16_t* const TabooWordsDe[];
extern const std::size_t TabooWordsDeCount;
extern const char16_t* const TabooWordsPt[];
extern const std::size_t TabooWordsPtCount;
extern const char16_t* const TabooWordsIt[];
extern const std::size_t TabooWordsItCount;
extern const char16_t* const TabooWordsRu[];
extern const std::size_t TabooWordsRuCount;

std::size_t TabooWordCount() { return TabooWordsCount; }
const char16_t* TabooWord(std::size_t k) { return k < TabooWordsCount ? TabooWords[k] : u""; }

namespace {

// Enough for a pass or two per word in any real grid; a grid that keeps spelling words
// after this many redraws reports what is left instead of drawing for ever.
constexpr int MaxRedrawPasses = 64;

// Comparisons ignore case: each cell as its simple upper case (interned cells as they are).
char16_t Folded(char16_t c) { return FoldedCode(c); }

std::u16string Folded(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) c = Folded(c);
    return out;
}

// Each word forwards and reversed, so the four axes read from every cell find all eight directions.
std::vector<TWordTrie::TEntry> BothWays(const std::vector<std::u16string>& words, std::vector<std::u16string>& reversed) {
    reversed.assign(words.begin(), words.end());
    std::vector<TWordTrie::TEntry> entries;
    for (std::size_t k = 0; k < words.size(); ++k) {
        std::reverse(reversed[k].begin(), reversed[k].end());
        entries.push_back({words[k], static_cast<int>(k), false});
        entries.push_back({reversed[k], static_cast<int>(k), true});
    }
    return entries;
}

// The three-letter beginnings (A..Z) of a few hundred words, as bits: most starts on a
// grid line begin none of them, and one test turns those away before any walk.
class TBeginnings {
public:
    void Add(const std::vector<std::u16string>& words) {
        for (const std::u16string& w : words) Add(w);
    }
    void Add(std::u16string_view word) {
        if (word.size() < 2 || !Latin(word[0]) || !Latin(word[1])) return;
        const unsigned pair = (word[0] - u'A') * 26u + (word[1] - u'A');
        if (word.size() == 2) {  // any third letter
            for (unsigned c = 0; c < 26; ++c) Set(pair * 26 + c);
        } else if (Latin(word[2])) {
            Set(pair * 26 + (word[2] - u'A'));
        }
    }
    // Letters outside A..Z are never turned away.
    bool MayBegin(char16_t a, char16_t b, char16_t c) const {
        if (!Latin(a) || !Latin(b) || !Latin(c)) return true;
        const unsigned k = ((a - u'A') * 26u + (b - u'A')) * 26u + (c - u'A');
        return (bits_[k / 64] >> (k % 64)) & 1u;
    }

private:
    static bool Latin(char16_t c) { return c >= u'A' && c <= u'Z'; }
    void Set(unsigned k) { bits_[k / 64] |= std::uint64_t{1} << (k % 64); }
    std::array<std::uint64_t, (26 * 26 * 26 + 63) / 64> bits_{};
};

struct TTabooWords {
    std::vector<std::u16string> Words, Reversed;
    TWordTrie Trie;
    TBeginnings Beginnings;
};

// The languages with a taboo list of their own; English is always checked besides.
struct TTabooList {
    const char* Language;
    const char16_t* const* Words;
    const std::size_t* Count;
};
const std::array<TTabooList, 7> TabooLists = {{{"", TabooWords, &TabooWordsCount},
                                               {"es", TabooWordsEs, &TabooWordsEsCount},
                                               {"fr", TabooWordsFr, &TabooWordsFrCount},
                                               {"de", TabooWordsDe, &TabooWordsDeCount},
                                               {"pt", TabooWordsPt, &TabooWordsPtCount},
                                               {"it", TabooWordsIt, &TabooWordsItCount},
                                               {"ru", TabooWordsRu, &TabooWordsRuCount}}};

// Which taboo words a list is checked against: its language's list (0 for English alone),
// twice that plus one with the milder English words.
int TabooIdOf(const TWordSearchConfig& settings) {
    const std::string primary = PrimaryLanguage(settings.Language);
    int language = 0;
    for (std::size_t k = 1; k < TabooLists.size(); ++k)
        if (primary == TabooLists[k].Language) language = static_cast<int>(k);
    // Filler with vowels spells the milder words easily; the classic filler keeps its grids.
    const bool mild = settings.FillerMode == TFillerMode::LikeList;
    return language * 2 + (mild ? 1 : 0);
}

const TTabooWords& Taboo(int id = 0) {
    static const std::vector<TTabooWords> all = [] {
        std::vector<TTabooWords> lists(TabooLists.size() * 2);
        for (std::size_t k = 0; k < lists.size(); ++k) {
            TTabooWords& t = lists[k];
            t.Words.assign(TabooWords, TabooWords + TabooWordsCount);
            if (k % 2 == 1) t.Words.insert(t.Words.end(), TabooWordsMild, TabooWordsMild + TabooWordsMildCount);
            const TTabooList& own = TabooLists[k / 2];
            if (k / 2 != 0) t.Words.insert(t.Words.end(), own.Words, own.Words + *own.Count);
            // A word may hold a letter that has no single upper-case code point (ẞ has one).
            for (std::u16string& w : t.Words) w = Folded(w);
            t.Trie.Assign(BothWays(t.Words, t.Reversed));
            t.Beginnings.Add(t.Words);
            t.Beginnings.Add(t.Reversed);
        }
        return lists;
    }();
    return all[static_cast<std::size_t>(id >= 0 && id < static_cast<int>(all.size()) ? id : 0)];
}

}  // namespace

// The list's words ready for the check. Every build of one list shares them, so they are
// made again only when the list changes.
struct TListedWords {
    std::vector<std::pair<std::u16string, int>> Key;  // each list word's grid letters and length
    std::vector<int> TextOf;                         // each list word's text, -1 when too short
    std::vector<std::u16string> Texts, Reversed;     // folded, each once
    TWordTrie Trie;                                  // ids index Texts
    TBeginnings Beginnings;                          // of the taboo and listed words, both ways
    int TabooId = 0;                                 // which taboo words (TabooIdOf)
};

namespace {

std::vector<std::pair<std::u16string, int>> ListKey(const TEngineState& s) {
    std::vector<std::pair<std::u16string, int>> key;
    // A word longer than any grid can never be spelled in one: only its length is kept, so a
    // huge entry costs neither a copy nor a path through the tree.
    for (int i = 1; i <= s.WordCount; ++i) {
        const TWordRecord& w = s.WordList[i];
        key.emplace_back(w.Length <= MaxGridSize ? w.GridWord : std::u16string(), w.Length);
    }
    return key;
}

std::shared_ptr<const TListedWords> MakeListedWords(std::vector<std::pair<std::u16string, int>> key, int tabooId) {
    auto listed = std::make_shared<TListedWords>();
    listed->TabooId = tabooId;
    std::vector<std::pair<std::u16string, std::size_t>> words;  // folded text, list position
    for (std::size_t k = 0; k < key.size(); ++k)
        if (key[k].second >= 2 && key[k].second <= MaxGridSize) words.emplace_back(Folded(key[k].first), k);
    std::sort(words.begin(), words.end());
    listed->TextOf.assign(key.size(), -1);
    for (auto& [text, k] : words) {
        if (listed->Texts.empty() || text != listed->Texts.back()) listed->Texts.push_back(std::move(text));
        listed->TextOf[k] = static_cast<int>(listed->Texts.size()) - 1;
    }
    listed->Trie.Assign(BothWays(listed->Texts, listed->Reversed));
    listed->Beginnings = Taboo(tabooId).Beginnings;
    listed->Beginnings.Add(listed->Texts);
    listed->Beginnings.Add(listed->Reversed);
    listed->Key = std::move(key);
    return listed;
}

const TListedWords& ListedWords(TEngineState& s) {
    std::vector<std::pair<std::u16string, int>> key = ListKey(s);
    const int tabooId = TabooIdOf(s.Settings);
    if (!s.ListedWordsForCheck || s.ListedWordsForCheck->Key != key || s.ListedWordsForCheck->TabooId != tabooId)
        s.ListedWordsForCheck = MakeListedWords(std::move(key), tabooId);
    return *s.ListedWordsForCheck;
}

// A straight run of cells; the same cells read backwards are the same run.
struct TRun {
    int column, row, direction, length;
    // The same cells read from the other end.
    TRun Reversed() const {
        return {column + DirectionDx[direction] * (length - 1), row + DirectionDy[direction] * (length - 1),
                OppositeDirection[direction], length};
    }
    TRun Canonical() const { return IsAxis(direction) ? *this : Reversed(); }
    bool operator==(const TRun&) const = default;
    // East, SouthEast, South and SouthWest cover the four axes once each.
    static bool IsAxis(int d) { return d >= East && d <= SouthWest; }
};

bool ReadsBefore(const TRun& a, const TRun& b) {
    return std::tie(a.row, a.column, a.direction, a.length) < std::tie(b.row, b.column, b.direction, b.length);
}

// Calls found(length, node) at each node of the walk from `at` along `step` where a word
// or a reversed word ends.
template <class Found>
void WalkLine(const TWordTrie& trie, const char16_t* at, int step, Found&& found) {
    TWordTrie::TNode node = trie.Root();
    for (int length = 1; *at != 0; ++length, at += step) {
        if ((node = trie.Next(node, *at)) == TWordTrie::NoNode) return;
        if (TWordTrie::EndsEither(node)) found(length, node);
    }
}

// The grid's folded letters and every occurrence of a word in them. The letters sit in a
// frame of blanks, so a walk along any direction stops at the grid's edge by itself.
class TAccidentalScan {
public:
    TAccidentalScan(const TWordSearch& puzzle, const TListedWords& listed, int columns, int rows,
                    const IWordSet* dictionary);

    void ScanAll();
    // After the cells were redrawn, only the runs through one are read again.
    void Rescan(const std::vector<std::pair<int, int>>& redrawn);
    // One occurrence per run of cells, the first in reading order (row, column, direction, length).
    std::vector<TRun> Found() const;

private:
    int Index(int column, int row) const { return row * stride_ + column; }
    void ListPlacedWords();
    // Taboo and listed words along an axis, both ways; dictionary words towards any direction.
    void ScanAxis(int column, int row, int d, std::vector<TRun>& out) const;
    void ScanDictionary(int column, int row, int d, std::vector<TRun>& out) const;
    void Scan(int column, int row, int d, std::vector<TRun>& out) const;
    bool InsideListedWord(const TRun& run) const;
    bool SecondCopy(int id, const TRun& run) const;

    const TWordSearch& puzzle_;
    const int columns_, rows_, stride_;
    const TWordTrie* dictionary_;  // the main dictionary's words, or none
    const TWordTrie& taboo_;
    const TListedWords& listedWords_;
    const TWordTrie& listed_;
    std::vector<char16_t> letters_;
    std::array<int, 9> steps_{};
    std::vector<std::vector<TRun>> ownRuns_;  // where each listed text is placed, canonical
    std::vector<TRun> hits_;                  // every occurrence, in reading order
};

TAccidentalScan::TAccidentalScan(const TWordSearch& puzzle, const TListedWords& listed, int columns, int rows,
                                 const IWordSet* dictionary)
    : puzzle_(puzzle), columns_(columns), rows_(rows), stride_(columns + 2), dictionary_(dictionary != nullptr ? &dictionary->Words() : nullptr), taboo_(Taboo(listed.TabooId).Trie), listedWords_(listed), listed_(listed.Trie),
      letters_(static_cast<std::size_t>(stride_) * (rows + 2), 0) {
    for (int r = 1; r <= rows_; ++r)
        for (int c = 1; c <= columns_; ++c) letters_[static_cast<std::size_t>(Index(c, r))] = Folded(puzzle_.Grid[c][r]);
    for (int d = North; d <= NorthWest; ++d) steps_[d] = DirectionDx[d] + DirectionDy[d] * stride_;
    ListPlacedWords();
}

// Where each listed text is placed; a text without a placement is no second copy of anything.
void TAccidentalScan::ListPlacedWords() {
    const TEngineState& s = puzzle_.State();
    ownRuns_.resize(listedWords_.Texts.size());
    for (int i = 1; i <= s.WordCount; ++i) {
        const TWordPlacement& p = puzzle_.Placements[i];
        const int text = listedWords_.TextOf[static_cast<std::size_t>(i - 1)];
        if (!p.Placed || text < 0 || p.Direction < North || p.Direction > NorthWest) continue;
        ownRuns_[static_cast<std::size_t>(text)].push_back(TRun{p.Column, p.Row, p.Direction, s.WordList[i].Length}.Canonical());
    }
}

// A taboo or dictionary word lying inside one listed word is the teacher's own choice.
bool TAccidentalScan::InsideListedWord(const TRun& run) const {
    for (const char16_t w : puzzle_.WordListIndicies[run.column][run.row])
        if (w >= 1 && w <= MaxWords && puzzle_.InsideWord(run.length, run.column, run.row, run.direction, w)) return true;
    return false;
}

bool TAccidentalScan::SecondCopy(int id, const TRun& run) const {
    const auto& own = ownRuns_[static_cast<std::size_t>(id)];
    return !own.empty() && std::find(own.begin(), own.end(), run.Canonical()) == own.end();
}

void TAccidentalScan::ScanAxis(int column, int row, int d, std::vector<TRun>& out) const {
    const char16_t* at = letters_.data() + Index(column, row);
    // Every taboo and listed word has two letters or more; the frame stops a read past the edge.
    if (at[steps_[d]] == 0) return;
    if (at[2 * steps_[d]] != 0 && !listedWords_.Beginnings.MayBegin(at[0], at[steps_[d]], at[2 * steps_[d]])) return;
    WalkLine(taboo_, at, steps_[d], [&](int length, TWordTrie::TNode node) {
        const TRun run{column, row, d, length};
        if (taboo_.Id(node) >= 0 && !InsideListedWord(run)) out.push_back(run);
        if (taboo_.ReversedId(node) >= 0 && !InsideListedWord(run.Reversed())) out.push_back(run.Reversed());
    });
    WalkLine(listed_, at, steps_[d], [&](int length, TWordTrie::TNode node) {
        const TRun run{column, row, d, length};
        if (const int id = listed_.Id(node); id >= 0 && SecondCopy(id, run)) out.push_back(run);
        if (const int id = listed_.ReversedId(node); id >= 0 && SecondCopy(id, run)) out.push_back(run.Reversed());
    });
}

void TAccidentalScan::ScanDictionary(int column, int row, int d, std::vector<TRun>& out) const {
    WalkLine(*dictionary_, letters_.data() + Index(column, row), steps_[d], [&](int length, TWordTrie::TNode node) {
        const TRun run{column, row, d, length};
        if (length >= AccidentalDictionaryMinLength && dictionary_->EndsWord(node) && !InsideListedWord(run))
            out.push_back(run);
    });
}

void TAccidentalScan::Scan(int column, int row, int d, std::vector<TRun>& out) const {
    if (TRun::IsAxis(d)) ScanAxis(column, row, d, out);
    if (dictionary_ != nullptr) ScanDictionary(column, row, d, out);
}

void TAccidentalScan::ScanAll() {
    hits_.clear();
    for (int r = 1; r <= rows_; ++r)
        for (int c = 1; c <= columns_; ++c)
            for (int d = North; d <= NorthWest; ++d) Scan(c, r, d, hits_);
    std::stable_sort(hits_.begin(), hits_.end(), ReadsBefore);
}

void TAccidentalScan::Rescan(const std::vector<std::pair<int, int>>& redrawn) {
    std::vector<char> changed(letters_.size(), 0);
    for (const auto& [c, r] : redrawn) {
        letters_[static_cast<std::size_t>(Index(c, r))] = Folded(puzzle_.Grid[c][r]);
        changed[static_cast<std::size_t>(Index(c, r))] = 1;
    }
    const auto throughChanged = [&](const TRun& run) {
        const int step = steps_[run.direction];
        for (int k = 0, at = Index(run.column, run.row); k < run.length; ++k, at += step)
            if (changed[static_cast<std::size_t>(at)]) return true;
        return false;
    };
    std::erase_if(hits_, throughChanged);

    // Every start whose walk could reach a changed cell: as far back as the longest word.
    const int axisReach = std::max(taboo_.LongestWord(), listed_.LongestWord());
    const int reach = dictionary_ != nullptr ? std::max({axisReach, columns_, rows_}) : axisReach;
    std::vector<std::uint16_t> starts(letters_.size(), 0);  // bit d: the start towards d
    for (const auto& [c, r] : redrawn)
        for (int d = North; d <= NorthWest; ++d)
            for (int k = 0, at = Index(c, r); k < reach && letters_[static_cast<std::size_t>(at)] != 0; ++k, at -= steps_[d])
                starts[static_cast<std::size_t>(at)] |= static_cast<std::uint16_t>(1u << d);
    std::vector<TRun> found;
    for (int r = 1; r <= rows_; ++r)
        for (int c = 1; c <= columns_; ++c)
            if (const unsigned bits = starts[static_cast<std::size_t>(Index(c, r))])
                for (int d = North; d <= NorthWest; ++d)
                    if ((bits >> d) & 1u) Scan(c, r, d, found);
    for (const TRun& run : found)
        if (throughChanged(run)) hits_.push_back(run);
    std::stable_sort(hits_.begin(), hits_.end(), ReadsBefore);
}

std::vector<TRun> TAccidentalScan::Found() const {
    std::vector<TRun> found;
    for (const TRun& run : hits_) {
        const TRun key = run.Canonical();
        if (std::none_of(found.begin(), found.end(), [&key](const TRun& f) { return f.Canonical() == key; }))
            found.push_back(run);
    }
    return found;
}

// The filler cells of the runs, in reading order, so a seed redraws them in one order.
std::vector<std::pair<int, int>> FillerCellsOf(const TWordSearch& puzzle, const std::vector<TRun>& runs) {
    std::vector<std::pair<int, int>> cells;  // (row, column) while sorting
    for (const TRun& run : runs)
        for (int k = 0, x = run.column, y = run.row; k < run.length;
             ++k, x += DirectionDx[run.direction], y += DirectionDy[run.direction])
            if (puzzle.WordListIndicies[x][y].empty()) cells.emplace_back(y, x);
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    for (auto& [a, b] : cells) std::swap(a, b);
    return cells;
}

}  // namespace

void TWordSearch::CheckAccidentalWords() {
    AccidentalWords.clear();
    TEngineState& s = *state_;
    const int level = std::min<int>(s.Settings.AccidentalCheck, AccidentalAllWords);
    if (level == AccidentalNone || ActualColumns < 1 || ActualRows < 1) return;
    const IWordSet* dictionary = level >= AccidentalAllWords ? s.MainDictionary : nullptr;
    TAccidentalScan scan(*this, ListedWords(s), std::min(ActualColumns, MaxGridSize), std::min(ActualRows, MaxGridSize),
                         dictionary);
    scan.ScanAll();
    std::vector<TRun> found = scan.Found();
    // Runs with a filler cell are drawn again; the rest are word and message letters only.
    for (int pass = 0; pass < MaxRedrawPasses; ++pass) {
        const std::vector<std::pair<int, int>> cells = FillerCellsOf(*this, found);
        if (cells.empty()) break;
        for (const auto& [c, r] : cells) Grid[c][r] = s.FillerLetter();
        scan.Rescan(cells);
        found = scan.Found();
    }

    for (const TRun& run : found) {
        TAccidentalWord word{u"", run.column, run.row, static_cast<std::uint8_t>(run.direction)};
        for (int k = 0, x = run.column, y = run.row; k < run.length;
             ++k, x += DirectionDx[run.direction], y += DirectionDy[run.direction])
            word.Word += s.Cells.Text(Grid[x][y]);
        AccidentalWords.push_back(std::move(word));
    }
}

}  // namespace vorlix
