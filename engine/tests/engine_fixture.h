// Shared setup for the engine tests: a recording message host, a fresh engine state with
// a result and a trial object, and checks that every finished grid must pass.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "wordsearch.h"

namespace vorlix::testing {

class RecordingHost : public IMessageHost {
public:
    struct Shown {
        MessageKind kind;
        std::u16string text;
        MessageButtons buttons;
    };
    std::vector<Shown> shown;
    int endProgramCalls = 0;

    MessageAnswer ShowMessage(MessageKind kind, const std::u16string& text, MessageButtons buttons) override {
        shown.push_back({kind, text, buttons});
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                           : MessageAnswer::Ok;
    }
    void EndProgram() override { ++endProgramCalls; }
};

class EngineTest : public ::testing::Test {
protected:
    RecordingHost host;
    // The engine objects are large; keep them off the stack.
    std::unique_ptr<TEngineState> state = std::make_unique<TEngineState>(host);
    std::unique_ptr<TWordSearch> ws = std::make_unique<TWordSearch>(*state);
    std::unique_ptr<TWordSearch> trial = std::make_unique<TWordSearch>(*state);

    TWordSearchConfig& Settings() { return state->Settings; }

    void SetUp() override {
        state->ResetSettings();
        Settings().SetSharingLevel(ShareIntersect);
    }

    void SetList(std::initializer_list<std::u16string> lines) {
        state->ClearList();
        for (const auto& line : lines) state->Words_ProcessLine(line);
        state->FinishList();
    }

    // An empty grid of the given size on the result object, ready for PlaceWord.
    void EmptyGrid(int columns, int rows) {
        ws->Clear();
        ws->ActualColumns = columns;
        ws->ActualRows = rows;
    }

    // The letters found in the grid along word i's placement.
    std::u16string ReadPlaced(const TWordSearch& g, int i) const {
        const TWordPlacement& p = g.Placements[i];
        std::u16string out;
        int c = p.Column, r = p.Row;
        for (int k = 0; k < state->WordList[i].Length; ++k) {
            if (!TWordSearch::IsValidCell(c, r)) break;
            out += g.Grid[c][r];
            c += DirectionDx[p.Direction];
            r += DirectionDy[p.Direction];
        }
        return out;
    }

    // Cells that hold no word letter, in reading order.
    std::vector<std::pair<int, int>> FreeCells(const TWordSearch& g) const {
        std::vector<std::pair<int, int>> out;
        for (int r = 1; r <= g.ActualRows; ++r)
            for (int c = 1; c <= g.ActualColumns; ++c)
                if (g.WordListIndicies[c][r].empty() || g.WordListIndicies[c][r] == HiddenMessageMarker)
                    out.emplace_back(c, r);
        return out;
    }

    std::u16string GridRows(const TWordSearch& g) const {
        std::u16string out;
        for (int r = 1; r <= g.ActualRows; ++r) {
            if (r > 1) out += u'|';
            for (int c = 1; c <= g.ActualColumns; ++c) out += g.Grid[c][r];
        }
        return out;
    }

    void ExpectConsistentGrid(const TWordSearch& g, bool freshBuild) const;
};

// Letters a filler cell may hold for the given capitalization.
bool IsFillerLetter(char16_t ch, TCapitalization cap);

}  // namespace vorlix::testing
