// Tight construction: a search over every legal spot that places as many words as it can in a
// given grid, and a walk over sizes that finds the smallest grid holding them all.
#include <algorithm>
#include <array>
#include <chrono>
#include <compare>
#include <cstdint>
#include <utility>
#include <vector>

#include "wordsearch.h"

namespace vorlix {

namespace {

using Clock = std::chrono::steady_clock;

// Cells are addressed row * Stride + column with a free border, so neighbours of edge cells exist.
constexpr int Stride = CellSpan + 1;
// Only levels 3 and 4 stack more than four words in a cell; past this many a cell takes no more.
constexpr int CellWordCap = 6;
// Time and cancellation are looked at once per this many work units.
constexpr std::int64_t PollEvery = 4096;
constexpr std::int64_t ProgressEvery = 1 << 16;
// Spots looked at for one size's first layout, and per word at least: more than any list of a
// few hundred words needs (118 words in 30 x 30 take under a million), bounded for 5000.
constexpr std::int64_t GreedyWork = 16'000'000;
constexpr std::int64_t MinSpotsPerScan = 4096;
// Layouts the beam construction keeps, and spots each one is grown by.
constexpr int BeamWidth = 4;

int AxisBit(int d) { return 1 << ((d - 1) & 3); }

struct TCell {
    char16_t letter = 0;  // 0 while free
    std::uint8_t count = 0;
    std::uint8_t axes = 0;  // AxisBit of each word through the cell
    std::array<std::uint16_t, CellWordCap> words{};
};

struct TMove {
    int word = 0;
    int column = 0;
    int row = 0;
    int direction = 0;
};

// One layout: the moves in the order they were made, which is an order in which CanPlaceWord
// accepts every one of them (every rule compares a new word with one already there, and taking
// words away never makes a later word's check fail).
struct TLayout {
    int columns = 0;
    int rows = 0;
    std::vector<TMove> moves;
};

class TPacker {
public:
    TPacker(TEngineState& state, std::int64_t timeLimitMs)
        : s_(state), cfg_(state.Settings), cells_(Stride * Stride), letters_(Stride * Stride),
          cellCost_(Stride * Stride) {
        const int n = s_.WordCount;
        placed_.assign(n + 1, false);
        at_.assign(n + 1, TMove{});
        tabuUntil_.assign(n + 1, 0);
        seen_.assign(n + 1, 0);
        for (int d = 1; d <= 8; ++d) allowed_[d] = s_.DirectionAllowed(d);
        for (int d = 1; d <= 8; ++d) share_[d] = allowed_[d] ? s_.DirectionShare(d) : 0.0;
        if (timeLimitMs > 0) deadline_ = Clock::now() + std::chrono::milliseconds(timeLimitMs);
        embedCheck_ = cfg_.AllowIntersect() && cfg_.AllowSameLine() && !cfg_.AllowEmbed();
    }

    bool Stopped() const { return timedOut_ || cancelled_; }
    bool TimedOut() const { return timedOut_; }
    bool Cancelled() const { return cancelled_; }
    std::int64_t Work() const { return work_; }

    // Whether word w has a legal spot in an empty grid of this size.
    bool FitsEmpty(int w, int columns, int rows) const {
        const int length = s_.WordList[w].Length;
        for (int d = 1; d <= 8; ++d)
            if (allowed_[d] && (DirectionDx[d] == 0 || length <= columns) && (DirectionDy[d] == 0 || length <= rows))
                return true;
        return false;
    }

    // Searches a columns x rows grid until every word that fits it is placed or the budget is
    // spent. The best layout is left in Best(); returns whether it holds every such word and
    // leaves messageCells free cells.
    bool Solve(int columns, int rows, std::int64_t budget, int messageCells) {
        columns_ = columns;
        rows_ = rows;
        messageCells_ = messageCells;
        targets_.clear();
        for (int w = 1; w <= s_.WordCount; ++w)
            if (FitsEmpty(w, columns, rows)) targets_.push_back(w);
        // Longest first; among equals the one with the rarest letters, which has the fewest spots
        // to share.
        std::vector<int> rarity(s_.WordCount + 1, 0);
        std::array<int, 128> frequency{};
        for (int w : targets_)
            for (char16_t c : s_.WordList[w].GridWord) ++frequency[c & 127];
        for (int w : targets_)
            for (char16_t c : s_.WordList[w].GridWord) rarity[w] += frequency[c & 127];
        std::stable_sort(targets_.begin(), targets_.end(), [&](int x, int y) {
            const int lx = s_.WordList[x].Length, ly = s_.WordList[y].Length;
            return lx != ly ? lx > ly : rarity[x] * ly < rarity[y] * lx;
        });

        // The first layout alone may take GreedyWork; past that the scans are thinned.
        spotsPerScan_ = static_cast<int>(std::max<std::int64_t>(
            MinSpotsPerScan, GreedyWork / std::max<std::int64_t>(1, static_cast<std::int64_t>(targets_.size()))));

        const std::int64_t start = work_;
        const std::int64_t end = work_ + budget;
        ClearGrid();
        std::vector<int> unplaced;
        for (int w : targets_) {
            TMove spot;
            if (!Stopped() && BestFreeSpot(w, spot)) Place(spot);
            else unplaced.push_back(w);
        }
        Keep(unplaced);
        // The greedy layout is enough for roomy grids; a tight one gets the wider construction
        // when the budget allows it (it costs BeamWidth greedy layouts), then the repair.
        if (!unplaced.empty() && !Stopped() && BeamWidth * (work_ - start) <= (end - work_) / 2) {
            unplaced = BeamLayout();
            if (Objective(unplaced) < bestObjective_) {
                Keep(unplaced);
            } else {
                Restore();
                unplaced = Unplaced();
            }
        }
        Repair(unplaced, end);
        return bestUnplaced_ == 0 && bestFree_ >= messageCells_;
    }

    const TLayout& Best() const { return best_; }
    int BestPlaced() const { return static_cast<int>(best_.moves.size()); }


private:
    TEngineState& s_;
    const TWordSearchConfig& cfg_;
    std::vector<TCell> cells_;
    // The cells' letters alone: most spots are refused on a letter, and this small copy stays in cache.
    std::vector<char16_t> letters_;
    // What taking every word out of a cell costs (Conflicts' measure), beside letters_.
    std::vector<int> cellCost_;
    int columns_ = 0;
    int rows_ = 0;
    int messageCells_ = 0;
    int usedCells_ = 0;
    std::array<bool, 9> allowed_{};
    std::array<double, 9> share_{};
    std::array<int, 9> directionCount_{};
    int placedCount_ = 0;
    bool embedCheck_ = false;

    std::vector<int> targets_;
    std::vector<bool> placed_;
    std::vector<TMove> at_;
    std::vector<TMove> order_;  // moves in the order made
    std::vector<std::int64_t> tabuUntil_;
    std::vector<std::uint32_t> seen_;
    std::uint32_t stamp_ = 0;
    std::vector<int> conflicts_;
    int spotsPerScan_ = 1 << 30;
    int shared_ = 0;  // matching cells met by the last Conflicts
    std::int64_t iteration_ = 0;

    struct TObjective {
        int unplaced = 0, letters = 0, shortOfRoom = 0, negativeFree = 0;
        auto operator<=>(const TObjective&) const = default;
    };
    TLayout best_;
    int bestUnplaced_ = 0;
    int bestFree_ = 0;
    TObjective bestObjective_;

    std::int64_t work_ = 0;
    int progressPlaced_ = 0;  // the most words any kept layout held, for the progress callback
    Clock::time_point deadline_ = Clock::time_point::max();
    bool timedOut_ = false;
    bool cancelled_ = false;

    TCell& Cell(int c, int r) { return cells_[r * Stride + c]; }
    const TCell& Cell(int c, int r) const { return cells_[r * Stride + c]; }

    void Tick() {
        ++work_;
        if (work_ % PollEvery != 0) return;
        if (Clock::now() >= deadline_) timedOut_ = true;
        if (work_ % ProgressEvery == 0 && s_.PackProgress && !s_.PackProgress(progressPlaced_, s_.WordCount))
            cancelled_ = true;
    }

    void ClearGrid() {
        for (int r = 0; r <= rows_ + 1; ++r)
            for (int c = 0; c <= columns_ + 1; ++c) {
                Cell(c, r) = TCell{};
                letters_[r * Stride + c] = 0;
                cellCost_[r * Stride + c] = 0;
            }
        std::fill(placed_.begin(), placed_.end(), false);
        order_.clear();
        directionCount_.fill(0);
        placedCount_ = 0;
        usedCells_ = 0;
    }

    // The rows or columns a start may take so that the whole word lies inside.
    static void StartRange(int step, int length, int extent, int& first, int& last) {
        first = step < 0 ? length : 1;
        last = step > 0 ? extent - length + 1 : extent;
    }

    // Mirrors CanPlaceWord: the shared cells' letters and words, then diagonal crossings.
    // Returns the number of shared cells, or -1 when refused.
    int Fit(int w, int column, int row, int d) const {
        const TWordRecord& record = s_.WordList[w];
        const int dx = DirectionDx[d], dy = DirectionDy[d];
        const int axis = AxisBit(d);
        const int step = dy * Stride + dx;
        const char16_t* letters = record.GridWord.data();
        int shared = 0;
        for (int k = 0, at = row * Stride + column; k < record.Length; ++k, at += step) {
            const char16_t here = letters_[at];
            if (here == 0) continue;
            if (here != letters[k] || !cfg_.AllowIntersect()) return -1;
            ++shared;
        }
        if (shared > 0 && !SharingAllowed(record, column, row, d, axis)) return -1;
        if (!cfg_.AllowCross() && IsDiagonal(d))
            for (int k = 1, c = column, r = row; k < record.Length; ++k, c += dx, r += dy)
                if (CommonWord(Cell(c + dx, r), Cell(c, r + dy)) != 0) return -1;
        return shared;
    }

    // The word rules at the cells a spot shares, once its letters all agree.
    bool SharingAllowed(const TWordRecord& record, int column, int row, int d, int axis) const {
        const int dx = DirectionDx[d], dy = DirectionDy[d];
        for (int k = 0, c = column, r = row; k < record.Length; ++k, c += dx, r += dy) {
            const TCell& cell = Cell(c, r);
            if (cell.letter == 0) continue;
            if (!cfg_.AllowSameLine() && (cell.axes & axis) != 0) return false;
            if (cell.count >= CellWordCap) return false;
            if (embedCheck_)
                for (int j = 0; j < cell.count; ++j)
                    if (Inside(record.Length, column, row, d, cell.words[j])) return false;
        }
        return true;
    }

    static int CommonWord(const TCell& a, const TCell& b) {
        for (int i = 0; i < a.count; ++i)
            for (int j = 0; j < b.count; ++j)
                if (a.words[i] == b.words[j]) return a.words[i];
        return 0;
    }

    // TWordSearch::InsideWord on this packer's placements.
    bool Inside(int length, int column, int row, int d, int w) const {
        const TMove& other = at_[w];
        if (other.direction != d && other.direction != OppositeDirection[d]) return false;
        bool collinear = false;
        switch (d) {
            case North: case South: collinear = column == other.column; break;
            case East: case West: collinear = row == other.row; break;
            case SouthEast: case NorthWest: collinear = other.row - row == other.column - column; break;
            case NorthEast: case SouthWest: collinear = other.column + other.row == column + row; break;
            default: break;
        }
        if (!collinear) return false;
        const int otherLength = s_.WordList[w].Length;
        const int endColumn = other.column + DirectionDx[other.direction] * (otherLength - 1);
        const int endRow = other.row + DirectionDy[other.direction] * (otherLength - 1);
        const int left = std::min(other.column, endColumn), right = std::max(other.column, endColumn);
        const int top = std::min(other.row, endRow), bottom = std::max(other.row, endRow);
        auto inBox = [&](int c, int r) { return c >= left && c <= right && r >= top && r <= bottom; };
        return inBox(column, row) &&
               inBox(column + DirectionDx[d] * (length - 1), row + DirectionDy[d] * (length - 1));
    }

    void Mark(int w) {
        if (seen_[w] == stamp_) return;
        seen_[w] = stamp_;
        conflicts_.push_back(w);
    }

    // The words that would have to go for w to lie here, into conflicts_; their cost (longer
    // words cost more, as they are harder to lay again) or -1 when a tabu word is among them or
    // the cost passes limit.
    int Conflicts(int w, int column, int row, int d, int limit) {
        const TWordRecord& record = s_.WordList[w];
        const int dx = DirectionDx[d], dy = DirectionDy[d];
        const int axis = AxisBit(d);
        // A cell of other letters must be emptied whole: the dearest such cell bounds the cost
        // from below, read from the small arrays before any word list.
        const int step = dy * Stride + dx;
        for (int k = 0, at = row * Stride + column; k < record.Length; ++k, at += step) {
            const char16_t here = letters_[at];
            if (here != 0 && (here != record.GridWord[k] || !cfg_.AllowIntersect()) && cellCost_[at] > limit) return -1;
        }
        conflicts_.clear();
        ++stamp_;
        shared_ = 0;
        int cost = 0;
        auto add = [&](int v) {
            if (seen_[v] == stamp_) return true;
            if (tabuUntil_[v] > iteration_) return false;
            Mark(v);
            const int length = s_.WordList[v].Length;
            cost += length * length;
            return cost <= limit;
        };
        for (int k = 0, c = column, r = row; k < record.Length; ++k, c += dx, r += dy) {
            const TCell& cell = Cell(c, r);
            if (cell.letter == 0) continue;
            if (cell.letter != record.GridWord[k] || !cfg_.AllowIntersect()) {
                for (int j = 0; j < cell.count; ++j)
                    if (!add(cell.words[j])) return -1;
                continue;
            }
            int staying = 0;
            ++shared_;
            for (int j = 0; j < cell.count; ++j) {
                const int v = cell.words[j];
                const bool clash = (!cfg_.AllowSameLine() && (AxisBit(at_[v].direction) & axis) != 0) ||
                                   (embedCheck_ && Inside(record.Length, column, row, d, v));
                if (clash) {
                    if (!add(v)) return -1;
                } else if (seen_[v] != stamp_) {
                    ++staying;
                }
            }
            if (staying >= CellWordCap) return -1;
        }
        if (!cfg_.AllowCross() && IsDiagonal(d))
            for (int k = 1, c = column, r = row; k < record.Length; ++k, c += dx, r += dy) {
                const TCell& a = Cell(c + dx, r);
                const TCell& b = Cell(c, r + dy);
                for (int i = 0; i < a.count; ++i)
                    for (int j = 0; j < b.count; ++j)
                        if (a.words[i] == b.words[j] && !add(a.words[i])) return -1;
            }
        return cost;
    }

    // Free or off-grid cells beside the word: a word laid against the edge or other words
    // leaves the free space in fewer, larger pieces.
    int Snugness(int w, int column, int row, int d) const {
        const int length = s_.WordList[w].Length;
        const int dx = DirectionDx[d], dy = DirectionDy[d];
        // the two sides across the word's line
        const int sx = -dy, sy = dx;
        int snug = 0;
        for (int k = 0, c = column, r = row; k < length; ++k, c += dx, r += dy) {
            snug += Blocked(c + sx, r + sy);
            snug += Blocked(c - sx, r - sy);
        }
        snug += Blocked(column - dx, row - dy);
        snug += Blocked(column + dx * length, row + dy * length);
        return snug;
    }

    int Blocked(int c, int r) const {
        return c < 1 || c > columns_ || r < 1 || r > rows_ || letters_[r * Stride + c] != 0 ? 1 : 0;
    }

    // Calls visit(column, row, direction) for the spots of w inside the grid in the allowed
    // directions: all of them while they are few, else an evenly spread share from a drawn
    // offset, so one word's scan stays bounded on large grids with long lists.
    template <typename Visit>
    void ForEachSpot(int w, Visit visit) {
        const int length = s_.WordList[w].Length;
        std::array<int, 9> c0{}, c1{}, r0{}, r1{}, count{};
        int total = 0;
        for (int d = 1; d <= 8; ++d) {
            if (!allowed_[d]) continue;
            StartRange(DirectionDx[d], length, columns_, c0[d], c1[d]);
            StartRange(DirectionDy[d], length, rows_, r0[d], r1[d]);
            count[d] = std::max(0, c1[d] - c0[d] + 1) * std::max(0, r1[d] - r0[d] + 1);
            total += count[d];
        }
        const int stride = std::max(1, (total + spotsPerScan_ - 1) / spotsPerScan_);
        int skip = stride > 1 ? s_.Random(stride) : 0;
        for (int d = 1; d <= 8 && !Stopped(); ++d) {
            if (count[d] == 0) continue;
            const int width = c1[d] - c0[d] + 1;
            int k = skip;
            for (; k < count[d]; k += stride) {
                Tick();
                visit(c0[d] + k % width, r0[d] + k / width, d);
            }
            skip = k - count[d];
        }
    }

    // Directions used past their share cost a little, so the grid keeps a mix.
    int DirectionPenalty(int d) const {
        const double fair = share_[d] * (placedCount_ + 1);
        const double over = directionCount_[d] + 1 - fair;
        return over > 1 ? static_cast<int>(over * 6) : 0;
    }

    // A free spot's worth: shared letters above all, then snugness, less the direction's penalty.
    int SpotScore(int w, int c, int r, int d, int shared) const {
        return shared * 64 + Snugness(w, c, r, d) * 3 - DirectionPenalty(d);
    }

    std::vector<int> Unplaced() const {
        std::vector<int> unplaced;
        for (int w : targets_)
            if (!placed_[w]) unplaced.push_back(w);
        return unplaced;
    }

    // Beam construction: the BeamWidth best partial layouts, each grown by its BeamWidth best
    // spots for the next word, ranked by the sum of their spots' scores. One greedy choice that
    // looks best for its word often costs two later words their only spots; the beam keeps the
    // runner-up choices alive a while. Leaves the best layout on the grid.
    std::vector<int> BeamLayout() {
        struct Node {
            std::vector<TMove> moves;
            std::int64_t score = 0;
        };
        constexpr std::int64_t NoSpot = std::int64_t{1} << 40;  // below any sum of spot scores
        std::vector<Node> beam(1), children;
        std::vector<std::pair<int, TMove>> top;  // best first
        for (int w : targets_) {
            children.clear();
            for (const Node& node : beam) {
                ClearGrid();
                for (const TMove& move : node.moves) Place(move);
                top.clear();
                ForEachSpot(w, [&](int c, int r, int d) {
                    const int shared = Fit(w, c, r, d);
                    if (shared < 0) return;
                    // the draw breaks ties between equal spots
                    const int score = SpotScore(w, c, r, d, shared) * 4 + s_.Random(4);
                    if (static_cast<int>(top.size()) == BeamWidth && score <= top.back().first) return;
                    if (static_cast<int>(top.size()) == BeamWidth) top.pop_back();
                    auto at = std::find_if(top.begin(), top.end(), [score](const auto& t) { return t.first < score; });
                    top.insert(at, {score, TMove{w, c, r, d}});
                });
                if (top.empty()) children.push_back({node.moves, node.score - NoSpot});
                for (const auto& [score, move] : top) {
                    children.push_back({node.moves, node.score + score});
                    children.back().moves.push_back(move);
                }
            }
            if (Stopped()) break;
            std::stable_sort(children.begin(), children.end(),
                             [](const Node& x, const Node& y) { return x.score > y.score; });
            if (static_cast<int>(children.size()) > BeamWidth) children.resize(BeamWidth);
            beam.swap(children);
        }
        ClearGrid();
        for (const TMove& move : beam.front().moves) Place(move);
        return Unplaced();
    }

    // The free spot with the highest SpotScore; ties go to the generator.
    bool BestFreeSpot(int w, TMove& spot) {
        int bestScore = -1 << 30;
        int ties = 0;
        ForEachSpot(w, [&](int c, int r, int d) {
            const int shared = Fit(w, c, r, d);
            if (shared < 0) return;
            const int score = SpotScore(w, c, r, d, shared);
            if (score > bestScore) {
                bestScore = score;
                ties = 1;
                spot = {w, c, r, d};
            } else if (score == bestScore && s_.Random(++ties) == 0) {
                spot = {w, c, r, d};
            }
        });
        return ties > 0;
    }

    void Place(const TMove& move) {
        const TWordRecord& record = s_.WordList[move.word];
        const int dx = DirectionDx[move.direction], dy = DirectionDy[move.direction];
        for (int k = 0, c = move.column, r = move.row; k < record.Length; ++k, c += dx, r += dy) {
            TCell& cell = Cell(c, r);
            if (cell.count == 0) ++usedCells_;
            cell.letter = record.GridWord[k];
            letters_[r * Stride + c] = cell.letter;
            cellCost_[r * Stride + c] += record.Length * record.Length;
            cell.words[cell.count++] = static_cast<std::uint16_t>(move.word);
            cell.axes |= static_cast<std::uint8_t>(AxisBit(move.direction));
        }
        placed_[move.word] = true;
        at_[move.word] = move;
        order_.push_back(move);
        ++directionCount_[move.direction];
        ++placedCount_;
    }

    void Remove(int w) {
        const TMove move = at_[w];
        const TWordRecord& record = s_.WordList[w];
        const int dx = DirectionDx[move.direction], dy = DirectionDy[move.direction];
        for (int k = 0, c = move.column, r = move.row; k < record.Length; ++k, c += dx, r += dy) {
            TCell& cell = Cell(c, r);
            std::remove(cell.words.data(), cell.words.data() + cell.count, static_cast<std::uint16_t>(w));
            --cell.count;
            cellCost_[r * Stride + c] -= record.Length * record.Length;
            cell.axes = 0;
            for (int j = 0; j < cell.count; ++j) cell.axes |= static_cast<std::uint8_t>(AxisBit(at_[cell.words[j]].direction));
            if (cell.count == 0) {
                cell.letter = 0;
                letters_[r * Stride + c] = 0;
                --usedCells_;
            }
        }
        placed_[w] = false;
        order_.erase(std::find_if(order_.begin(), order_.end(), [w](const TMove& m) { return m.word == w; }));
        --directionCount_[move.direction];
        --placedCount_;
    }

    // Fewer unplaced words first, then fewer unplaced letters, then fewer message letters
    // without a cell, then more free cells.
    TObjective Objective(const std::vector<int>& unplaced) const {
        int letters = 0;
        for (int w : unplaced) letters += s_.WordList[w].Length;
        const int free = columns_ * rows_ - usedCells_;
        return {static_cast<int>(unplaced.size()), letters, std::max(0, messageCells_ - free), -free};
    }

    void Keep(const std::vector<int>& unplaced) {
        best_.columns = columns_;
        best_.rows = rows_;
        best_.moves = order_;
        bestUnplaced_ = static_cast<int>(unplaced.size());
        bestObjective_ = Objective(unplaced);
        bestFree_ = columns_ * rows_ - usedCells_;
        progressPlaced_ = std::max(progressPlaced_, placedCount_);
    }

    void Restore() {
        ClearGrid();
        for (const TMove& move : best_.moves) Place(move);
    }

    // Ejection search: lay an unplaced word where the cheapest set of words is in its way, take
    // those out, lay them again where they fit; keep the best layout, go back to it when the
    // walk strays too far.
    void Repair(std::vector<int>& unplaced, std::int64_t end) {
        constexpr int Tenure = 16;
        constexpr int Slack = 3;
        std::vector<int> removed;
        while (!unplaced.empty() && work_ < end && !Stopped()) {
            ++iteration_;
            // Of two unplaced words the longer, so long words get more tries.
            int pick = s_.Random(static_cast<int>(unplaced.size()));
            const int other = s_.Random(static_cast<int>(unplaced.size()));
            if (s_.WordList[unplaced[other]].Length > s_.WordList[unplaced[pick]].Length) pick = other;
            const int w = unplaced[pick];

            int bestCost = 1 << 30;
            int bestShared = -1;
            int ties = 0;
            TMove spot;
            ForEachSpot(w, [&](int c, int r, int d) {
                const int cost = Conflicts(w, c, r, d, bestCost);
                if (cost < 0) return;
                if (cost < bestCost || (cost == bestCost && shared_ > bestShared)) {
                    bestCost = cost;
                    bestShared = shared_;
                    ties = 1;
                    spot = {w, c, r, d};
                } else if (cost == bestCost && shared_ == bestShared && s_.Random(++ties) == 0) {
                    spot = {w, c, r, d};
                }
            });
            if (ties == 0 || Stopped()) continue;

            Conflicts(w, spot.column, spot.row, spot.direction, 1 << 30);
            removed = conflicts_;
            for (int v : removed) Remove(v);
            Place(spot);
            tabuUntil_[w] = iteration_ + Tenure;
            unplaced.erase(unplaced.begin() + pick);
            std::sort(removed.begin(), removed.end(),
                      [&](int x, int y) { return s_.WordList[x].Length > s_.WordList[y].Length; });
            for (int v : removed) {
                TMove again;
                if (BestFreeSpot(v, again)) Place(again);
                else unplaced.push_back(v);
            }
            if (Stopped()) break;  // a word cut short by the stop is missing, not unplaceable

            const TObjective objective = Objective(unplaced);
            if (objective < bestObjective_) {
                Keep(unplaced);
            } else if (static_cast<int>(unplaced.size()) > bestUnplaced_ + Slack) {
                Restore();
                unplaced = Unplaced();
            }
        }
    }
};

}  // namespace

void TWordSearch::MakeTightPuzzle(int a, int b) {
    TEngineState& s = *state_;
    Clear();
    s.EnsureSeeded();
    const TWordSearchConfig& cfg = s.Settings;
    const int message = static_cast<int>(s.HiddenMessageLetters().size());
    const std::int64_t limit = std::max<std::int64_t>(cfg.PackWorkLimit, 0);
    TPacker packer(s, cfg.PackTimeLimitMs);

    TLayout kept;
    if (a != 0 && b != 0) {
        packer.Solve(a, b, limit, 0);
        kept = packer.Best();
    } else {
        // The free dimension n: both sides of a square, or the one not given.
        auto size = [&](int n) { return std::make_pair(a != 0 ? a : n, b != 0 ? b : n); };
        auto area = [&](int n) { return size(n).first * size(n).second; };
        // Smallest n at which every word that can fit at all has a legal spot and the message a cell each.
        int least = 1;
        int letters = 0;  // of the words that can fit at all
        for (int w = 1; w <= s.WordCount; ++w) {
            if (!packer.FitsEmpty(w, size(MaxGridSize).first, size(MaxGridSize).second)) continue;
            letters += s.WordList[w].Length;
            while (least < MaxGridSize && !packer.FitsEmpty(w, size(least).first, size(least).second)) ++least;
        }
        while (least < MaxGridSize && area(least) < message) ++least;
        // Start where the letters alone would just fill the grid: smaller sizes need shared cells.
        int n = least;
        while (n < MaxGridSize && area(n) < letters + message) ++n;

        // Each size gets half of what is left: a size that fails spends its share, one that
        // succeeds usually far less. Until some size holds every word the fullest grid is kept.
        bool complete = false;
        auto attempt = [&](int side) {
            const std::int64_t left = std::max<std::int64_t>(limit - packer.Work(), 0);
            const bool ok = packer.Solve(size(side).first, size(side).second, left / 2, message);
            if (ok || (!complete && (kept.columns == 0 || packer.BestPlaced() > static_cast<int>(kept.moves.size()))))
                kept = packer.Best();
            complete = complete || ok;
            return ok;
        };
        if (attempt(n)) {
            while (n > least && !packer.Stopped() && packer.Work() < limit && attempt(n - 1)) --n;
        } else {
            while (n < MaxGridSize && !packer.Stopped() && !attempt(++n)) {
            }
        }
    }

    // Written through CanPlaceWord, so the rules are exactly Classic's.
    ActualColumns = std::clamp(kept.columns, 0, MaxGridSize);
    ActualRows = std::clamp(kept.rows, 0, MaxGridSize);
    int k = 0;
    for (const TMove& move : kept.moves)
        if (CanPlaceWord(move.word, move.column, move.row, move.direction)) {
            PlaceWord(move.word, move.column, move.row, move.direction);
            PlacementOrder[++k] = move.word;
        }
    for (int w = 1; w <= s.WordCount; ++w)
        if (!Placements[w].Placed) PlacementOrder[++k] = w;
    FillGrid();
    NoteUnplacedWords(true);
    PackResult.TimeLimitHit = packer.TimedOut();
    PackResult.Cancelled = packer.Cancelled();
    PackResult.WorkUsed = packer.Work();
    Constructed = true;
}

}  // namespace vorlix
