// Shared setup for the engine tests: an engine state with a result and a trial object, and
// the bookkeeping every finished grid must satisfy.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "wordsearch.h"

namespace vorlix::testing {

class EngineTest : public ::testing::Test {
protected:
    // The engine objects are large; keep them off the stack.
    std::unique_ptr<TEngineState> state = std::make_unique<TEngineState>();
    std::unique_ptr<TWordSearch> ws = std::make_unique<TWordSearch>(*state);
    std::unique_ptr<TWordSearch> trial = std::make_unique<TWordSearch>(*state);

    TWordSearchConfig& Settings() { return state->Settings; }

    void SetList(const std::u16string& line) {
        state->ClearList();
        state->Words_ProcessLine(line);
        state->FinishList();
    }

    // An empty grid on the result object, ready for PlaceWord.
    void EmptyGrid(int columns, int rows) {
        ws->Clear();
        ws->ActualColumns = columns;
        ws->ActualRows = rows;
    }

    std::u16string GridRows() const {
        std::u16string out;
        for (int r = 1; r <= ws->ActualRows; ++r) {
            if (r > 1) out += u'|';
            for (int c = 1; c <= ws->ActualColumns; ++c) out += ws->Grid[c][r];
        }
        return out;
    }

    // column,row,direction of each word, "-" when unplaced.
    std::string PlacementText() const {
        std::string out;
        for (int i = 1; i <= state->WordCount; ++i) {
            const TWordPlacement& p = ws->Placements[i];
            if (i > 1) out += ';';
            const std::string at = std::to_string(p.Column) + ',' + std::to_string(p.Row) + ',';
            out += p.Placed ? at + std::to_string(p.Direction) : "-";
        }
        return out;
    }

    // Each placed word reads from the grid, is listed once in each of its cells and flags only its
    // first cell; free cells take the message in reading order, then filler; outside the grid
    // nothing survives (a shrinking build must not leave stale cells behind).
    void ExpectConsistent() const {
        std::vector<std::u16string> lists(CellSpan * CellSpan);
        std::vector<char> starts(CellSpan * CellSpan);
        for (int i = 1; i <= state->WordCount; ++i) {
            const TWordPlacement& p = ws->Placements[i];
            for (int k = 0; p.Placed && k < state->WordList[i].Length; ++k) {
                const int c = p.Column + k * DirectionDx[p.Direction], r = p.Row + k * DirectionDy[p.Direction];
                ASSERT_TRUE(c >= 1 && c <= ws->ActualColumns && r >= 1 && r <= ws->ActualRows) << "word " << i;
                EXPECT_EQ(ws->Grid[c][r], state->WordList[i].GridWord[k]) << "word " << i;
                lists[c * CellSpan + r] += char16_t(i);
                starts[c * CellSpan + r] |= k == 0;
            }
        }
        const std::u16string message = state->HiddenMessageLetters();
        size_t next = 0;
        for (int r = 0; r <= MaxGridSize; ++r)
            for (int c = 0; c <= MaxGridSize; ++c) {
                std::u16string got = ws->WordListIndicies[c][r], want = lists[c * CellSpan + r];
                std::sort(got.begin(), got.end());
                const char16_t letter = ws->Grid[c][r];
                if (c < 1 || c > ws->ActualColumns || r < 1 || r > ws->ActualRows) {
                    if (letter == EmptyCell && got.empty() && ws->SolutionFlags[c][r] == 0) continue;
                    ADD_FAILURE() << "stale cell outside the grid at " << c << "," << r;
                    return;
                }
                const bool messageCell = want.empty() && next < message.size();
                if (messageCell) want = HiddenMessageMarker;
                EXPECT_EQ(got, want) << c << "," << r;
                EXPECT_TRUE(messageCell ? letter == message[next++] : letter != EmptyCell) << c << "," << r;
                EXPECT_EQ((ws->SolutionFlags[c][r] & FirstLetterFlag) != 0, starts[c * CellSpan + r] != 0)
                    << c << "," << r;
            }
    }
};

}  // namespace vorlix::testing
