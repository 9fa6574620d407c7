#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "recordinghost.h"
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

// Every byte decodes and encodes back; 0x80..0x9F follow the code page, and its five
// undefined bytes stand for the C1 control of the same value.
TEST(Windows1252, TableAndRoundTrip) {
    const std::pair<unsigned char, char16_t> cases[] = {
        {0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
        {0x9D, 0x009D}, {0x92, 0x2019}, {0x9F, 0x0178}, {0xE9, 0x00E9}, {0x01, 0x0001},
    };
    for (const auto& [byte, ch] : cases) {
        EXPECT_EQ(Windows1252ToUnicode(byte), ch) << int(byte);
        EXPECT_EQ(UnicodeToWindows1252(ch), int(byte)) << int(byte);
    }
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);

    EXPECT_TRUE(FitsWindows1252(u"caf\u00e9 \u20ac \u0152uvre \u0081"));
    EXPECT_FALSE(FitsWindows1252(u"\u0080"));  // a C1 control whose byte means the euro sign
    EXPECT_FALSE(FitsWindows1252(u"\u03a9"));
    EXPECT_EQ(EncodeWindows1252(u"a\u03a9b"), QByteArray("a?b"));
}

// Strict validation decides whether an unmarked word list is UTF-8.
TEST(Utf8, StrictValidation) {
    const std::pair<QByteArray, bool> cases[] = {
        {QByteArray("plain"), true},          {Bytes({0xCE, 0xB1, 0xC3, 0xA9}), true},
        {Bytes({0xF0, 0x9F, 0x98, 0x80}), true},  {Bytes({'c', 'a', 'f', 0xE9}), false},
        {Bytes({0xC0, 0x80}), false},         {Bytes({0xE0, 0x80, 0xAF}), false},  // overlong
        {Bytes({0xED, 0xA0, 0x80}), false},   {Bytes({0xF4, 0x90, 0x80, 0x80}), false},
        {Bytes({0xE2, 0x82}), false},         {Bytes({0x80}), false},
    };
    for (const auto& [bytes, valid] : cases) EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes.toHex().constData();
}

// Grid cells hold single code units, so an unpaired surrogate must survive too; malformed
// input decodes without reading past its end.
TEST(Utf8, EncodeDecode) {
    const QString samples[] = {
        u"\u03b1\u03b2\u03b3 caf\u00e9 \U0001F600"_qs,
        u"a"_qs + QChar(char16_t(0xD83D)) + u" "_qs + QChar(char16_t(0xDE00)) + QChar(char16_t(1)),
    };
    for (const QString& s : samples) EXPECT_EQ(DecodeUtf8(EncodeUtf8(s)), s);
    EXPECT_TRUE(IsValidUtf8(EncodeUtf8(samples[0])));
    EXPECT_EQ(DecodeUtf8(Bytes({'a', 0xE2, 0x82})), u"a\uFFFD\uFFFD"_qs);
    EXPECT_EQ(DecodeUtf8(Bytes({0xC0, 0x80, 'b'})), u"\uFFFD\uFFFDb"_qs);
}

// A puzzle file is UTF-8 only behind a mark: unmarked files keep their 8-bit reading even
// when their bytes happen to be valid UTF-8.
TEST(PuzzleText, MarkDecidesEncoding) {
    EXPECT_EQ(DecodePuzzleText(Bytes({0xEF, 0xBB, 0xBF, 0xCE, 0xA9})), u"\u03a9"_qs);
    EXPECT_EQ(DecodePuzzleText(Bytes({0xCE, 0xA9, 0x80})), u"\u00ce\u00a9\u20ac"_qs);
    EXPECT_EQ(EncodeWindows1252OrUtf8Bom(u"caf\u00e9"), Bytes({'c', 'a', 'f', 0xE9}));
    EXPECT_EQ(EncodeWindows1252OrUtf8Bom(u"\u03a9"), Bytes({0xEF, 0xBB, 0xBF, 0xCE, 0xA9}));
}

// Word lists: a byte-order mark, then valid UTF-8, then Windows-1252.
TEST(WordListText, DetectionOrder) {
    const struct {
        QByteArray bytes;
        TextEncoding encoding;
        QString text;
    } cases[] = {
        {Bytes({0xEF, 0xBB, 0xBF, 'a'}), TextEncoding::Utf8Bom, u"a"_qs},
        {Bytes({0xFF, 0xFE, 'a', 0, 0xA9, 0x03}), TextEncoding::Utf16LE, u"a\u03a9"_qs},
        {Bytes({0xFE, 0xFF, 0, 'a'}), TextEncoding::Utf16BE, u"a"_qs},
        {Bytes({0xFF, 0xFE, 0, 0, 'a', 0, 0, 0}), TextEncoding::Utf32LE, u"a"_qs},
        {Bytes({0xCE, 0xB1}), TextEncoding::Utf8, u"\u03b1"_qs},
        {Bytes({'c', 'a', 'f', 0xE9}), TextEncoding::Windows1252, u"caf\u00e9"_qs},
        {Bytes({0x93, 'q', 0x94}), TextEncoding::Windows1252, u"\u201cq\u201d"_qs},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DetectWordListEncoding(c.bytes), c.encoding) << c.bytes.toHex().constData();
        EXPECT_EQ(DecodeWordListText(c.bytes), c.text) << c.bytes.toHex().constData();
    }
}

// CR LF, LF and CR all end a line; a final break adds no empty line.
TEST(Lines, SplitOnEveryBreak) {
    const std::pair<QString, QStringList> cases[] = {
        {u""_qs, {}},
        {u"a\r\n"_qs, {u"a"_qs}},
        {u"a\rb\nc\r\nd"_qs, {u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}},
        {u"\r\n\r\n"_qs, {u""_qs, u""_qs}},
        {u"a\n\rb"_qs, {u"a"_qs, u""_qs, u"b"_qs}},
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(SplitLines(text), lines) << text.toStdString();
}

TEST(SafeFiles, WriteReplacesWholeFileOrNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.txt"_qs);
    ASSERT_TRUE(WriteFileSafely(path, "first version, longer"));
    ASSERT_TRUE(WriteFileSafely(path, "second"));
    EXPECT_EQ(ReadFile(path), QByteArray("second"));

    // No temporary can be made beside a name of 250 characters: the write fails before
    // anything reaches the old file.
    const QString longPath = dir.filePath(QString(250, u'n'));
    ASSERT_TRUE(vorlix::test::WriteFile(longPath, "old"));
    EXPECT_FALSE(WriteFileSafely(longPath, "new"));
    EXPECT_EQ(ReadFile(longPath), QByteArray("old"));
    EXPECT_FALSE(WriteFileSafely(dir.filePath(u"missing/out.txt"_qs), "x"));

    QByteArray bytes("kept");
    EXPECT_EQ(ReadWholeFile(dir.filePath(u"none"_qs), bytes), FileReadResult::NotFound);
    EXPECT_NE(ReadWholeFile(dir.path(), bytes), FileReadResult::Ok);
    EXPECT_EQ(bytes, QByteArray("kept"));
}
