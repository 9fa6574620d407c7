// Grid cells: a cell code stands for one letter as a reader sees it, which may take several
// code points; the alphabet gives each code its text. Also the other Unicode rules a list
// needs: splitting into cells, case per language, the list's language and its collation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix {

// Cells that are not one code point of their own get a code from the Private Use Area.
constexpr char16_t FirstInternedCode = 0xE000;
constexpr char16_t LastInternedCode = 0xF8FF;
constexpr std::size_t MaxInternedCells = LastInternedCode - FirstInternedCode + 1;
// A cell text longer than this is no letter; interning refuses it.
constexpr std::size_t MaxCellTextLength = 32;

// Whether a cell's text (NFC) is its own code: one BMP code point outside the Private Use
// Area and not a surrogate. A-Z are, so A-Z lists keep their codes.
bool IsOwnCode(std::u16string_view cell);

class TCellAlphabet {
public:
    // The text cell code stands for.
    std::u16string Text(char16_t code) const {
        if (code >= FirstInternedCode && static_cast<std::size_t>(code - FirstInternedCode) < texts_.size())
            return texts_[code - FirstInternedCode];
        return std::u16string(1, code);
    }
    // The texts of a run of codes, one after the other.
    std::u16string Expand(const std::u16string& codes) const;
    // Each code's text, one entry per cell.
    std::vector<std::u16string> Texts(const std::u16string& codes) const;
    // The code of one cell text (NFC), given a new code when needed; 0 when the text is
    // empty, too long or the table is full.
    char16_t CodeOf(std::u16string_view cell);
    // The interned texts; entry k has code FirstInternedCode + k.
    const std::vector<std::u16string>& Interned() const { return texts_; }
    bool Empty() const { return texts_.empty(); }
    void Clear() { texts_.clear(); }
    // Installs a table read from a file; false (and nothing installed) when an entry is
    // empty, too long, a duplicate, or its own code.
    bool Assign(std::vector<std::u16string> texts);
    bool operator==(const TCellAlphabet&) const = default;

private:
    std::vector<std::u16string> texts_;
};

// The text in NFC, cut into extended grapheme clusters, with a virama and the consonant after
// it kept in one cell (the conjunct rule of Unicode 15.1).
std::vector<std::u16string> SplitCells(std::u16string_view text);
// The text's cells as codes, interned into alphabet.
std::u16string CellCodes(std::u16string_view text, TCellAlphabet& alphabet);
std::u16string Nfc(std::u16string_view text);

// Full case mapping in the language's rules (BCP 47; empty for the root rules). Upper case
// writes German sharp s as capital sharp s, so a cell never becomes two.
std::u16string UpperText(std::u16string_view text, const std::string& language);
std::u16string LowerText(std::u16string_view text, const std::string& language);
// One letter folded for comparison: its simple upper case.
char16_t FoldedCode(char16_t c);

// The language a word list is written in, from the grid part of its items: the script, and for
// Latin lists the letters. "en" when nothing points elsewhere.
std::string DetectLanguage(std::u16string_view wordLines);
// Whether every item's grid part is written in ASCII (A-Z lists and their punctuation).
bool IsPlainAZList(std::u16string_view wordLines);
// The tag in its canonical BCP 47 form, or empty when it is not a well-formed language tag.
std::string CanonicalLanguageTag(const std::string& tag);
// The language's own letters (upper case where the script has case) in the scripts the
// words use, for the filler; all of them when the words hold no letter.
std::vector<std::u16string> LanguageAlphabet(const std::string& language, std::u16string_view words);
// The language subtag: "pt" of "pt-BR".
std::string PrimaryLanguage(const std::string& language);

// Sorts items (texts) by the language's collation; order holds indexes into texts.
void CollateOrder(const std::string& language, const std::vector<std::u16string>& texts, std::vector<int>& order);

}  // namespace vorlix
