// The puzzle as plain text, and the pieces every export shares: the choice of page
// elements, the write-failure message and crash-safe writing of a finished export.
#pragma once

#include <functional>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "messages.h"

class QIODevice;

namespace vorlix {

struct TPuzzle;

// The export window's "Include" boxes. Instructions also need Instructions_IncludeCB.
struct TExportSections {
    bool Worksheet = false;
    bool Title = false;
    bool Instructions = false;
    bool Grid = true;  // "Puzzle"
    bool WordList = true;
    bool Solution = false;  // picture of the solution only
};

// Every file export's failure message.
QString ExportWriteErrorMessage();

// Line break written after every line of the web page and the text file; the clipboard
// texts join their lines with "\n".
inline constexpr QStringView ExportLineBreak = u"\r\n";
// The file text of both exports: every line followed by ExportLineBreak.
QString ExportFileText(const QStringList& lines);

// Writes all bytes or reports false.
bool WriteAllBytes(QIODevice& out, QByteArrayView bytes);

// Runs write on a temporary beside path and renames it over path only when write
// succeeded, so a failed export leaves the previous file as it was. A failure shows
// the export warning through host.
bool SaveExportFile(const QString& path, const std::function<bool(QIODevice&)>& write, IMessageHost& host);

// A grid cell that shows as a blank: a space, EmptyCell or another control code.
inline bool IsBlankCell(char16_t letter) { return letter <= u' '; }

// Letter spacing choices of the text export: blanks between two letters of a row.
constexpr int MaxTextLetterSpacing = 3;
constexpr int DefaultTextLetterSpacing = 2;

// The lines of the text export, worksheet, title, instructions, grid and word list in
// that order. spacing outside 0..3 is clamped.
QStringList TextExportLines(const TPuzzle& puzzle, const TExportSections& sections,
                            int spacing = DefaultTextLetterSpacing);
// The clipboard form: lines joined by "\n".
QString TextExportClipboard(const QStringList& lines);
// The file form: UTF-8 without a byte-order mark, every line followed by ExportLineBreak.
// An unpaired surrogate becomes U+FFFD so the file is valid UTF-8.
QByteArray TextExportBytes(const QStringList& lines);

bool WriteTextExport(QIODevice& out, const QStringList& lines);
bool SaveTextExport(const QString& path, const TPuzzle& puzzle, const TExportSections& sections, int spacing,
                    IMessageHost& host);

}  // namespace vorlix
