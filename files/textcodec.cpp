#include "textcodec.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "report.h"
#include "safewrite.h"

namespace vorlix {

namespace {

// 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t Replacement = 0xFFFD;

void AppendCodePoint(QString& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.append(QChar(char16_t(0xD800 + (cp >> 10))));
        out.append(QChar(char16_t(0xDC00 + (cp & 0x3FF))));
    } else {
        out.append(QChar(char16_t(cp)));
    }
}

struct Utf8Sequence {
    int Length;  // of the well-formed sequence, or of the maximal ill-formed subpart
    bool Valid;
    char32_t CodePoint;
};

// The sequence at bytes[i]. The allowed range of the second byte rules out overlong forms,
// surrogates (unless allowSurrogates) and anything above U+10FFFF, so a malformed sequence
// ends at the first byte that cannot continue it and the bytes after it are read afresh.
Utf8Sequence ReadUtf8Sequence(QByteArrayView bytes, qsizetype i, bool allowSurrogates) {
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80) return {1, true, lead};
    int need = 0;
    unsigned char low = 0x80, high = 0xBF;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED && !allowSurrogates) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {1, false, 0};
    }
    int length = 1;
    for (int k = 0; k < need; ++k, ++length) {
        if (i + length >= bytes.size()) return {length, false, 0};
        const unsigned char b = at(i + length);
        if (b < (k == 0 ? low : 0x80) || b > (k == 0 ? high : 0xBF)) return {length, false, 0};
        cp = (cp << 6) | (b & 0x3F);
    }
    return {length, true, cp};
}

QString DecodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding);  // skips the leading byte-order mark
    return decoder.decode(bytes);
}

}  // namespace

char16_t Windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return HighControls[byte - 0x80];
    return byte;
}

int UnicodeToWindows1252(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return ch;
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == ch) return int(0x80 + i);
    return -1;
}

bool FitsWindows1252(QStringView text) {
    for (QChar c : text)
        if (UnicodeToWindows1252(c.unicode()) < 0) return false;
    return true;
}

QString DecodeWindows1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* data = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        data[i] = QChar(Windows1252ToUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

QByteArray EncodeWindows1252(QStringView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = UnicodeToWindows1252(text[i].unicode());
        out[i] = b < 0 ? '?' : char(b);
    }
    return out;
}

bool IsValidUtf8(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size();) {
        const Utf8Sequence s = ReadUtf8Sequence(bytes, i, false);
        if (!s.Valid) return false;
        i += s.Length;
    }
    return true;
}

QByteArray EncodeUtf8(QStringView text, LoneSurrogates lone) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text[i].unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(char16_t(cp), text[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(cp) && lone == LoneSurrogates::Replace) {
            cp = Replacement;
        }
        if (cp < 0x80) {
            out.append(char(cp));
        } else if (cp < 0x800) {
            out.append(char(0xC0 | (cp >> 6)));
            out.append(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.append(char(0xE0 | (cp >> 12)));
            out.append(char(0x80 | ((cp >> 6) & 0x3F)));
            out.append(char(0x80 | (cp & 0x3F)));
        } else {
            out.append(char(0xF0 | (cp >> 18)));
            out.append(char(0x80 | ((cp >> 12) & 0x3F)));
            out.append(char(0x80 | ((cp >> 6) & 0x3F)));
            out.append(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

QString DecodeUtf8(QByteArrayView bytes, LoneSurrogates lone) {
    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const Utf8Sequence s = ReadUtf8Sequence(bytes, i, lone == LoneSurrogates::Keep);
        if (s.Valid)
            AppendCodePoint(out, s.CodePoint);
        else
            out.append(QChar(Replacement));
        i += s.Length;
    }
    return out;
}

QByteArray Utf8Bom() { return QByteArray("\xEF\xBB\xBF", 3); }

bool StartsWithUtf8Bom(QByteArrayView bytes) { return bytes.startsWith(QByteArrayView("\xEF\xBB\xBF", 3)); }

QString DecodePuzzleText(QByteArrayView bytes) {
    if (StartsWithUtf8Bom(bytes)) return DecodeUtf8(bytes.sliced(3));
    return DecodeWindows1252(bytes);
}

TextEncoding DetectWordListEncoding(QByteArrayView bytes) {
    // UTF-32 LE's mark begins with UTF-16 LE's, so it is tested first.
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\x00\x00", 4))) return TextEncoding::Utf32LE;
    if (bytes.startsWith(QByteArrayView("\x00\x00\xFE\xFF", 4))) return TextEncoding::Utf32BE;
    if (StartsWithUtf8Bom(bytes)) return TextEncoding::Utf8Bom;
    if (bytes.startsWith(QByteArrayView("\xFF\xFE", 2))) return TextEncoding::Utf16LE;
    if (bytes.startsWith(QByteArrayView("\xFE\xFF", 2))) return TextEncoding::Utf16BE;
    if (IsValidUtf8(bytes)) return GuessUtf16(bytes, TextEncoding::Utf8);
    return GuessUtf16(bytes, TextEncoding::Windows1252);
}

bool IsNotText(QStringView text, qsizetype at) {
    const char16_t c = text[at].unicode();
    if ((c < 0x20 && c != u'\t') || (c >= 0x7F && c < 0xA0)) return true;
    switch (c) {
        case 0x00AD: case 0x061C: case 0x180E: case 0x2028: case 0x2029: case 0xFEFF: case 0xFFFE: case 0xFFFF:
            return true;
        default: break;
    }
    if ((c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2069)) return true;
    if (QChar::isHighSurrogate(c)) return at + 1 >= text.size() || !text[at + 1].isLowSurrogate();
    if (QChar::isLowSurrogate(c)) return at == 0 || !text[at - 1].isHighSurrogate();
    return false;
}

QString CleanText(QStringView text, int* removed) {
    QString out;
    out.reserve(text.size());
    int dropped = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsNotText(text, i))
            ++dropped;
        else
            out.append(text[i]);
    }
    if (removed) *removed = dropped;
    return out;
}

TextEncoding GuessUtf16(QByteArrayView bytes, TextEncoding otherwise) {
    // The first few kilobytes are enough to tell.
    const qsizetype n = std::min<qsizetype>(bytes.size(), 4096) & ~qsizetype(1);
    if (n < 2) return otherwise;
    qsizetype evenZeros = 0, oddZeros = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        evenZeros += bytes[i] == 0;
        oddZeros += bytes[i + 1] == 0;
    }
    const qsizetype pairs = n / 2;
    // Text with a zero in at least a third of one half and almost none in the other.
    if (oddZeros * 3 >= pairs && evenZeros * 20 <= pairs) return TextEncoding::Utf16LE;
    if (evenZeros * 3 >= pairs && oddZeros * 20 <= pairs) return TextEncoding::Utf16BE;
    return otherwise;
}

QString DecodeWordListText(QByteArrayView bytes) {
    switch (DetectWordListEncoding(bytes)) {
        case TextEncoding::Utf8Bom:
            return DecodeUtf8(bytes.sliced(3));
        case TextEncoding::Utf8:
            return DecodeUtf8(bytes);
        case TextEncoding::Utf16LE:
            return DecodeWith(QStringConverter::Utf16LE, bytes);
        case TextEncoding::Utf16BE:
            return DecodeWith(QStringConverter::Utf16BE, bytes);
        case TextEncoding::Utf32LE:
            return DecodeWith(QStringConverter::Utf32LE, bytes);
        case TextEncoding::Utf32BE:
            return DecodeWith(QStringConverter::Utf32BE, bytes);
        case TextEncoding::Windows1252:
            break;
    }
    return DecodeWindows1252(bytes);
}

QByteArray EncodeWindows1252OrUtf8Bom(QStringView text) {
    if (FitsWindows1252(text)) return EncodeWindows1252(text);
    return Utf8Bom() + EncodeUtf8(text);
}

QStringList SplitLines(QStringView text) {
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            lines.append(text.sliced(start, i - start).toString());
            i += (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.append(text.sliced(start).toString());
    return lines;
}

QString JoinLinesCrLf(const QStringList& lines) {
    QString out;
    for (const QString& line : lines) {
        out += line;
        out += u"\r\n";
    }
    return out;
}

FileReadResult ReadWholeFile(const QString& path, QByteArray& bytes) {
    // Opened without waiting: a FIFO without a writer would otherwise block for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return FileReadResult::NotFound;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return FileReadResult::NotFound;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileReadResult::NotFound;
    }
    if (file.size() > MaxTextFileBytes) return FileReadResult::ReadError;
    // Read in bounded pieces: a device's reported size (pipes, /proc) cannot be trusted.
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0) return FileReadResult::ReadError;
        if (n == 0) break;
        if (data.size() + n > MaxTextFileBytes) return FileReadResult::ReadError;
        data.append(buffer, n);
    }
    if (file.error() != QFileDevice::NoError) return FileReadResult::ReadError;
    bytes = std::move(data);
    return FileReadResult::Ok;
}

bool ReadWholeFileReporting(const QString& path, QByteArray& bytes, TReport& report, const QString& notFound,
                            const QString& readError) {
    switch (ReadWholeFile(path, bytes)) {
        case FileReadResult::NotFound:
            report.Add(MessageKind::Information, notFound);
            return false;
        case FileReadResult::ReadError:
            report.Add(MessageKind::Warning, readError);
            return false;
        case FileReadResult::Ok:
            break;
    }
    return true;
}

bool WriteFileSafely(const QString& path, QByteArrayView bytes) { return WriteFileAtomically(path, bytes).Ok(); }

}  // namespace vorlix
