// The command line's texts as std strings, through the one UTF-8 codec in its standard
// form: a lone surrogate never reaches a terminal or comes from an argument.
#pragma once

#include <string>
#include <string_view>

#include "textcodec.h"

namespace vorlix::cli {

inline std::u16string Utf8Text(std::string_view bytes) {
    return DecodeUtf8(QByteArrayView(bytes), LoneSurrogates::Replace).toStdU16String();
}

inline std::string Utf8Bytes(std::u16string_view text) {
    return EncodeUtf8(QStringView(text), LoneSurrogates::Replace).toStdString();
}

// Text for a terminal: control characters (escape sequences among them) and the marks that
// reorder a line become U+FFFD, so a word cannot move the cursor or recolour the screen.
// Tabs and line feeds stay.
std::u16string TerminalSafe(std::u16string_view text);
// UTF-8 text made TerminalSafe when terminal is set, else unchanged.
std::string ForTerminal(std::string text, bool terminal);

}  // namespace vorlix::cli
