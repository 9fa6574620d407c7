#include "engine_fixture.h"

#include <algorithm>

namespace vorlix::testing {

bool IsFillerLetter(char16_t ch, TCapitalization cap) {
    static const std::u16string upper = u"BCDFGHJKLMNPQRTVWXYZ";
    static const std::u16string lower = u"bcdfghjklmnpqrtvwxyz";
    switch (cap) {
    case TCapitalization::AllUpper: return upper.find(ch) != std::u16string::npos;
    case TCapitalization::AllLower:
    case TCapitalization::FirstLetter: return lower.find(ch) != std::u16string::npos;
    case TCapitalization::AsGiven:
        return upper.find(ch) != std::u16string::npos || lower.find(ch) != std::u16string::npos;
    }
    return false;
}

void EngineTest::ExpectConsistentGrid(const TWordSearch& g, bool freshBuild) const {
    const int count = state->WordCount;
    // Each placed word reads correctly and is listed once in each of its cells.
    for (int i = 1; i <= count; ++i) {
        const TWordPlacement& p = g.Placements[i];
        if (!p.Placed) continue;
        SCOPED_TRACE(::testing::Message() << "word " << i);
        EXPECT_EQ(ReadPlaced(g, i), state->WordList[i].GridWord);
        int c = p.Column, r = p.Row;
        for (int k = 0; k < state->WordList[i].Length; ++k) {
            ASSERT_TRUE(c >= 1 && c <= g.ActualColumns && r >= 1 && r <= g.ActualRows);
            const std::u16string& list = g.WordListIndicies[c][r];
            EXPECT_EQ(std::count(list.begin(), list.end(), char16_t(i)), 1);
            c += DirectionDx[p.Direction];
            r += DirectionDy[p.Direction];
        }
    }
    // Every listed index names a placed word that covers the cell; first letters carry the flag.
    const std::u16string message = state->HiddenMessageLetters();
    size_t messagePos = 0;
    for (int r = 1; r <= g.ActualRows; ++r) {
        for (int c = 1; c <= g.ActualColumns; ++c) {
            SCOPED_TRACE(::testing::Message() << "cell " << c << "," << r);
            const std::u16string& list = g.WordListIndicies[c][r];
            const char16_t letter = g.Grid[c][r];
            EXPECT_NE(letter, EmptyCell);
            bool firstLetter = false;
            if (list.empty() || list == HiddenMessageMarker) {
                // Free cells take the message in reading order, then filler.
                if (messagePos < message.size()) {
                    EXPECT_EQ(list, HiddenMessageMarker);
                    EXPECT_EQ(letter, message[messagePos]);
                    ++messagePos;
                } else {
                    EXPECT_TRUE(list.empty());
                    EXPECT_TRUE(IsFillerLetter(letter, state->Settings.Capitalization)) << int(letter);
                }
            } else {
                for (char16_t w : list) {
                    ASSERT_TRUE(w >= 1 && w <= count);
                    const TWordPlacement& p = g.Placements[w];
                    ASSERT_TRUE(p.Placed);
                    bool covers = false;
                    for (int k = 0; k < state->WordList[w].Length && !covers; ++k) {
                        if (p.Column + k * DirectionDx[p.Direction] == c && p.Row + k * DirectionDy[p.Direction] == r) {
                            covers = true;
                            EXPECT_EQ(letter, state->WordList[w].GridWord[k]);
                            if (k == 0) firstLetter = true;
                        }
                    }
                    EXPECT_TRUE(covers) << "word " << int(w);
                }
            }
            EXPECT_EQ((g.SolutionFlags[c][r] & FirstLetterFlag) != 0, firstLetter);
        }
    }
    if (!freshBuild) return;
    // A build starts from a cleared object, so nothing outside the grid survives a shrink.
    for (int c = 0; c <= MaxGridSize; ++c) {
        for (int r = 0; r <= MaxGridSize; ++r) {
            if (c >= 1 && c <= g.ActualColumns && r >= 1 && r <= g.ActualRows) continue;
            if (g.Grid[c][r] != EmptyCell || !g.WordListIndicies[c][r].empty() || g.SolutionFlags[c][r] != 0) {
                ADD_FAILURE() << "stale cell outside the grid at " << c << "," << r;
                return;
            }
        }
    }
}

}  // namespace vorlix::testing
