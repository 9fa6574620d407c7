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

#include "puzzle.h"
#include "report.h"

namespace vorlix {

inline const QString PuzzleFileFormatLine = QStringLiteral("QZ_WSFileFormat=1.0");

// Appends the lines of the puzzle file, first line to "END.", to lines. Also the text the
// contact form attaches.
void FormatPuzzleFile(const TPuzzle& puzzle, QStringList& lines);
// The bytes of a file holding lines, each followed by CR LF.
QByteArray PuzzleFileBytes(const QStringList& lines);

// Writes the puzzle, replacing the file only once the new one is complete. False, with
// the reason in report, when nothing was written.
bool SavePuzzleFile(const TPuzzle& puzzle, const QString& fileName, TReport& report);

// Reads a puzzle file over start: what the file leaves out keeps start's value (a new
// puzzle's defaults). No value when the file cannot be read or its first line is not the
// format line; a damaged part is reported and read as far as it goes.
TReadResult<TPuzzle> ReadPuzzleFile(const QString& fileName, const TPuzzle& start = TPuzzle());
// The same on bytes already read; fileName only names the file in messages.
TReadResult<TPuzzle> ReadPuzzleBytes(const QByteArray& bytes, const QString& fileName,
                                     const TPuzzle& start = TPuzzle());
// The reader proper on decoded lines.
TReadResult<TPuzzle> ReadPuzzleLines(const QStringList& lines, const QString& fileName,
                                     const TPuzzle& start = TPuzzle());

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
