// Conversions between the UTF-8 of files and terminals and the engine's UTF-16 texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlix::cli {

constexpr char16_t ReplacementCharacter = 0xFFFD;

// Each maximal ill-formed subsequence becomes one U+FFFD, so no input is ever refused.
std::u16string DecodeUtf8(std::string_view bytes);

// A lone surrogate becomes U+FFFD: standard UTF-8 cannot carry it.
std::string EncodeUtf8(std::u16string_view text);

// Lines end at CR LF, LF or CR; a terminator at the very end starts no further line.
std::vector<std::u16string> SplitLines(std::u16string_view text);

// Text for a terminal: control characters (escape sequences among them) and the marks that
// reorder a line become U+FFFD, so a word cannot move the cursor or recolour the screen.
// Tabs and line feeds stay.
std::u16string TerminalSafe(std::u16string_view text);
// UTF-8 text made TerminalSafe when terminal is set, else unchanged.
std::string ForTerminal(std::string text, bool terminal);

// A whole text file: UTF-8 with an optional byte-order mark at its start.
std::vector<std::u16string> DecodeTextFile(std::string_view bytes);

}  // namespace vorlix::cli
