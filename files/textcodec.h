// Byte-level text handling shared by the puzzle file and the word-list files:
// Windows-1252, UTF-8, byte-order marks, line breaks and crash-safe writing.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace vorlix {

struct TReport;

// Windows-1252. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) stand for the C1 control of the same value, so every byte decodes to something
// and every decoded character encodes back to its byte.
char16_t Windows1252ToUnicode(unsigned char byte);
// The byte for ch, or -1 when Windows-1252 has none.
int UnicodeToWindows1252(char16_t ch);
bool FitsWindows1252(QStringView text);
QString DecodeWindows1252(QByteArrayView bytes);
// Characters without a byte become '?'; callers check FitsWindows1252 first.
QByteArray EncodeWindows1252(QStringView text);

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(QByteArrayView bytes);
// What UTF-8 does with an unpaired UTF-16 surrogate. Files keep it as its three-byte form:
// grid cells are single code units, so half of a pair may sit alone in a cell. Terminals
// and command-line arguments get standard UTF-8, where it is U+FFFD.
enum class LoneSurrogates { Keep, Replace };
QByteArray EncodeUtf8(QStringView text, LoneSurrogates lone = LoneSurrogates::Keep);
// Reads what EncodeUtf8 writes. Each maximal ill-formed subsequence becomes one U+FFFD, so
// no input is ever refused and the valid bytes after a bad one are kept.
QString DecodeUtf8(QByteArrayView bytes, LoneSurrogates lone = LoneSurrogates::Keep);

bool StartsWithUtf8Bom(QByteArrayView bytes);
QByteArray Utf8Bom();

enum class TextEncoding { Windows1252, Utf8, Utf8Bom, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

// Puzzle files: a UTF-8 byte-order mark means UTF-8, anything else is Windows-1252, so the
// 8-bit files of the original format read as they always did.
QString DecodePuzzleText(QByteArrayView bytes);

// Word-list files come from anywhere: a byte-order mark decides, then valid UTF-8,
// then Windows-1252.
TextEncoding DetectWordListEncoding(QByteArrayView bytes);
QString DecodeWordListText(QByteArrayView bytes);

// Windows-1252 when every character fits, else UTF-8 after a byte-order mark.
QByteArray EncodeWindows1252OrUtf8Bom(QStringView text);

// Text without what is not text: C0 and C1 controls (a tab is spacing and stays), zero-width and
// direction marks, the byte-order mark, U+FFFE/U+FFFF and unpaired surrogates. removed,
// when given, receives how many characters went.
QString CleanText(QStringView text, int* removed = nullptr);
bool IsNotText(QStringView text, qsizetype at);

// UTF-16 without a byte-order mark, told by its zero bytes: mostly-Latin text in UTF-16 has
// a zero in every other byte, which UTF-8 text never has.
TextEncoding GuessUtf16(QByteArrayView bytes, TextEncoding otherwise);

// Splits at CR LF, LF or CR. A break at the very end starts no further line.
QStringList SplitLines(QStringView text);
// Every line followed by CR LF.
QString JoinLinesCrLf(const QStringList& lines);

// Files larger than this are refused as unreadable: no puzzle or word list comes near it.
constexpr qint64 MaxTextFileBytes = 64 * 1024 * 1024;

enum class FileReadResult { Ok, NotFound, ReadError };
FileReadResult ReadWholeFile(const QString& path, QByteArray& bytes);
// ReadWholeFile that reports a failure: notFound as information, readError as a warning.
bool ReadWholeFileReporting(const QString& path, QByteArray& bytes, TReport& report, const QString& notFound,
                            const QString& readError);

// Writes the bytes to a temporary beside path and renames it over path only once all of
// them are on disk, so a failed write leaves the previous file as it was.
bool WriteFileSafely(const QString& path, QByteArrayView bytes);

}  // namespace vorlix
