// The UTF-8 and JSON string conversions of the command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jsonwriter.h"
#include "utf8.h"

namespace vorlix::cli {
namespace {

// Protects: decoding never refuses input and replaces each ill-formed sequence by one U+FFFD,
// without swallowing the valid bytes after it; encoding never writes a lone surrogate, and a
// JSON string escapes what it must and keeps a lone one (half a letter in a grid cell) exactly.
TEST(Utf8, DecodeAndEncode) {
    const std::vector<std::pair<std::string, std::u16string>> cases = {
        {"caf\xC3\xA9\xE2\x82\xAC", u"caf\u00E9\u20AC"},
        {"\xF0\x9F\x90\xB1", u"\U0001F431"},
        {"caf\xE9!", u"caf\uFFFD!"},
        {"\xC0\x80", u"\uFFFD\uFFFD"},                      // overlong NUL
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xE2\x82", u"\uFFFD"},                            // cut short at the end
        {"\xE2\x82x", u"\uFFFDx"},
        {"\x80\xBF", u"\uFFFD\uFFFD"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(Utf8Text(bytes), text) << bytes;
    EXPECT_EQ(Utf8Bytes(u"\U0001F431\u00E9"), "\xF0\x9F\x90\xB1\xC3\xA9");
    const std::u16string lone = {char16_t(0xDC31), char16_t(0xD83D), u'x'};
    EXPECT_EQ(Utf8Bytes(lone), "\xEF\xBF\xBD\xEF\xBF\xBDx");
    std::string json;
    AppendJsonString(json, u"\"\\\t\x01\u00E9\U0001F431" + lone);
    EXPECT_EQ(json, "\"\\\"\\\\\\u0009\\u0001\xC3\xA9\xF0\x9F\x90\xB1\\udc31\\ud83dx\"");
}

}  // namespace
}  // namespace vorlix::cli
