// Cells and the Unicode rules behind them, through ICU: normalization, grapheme clusters,
// case per language, script detection and collation.
#include "cells.h"

#include <algorithm>
#include <array>
#include <memory>

#include <unicode/brkiter.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/unistr.h>

namespace vorlix {

namespace {

icu::UnicodeString Icu(std::u16string_view text) {
    return icu::UnicodeString(text.data(), static_cast<int32_t>(text.size()));
}

std::u16string Std(const icu::UnicodeString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.getBuffer()), static_cast<std::size_t>(text.length()));
}

// Below U+0300 every code unit is a whole cell already in NFC (no combining marks, no
// singletons), so these texts skip ICU.
bool Simple(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x300 && c != u'\r'; });
}

bool Ascii(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; });
}

// The viramas that join the next consonant into one cluster (InCB=Linker).
bool IsLinker(char32_t c) {
    return c == 0x094D || c == 0x09CD || c == 0x0ACD || c == 0x0B4D || c == 0x0C4D || c == 0x0D4D;
}

bool IsConsonant(char32_t c) {
    return u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_INDIC_SYLLABIC_CATEGORY) == U_INSC_CONSONANT;
}

char32_t FirstCodePoint(const icu::UnicodeString& s) { return s.isEmpty() ? 0 : static_cast<char32_t>(s.char32At(0)); }

// Whether a cluster ends in a virama (ZWJ and nukta may follow it) after a consonant.
bool EndsInLinker(const icu::UnicodeString& s) {
    if (!IsConsonant(FirstCodePoint(s))) return false;
    for (int32_t i = s.length(); i > 0;) {
        const UChar32 c = s.char32At(i - 1);
        i -= U16_LENGTH(c);
        if (IsLinker(static_cast<char32_t>(c))) return true;
        const bool extend = c == 0x200D || u_getIntPropertyValue(c, UCHAR_INDIC_SYLLABIC_CATEGORY) == U_INSC_NUKTA;
        if (!extend) return false;
    }
    return false;
}

// The grid parts of a list's items: before a clue's slash, between commas, line by line.
std::u16string GridParts(std::u16string_view lines) {
    std::u16string out;
    bool inClue = false;
    for (const char16_t c : lines) {
        if (c == u'\r' || c == u'\n' || c == u',') {
            inClue = false;
            out.push_back(u' ');
        } else if (c == u'/') {
            inClue = true;
        } else if (!inClue) {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

bool IsOwnCode(std::u16string_view cell) {
    if (cell.size() != 1) return false;
    const char16_t c = cell[0];
    return !(c >= FirstInternedCode && c <= LastInternedCode) && !(c >= 0xD800 && c <= 0xDFFF);
}

std::u16string TCellAlphabet::Expand(const std::u16string& codes) const {
    if (texts_.empty()) return codes;
    std::u16string out;
    for (const char16_t c : codes) out += Text(c);
    return out;
}

std::vector<std::u16string> TCellAlphabet::Texts(const std::u16string& codes) const {
    std::vector<std::u16string> out;
    for (const char16_t c : codes) out.push_back(Text(c));
    return out;
}

char16_t TCellAlphabet::CodeOf(std::u16string_view cell) {
    if (cell.empty() || cell.size() > MaxCellTextLength) return 0;
    if (IsOwnCode(cell)) return cell[0];
    const auto at = std::find(texts_.begin(), texts_.end(), cell);
    if (at != texts_.end()) return static_cast<char16_t>(FirstInternedCode + (at - texts_.begin()));
    if (texts_.size() >= MaxInternedCells) return 0;
    texts_.emplace_back(cell);
    return static_cast<char16_t>(FirstInternedCode + texts_.size() - 1);
}

bool TCellAlphabet::Assign(std::vector<std::u16string> texts) {
    if (texts.size() > MaxInternedCells) return false;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const std::u16string& t = texts[k];
        if (t.empty() || t.size() > MaxCellTextLength || IsOwnCode(t)) return false;
        if (std::find(texts.begin(), texts.begin() + static_cast<std::ptrdiff_t>(k), t) != texts.begin() + static_cast<std::ptrdiff_t>(k))
            return false;
    }
    texts_ = std::move(texts);
    return true;
}

std::u16string Nfc(std::u16string_view text) {
    if (Simple(text)) return std::u16string(text);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return std::u16string(text);
    const icu::UnicodeString out = nfc->normalize(Icu(text), status);
    return U_FAILURE(status) ? std::u16string(text) : Std(out);
}

std::vector<std::u16string> SplitCells(std::u16string_view text) {
    std::vector<std::u16string> cells;
    if (Simple(text)) {
        for (const char16_t c : text) cells.emplace_back(1, c);
        return cells;
    }
    const icu::UnicodeString s = Icu(Nfc(text));
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) {
        for (const char16_t c : text) cells.emplace_back(1, c);
        return cells;
    }
    it->setText(s);
    std::vector<icu::UnicodeString> clusters;
    for (int32_t start = it->first(), end = it->next(); end != icu::BreakIterator::DONE; start = end, end = it->next())
        clusters.push_back(icu::UnicodeString(s, start, end - start));
    // ICU before 74 splits a conjunct after its virama; a virama and the consonant after it
    // stay in one cell, as readers see them.
    std::vector<icu::UnicodeString> joined;
    for (icu::UnicodeString& c : clusters) {
        const char32_t first = FirstCodePoint(c);
        if (!joined.empty() && IsConsonant(first) && EndsInLinker(joined.back()) &&
            uscript_getScript(static_cast<UChar32>(first), &status) ==
                uscript_getScript(joined.back().char32At(0), &status))
            joined.back() += c;
        else
            joined.push_back(std::move(c));
    }
    for (const icu::UnicodeString& c : joined) cells.push_back(Std(c));
    return cells;
}

std::u16string CellCodes(std::u16string_view text, TCellAlphabet& alphabet) {
    if (Simple(text)) return std::u16string(text);
    std::u16string codes;
    for (const std::u16string& cell : SplitCells(text))
        if (const char16_t code = alphabet.CodeOf(cell); code != 0) codes.push_back(code);
    return codes;
}

namespace {

// Turkish and Azeri map the ASCII i differently; every other language keeps ASCII as ASCII.
bool AsciiCaseIsPlain(const std::string& language) {
    const std::string primary = PrimaryLanguage(language);
    return primary != "tr" && primary != "az";
}

icu::Locale LocaleOf(const std::string& language) {
    if (language.empty()) return icu::Locale::getRoot();
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::forLanguageTag(language, status);
    return U_FAILURE(status) ? icu::Locale::getRoot() : locale;
}

}  // namespace

std::u16string UpperText(std::u16string_view text, const std::string& language) {
    if (Ascii(text) && AsciiCaseIsPlain(language)) {
        std::u16string out(text);
        for (char16_t& c : out)
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
        return out;
    }
    icu::UnicodeString s = Icu(text);
    // One cell stays one cell: capital sharp s rather than SS.
    s.findAndReplace(icu::UnicodeString(static_cast<UChar32>(0xDF)), icu::UnicodeString(static_cast<UChar32>(0x1E9E)));
    s.toUpper(LocaleOf(language));
    return Nfc(Std(s));
}

std::u16string LowerText(std::u16string_view text, const std::string& language) {
    if (Ascii(text) && AsciiCaseIsPlain(language)) {
        std::u16string out(text);
        for (char16_t& c : out)
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        return out;
    }
    icu::UnicodeString s = Icu(text);
    s.toLower(LocaleOf(language));
    return Nfc(Std(s));
}

char16_t FoldedCode(char16_t c) {
    if (c < 0x80) return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
    if (c >= 0xD800 && c <= 0xDFFF) return c;
    const UChar32 upper = u_toupper(c);
    return upper <= 0xFFFF ? static_cast<char16_t>(upper) : c;
}

std::string PrimaryLanguage(const std::string& language) {
    const std::size_t dash = language.find_first_of("-_");
    std::string primary = language.substr(0, dash);
    std::transform(primary.begin(), primary.end(), primary.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return primary;
}

std::string CanonicalLanguageTag(const std::string& tag) {
    if (tag.empty() || tag.size() > 64) return {};
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::forLanguageTag(tag, status);
    if (U_FAILURE(status) || locale.isBogus() || std::string(locale.getLanguage()).empty()) return {};
    std::string out = locale.toLanguageTag<std::string>(status);
    return U_FAILURE(status) ? std::string() : out;
}

bool IsPlainAZList(std::u16string_view wordLines) { return Ascii(GridParts(wordLines)); }

std::string DetectLanguage(std::u16string_view wordLines) {
    const icu::UnicodeString s = Icu(Nfc(GridParts(wordLines)));
    std::array<int, USCRIPT_CODE_LIMIT> counts{};
    bool seen[0x250] = {};
    bool ukrainian = false;
    for (int32_t i = 0; i < s.length();) {
        const UChar32 c = s.char32At(i);
        i += U16_LENGTH(c);
        if (!u_isalpha(c)) continue;
        UErrorCode status = U_ZERO_ERROR;
        const UScriptCode script = uscript_getScript(c, &status);
        if (U_SUCCESS(status) && script >= 0 && script < USCRIPT_CODE_LIMIT) ++counts[script];
        const UChar32 lower = u_tolower(c);
        if (lower < 0x250) seen[lower] = true;
        if (lower == 0x456 || lower == 0x457 || lower == 0x454 || lower == 0x491) ukrainian = true;
    }
    int best = USCRIPT_LATIN;
    for (int k = 0; k < USCRIPT_CODE_LIMIT; ++k)
        if (k != USCRIPT_COMMON && k != USCRIPT_INHERITED && counts[k] > counts[best]) best = k;
    switch (best) {
        case USCRIPT_CYRILLIC: return ukrainian ? "uk" : "ru";
        case USCRIPT_GREEK: return "el";
        case USCRIPT_HEBREW: return "he";
        case USCRIPT_ARABIC: return "ar";
        case USCRIPT_DEVANAGARI: return "hi";
        case USCRIPT_HANGUL: return "ko";
        case USCRIPT_HIRAGANA:
        case USCRIPT_KATAKANA:
        case USCRIPT_HAN: return "ja";
        default: break;
    }
    const auto any = [&](std::initializer_list<char16_t> letters) {
        return std::any_of(letters.begin(), letters.end(), [&](char16_t c) { return seen[c]; });
    };
    if (any({0x131, 0x15F, 0x11F})) return "tr";
    if (any({0xF1})) return "es";
    if (any({0xE3, 0xF5})) return "pt";
    if (any({0xDF, 0xE4, 0xF6, 0xFC})) return "de";
    if (any({0xE7, 0xE9, 0xE8, 0xEA, 0xE2, 0xEE, 0xF4, 0xFB, 0xEB, 0xEF})) return "fr";
    if (any({0xEC, 0xF2})) return "it";
    if (any({0xE1, 0xED, 0xF3, 0xFA})) return "es";
    return "en";
}

std::vector<std::u16string> LanguageAlphabet(const std::string& language, std::u16string_view words) {
    static constexpr std::u16string_view Latin = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::u16string letters;
    const std::string primary = PrimaryLanguage(language);
    if (primary == "es") letters = std::u16string(Latin) + u"ÑÁÉÍÓÚÜ";
    else if (primary == "de") letters = std::u16string(Latin) + u"ÄÖÜ";
    else if (primary == "fr") letters = std::u16string(Latin) + u"ÉÈÊÀÇÙÂÎÔËÏÛ";
    else if (primary == "pt") letters = std::u16string(Latin) + u"ÃÕÁÉÍÓÚÂÊÔÇÀ";
    else if (primary == "it") letters = std::u16string(Latin) + u"ÀÈÉÌÒÙ";
    else if (primary == "tr") letters = u"ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ";
    else if (primary == "ru") letters = u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
    else if (primary == "uk") letters = u"АБВГҐДЕЄЖЗИІЇЙКЛМНОПРСТУФХЦЧШЩЬЮЯ";
    else if (primary == "el") letters = u"ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ";
    else if (primary == "he") letters = u"אבגדהוזחטיכלמנסעפצקרשת";
    else if (primary == "ar") letters = u"ابتثجحخدذرزسشصضطظعغفقكلمنهوي";
    else if (primary == "hi") letters = u"अआइईउऊएऐओऔकखगघचछजझटठडढणतथदधनपफबभमयरलवशषसह";
    else if (primary == "ko") letters = u"가나다라마바사아자차카타파하고노도로모보소오조기니디리미비시이지구누두루무부수우주한대서일인";
    else if (primary == "ja")
        letters = u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
                  u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン";
    else letters = std::u16string(Latin);
    std::vector<bool> scripts(USCRIPT_CODE_LIMIT, false);
    bool any = false;
    const icu::UnicodeString w = Icu(words);
    for (int32_t i = 0; i < w.length();) {
        const UChar32 c = w.char32At(i);
        i += U16_LENGTH(c);
        UErrorCode status = U_ZERO_ERROR;
        const UScriptCode script = uscript_getScript(c, &status);
        if (U_SUCCESS(status) && script > USCRIPT_INHERITED && script < USCRIPT_CODE_LIMIT) scripts[script] = any = true;
    }
    std::vector<std::u16string> out;
    for (const char16_t c : letters) {
        UErrorCode status = U_ZERO_ERROR;
        const UScriptCode script = uscript_getScript(c, &status);
        if (!any || (U_SUCCESS(status) && script >= 0 && script < USCRIPT_CODE_LIMIT && scripts[script]))
            out.emplace_back(1, c);
    }
    return out;
}

void CollateOrder(const std::string& language, const std::vector<std::u16string>& texts, std::vector<int>& order) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(LocaleOf(language), status));
    if (U_FAILURE(status) || !collator) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return texts[a] < texts[b]; });
        return;
    }
    std::vector<icu::UnicodeString> keys;
    for (const std::u16string& t : texts) keys.push_back(Icu(t));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        UErrorCode s = U_ZERO_ERROR;
        return collator->compare(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)], s) == UCOL_LESS;
    });
}

}  // namespace vorlix
