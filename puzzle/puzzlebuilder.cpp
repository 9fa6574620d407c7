// Builds and turns puzzle grids through the engine.
#include "puzzlebuilder.h"

#include <algorithm>

namespace vorlix {

void ApplyPuzzleOptions(const TPuzzle& puzzle, TWordSearchConfig& settings) {
    const std::u16string message = puzzle.HiddenMessage().toStdU16String();
    // The message is laid whenever one is typed, whatever the puzzle type says.
    settings.PuzzleOptions = static_cast<std::uint16_t>((message.empty() ? 0 : Option_HiddenMessage) |
                                                        (puzzle.Type.CustomClues ? Option_CustomClues : 0));
    settings.HiddenMessage = message;
    const int level = puzzle.SharingLevel;
    settings.SetSharingLevel(level >= ShareNoCross && level <= ShareAll ? level : ShareIntersect);
    settings.Capitalization = puzzle.Capitalization;
    settings.PackMode = puzzle.PackMode;
    settings.Language = puzzle.LanguageInUse().toStdString();
    settings.FillerMode = puzzle.FillerInUse();
}

TPuzzleBuilder::TPuzzleBuilder()
    : engine_(std::make_unique<TEngineState>()),
      result_(std::make_unique<TWordSearch>(*engine_)),
      trial_(std::make_unique<TWordSearch>(*engine_)) {
    engine_->Settings.AccidentalCheck = AccidentalTaboo;
}

TPuzzleBuilder::~TPuzzleBuilder() = default;

void TPuzzleBuilder::SetAccidentalLevel(int level) {
    engine_->Settings.AccidentalCheck =
        static_cast<std::uint8_t>(level >= AccidentalNone && level <= AccidentalAllWords ? level : AccidentalTaboo);
}

void TPuzzleBuilder::CheckLike(const TPuzzleBuilder& other) {
    engine_->Settings.AccidentalCheck = other.engine_->Settings.AccidentalCheck;
    engine_->MainDictionary = other.engine_->MainDictionary;
}

void TPuzzleBuilder::ApplyOptions(const TPuzzle& puzzle) { ApplyPuzzleOptions(puzzle, engine_->Settings); }

std::shared_ptr<const TBuiltGrid> TPuzzleBuilder::Build(const TPuzzle& puzzle) {
    TEngineState& engine = *engine_;
    engine.ClearList();
    ApplyOptions(puzzle);
    for (int d = North; d <= NorthWest; ++d)
        engine.SetDirectionWeight(d, puzzle.Directions[static_cast<std::size_t>(d - 1)] ? 50 : 0);
    for (const QString& line : puzzle.WordLines) engine.Words_ProcessLine(line.toStdU16String());
    engine.FinishList();
    // A size read from a file may lie outside the lists; the engine must not see it.
    const auto requested = [](int n) { return std::clamp(n, 0, MaxGridSize); };
    result_->MakePuzzle(trial_.get(), requested(puzzle.RequestedColumns), requested(puzzle.RequestedRows));
    return std::make_shared<const TBuiltGrid>(*result_);
}

std::shared_ptr<const TBuiltGrid> TPuzzleBuilder::Transform(const TPuzzle& puzzle, int variant) {
    // The grid's own list, with this builder's generator, dictionary and accidental level.
    TEngineState& engine = *engine_;
    const TRandom generator = engine.Generator;
    const bool randomized = engine.Randomized;
    const IWordSet* dictionary = engine.MainDictionary;
    auto listed = engine.ListedWordsForCheck;
    auto progress = std::move(engine.PackProgress);
    const TWordSearchConfig settings = engine.Settings;
    engine = puzzle.Words();
    engine.Generator = generator;
    engine.Randomized = randomized;
    engine.MainDictionary = dictionary;
    engine.ListedWordsForCheck = std::move(listed);
    engine.PackProgress = std::move(progress);
    engine.Settings.AccidentalCheck = settings.AccidentalCheck;
    engine.Settings.PackWorkLimit = settings.PackWorkLimit;
    engine.Settings.PackTimeLimitMs = settings.PackTimeLimitMs;
    ApplyOptions(puzzle);
    result_->CopyWhole(puzzle.Grid(), engine);
    result_->Transform(variant);
    return std::make_shared<const TBuiltGrid>(*result_);
}

}  // namespace vorlix
