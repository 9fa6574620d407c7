// The UTF-8 and JSON conversions of the command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jsonreader.h"
#include "jsonwriter.h"
#include "utf8.h"

namespace vorlix::cli {
namespace {

// Protects: decoding never refuses input and replaces each ill-formed sequence by one U+FFFD,
// without swallowing the valid bytes after it.
TEST(Utf8Decode, ValidAndInvalidSequences) {
    struct Case {
        std::string bytes;
        std::u16string text;
    };
    const std::vector<Case> cases = {
        {"cat", u"cat"},
        {"caf\xC3\xA9", u"caf\u00E9"},
        {"\xE2\x82\xAC", u"\u20AC"},
        {"\xF0\x9F\x90\xB1", u"\U0001F431"},
        {"caf\xE9!", u"caf\uFFFD!"},
        {"\xC0\x80", u"\uFFFD\uFFFD"},             // overlong NUL
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},   // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xE2\x82", u"\uFFFD"},                   // cut short at the end
        {"\xE2\x82x", u"\uFFFDx"},
        {"\x80\xBF", u"\uFFFD\uFFFD"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeUtf8(c.bytes), c.text) << c.bytes;
}

// Protects: encoding keeps pairs together and never writes a lone surrogate.
TEST(Utf8Encode, PairsAndLoneSurrogates) {
    EXPECT_EQ(EncodeUtf8(u"\U0001F431\u00E9"), "\xF0\x9F\x90\xB1\xC3\xA9");
    EXPECT_EQ(EncodeUtf8(std::u16string(1, char16_t(0xD83D)) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(EncodeUtf8(std::u16string{char16_t(0xDC31), char16_t(0xD83D)}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

// Protects: CR LF, LF and CR each end one line; a final terminator adds no empty line;
// a byte-order mark is dropped only at the start of a file.
TEST(TextFileLines, TerminatorsAndByteOrderMark) {
    struct Case {
        std::string bytes;
        std::vector<std::u16string> lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a", {u"a"}},
        {"a\n", {u"a"}},
        {"a\r\nb\rc\nd", {u"a", u"b", u"c", u"d"}},
        {"a\n\r\nb", {u"a", u"", u"b"}},
        {"a\n\rb", {u"a", u"", u"b"}},
        {"\xEF\xBB\xBFx\n", {u"x"}},
        {"x\xEF\xBB\xBFy", {u"x\uFEFFy"}},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeTextFile(c.bytes), c.lines) << c.bytes;
}

// Protects: JSON strings escape what must be escaped and carry every UTF-16 value exactly.
TEST(JsonString, Escapes) {
    struct Case {
        std::u16string text;
        std::string json;
    };
    const std::vector<Case> cases = {
        {u"plain", "\"plain\""},
        {u"say \"hi\" \\ bye", "\"say \\\"hi\\\" \\\\ bye\""},
        {u"tab\tnl\n\x01\x1F", "\"tab\\u0009nl\\u000a\\u0001\\u001f\""},
        {u"\u00E9\u20AC", "\"\xC3\xA9\xE2\x82\xAC\""},
        {u"\U0001F431", "\"\xF0\x9F\x90\xB1\""},
        {std::u16string{char16_t(0xD83D)}, "\"\\ud83d\""},
        {std::u16string{char16_t(0xDC31), char16_t(0xD83D)}, "\"\\udc31\\ud83d\""},
        {std::u16string{u'a', char16_t(0xD83D), u'b'}, "\"a\\ud83db\""},
        {std::u16string(1, char16_t(5001)), "\"\xE1\x8E\x89\""},
    };
    for (const Case& c : cases) {
        std::string out;
        AppendJsonString(out, c.text);
        EXPECT_EQ(out, c.json);
    }
}

// Protects: the document layout is stable and valid: rows of cell lists stay on one line,
// objects of scalars stay on one line, deeper structures are indented.
TEST(JsonDocument, StableLayout) {
    using J = JsonValue;
    J doc = J::MakeObject();
    doc.Set("n", J::Number(-3));
    doc.Set("cells", J::MakeArray({J::MakeArray({J::MakeArray({J::Number(1)}), J::MakeArray()})}));
    doc.Set("words", J::MakeArray({J::MakeObject({{"ok", J::Bool(true)}, {"s", J::String(u"x")}})}));
    doc.Set("none", J());
    const std::string text = WriteJson(doc);
    EXPECT_EQ(text,
              "{\n"
              "  \"n\": -3,\n"
              "  \"cells\": [\n"
              "    [[1], []]\n"
              "  ],\n"
              "  \"words\": [\n"
              "    {\"ok\": true, \"s\": \"x\"}\n"
              "  ],\n"
              "  \"none\": null\n"
              "}\n");
    EXPECT_NO_THROW(testing::JsonReader::Parse(text));
}

}  // namespace
}  // namespace vorlix::cli
