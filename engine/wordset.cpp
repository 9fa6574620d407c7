// The word set's lookups and the compact prefix tree.
#include "wordset.h"

#include <algorithm>

namespace vorlix {

TWordTrie::TNode TWordTrie::Walk(std::u16string_view letters) const {
    TNode node = Root();
    for (const char16_t c : letters)
        if ((node = Next(node, c)) == NoNode) break;
    return node;
}

bool TWordTrie::Contains(std::u16string_view word) const {
    const TNode node = word.empty() ? NoNode : Walk(word);
    return node != NoNode && EndsWord(node);
}

bool TWordTrie::HasWordStartingWith(std::u16string_view prefix) const { return Walk(prefix) != NoNode; }

void TWordTrie::Assign(std::vector<TEntry> entries) {
    std::erase_if(entries, [](const TEntry& e) { return e.Word.empty(); });
    // By letters, a repeat after its first entry.
    std::vector<std::pair<std::u16string_view, std::size_t>> order;
    order.reserve(entries.size());
    std::size_t letters = 0;
    longest_ = 0;
    hasReversed_ = false;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        order.emplace_back(entries[k].Word, k);
        letters += entries[k].Word.size();
        longest_ = std::max(longest_, static_cast<int>(entries[k].Word.size()));
        hasReversed_ = hasReversed_ || entries[k].Reversed;
    }
    std::sort(order.begin(), order.end());
    std::vector<TEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto& [word, k] : order) sorted.push_back(entries[k]);
    nodes_.reserve(letters + 1);
    edges_.reserve(letters);
    Build(sorted);
    MarkWordEnds();
    MakeDenseTable();
}

// A walk tests the node it holds for a word's end without reading the node.
void TWordTrie::MarkWordEnds() {
    for (TEdge& edge : edges_) {
        const TTrieNode& child = nodes_[static_cast<std::size_t>(edge.Child)];
        edge.Child = edge.Child * 2 + (child.Id >= 0 || child.ReversedId >= 0 ? 1 : 0);
    }
}

// Level by level, so nodes are numbered by depth and each node's edges lie together.
void TWordTrie::Build(const std::vector<TEntry>& sorted) {
    struct TPending {
        TNode node;
        std::size_t lo, hi, depth;  // sorted[lo, hi) share their first `depth` letters
    };
    nodes_.assign(1, TTrieNode{});
    edges_.clear();
    denseNodes_ = 1;
    std::vector<TPending> queue{{0, 0, sorted.size(), 0}};
    queue.reserve(nodes_.capacity());
    for (std::size_t q = 0; q < queue.size(); ++q) {
        auto [node, lo, hi, depth] = queue[q];
        if (depth < DenseDepth) denseNodes_ = node + 1;
        for (TTrieNode& n = nodes_[static_cast<std::size_t>(node)]; lo < hi && sorted[lo].Word.size() == depth; ++lo) {
            std::int32_t& id = sorted[lo].Reversed ? n.ReversedId : n.Id;
            if (id < 0) id = sorted[lo].Id;
        }
        nodes_[static_cast<std::size_t>(node)].FirstEdge = static_cast<std::int32_t>(edges_.size());
        for (std::size_t i = lo; i < hi;) {
            std::size_t end = i + 1;
            while (end < hi && sorted[end].Word[depth] == sorted[i].Word[depth]) ++end;
            const auto child = static_cast<TNode>(nodes_.size());
            edges_.push_back({sorted[i].Word[depth], child});
            nodes_.emplace_back();
            queue.push_back({child, i, end, depth + 1});
            ++nodes_[static_cast<std::size_t>(node)].EdgeCount;
            i = end;
        }
    }
}

void TWordTrie::MakeDenseTable() {
    dense_.assign(static_cast<std::size_t>(denseNodes_) * 26, NoNode);
    for (TNode node = 0; node < denseNodes_; ++node) {
        const TTrieNode& n = nodes_[static_cast<std::size_t>(node)];
        for (std::int32_t e = n.FirstEdge; e < n.FirstEdge + n.EdgeCount; ++e) {
            const TEdge& edge = edges_[static_cast<std::size_t>(e)];
            if (edge.Letter >= u'A' && edge.Letter <= u'Z')
                dense_[static_cast<std::size_t>(node) * 26 + (edge.Letter - u'A')] = edge.Child;
        }
    }
}

}  // namespace vorlix
