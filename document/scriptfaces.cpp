// Which installed face draws a text: the chosen one where it has the glyphs, else Noto's face
// for the script it lacks.
#include "scriptfaces.h"

#include <map>
#include <tuple>

#include <QChar>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include "puzzle.h"

namespace vorlix {

namespace {

struct TScriptFace {
    QChar::Script Script;
    const char* Suffix;  // after "Noto Sans " / "Noto Serif "
    bool HasSerif;
};

// Scripts Noto names after themselves; Latin, Greek and Cyrillic use the plain "Noto Sans".
constexpr TScriptFace ScriptFaces[] = {
    {QChar::Script_Greek, "", true},
    {QChar::Script_Cyrillic, "", true},
    {QChar::Script_Armenian, "Armenian", true},
    {QChar::Script_Hebrew, "Hebrew", true},
    {QChar::Script_Arabic, "Arabic", false},
    {QChar::Script_Syriac, "Syriac", false},
    {QChar::Script_Thaana, "Thaana", false},
    {QChar::Script_Devanagari, "Devanagari", true},
    {QChar::Script_Bengali, "Bengali", true},
    {QChar::Script_Gurmukhi, "Gurmukhi", true},
    {QChar::Script_Gujarati, "Gujarati", true},
    {QChar::Script_Oriya, "Oriya", false},
    {QChar::Script_Tamil, "Tamil", true},
    {QChar::Script_Telugu, "Telugu", true},
    {QChar::Script_Kannada, "Kannada", true},
    {QChar::Script_Malayalam, "Malayalam", true},
    {QChar::Script_Sinhala, "Sinhala", true},
    {QChar::Script_Thai, "Thai", true},
    {QChar::Script_Lao, "Lao", true},
    {QChar::Script_Tibetan, "Tibetan", true},
    {QChar::Script_Myanmar, "Myanmar", true},
    {QChar::Script_Georgian, "Georgian", true},
    {QChar::Script_Ethiopic, "Ethiopic", true},
    {QChar::Script_Cherokee, "Cherokee", false},
    {QChar::Script_Khmer, "Khmer", true},
    {QChar::Script_Mongolian, "Mongolian", false},
    {QChar::Script_Hangul, "CJK KR", true},
    {QChar::Script_Hiragana, "CJK JP", true},
    {QChar::Script_Katakana, "CJK JP", true},
    {QChar::Script_Han, "CJK JP", true},
    {QChar::Script_Bopomofo, "CJK TC", true},
};

// Letters without a script of their own (marks, punctuation) take their neighbours'.
bool OwnScript(QChar::Script s) {
    return s != QChar::Script_Common && s != QChar::Script_Inherited && s != QChar::Script_Unknown;
}

// Blanks, controls and format characters (joiners, direction marks) draw no glyph of their own.
bool NeedsGlyph(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_NotAssigned:
        case QChar::Other_Surrogate:
            return false;
        default:
            return true;
    }
}

QStringList FamiliesOfScript(QChar::Script script, bool serif) {
    for (const TScriptFace& f : ScriptFaces) {
        if (f.Script != script) continue;
        const QString suffix = *f.Suffix ? u' ' + QString::fromLatin1(f.Suffix) : QString();
        QStringList out;
        if (serif && f.HasSerif) out << QStringLiteral("Noto Serif") + suffix;
        out << QStringLiteral("Noto Sans") + suffix;
        return out;
    }
    return {QStringLiteral("Noto Sans")};
}

// The script a text is written in, judged from the letter at index on: its own, else the
// first letter of the text that has one.
QChar::Script ScriptAt(const QList<uint>& codes, qsizetype index) {
    if (const auto s = QChar::script(codes[index]); OwnScript(s)) return s;
    for (const uint c : codes)
        if (const auto s = QChar::script(c); OwnScript(s)) return s;
    return QChar::Script_Latin;
}

using TFaceKey = std::tuple<QString, bool, bool>;

struct TFaceCache {
    std::map<TFaceKey, QRawFont> Raw;
    std::map<std::tuple<QString, bool, bool, char32_t>, bool> Covered;
    std::map<TFaceKey, bool> Serif;
};

// Fonts are looked up from whatever thread lays out or draws.
TFaceCache& Cache() {
    thread_local TFaceCache cache;
    return cache;
}

QFont QueryFont(const QString& family, bool bold, bool italic) {
    QFont f(family);
    f.setBold(bold);
    f.setItalic(italic);
    f.setPixelSize(64);  // any size: only the glyph coverage is asked
    return f;
}

const QRawFont& RawFont(const QString& family, bool bold, bool italic) {
    auto& raw = Cache().Raw;
    const TFaceKey key{family, bold, italic};
    auto it = raw.find(key);
    if (it == raw.end()) it = raw.emplace(key, QRawFont::fromFont(QueryFont(family, bold, italic))).first;
    return it->second;
}

bool Covers(const QString& family, bool bold, bool italic, char32_t c) {
    auto& covered = Cache().Covered;
    const auto key = std::make_tuple(family, bold, italic, c);
    if (auto it = covered.find(key); it != covered.end()) return it->second;
    const bool yes = RawFont(family, bold, italic).supportsCharacter(c);
    covered.emplace(key, yes);
    return yes;
}

bool IsSerifFace(const QString& family, bool bold, bool italic) {
    auto& serif = Cache().Serif;
    const TFaceKey key{family, bold, italic};
    if (auto it = serif.find(key); it != serif.end()) return it->second;
    const QString resolved = QFontInfo(QueryFont(family, bold, italic)).family();
    const bool yes = (resolved.contains(QStringLiteral("Serif")) && !resolved.contains(QStringLiteral("Sans"))) ||
                     resolved.contains(QStringLiteral("Times"));
    serif.emplace(key, yes);
    return yes;
}

}  // namespace

QStringList NotoFamiliesFor(const QString& text, bool serif) {
    QStringList out;
    for (const uint c : text.toUcs4()) {
        const QChar::Script s = QChar::script(c);
        if (!OwnScript(s) || s == QChar::Script_Latin || s == QChar::Script_Greek || s == QChar::Script_Cyrillic)
            continue;
        for (const QString& f : FamiliesOfScript(s, serif))
            if (!out.contains(f)) out << f;
    }
    return out;
}

bool GridHasRightToLeft(const TPuzzle& puzzle) {
    const TWordSearch& grid = puzzle.Grid();
    for (int r = 1; r <= grid.ActualRows; ++r)
        for (int c = 1; c <= grid.ActualColumns; ++c)
            for (const uint code : puzzle.CellText(c, r).toUcs4())
                if (const QChar::Direction d = QChar::direction(code); d == QChar::DirR || d == QChar::DirAL)
                    return true;
    return false;
}

bool FaceCovers(const QString& family, bool bold, bool italic, const QString& text) {
    for (const uint c : text.toUcs4())
        if (NeedsGlyph(c) && !Covers(family, bold, italic, c)) return false;
    return true;
}

QString CoveringFamily(const QString& family, bool bold, bool italic, const QString& text) {
    const QList<uint> codes = text.toUcs4();
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (!NeedsGlyph(codes[i]) || Covers(family, bold, italic, codes[i])) continue;
        const QStringList candidates = FamiliesOfScript(ScriptAt(codes, i), IsSerifFace(family, bold, italic));
        for (const QString& candidate : candidates)
            if (QFontDatabase::hasFamily(candidate) && Covers(candidate, bold, italic, codes[i])) return candidate;
        return family;
    }
    return family;
}

}  // namespace vorlix
