// The capitalization names as the puzzle file, the preferences and the command line write them.
#pragma once

#include <QString>

#include "wordsearch.h"

namespace vorlix {

// "AllUpper", "AllLower", "FirstLetter", "AsGiven".
QString CapitalizationName(TCapitalization c);
// The four names, exact case; anything else is AllUpper.
TCapitalization CapitalizationFromName(const QString& name);

}  // namespace vorlix
