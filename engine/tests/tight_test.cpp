#include "engine_fixture.h"
#include "word_lists.h"

namespace vorlix::testing {
namespace {

// FNV-1a over the size, every cell, every placement and the generator's seed afterwards.
std::uint64_t Fingerprint(const TWordSearch& ws, const TEngineState& state) {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](std::uint64_t v) {
        for (int k = 0; k < 8; ++k) {
            h ^= (v >> (8 * k)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    mix(ws.ActualColumns);
    mix(ws.ActualRows);
    for (int c = 1; c <= ws.ActualColumns; ++c)
        for (int r = 1; r <= ws.ActualRows; ++r) mix(ws.Grid[c][r]);
    for (int i = 1; i <= state.WordCount; ++i) {
        const TWordPlacement& p = ws.Placements[i];
        mix(p.Placed ? (p.Column * 1000 + p.Row) * 10 + p.Direction : 0);
    }
    mix(state.Generator.Seed);
    return h;
}

// Protects: Classic stays draw for draw what it was before Tight existed (grids pinned from that build).
TEST_F(EngineTest, ClassicUnchangedOverManySeeds) {
    struct Case { const char* name; const std::u16string* line; int columns, rows, level, accidental; bool message;
                  std::uint64_t fingerprint; };
    const std::u16string animals = u"ant,bee,cat,dog,eel,fox,gnu,hen,owl,yak,emu,bat,lion,bear,wolf,mole,zebra,tiger";
    const Case cases[] = {
        {"elements auto", &ElementNames, 0, 0, 2, 0, false, 6052697907757883035ull},
        {"elements 32x32", &ElementNames, 32, 32, 2, 0, false, 656118791249111987ull},
        {"thirty 15x15", &ThirtyWords, 15, 15, 2, 0, false, 244694178016147817ull},
        {"thirty 15 columns, level 0", &ThirtyWords, 15, 0, 0, 0, false, 5136032511292163113ull},
        {"animals auto, level 4, checked, message", &animals, 0, 0, 4, 1, true, 7566577370224380368ull},
        {"animals 0x9, level 1", &animals, 0, 9, 1, 0, false, 2017024565106863771ull},
    };
    Settings().HiddenMessage = u"Well done";
    for (const Case& c : cases) {
        Settings().SetSharingLevel(c.level);
        Settings().AccidentalCheck = static_cast<std::uint8_t>(c.accidental);
        Settings().PuzzleOptions = c.message ? Option_HiddenMessage : 0;
        SetList(*c.line);
        std::uint64_t all = 0;
        for (std::uint32_t seed = 1; seed <= 25; ++seed) {
            state->SetSeed(seed * 7919u);
            ASSERT_EQ(ws->MakePuzzle(trial.get(), c.columns, c.rows), ws.get());
            all = all * 31 + Fingerprint(*ws, *state);
        }
        EXPECT_EQ(all, c.fingerprint) << c.name;
    }
}

}  // namespace
}  // namespace vorlix::testing
