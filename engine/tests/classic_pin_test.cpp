// A-Z lists in the classic filler mode keep their grids draw for draw: fingerprints of many
// seeded builds, taken before cells could hold more than one code point.
#include "engine_fixture.h"
#include "word_lists.h"

namespace vorlix::testing {
namespace {

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) { return (h ^ v) * 1099511628211ull; }

struct TPinCase {
    const char* Name;
    TCapitalization Capitalization;
    std::u16string Message;
    std::uint8_t Check;
    TPackMode Pack;
    int Seeds;
    std::uint64_t Expected;
};

class ClassicPin : public EngineTest {
protected:
    std::uint64_t Fingerprint(const TPinCase& k) {
        std::uint64_t h = 14695981039346656037ull;
        for (int seed = 1; seed <= k.Seeds; ++seed) {
            state->ResetSettings();
            Settings().Capitalization = k.Capitalization;
            Settings().AccidentalCheck = k.Check;
            Settings().PackMode = k.Pack;
            Settings().PackTimeLimitMs = 0;
            Settings().PackWorkLimit = 200'000;
            if (!k.Message.empty()) {
                Settings().HiddenMessage = k.Message;
                Settings().PuzzleOptions = Option_HiddenMessage;
            }
            SetList(ThirtyWords + u",Mixed Case,ok");
            state->SetSeed(static_cast<std::uint32_t>(seed * 7919));
            ws->MakePuzzle(trial.get(), 0, 0);
            for (char16_t c : GridRows()) h = Mix(h, c);
            for (char c : PlacementText()) h = Mix(h, static_cast<unsigned char>(c));
            for (int p = 1; p <= state->WordCount; ++p)
                for (char16_t c : state->WordList[state->DisplayIndex[p]].GridWord) h = Mix(h, c);
        }
        return h;
    }
};

// Protects: the classic filler, case and word order of A-Z lists stay exactly as before.
TEST_F(ClassicPin, ManySeedsUnchanged) {
    const TPinCase cases[] = {
        {"upper", TCapitalization::AllUpper, u"", AccidentalTaboo, TPackMode::Classic, 200, 8470212662378183351ull},
        {"lower", TCapitalization::AllLower, u"", AccidentalNone, TPackMode::Classic, 60, 6489878701536837120ull},
        {"first", TCapitalization::FirstLetter, u"", AccidentalTaboo, TPackMode::Classic, 60, 8952926417071730700ull},
        {"given", TCapitalization::AsGiven, u"hello there", AccidentalTaboo, TPackMode::Classic, 60, 15528706771933189598ull},
        {"message", TCapitalization::AllUpper, u"Well done you", AccidentalTaboo, TPackMode::Classic, 60, 829715220355177409ull},
        {"tight", TCapitalization::AllUpper, u"", AccidentalTaboo, TPackMode::Tight, 10, 10822691683147284269ull},
    };
    for (const TPinCase& k : cases) {
        const std::uint64_t got = Fingerprint(k);
        EXPECT_EQ(got, k.Expected) << k.Name << " over seeds 7919.." << 7919 * k.Seeds;
    }
}

}  // namespace
}  // namespace vorlix::testing
