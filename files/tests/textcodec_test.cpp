#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "textcodec.h"

using namespace vorlix;

namespace {

QByteArray Bytes(std::initializer_list<unsigned char> list) {
    QByteArray out;
    for (unsigned char b : list) out.append(char(b));
    return out;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

}  // namespace

// The 0x80..0x9F block is where Windows-1252 differs from Latin-1; the undefined bytes
// must survive as their own C1 controls.
TEST(Windows1252, HighBlockAndUndefinedBytes) {
    const struct {
        unsigned char byte;
        char16_t ch;
    } cases[] = {
        {0x80, 0x20AC}, {0x81, 0x0081}, {0x8A, 0x0160}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090},
        {0x92, 0x2019}, {0x99, 0x2122}, {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE9, 0x00E9},
        {0x01, 0x0001}, {0x00, 0x0000}, {0xFF, 0x00FF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Windows1252ToUnicode(c.byte), c.ch) << int(c.byte);
        EXPECT_EQ(UnicodeToWindows1252(c.ch), int(c.byte)) << int(c.byte);
    }
}

TEST(Windows1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    const QString text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(FitsWindows1252(text));
    EXPECT_EQ(EncodeWindows1252(text), all);
}

// Whether a text may be written as 8-bit decides the whole file's encoding.
TEST(Windows1252, FitsTest) {
    EXPECT_TRUE(FitsWindows1252(u"caf\u00e9 \u20ac \u0152uvre \u0081"));
    EXPECT_FALSE(FitsWindows1252(u"\u0080"));  // C1 control that has a letter in its byte
    EXPECT_FALSE(FitsWindows1252(u"\u03a9"));  // Greek
    EXPECT_FALSE(FitsWindows1252(u"a\u0100"));
    EXPECT_EQ(EncodeWindows1252(u"a\u03a9b"), QByteArray("a?b"));
}

// Strict validation decides whether an imported file without a mark is UTF-8.
TEST(Utf8, StrictValidation) {
    const struct {
        QByteArray bytes;
        bool valid;
    } cases[] = {
        {QByteArray(), true},
        {QByteArray("plain"), true},
        {Bytes({0xC3, 0xA9}), true},                     // é
        {Bytes({0xCE, 0xB1, 0xCE, 0xB2}), true},         // αβ
        {Bytes({0xF0, 0x9F, 0x98, 0x80}), true},         // emoji
        {Bytes({0x63, 0x61, 0x66, 0xE9}), false},        // "café" in Windows-1252
        {Bytes({0xC0, 0x80}), false},                    // overlong NUL
        {Bytes({0xE0, 0x80, 0xAF}), false},              // overlong "/"
        {Bytes({0xED, 0xA0, 0x80}), false},              // surrogate
        {Bytes({0xF4, 0x90, 0x80, 0x80}), false},        // above U+10FFFF
        {Bytes({0xE2, 0x82}), false},                    // cut short at the end
        {Bytes({0x80}), false},                          // stray continuation
        {Bytes({0xFE}), false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes.toHex().constData();
}

TEST(Utf8, EncodeDecodeKeepsEveryCodeUnit) {
    const QString samples[] = {
        u"\u03b1\u03b2\u03b3 caf\u00e9"_qs,
        u"\U0001F600x"_qs,
        u"a"_qs + QChar(char16_t(0xD83D)) + u" "_qs + QChar(char16_t(0xDE00)),  // halves in separate cells
        QString(QChar(char16_t(1))),
    };
    for (const QString& s : samples) EXPECT_EQ(DecodeUtf8(EncodeUtf8(s)), s);
    EXPECT_TRUE(IsValidUtf8(EncodeUtf8(samples[0])));
}

TEST(Utf8, MalformedBytesBecomeReplacementWithoutOverrun) {
    EXPECT_EQ(DecodeUtf8(Bytes({'a', 0xE2, 0x82})), u"a\uFFFD\uFFFD"_qs);
    EXPECT_EQ(DecodeUtf8(Bytes({0xC0, 0x80, 'b'})), u"\uFFFD\uFFFDb"_qs);
    EXPECT_EQ(DecodeUtf8(Bytes({0xF4})), u"\uFFFD"_qs);
}

// A puzzle file is UTF-8 only behind a mark; an unmarked file keeps its 8-bit reading even
// when its bytes happen to be valid UTF-8.
TEST(PuzzleText, MarkDecidesEncoding) {
    EXPECT_EQ(DecodePuzzleText(Bytes({0xEF, 0xBB, 0xBF, 0xCE, 0xA9})), u"\u03a9"_qs);
    EXPECT_EQ(DecodePuzzleText(Bytes({0xCE, 0xA9})), u"\u00ce\u00a9"_qs);
    EXPECT_EQ(DecodePuzzleText(Bytes({0x80})), u"\u20ac"_qs);
    EXPECT_EQ(EncodeWindows1252OrUtf8Bom(u"caf\u00e9"), Bytes({'c', 'a', 'f', 0xE9}));
    EXPECT_EQ(EncodeWindows1252OrUtf8Bom(u"\u03a9"), Bytes({0xEF, 0xBB, 0xBF, 0xCE, 0xA9}));
}

// Word lists: a mark, then valid UTF-8, then Windows-1252.
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
        {Bytes({0, 0, 0xFE, 0xFF, 0, 0, 0, 'a'}), TextEncoding::Utf32BE, u"a"_qs},
        {Bytes({0xCE, 0xB1}), TextEncoding::Utf8, u"\u03b1"_qs},
        {QByteArray("plain"), TextEncoding::Utf8, u"plain"_qs},
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
    const struct {
        QString text;
        QStringList lines;
    } cases[] = {
        {u""_qs, {}},
        {u"a"_qs, {u"a"_qs}},
        {u"a\r\n"_qs, {u"a"_qs}},
        {u"a\rb\nc\r\nd"_qs, {u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}},
        {u"\r\n\r\n"_qs, {u""_qs, u""_qs}},
        {u"a\n\rb"_qs, {u"a"_qs, u""_qs, u"b"_qs}},
        {u"\r"_qs, {u""_qs}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text.toStdString();
    EXPECT_EQ(JoinLinesCrLf({u"a"_qs, u""_qs}), u"a\r\n\r\n"_qs);
}

TEST(SafeWrite, ReplacesWholeFileOrNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"out.txt"_qs);
    ASSERT_TRUE(WriteFileSafely(path, "first version, longer"));
    ASSERT_TRUE(WriteFileSafely(path, "second"));
    EXPECT_EQ(ReadFile(path), QByteArray("second"));

    // The temporary beside a name of 250 characters cannot be created: the write fails
    // before anything reaches the old file.
    const QString longPath = dir.filePath(QString(250, u'n'));
    {
        QFile f(longPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    EXPECT_FALSE(WriteFileSafely(longPath, "new"));
    EXPECT_EQ(ReadFile(longPath), QByteArray("old"));

    EXPECT_FALSE(WriteFileSafely(dir.filePath(u"missing/out.txt"_qs), "x"));
    EXPECT_FALSE(WriteFileSafely(dir.path(), "x"));  // a folder
}

TEST(SafeRead, ReportsMissingAndUnreadable) {
    QTemporaryDir dir;
    QByteArray bytes("kept");
    EXPECT_EQ(ReadWholeFile(dir.filePath(u"none"_qs), bytes), FileReadResult::NotFound);
    EXPECT_EQ(bytes, QByteArray("kept"));
    EXPECT_NE(ReadWholeFile(dir.path(), bytes), FileReadResult::Ok);
    ASSERT_TRUE(WriteFileSafely(dir.filePath(u"f"_qs), QByteArray("a\0b", 3)));
    EXPECT_EQ(ReadWholeFile(dir.filePath(u"f"_qs), bytes), FileReadResult::Ok);
    EXPECT_EQ(bytes, QByteArray("a\0b", 3));
}
