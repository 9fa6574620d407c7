// The accidental-word check: words the filler spells by chance are drawn away again.
#include <algorithm>
#include <array>
#include <vector>

#include "wordsearch.h"

namespace vorlix {

extern const char16_t* const TabooWords[];
extern const std::size_t TabooWordsCount;

std::size_t TabooWordCount() { return TabooWordsCount; }
const char16_t* TabooWord(std::size_t k) { return k < TabooWordsCount ? TabooWords[k] : u""; }

namespace {

// Enough for a pass or two per word in any real grid; a grid that keeps spelling words
// after this many redraws reports what is left instead of drawing for ever.
constexpr int MaxRedrawPasses = 64;

// Upper case for the letters of the scripts a grid is likely to hold; comparisons ignore case.
char16_t Folded(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
    if (c == 0x3C2) return 0x3A3;  // final sigma
    if (c >= 0x3B1 && c <= 0x3C9) return static_cast<char16_t>(c - 32);
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 32);
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 80);
    return c;
}

std::u16string Folded(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) c = Folded(c);
    return out;
}

// Words by letters; A..Z have direct links, anything else a short list.
class TLetterTrie {
public:
    TLetterTrie() : nodes_(1) {}

    void Add(std::u16string_view folded, int id) {
        int node = 0;
        for (const char16_t c : folded) {
            int next = Child(node, c);
            if (next < 0) {
                next = static_cast<int>(nodes_.size());
                nodes_.emplace_back();
                if (c >= u'A' && c <= u'Z') nodes_[node].latin[c - u'A'] = next;
                else nodes_[node].other.emplace_back(c, next);
            }
            node = next;
        }
        nodes_[node].id = id;
    }

    int Child(int node, char16_t folded) const {
        const Node& n = nodes_[node];
        if (folded >= u'A' && folded <= u'Z') return n.latin[folded - u'A'];
        for (const auto& [c, next] : n.other)
            if (c == folded) return next;
        return -1;
    }

    int Id(int node) const { return nodes_[node].id; }

private:
    struct Node {
        Node() { latin.fill(-1); }
        std::array<int, 26> latin;
        std::vector<std::pair<char16_t, int>> other;
        int id = -1;
    };
    std::vector<Node> nodes_;
};

const TLetterTrie& TabooTrie() {
    static const TLetterTrie trie = [] {
        TLetterTrie t;
        for (std::size_t k = 0; k < TabooWordsCount; ++k) t.Add(TabooWords[k], 0);
        return t;
    }();
    return trie;
}

// A straight run of cells; the same cells read backwards are the same run.
struct TRun {
    int column, row, direction, length;
    TRun Canonical() const {
        // East, SouthEast, South and SouthWest cover the four axes once each.
        if (direction >= East && direction <= SouthWest) return *this;
        return {column + DirectionDx[direction] * (length - 1), row + DirectionDy[direction] * (length - 1),
                OppositeDirection[direction], length};
    }
    bool operator==(const TRun&) const = default;
};

}  // namespace

void TWordSearch::CheckAccidentalWords() {
    AccidentalWords.clear();
    TEngineState& s = *state_;
    const int level = std::min<int>(s.Settings.AccidentalCheck, AccidentalAllWords);
    if (level == AccidentalNone || ActualColumns < 1 || ActualRows < 1) return;
    const int columns = std::min(ActualColumns, MaxGridSize);
    const int rows = std::min(ActualRows, MaxGridSize);

    // The placed words by their folded letters; each text lists the runs where it belongs.
    TLetterTrie listed;
    std::vector<std::u16string> texts;
    std::vector<std::vector<TRun>> ownRuns;
    for (int i = 1; i <= s.WordCount; ++i) {
        const TWordPlacement& p = Placements[i];
        const int length = s.WordList[i].Length;
        if (!p.Placed || length < 2 || p.Direction < 1 || p.Direction > 8) continue;
        const std::u16string text = Folded(s.WordList[i].GridWord);
        auto known = std::find(texts.begin(), texts.end(), text);
        if (known == texts.end()) {
            listed.Add(text, static_cast<int>(texts.size()));
            texts.push_back(text);
            ownRuns.emplace_back();
            known = texts.end() - 1;
        }
        ownRuns[static_cast<std::size_t>(known - texts.begin())].push_back(
            TRun{p.Column, p.Row, p.Direction, length}.Canonical());
    }
    const IWordSet* dictionary = level >= AccidentalAllWords ? s.MainDictionary : nullptr;
    const TLetterTrie& taboo = TabooTrie();

    // A taboo or dictionary word lying inside one listed word is the teacher's own choice.
    auto insideListedWord = [&](const TRun& run) {
        for (const char16_t w : WordListIndicies[run.column][run.row])
            if (w >= 1 && w <= MaxWords && InsideWord(run.length, run.column, run.row, run.direction, w)) return true;
        return false;
    };

    std::vector<TRun> found;
    auto note = [&](const TRun& run) {
        const TRun key = run.Canonical();
        for (const TRun& f : found)
            if (f.Canonical() == key) return;
        found.push_back(run);
    };

    std::vector<char> redraw(static_cast<std::size_t>(CellSpan) * CellSpan);
    std::u16string letters;
    for (int pass = 0;; ++pass) {
        found.clear();
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                for (int d = North; d <= NorthWest; ++d) {
                    // The letters from (c, r) towards the grid's edge, folded, read as far as needed.
                    letters.clear();
                    int x = c, y = r;
                    auto readTo = [&](int k) {
                        while (static_cast<int>(letters.size()) <= k) {
                            if (x < 1 || x > columns || y < 1 || y > rows) return false;
                            letters.push_back(Folded(Grid[x][y]));
                            x += DirectionDx[d];
                            y += DirectionDy[d];
                        }
                        return true;
                    };
                    int tabooNode = 0, listedNode = 0;
                    for (int k = 0; (tabooNode >= 0 || listedNode >= 0) && readTo(k); ++k) {
                        const TRun run{c, r, d, k + 1};
                        if (tabooNode >= 0) {
                            tabooNode = taboo.Child(tabooNode, letters[k]);
                            if (tabooNode >= 0 && taboo.Id(tabooNode) >= 0 && !insideListedWord(run)) note(run);
                        }
                        if (listedNode >= 0) {
                            listedNode = listed.Child(listedNode, letters[k]);
                            const int id = listedNode >= 0 ? listed.Id(listedNode) : -1;
                            if (id >= 0) {
                                const auto& own = ownRuns[static_cast<std::size_t>(id)];
                                if (std::find(own.begin(), own.end(), run.Canonical()) == own.end()) note(run);
                            }
                        }
                    }
                    if (dictionary == nullptr || !readTo(AccidentalDictionaryMinLength - 1)) continue;
                    // Every word of five letters or more starts with these four.
                    const std::u16string_view start(letters.data(), AccidentalDictionaryMinLength - 1);
                    if (!dictionary->HasWordStartingWith(start)) continue;
                    for (int k = AccidentalDictionaryMinLength; readTo(k - 1); ++k) {
                        const std::u16string_view prefix = std::u16string_view(letters).substr(0, std::size_t(k));
                        if (!dictionary->HasWordStartingWith(prefix)) break;
                        const TRun run{c, r, d, k};
                        if (dictionary->Contains(prefix) && !insideListedWord(run)) note(run);
                    }
                }

        // Runs with a filler cell are drawn again; the rest are word and message letters only.
        std::fill(redraw.begin(), redraw.end(), 0);
        bool removable = false;
        for (const TRun& run : found)
            for (int k = 0, x = run.column, y = run.row; k < run.length;
                 ++k, x += DirectionDx[run.direction], y += DirectionDy[run.direction])
                if (WordListIndicies[x][y].empty()) {
                    redraw[static_cast<std::size_t>(x) * CellSpan + y] = 1;
                    removable = true;
                }
        if (!removable || pass == MaxRedrawPasses) break;
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                if (redraw[static_cast<std::size_t>(c) * CellSpan + r]) Grid[c][r] = s.FillerLetter();
    }

    for (const TRun& run : found) {
        TAccidentalWord word{u"", run.column, run.row, static_cast<std::uint8_t>(run.direction)};
        for (int k = 0, x = run.column, y = run.row; k < run.length;
             ++k, x += DirectionDx[run.direction], y += DirectionDy[run.direction])
            word.Word.push_back(Grid[x][y]);
        AccidentalWords.push_back(std::move(word));
    }
}

}  // namespace vorlix
