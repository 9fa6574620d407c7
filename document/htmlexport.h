// The puzzle as a complete web page or as an HTML fragment for the clipboard.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "messages.h"
#include "textexport.h"

class QIODevice;

namespace vorlix {

struct TPuzzle;

// The finished page's preview, whose scale sets the width of the grid's table.
// The defaults are a typical preview box at zoom 1.0.
struct THtmlPreviewScale {
    int BoxWidth = 280;   // pixels
    int BoxHeight = 360;  // pixels
    double Zoom = 1.0;
    // An 8.5 x 11 inch page fitted into the box, in whole pixels per inch.
    int PixelsPerInch() const;
};

// Typed text made safe for the page: '"', '&', '<' and '>' as entities and every
// character above 127 as a numeric reference of its code point, so the page is ASCII.
QString HtmlEscape(QStringView text);
// Worksheet lines: escaped, then every blank a "&nbsp;".
QString HtmlNonBreaking(QStringView text);

// Table width of the grid in pixels.
int HtmlGridTableWidth(int gridFontSize, int columns, const THtmlPreviewScale& scale);
// Word-list columns: the requested 1..9, otherwise chosen from the number of words.
int HtmlWordListColumns(int requestedColumns, int placedWords);

// The chosen sections without head and tail: the clipboard's HTML.
QStringList HtmlFragmentLines(const TPuzzle& puzzle, const TExportSections& sections,
                              const THtmlPreviewScale& scale = {});
// Head, the chosen sections and tail.
QStringList HtmlPageLines(const TPuzzle& puzzle, const TExportSections& sections,
                          const THtmlPreviewScale& scale = {});
// The clipboard form: lines joined by "\n".
QString HtmlClipboardText(const QStringList& lines);
// The file form: every line followed by ExportLineBreak, in ASCII.
QByteArray HtmlBytes(const QStringList& lines);

bool WriteHtml(QIODevice& out, const QStringList& lines);
bool SaveHtmlPage(const QString& path, const TPuzzle& puzzle, const TExportSections& sections,
                  const THtmlPreviewScale& scale, IMessageHost& host);

}  // namespace vorlix
