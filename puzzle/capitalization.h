// Capitalization names as the puzzle file, the preferences and the command line write them.
#pragma once

#include <array>

#include <QString>

#include "wordsearch.h"

namespace vorlix {

inline constexpr std::array<TCapitalization, 4> Capitalizations = {
    TCapitalization::AllUpper, TCapitalization::AllLower, TCapitalization::FirstLetter, TCapitalization::AsGiven};

QString CapitalizationName(TCapitalization c);
// "AllUpper", "AllLower", "FirstLetter", "AsGiven" (exact case); anything else is AllUpper.
TCapitalization CapitalizationFromName(const QString& name);

}  // namespace vorlix
