// Builds and turns puzzle grids. The builder owns the engine objects and the one generator
// that every build and transform made through it draws from, so a seed repeats them all.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "puzzle.h"

namespace vorlix {

class TPuzzleBuilder {
public:
    TPuzzleBuilder();
    ~TPuzzleBuilder();
    TPuzzleBuilder(const TPuzzleBuilder&) = delete;
    TPuzzleBuilder& operator=(const TPuzzleBuilder&) = delete;

    // Without a seed the first build seeds from the clock.
    void SetSeed(std::uint32_t seed) { engine_->SetSeed(seed); }
    const TRandom& Generator() const { return engine_->Generator; }

    // 0 none, 1 taboo and repeated listed words, 2 also every dictionary word; out of range is 1.
    void SetAccidentalLevel(int level);
    int AccidentalLevel() const { return engine_->Settings.AccidentalCheck; }
    // The word set of the all-words check; not owned.
    void SetMainDictionary(const IWordSet* words) { engine_->MainDictionary = words; }
    // A Tight search stops after this long at the latest (0: only its work budget stops it);
    // the work budget, not the clock, decides the grid, so a seed repeats it on any machine.
    void SetPackTimeLimit(int milliseconds) { engine_->Settings.PackTimeLimitMs = milliseconds; }
    // Told how far a Tight search has come (words placed of all); returning false ends it
    // with the best whole grid found so far. Empty: no one is told.
    void SetProgress(std::function<bool(int placed, int total)> progress) {
        engine_->PackProgress = std::move(progress);
    }
    // The accidental level and dictionary of other, for builds beside its own.
    void CheckLike(const TPuzzleBuilder& other);

    // The puzzle's word lines built into a new grid under its options and requested size.
    std::shared_ptr<const TBuiltGrid> Build(const TPuzzle& puzzle);
    // The puzzle's grid turned or mirrored (variant 1..7), its free cells filled anew under
    // the puzzle's current message and capitalization.
    std::shared_ptr<const TBuiltGrid> Transform(const TPuzzle& puzzle, int variant);

    // The working engine, for tests and benchmarks that drive it step by step.
    TEngineState& Engine() { return *engine_; }

private:
    void ApplyOptions(const TPuzzle& puzzle);

    std::unique_ptr<TEngineState> engine_;
    std::unique_ptr<TWordSearch> result_;
    std::unique_ptr<TWordSearch> trial_;
};

// The engine settings a puzzle's options stand for.
void ApplyPuzzleOptions(const TPuzzle& puzzle, TWordSearchConfig& settings);

}  // namespace vorlix
