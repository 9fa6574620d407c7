// Grid construction: size selection, placement, scoring and the shrinking search.
#include "wordsearch.h"

#include <algorithm>
#include <cassert>

namespace vorlix {

namespace {

bool Contains(const std::u16string& list, char16_t index) { return list.find(index) != std::u16string::npos; }

}  // namespace

TWordSearch::TWordSearch(TEngineState& state) : state_(&state) { Clear(); }

void TWordSearch::NoteUsedCell(int column, int row) {
    usedExtent_ = std::max({usedExtent_, column, row});
}

void TWordSearch::Clear() { ClearCells(MaxGridSize); }

void TWordSearch::ClearUsedCells() {
    ClearCells(std::clamp(std::max({usedExtent_, ActualColumns, ActualRows}), 0, MaxGridSize));
}

void TWordSearch::ClearCells(int extent) {
    Constructed = false;
    for (int c = 0; c <= extent; ++c)
        for (int r = 0; r <= extent; ++r) {
            Grid[c][r] = EmptyCell;
            SolutionFlags[c][r] = 0;
            WordListIndicies[c][r].clear();
        }
    ActualColumns = 0;
    ActualRows = 0;
    AccidentalWords.clear();
    PackResult = TPackResult{};
    usedExtent_ = 0;
    for (int i = 1; i <= state_->WordCount; ++i) {
        TWordPlacement& p = Placements[i];
        p.Placed = false;
        p.Column = 0;
        p.Row = 0;
        p.Direction = 0;
        p.Path.clear();
    }
    DirectionCounts.fill(0);
}

void TWordSearch::RebuildPlacementOrder() {
    TEngineState& s = *state_;
    const int count = s.WordCount;
    const auto& longestFirst = s.LongestFirstOrder();
    std::copy(longestFirst.begin() + 1, longestFirst.begin() + 1 + count, PlacementOrder.begin() + 1);
}

TWordSearch* TWordSearch::MakePuzzle(TWordSearch* trial, int a, int b) {
    TEngineState& s = *state_;
    // The grid arrays end at 100; a larger or negative request must not reach them.
    a = std::clamp(a, 0, MaxGridSize);
    b = std::clamp(b, 0, MaxGridSize);
    assert(s.ListReady);
    if (!s.ListReady) return nullptr;
    if (s.Settings.PackMode == TPackMode::Tight) {
        MakeTightPuzzle(a, b);
        return this;
    }
    Clear();
    // Between here and the end only the engine writes into these two objects, so the
    // many builds can clear just the cells they used.
    if (trial != nullptr) trial->Clear();
    s.EnsureSeeded();
    RebuildPlacementOrder();

    auto [columns, rows] = SelectSize(a, b);
    Build(columns, rows, false);
    std::int64_t best = PuzzleScore();

    if ((a == 0 || b == 0) && trial != nullptr) {
        int misses = 0;
        int tries = 0;
        do {
            trial->Build(columns, rows, false);
            const std::int64_t score = trial->PuzzleScore();
            if (score >= best) {
                CopyCells(*trial);
                best = score;
                if (a == 0 && columns > 1) --columns;
                if (b == 0 && rows > 1) --rows;
                misses = 0;
            } else {
                ++misses;
            }
            ++tries;
        } while (misses < 3 && tries <= 50);
    }
    // Shrinking an automatic dimension needs the trial object.
    assert(trial != nullptr || (a != 0 && b != 0));

    columns = ActualColumns;
    rows = ActualRows;
    best = PuzzleScore();
    for (int polish = 0; polish < 5 && trial != nullptr; ++polish) {
        trial->Build(columns, rows, false);
        const std::int64_t score = trial->PuzzleScore();
        if (score > best) {
            CopyCells(*trial);
            best = score;
        }
    }
    // Only the kept grid is ever seen, so only its filler is checked.
    CheckAccidentalWords();
    NoteUnplacedWords(false);
    Constructed = true;
    return this;
}

void TWordSearch::NoteUnplacedWords(bool searchStopped) {
    const TEngineState& s = *state_;
    PackResult.Mode = s.Settings.PackMode;
    PackResult.Unplaced.clear();
    for (int position = 1; position <= s.WordCount; ++position) {
        const int word = s.DisplayIndex[position];
        if (Placements[word].Placed) continue;
        const int length = s.WordList[word].Length;
        TUnplacedReason reason = searchStopped ? TUnplacedReason::SearchStopped : TUnplacedReason::NoRoomLeft;
        if (length > std::max(ActualColumns, ActualRows)) {
            reason = TUnplacedReason::LongerThanGrid;
        } else {
            bool room = false;
            for (int d = 1; d <= 8 && !room; ++d)
                room = s.DirectionAllowed(d) && (DirectionDx[d] == 0 || length <= ActualColumns) &&
                       (DirectionDy[d] == 0 || length <= ActualRows);
            if (!room) reason = TUnplacedReason::NoAllowedDirection;
        }
        PackResult.Unplaced.push_back({word, reason});
    }
}

std::pair<int, int> TWordSearch::SelectSize(int a, int b) const {
    const TEngineState& s = *state_;
    int columns = a;
    int rows = b;
    if (a != 0 && b != 0) return {columns, rows};
    const long long twiceLetters = 2LL * s.TotalLetters;
    if (a == 0 && b == 0) {
        long long side = s.LongestWord;
        while (side <= 100 && side * side <= twiceLetters) ++side;
        columns = rows = static_cast<int>(std::min<long long>(side, 100));
        return {columns, rows};
    }
    // One dimension given: grow the other until a little over two cells per letter.
    const int given = a != 0 ? a : b;
    const int start = given >= s.LongestWord ? 1 : s.LongestWord;
    int chosen = 0;
    if (start <= 100)
        for (int n = start; n <= 100; ++n) {
            chosen = n;
            if (static_cast<long long>(n) * given > twiceLetters) break;
        }
    if (a != 0) rows = chosen; else columns = chosen;
    return {columns, rows};
}

void TWordSearch::BuildGrid(int columns, int rows) {
    Clear();
    Build(columns, rows, true);
}

void TWordSearch::Build(int columns, int rows, bool check) {
    ClearUsedCells();
    RebuildPlacementOrder();
    ActualColumns = std::clamp(columns, 0, MaxGridSize);
    ActualRows = std::clamp(rows, 0, MaxGridSize);
    for (int k = 1; k <= state_->WordCount; ++k) {
        const int word = PlacementOrder[k];
        const Spot spot = FindSpot(word);
        if (spot.found) PlaceWord(word, spot.column, spot.row, spot.direction);
    }
    if (check) FillGrid();
    else LayMessageAndFiller();
}

TWordSearch::Spot TWordSearch::FindSpot(int word) {
    TEngineState& s = *state_;
    int d = LeastUsedDirection();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int column = s.Random(ActualColumns) + 1;
        const int row = s.Random(ActualRows) + 1;
        if (CanPlaceWord(word, column, row, d)) return {true, column, row, d};
    }
    for (int attempt = 0; attempt < 400; ++attempt) {
        const int column = s.Random(ActualColumns) + 1;
        const int row = s.Random(ActualRows) + 1;
        d = WeightedRandomDirection();
        if (CanPlaceWord(word, column, row, d)) return {true, column, row, d};
    }
    return {};
}

int TWordSearch::LeastUsedDirection() {
    double best = 100000.0;
    int choice = 0;
    for (int d = 1; d <= 8; ++d) {
        const double share = state_->DirectionShare(d);
        if (share > 0) {
            const double ratio = static_cast<double>(DirectionCounts[d]) / share;
            if (ratio < best) {
                best = ratio;
                choice = d;
            }
        }
    }
    if (choice == 0) choice = state_->Random(8) + 1;
    return choice;
}

int TWordSearch::WeightedRandomDirection() {
    TEngineState& s = *state_;
    const int r = s.Random(s.TotalWeight) + 1;
    for (int d = 1; d <= 8; ++d)
        if (s.CumulativeWeight[d - 1] < r && r <= s.CumulativeWeight[d]) return d;
    return s.Random(8) + 1;
}

bool TWordSearch::StepCell(int& column, int& row, int d) const {
    column += DirectionDx[d];
    row += DirectionDy[d];
    return column >= 1 && column <= ActualColumns && row >= 1 && row <= ActualRows;
}

bool TWordSearch::CanPlaceWord(int word, int column, int row, int d) const {
    const TEngineState& s = *state_;
    const TWordSearchConfig& cfg = s.Settings;
    const std::u16string& letters = s.WordList[word].GridWord;
    const int length = s.WordList[word].Length;
    if (length <= 0) return true;

    // Only a step off the grid before the last letter refuses, so a word of two or more
    // letters fits exactly when its last cell is inside; checking that first refuses most
    // spots without walking. (A one-letter word is never refused for its position.)
    const int endColumn = column + DirectionDx[d] * (length - 1);
    const int endRow = row + DirectionDy[d] * (length - 1);
    if (length > 1 && (endColumn < 1 || endColumn > ActualColumns || endRow < 1 || endRow > ActualRows))
        return false;

    // Every refusal below is final, so checking each shared cell's words as they are met
    // gives the same answer as collecting them first.
    int c = column;
    int r = row;
    for (int k = 0; k < length; ++k) {
        const char16_t cell = Grid[c][r];
        if (cell != EmptyCell && cell != letters[k]) return false;
        if (cell == letters[k]) {
            if (!cfg.AllowIntersect()) return false;
            for (const char16_t w : WordListIndicies[c][r]) {
                if (w < 1 || w > MaxWords) continue;  // not a word (hidden-message marker)
                const int otherDirection = Placements[w].Direction;
                if (!cfg.AllowSameLine() && (otherDirection == d || otherDirection == OppositeDirection[d]))
                    return false;
                if (!cfg.AllowEmbed() && InsideWord(length, column, row, d, w)) return false;
            }
        }
        c += DirectionDx[d];
        r += DirectionDy[d];
    }

    if (!cfg.AllowCross()) {
        c = column;
        r = row;
        for (int k = 1; k < length; ++k) {
            if (CrossesDiagonally(c, r, d)) return false;
            c += DirectionDx[d];
            r += DirectionDy[d];
        }
    }
    return true;
}

bool TWordSearch::CrossesDiagonally(int column, int row, int d) const {
    if (!IsDiagonal(d)) return false;
    const std::u16string& a = WordListIndicies[column + DirectionDx[d]][row];
    const std::u16string& b = WordListIndicies[column][row + DirectionDy[d]];
    for (const char16_t index : a)
        if (Contains(b, index)) return true;
    return false;
}

bool TWordSearch::InsideWord(int length, int column, int row, int d, int w) const {
    const TWordPlacement& other = Placements[w];
    if (other.Direction != d && other.Direction != OppositeDirection[d]) return false;
    bool collinear = false;
    switch (d) {
        case North: case South: collinear = column == other.Column; break;
        case East: case West: collinear = row == other.Row; break;
        case SouthEast: case NorthWest: collinear = other.Row - row == other.Column - column; break;
        case NorthEast: case SouthWest: collinear = other.Column + other.Row == column + row; break;
        default: break;
    }
    if (!collinear) return false;
    const int otherLength = state_->WordList[w].Length;
    const int otherEndColumn = other.Column + DirectionDx[other.Direction] * (otherLength - 1);
    const int otherEndRow = other.Row + DirectionDy[other.Direction] * (otherLength - 1);
    const int left = std::min(other.Column, otherEndColumn), right = std::max(other.Column, otherEndColumn);
    const int top = std::min(other.Row, otherEndRow), bottom = std::max(other.Row, otherEndRow);
    auto inBox = [&](int c, int r) { return c >= left && c <= right && r >= top && r <= bottom; };
    return inBox(column, row) &&
           inBox(column + DirectionDx[d] * (length - 1), row + DirectionDy[d] * (length - 1));
}

void TWordSearch::PlaceWord(int word, int column, int row, int d) {
    const TWordRecord& record = state_->WordList[word];
    NoteUsedCell(column, row);
    NoteUsedCell(column + DirectionDx[d] * (record.Length - 1), row + DirectionDy[d] * (record.Length - 1));
    int c = column;
    int r = row;
    for (int k = 0; k < record.Length; ++k) {
        // A word that does not fit is never placed; the guard only keeps stray callers in bounds.
        if (c < 0 || c > MaxGridSize || r < 0 || r > MaxGridSize) break;
        Grid[c][r] = record.GridWord[k];
        WordListIndicies[c][r].push_back(static_cast<char16_t>(word));
        if (k == 0) SolutionFlags[c][r] |= FirstLetterFlag;
        c += DirectionDx[d];
        r += DirectionDy[d];
    }
    TWordPlacement& placement = Placements[word];
    placement.Placed = true;
    placement.Column = column;
    placement.Row = row;
    placement.Direction = static_cast<std::uint8_t>(d);
    ++DirectionCounts[d];
}

std::int64_t TWordSearch::PuzzleScore() const {
    return 1000 + 10 * DirectionBalance() - 100000LL * UnplacedWordCount();
}

std::int64_t TWordSearch::DirectionBalance() const {
    std::array<int, 9> counts{};
    for (int i = 1; i <= state_->WordCount; ++i)
        if (Placements[i].Placed && Placements[i].Direction <= 8) ++counts[Placements[i].Direction];
    std::int64_t balance = 0;
    int least = 9999;
    for (int d = 1; d <= 8; ++d) {
        if (state_->DirectionWeights[d] <= 0) continue;
        if (counts[d] == 0) balance -= 5;
        least = std::min(least, counts[d]);
    }
    if (least >= 1) balance += least;
    return balance;
}

void TWordSearch::CopyFrom(const TWordSearch& source) {
    Clear();
    CopyCells(source);
}

void TWordSearch::CopyWhole(const TWordSearch& source, TEngineState& state) {
    *this = source;
    state_ = &state;
}

void TWordSearch::CopyCells(const TWordSearch& source) {
    ClearUsedCells();
    ActualColumns = source.ActualColumns;
    ActualRows = source.ActualRows;
    for (int c = 1; c <= ActualColumns && c <= MaxGridSize; ++c)
        for (int r = 1; r <= ActualRows && r <= MaxGridSize; ++r) {
            Grid[c][r] = source.Grid[c][r];
            SolutionFlags[c][r] = source.SolutionFlags[c][r];
            WordListIndicies[c][r] = source.WordListIndicies[c][r];
        }
    for (int i = 1; i <= state_->WordCount; ++i) Placements[i] = source.Placements[i];
    AccidentalWords = source.AccidentalWords;
    PackResult = source.PackResult;
}

void TWordSearch::AddPlacedWord(const std::u16string& itemText, int placed, int column, int row, int direction,
                                const std::string& path) {
    TEngineState& s = *state_;
    if (!s.AddWord(itemText)) return;
    const int n = s.WordCount;
    TWordPlacement& placement = Placements[n];
    placement.Placed = placed == 1;
    placement.Column = column;
    placement.Row = row;
    placement.Direction = static_cast<std::uint8_t>(direction);
    placement.Path = path;
    // Callers pass a cell inside the arrays and a direction 0..8; anything else is not walked.
    if (column < 0 || column > MaxGridSize || row < 0 || row > MaxGridSize || direction < 0 || direction > 8)
        return;
    NoteUsedCell(column, row);
    // Files do not store the first-letter marks; without them an opened puzzle's solution
    // would lose its bold first letters.
    if (placement.Placed) SolutionFlags[column][row] |= FirstLetterFlag;
    int c = column;
    int r = row;
    for (int k = 0; k < s.WordList[n].Length; ++k) {
        WordListIndicies[c][r].push_back(static_cast<char16_t>(n));
        if (!StepCell(c, r, direction)) break;
    }
}

int TWordSearch::PlacedWordCount() const {
    int count = 0;
    for (int i = 1; i <= state_->WordCount; ++i) count += Placements[i].Placed ? 1 : 0;
    return count;
}

int TWordSearch::UnplacedWordCount() const { return state_->WordCount - PlacedWordCount(); }

int TWordSearch::NthWordInDisplayOrder(int k, bool placed) const {
    for (int position = 1; position <= state_->WordCount; ++position) {
        const int word = state_->DisplayIndex[position];
        if (Placements[word].Placed == placed && --k == 0) return word;
    }
    return 0;
}

int TWordSearch::PlacedWordIndex(int k) const { return NthWordInDisplayOrder(k, true); }

int TWordSearch::UnplacedWordIndex(int k) const { return NthWordInDisplayOrder(k, false); }

std::u16string TWordSearch::UnplacedGridWord(int k) const {
    return state_->WordText(NthWordInDisplayOrder(k, false));
}

const std::u16string& TWordSearch::PlacedClueText(int k) const {
    return state_->WordList[NthWordInDisplayOrder(k, true)].ClueText;
}

std::u16string TWordSearch::PlacedGridWord(int k) const {
    return state_->WordText(NthWordInDisplayOrder(k, true));
}

int TWordSearch::EndColumn(int word) const {
    const TWordPlacement& p = Placements[word];
    return p.Column + DirectionDx[p.Direction <= 8 ? p.Direction : 0] * (state_->WordList[word].Length - 1);
}

int TWordSearch::EndRow(int word) const {
    const TWordPlacement& p = Placements[word];
    return p.Row + DirectionDy[p.Direction <= 8 ? p.Direction : 0] * (state_->WordList[word].Length - 1);
}

}  // namespace vorlix
