// The capitalization names.
#include "capitalization.h"

namespace vorlix {

namespace {

// Indexed by TCapitalization.
const std::array<const char*, 4> CapitalizationNames = {"AllUpper", "AllLower", "FirstLetter", "AsGiven"};

}  // namespace

QString CapitalizationName(TCapitalization c) {
    const auto ix = static_cast<std::size_t>(c);
    return QString::fromLatin1(ix < CapitalizationNames.size() ? CapitalizationNames[ix] : CapitalizationNames[0]);
}

TCapitalization CapitalizationFromName(const QString& name) {
    for (std::size_t i = 0; i < CapitalizationNames.size(); ++i)
        if (name == QLatin1String(CapitalizationNames[i])) return static_cast<TCapitalization>(i);
    return TCapitalization::AllUpper;
}

}  // namespace vorlix
