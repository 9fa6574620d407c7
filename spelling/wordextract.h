// How the spelling checker finds words in a text: ASCII letters and apostrophes only.
#pragma once

#include <QStringView>

namespace vorlix::spelling {

inline bool IsSpellingLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}
inline bool IsWordCharacter(QChar c) { return IsSpellingLetter(c) || c == QLatin1Char('\''); }

// The first run of letters and apostrophes in text; empty when there is none.
QStringView ExtractWord(QStringView text);

// Upper-cases the ASCII letters only, so no word changes length or alphabet.
QString AsciiUpper(QStringView word);

}  // namespace vorlix::spelling
