// The ".ws" puzzle file: writer and reader.
//
// Files are written in Windows-1252 whenever every character (grid letters included) has
// a byte there, and otherwise as UTF-8 after a byte-order mark. The reader takes a mark as
// UTF-8 and anything else as Windows-1252, so files of the 8-bit format read as before.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace vorlix {

class TPuzzleModel;

inline const QString PuzzleFileFormatLine = QStringLiteral("QZ_WSFileFormat=1.0");

// Appends the lines of the puzzle file, first line to "END.", to lines. Also the text the
// contact form attaches.
void FormatPuzzleFile(const TPuzzleModel& model, QStringList& lines);
// The bytes of a file holding lines, each followed by CR LF.
QByteArray PuzzleFileBytes(const QStringList& lines);

// Writes the puzzle, replacing the file only once the new one is complete. On success the
// file becomes the current file and the modified mark is cleared; on failure a warning is
// shown and both stay as they were.
bool SavePuzzleFile(TPuzzleModel& model, const QString& fileName);

// Resets to a new puzzle and reads the file. False when the file could not be read (the
// puzzle is then untouched) or its first line is not the format line (a new puzzle).
bool OpenPuzzleFile(TPuzzleModel& model, const QString& fileName);
// OpenPuzzleFile on bytes already read; fileName only names the file in messages.
bool OpenPuzzleBytes(TPuzzleModel& model, const QByteArray& bytes, const QString& fileName);

// The reader proper, on a model already reset: reads the file and restores everything.
bool ReadPuzzleFile(TPuzzleModel& model, const QString& fileName);
// The same on decoded lines.
void ReadPuzzleLines(TPuzzleModel& model, const QStringList& lines, const QString& fileName);

// Value encodings.
QString FormatFileReal(double value);  // "%5.3f" with a "." separator
// Leading blanks, a sign and decimal digits; anything else gives fallback.
int ParseFileInteger(QStringView text, int fallback);
// "." or "," as separator; anything that does not parse to a finite number gives fallback.
double ParseFileReal(QStringView text, double fallback);

// Message texts.
QString PuzzleNotFoundMessage(const QString& fileName);
QString PuzzleReadErrorMessage(const QString& fileName);
QString UnknownFormatMessage(const QString& fileName);
QString InvalidSizeMessage(const QString& fileName);
QString NoGridMessage(const QString& fileName);
QString DamagedGridMessage(const QString& fileName, int row);
QString RejectedLinesMessage(const QString& fileName, int count);
QString SaveErrorMessage();

}  // namespace vorlix
