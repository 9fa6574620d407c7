// Word extraction for the spelling checker.
#include "wordextract.h"

#include <QString>

namespace vorlix::spelling {

QStringView ExtractWord(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && !IsWordCharacter(text[start])) ++start;
    qsizetype end = start;
    while (end < text.size() && IsWordCharacter(text[end])) ++end;
    return text.sliced(start, end - start);
}

QString AsciiUpper(QStringView word) {
    QString upper(word.size(), Qt::Uninitialized);
    QChar* out = upper.data();
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t u = word[i].unicode();
        out[i] = QChar(u >= u'a' && u <= u'z' ? char16_t(u - 32) : u);
    }
    return upper;
}

}  // namespace vorlix::spelling
