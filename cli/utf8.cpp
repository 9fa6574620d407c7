// Terminal-safe text for the command line.
#include "utf8.h"

namespace vorlix::cli {

namespace {

bool IsTerminalControl(char16_t c) {
    return (c < 0x20 && c != u'\t' && c != u'\n') || (c >= 0x7F && c < 0xA0) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F || c == 0x061C;
}

}  // namespace

std::u16string TerminalSafe(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        if (IsTerminalControl(c)) c = u'\uFFFD';
    return out;
}

std::string ForTerminal(std::string text, bool terminal) {
    return terminal ? Utf8Bytes(TerminalSafe(Utf8Text(text))) : text;
}

}  // namespace vorlix::cli
