#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <tuple>

#include "testhost.h"
#include "textcodec.h"

using namespace vorlix;
using vorlix::test::ReadFile;

namespace {

QByteArray Bytes(std::initializer_list<unsigned char> list) {
    QByteArray out;
    for (unsigned char b : list) out.append(char(b));
    return out;
}

}  // namespace

// Windows-1252: every byte decodes and encodes back; 0x80..0x9F follow the code page, and
// its five undefined bytes stand for the C1 control of the same value.
TEST(Windows1252, TableAndRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
    EXPECT_EQ(DecodeWindows1252(Bytes({0x80, 0x81, 0x92, 0x9F})), u"\u20ac\u0081\u2019\u0178"_qs);
    EXPECT_TRUE(FitsWindows1252(u"caf\u00e9 \u20ac \u0152uvre \u0081"));
    EXPECT_FALSE(FitsWindows1252(u"\u0080"));  // a C1 control whose byte means the euro sign
    EXPECT_FALSE(FitsWindows1252(u"\u03a9"));
}

// Strict UTF-8 decides whether an unmarked word list is UTF-8. Grid cells hold single code
// units, so an unpaired surrogate must survive encoding; malformed input decodes without
// reading past its end.
TEST(Utf8, ValidationAndSurrogates) {
    const std::pair<QByteArray, bool> cases[] = {
        {Bytes({0xCE, 0xB1, 0xF0, 0x9F, 0x98, 0x80}), true}, {Bytes({'c', 'a', 'f', 0xE9}), false},
        {Bytes({0xE0, 0x80, 0xAF}), false},  // overlong
        {Bytes({0xED, 0xA0, 0x80}), false},  {Bytes({0xF4, 0x90, 0x80, 0x80}), false}, {Bytes({0xE2, 0x82}), false}};
    for (const auto& [bytes, valid] : cases) EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes.toHex().constData();
    const QString lone = u"a"_qs + QChar(char16_t(0xD83D)) + u" \U0001F600 "_qs + QChar(char16_t(0xDE00));
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(lone)), lone);
    // One U+FFFD for each maximal ill-formed subsequence; the byte that broke it is read afresh.
    const std::pair<QByteArray, QString> broken[] = {
        {Bytes({'a', 0xE2, 0x82}), u"a\uFFFD"_qs},
        {Bytes({0xE2, 0x82, 'x', 0xC3}), u"\uFFFDx\uFFFD"_qs},
        {Bytes({0xF0, 0x9F, 0xC3, 0xA9}), u"\uFFFD\u00e9"_qs},
        {Bytes({0xC0, 0x80}), u"\uFFFD\uFFFD"_qs},
        {Bytes({0xF4, 0x90, 0x80}), u"\uFFFD\uFFFD\uFFFD"_qs},
    };
    for (const auto& [bytes, text] : broken) EXPECT_EQ(DecodeUtf8(bytes), text) << bytes.toHex().constData();
}

// Word lists: a byte-order mark, then valid UTF-8, then Windows-1252. A puzzle file is
// UTF-8 only behind a mark: unmarked files keep their 8-bit reading even when their bytes
// happen to be valid UTF-8.
TEST(TextEncoding, DetectionOrder) {
    const std::tuple<QByteArray, TextEncoding, QString> cases[] = {
        {Bytes({0xEF, 0xBB, 0xBF, 'a'}), TextEncoding::Utf8Bom, u"a"_qs},
        {Bytes({0xFF, 0xFE, 'a', 0, 0xA9, 0x03}), TextEncoding::Utf16LE, u"a\u03a9"_qs},
        {Bytes({0xFE, 0xFF, 0, 'a'}), TextEncoding::Utf16BE, u"a"_qs},
        {Bytes({0xFF, 0xFE, 0, 0, 'a', 0, 0, 0}), TextEncoding::Utf32LE, u"a"_qs},
        {Bytes({0xCE, 0xB1}), TextEncoding::Utf8, u"\u03b1"_qs},
        {Bytes({'c', 'a', 'f', 0xE9}), TextEncoding::Windows1252, u"caf\u00e9"_qs},
    };
    for (const auto& [bytes, encoding, text] : cases) {
        EXPECT_EQ(DetectWordListEncoding(bytes), encoding) << bytes.toHex().constData();
        EXPECT_EQ(DecodeWordListText(bytes), text) << bytes.toHex().constData();
    }
    EXPECT_EQ(DecodePuzzleText(Bytes({0xEF, 0xBB, 0xBF, 0xCE, 0xA9})), u"\u03a9"_qs);
    EXPECT_EQ(DecodePuzzleText(Bytes({0xCE, 0xA9, 0x80})), u"\u00ce\u00a9\u20ac"_qs);
}

// CR LF, LF and CR all end a line; a final break adds no empty line.
TEST(Lines, SplitOnEveryBreak) {
    EXPECT_EQ(SplitLines(u"a\rb\nc\r\nd\r\n"_qs), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
    EXPECT_EQ(SplitLines(u"a\n\rb"_qs), (QStringList{u"a"_qs, u""_qs, u"b"_qs}));
    EXPECT_EQ(SplitLines(u""_qs), QStringList());
}

