// A new puzzle as the preferences make it, and the texts that follow its options until the
// user writes their own.
#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "preferences.h"
#include "puzzle.h"

namespace vorlix {

// "Words can go ..." for the directions.
QString DirectionsSummary(const std::array<bool, 8>& directions);
// How to solve a puzzle of the type, without the directions.
QString AutomaticInstructionsText(const TPuzzleType& type);
// The instructions a puzzle gets until the user writes their own.
QStringList AutomaticInstructions(const TPuzzleType& type, const std::array<bool, 8>& directions);

// A new puzzle with the preferred options, credits line and automatic instructions.
TPuzzle NewPuzzle(const TPreferences& prefs);

}  // namespace vorlix
