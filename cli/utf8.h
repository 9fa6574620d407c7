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

}  // namespace vorlix::cli
