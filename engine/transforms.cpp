// Hidden message and filler letters, and the eight symmetries of a built grid.
#include <algorithm>
#include <vector>

#include "wordsearch.h"

namespace vorlix {

namespace {

constexpr std::array<int, 9> RotateLeftMap = {0, 7, 8, 1, 2, 3, 4, 5, 6};
constexpr std::array<int, 9> ExchangeMap = {0, 7, 6, 5, 4, 3, 2, 1, 8};

// The steps of each variant: 'R' one rotation to the left, 'X' one exchange of rows and columns.
constexpr std::array<const char*, 8> VariantSteps = {"", "R", "RR", "RRR", "X", "XR", "XRR", "XRRR"};

int MapDirection(const std::array<int, 9>& map, int d) { return d >= 0 && d <= 8 ? map[d] : d; }

// A bending word's steps are digits; anything else reads as "no direction".
void MapPath(const std::array<int, 9>& map, std::string& path) {
    for (char& step : path) {
        const int d = step >= '0' && step <= '8' ? step - '0' : 0;
        step = static_cast<char>('0' + map[d]);
    }
}

void MapCounts(const std::array<int, 9>& map, std::array<std::int32_t, 9>& counts) {
    std::array<std::int32_t, 9> mapped{};
    for (int d = 0; d <= 8; ++d) mapped[map[d]] = counts[d];
    counts = mapped;
}

}  // namespace

void TWordSearch::FillGrid() {
    LayMessageAndFiller();
    CheckAccidentalWords();
}

void TWordSearch::LayMessageAndFiller() {
    const std::u16string message = state_->HiddenMessageLetters();
    std::size_t next = 0;
    for (int r = 1; r <= ActualRows; ++r)
        for (int c = 1; c <= ActualColumns; ++c) {
            if (Grid[c][r] != EmptyCell) continue;
            if (next < message.size()) {
                Grid[c][r] = message[next++];
                WordListIndicies[c][r] = HiddenMessageMarker;
            } else {
                Grid[c][r] = state_->FillerLetter();
            }
        }
}

void TWordSearch::RefillGrid() {
    for (int c = 1; c <= ActualColumns; ++c)
        for (int r = 1; r <= ActualRows; ++r) {
            std::u16string& words = WordListIndicies[c][r];
            if (words.empty()) {
                Grid[c][r] = EmptyCell;
            } else if (words == HiddenMessageMarker) {
                Grid[c][r] = EmptyCell;
                words.clear();
            }
        }
    FillGrid();
}

void TWordSearch::MarkHiddenMessageCells() {
    const std::u16string message = state_->HiddenMessageLetters();
    std::size_t next = 0;
    for (int r = 1; r <= ActualRows; ++r)
        for (int c = 1; c <= ActualColumns; ++c)
            if (WordListIndicies[c][r].empty() && next < message.size()) {
                WordListIndicies[c][r] = HiddenMessageMarker;
                ++next;
            }
}

void TWordSearch::Transform(int variant) {
    if (variant < 1 || variant > 7) return;
    for (const char* step = VariantSteps[variant]; *step != '\0'; ++step) {
        if (*step == 'R') RotateLeft();
        else Exchange();
    }
    RefillGrid();
}

void TWordSearch::RotateLeft() {
    const int columns = std::clamp(ActualColumns, 0, MaxGridSize);
    const int rows = std::clamp(ActualRows, 0, MaxGridSize);
    struct Cell {
        char16_t letter;
        std::uint16_t flags;
        std::u16string words;
    };
    std::vector<Cell> aside;
    aside.reserve(static_cast<std::size_t>(columns) * rows);
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r) {
            aside.push_back({Grid[c][r], SolutionFlags[c][r], std::move(WordListIndicies[c][r])});
            Grid[c][r] = EmptyCell;
            SolutionFlags[c][r] = 0;
            WordListIndicies[c][r].clear();
        }
    // The top row becomes the left column, read from the bottom up.
    std::size_t k = 0;
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r, ++k) {
            const int newColumn = r;
            const int newRow = columns - c + 1;
            Grid[newColumn][newRow] = aside[k].letter;
            SolutionFlags[newColumn][newRow] = aside[k].flags;
            WordListIndicies[newColumn][newRow] = std::move(aside[k].words);
        }
    for (int i = 1; i <= state_->WordCount; ++i) {
        TWordPlacement& p = Placements[i];
        const int oldColumn = p.Column;
        p.Column = p.Row;
        p.Row = ActualColumns - oldColumn + 1;
        p.Direction = static_cast<std::uint8_t>(MapDirection(RotateLeftMap, p.Direction));
        MapPath(RotateLeftMap, p.Path);
    }
    MapCounts(RotateLeftMap, DirectionCounts);
    std::swap(ActualColumns, ActualRows);
}

void TWordSearch::Exchange() {
    const int n = std::clamp(std::max(ActualColumns, ActualRows), 0, MaxGridSize);
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j) {
            std::swap(Grid[i][j], Grid[j][i]);
            std::swap(SolutionFlags[i][j], SolutionFlags[j][i]);
            std::swap(WordListIndicies[i][j], WordListIndicies[j][i]);
        }
    for (int i = 1; i <= state_->WordCount; ++i) {
        TWordPlacement& p = Placements[i];
        std::swap(p.Column, p.Row);
        p.Direction = static_cast<std::uint8_t>(MapDirection(ExchangeMap, p.Direction));
        MapPath(ExchangeMap, p.Path);
    }
    MapCounts(ExchangeMap, DirectionCounts);
    std::swap(ActualColumns, ActualRows);
}

}  // namespace vorlix
