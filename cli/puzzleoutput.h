// The printed forms of a puzzle: the text listing and the JSON object of make and show.
#pragma once

#include <string>

#include "jsonwriter.h"
#include "puzzle.h"
#include "wordsearch.h"

namespace vorlix::cli {

// The grid, one line per row, then every placed word with its start and direction, then
// the words that did not fit and those the grid's own letters spell.
std::string FormatPuzzleText(const TWordSearch& puzzle);
// Grid, placements and cell bookkeeping; with the accidental-word check on, its report.
JsonValue PuzzleToJson(const TWordSearch& puzzle);
// The puzzle's texts and options as the puzzle file holds them.
JsonValue ModelToJson(const TPuzzle& puzzle);

}  // namespace vorlix::cli
