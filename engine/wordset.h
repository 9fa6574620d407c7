// Read-only word sets the engine looks up: a compact prefix tree, and the interface the main dictionary comes through.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vorlix {

// A compact prefix tree; each word carries a number the caller chose. A word may also be
// entered reversed, under a number of its own, so one walk along a line finds the words
// that read back along it as well.
// A walk reads one letter at a time, so a scan along a grid line stops as soon as no word
// begins with the letters read so far.
class TWordTrie {
public:
    using TNode = std::int32_t;
    static constexpr TNode NoNode = -1;

    struct TEntry {
        std::u16string_view Word;  // as walked: a reversed entry holds the letters back to front
        int Id = 0;  // 0 or more
        bool Reversed = false;
    };

    TWordTrie() { Assign({}); }
    explicit TWordTrie(std::vector<TEntry> entries) { Assign(std::move(entries)); }
    // In any order; a repeated word keeps the number of its first entry (of each kind).
    // Empty words are skipped.
    void Assign(std::vector<TEntry> entries);

    // The empty beginning; a walk starts here.
    TNode Root() const { return 0; }
    // The beginning one letter longer, or NoNode when no word begins so.
    TNode Next(TNode node, char16_t letter) const {
        const TNode index = node >> 1;
        const unsigned latin = static_cast<unsigned>(letter) - u'A';
        if (index < denseNodes_ && latin < 26) return dense_[static_cast<std::size_t>(index) * 26 + latin];
        const TTrieNode& n = nodes_[static_cast<std::size_t>(index)];
        for (std::int32_t e = n.FirstEdge, end = n.FirstEdge + n.EdgeCount; e < end; ++e) {
            const TEdge& edge = edges_[static_cast<std::size_t>(e)];
            if (edge.Letter == letter) return edge.Child;
            if (edge.Letter > letter) break;
        }
        return NoNode;
    }
    // True when the letters read to node are a word (not only a reversed one).
    bool EndsWord(TNode node) const { return hasReversed_ ? Id(node) >= 0 : EndsEither(node); }
    // True when a word or a reversed word ends at node; the node's own bit says so.
    static bool EndsEither(TNode node) { return (node & 1) != 0; }
    // The number of the word, or of the reversed word, ending at node; -1 when there is none.
    int Id(TNode node) const { return nodes_[static_cast<std::size_t>(node >> 1)].Id; }
    int ReversedId(TNode node) const { return nodes_[static_cast<std::size_t>(node >> 1)].ReversedId; }
    int LongestWord() const { return longest_; }
    bool Empty() const { return nodes_.size() == 1; }

    bool Contains(std::u16string_view word) const;
    // True when some word begins with prefix (the word itself included).
    bool HasWordStartingWith(std::u16string_view prefix) const;

private:
    struct TTrieNode {
        std::int32_t FirstEdge = 0;
        std::int32_t EdgeCount = 0;
        std::int32_t Id = -1;
        std::int32_t ReversedId = -1;
    };
    struct TEdge {
        char16_t Letter;
        TNode Child;  // the child's position times two, plus one where a word ends
    };
    TNode Walk(std::u16string_view letters) const;
    void Build(const std::vector<TEntry>& sorted);
    void MarkWordEnds();
    void MakeDenseTable();

    std::vector<TTrieNode> nodes_;
    std::vector<TEdge> edges_;  // each node's edges together, by letter
    // Nodes less than DenseDepth letters deep (numbered 0 .. denseNodes_ - 1) also answer
    // A..Z from a table: most walks along a grid line end within three letters.
    static constexpr std::size_t DenseDepth = 3;
    std::vector<TNode> dense_;
    TNode denseNodes_ = 0;
    int longest_ = 0;
    bool hasReversed_ = false;
};

// The main dictionary lives outside the engine and hands its words over as a prefix tree.
class IWordSet {
public:
    virtual ~IWordSet() = default;
    // Upper case; a set may make the tree on first use.
    virtual const TWordTrie& Words() const = 0;

    bool Contains(std::u16string_view word) const { return Words().Contains(word); }
    bool HasWordStartingWith(std::u16string_view prefix) const { return Words().HasWordStartingWith(prefix); }
};

}  // namespace vorlix
