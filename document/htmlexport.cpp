#include "htmlexport.h"

#include <algorithm>
#include <cmath>

#include "puzzle.h"
#include "scriptfaces.h"

namespace vorlix {

using namespace Qt::StringLiterals;

int THtmlPreviewScale::PixelsPerInch() const { return std::min(BoxHeight / 11, BoxWidth * 2 / 17); }

QString HtmlEscape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        switch (ch) {
            case u'"':
                out += u"&quot;"_s;
                continue;
            case u'&':
                out += u"&amp;"_s;
                continue;
            case u'<':
                out += u"&lt;"_s;
                continue;
            case u'>':
                out += u"&gt;"_s;
                continue;
            default:
                break;
        }
        // Controls are no text and XML forbids most of them; a page must stay well-formed.
        if ((ch < 0x20 && ch != u'\t') || (ch >= 0x7F && ch < 0xA0) || ch == 0xFFFE || ch == 0xFFFF) continue;
        if (ch < 128) {
            out += QChar(ch);
            continue;
        }
        char32_t code = ch;
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(ch, text[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(ch)) {
            code = QChar::ReplacementCharacter;  // half a pair names no character
        }
        out += u"&#"_s + QString::number(static_cast<uint>(code)) + u';';
    }
    return out;
}

QString HtmlNonBreaking(QStringView text) { return HtmlEscape(text).replace(u' ', u"&nbsp;"_s); }

int HtmlGridTableWidth(int gridFontSize, int columns, const THtmlPreviewScale& scale) {
    const double width = gridFontSize * 2.0 / 72.0 * scale.Zoom * scale.PixelsPerInch() * columns;
    return static_cast<int>(std::lround(width));
}

int HtmlWordListColumns(int requestedColumns, int placedWords) {
    if (requestedColumns >= 1 && requestedColumns <= 9) return requestedColumns;
    if (placedWords <= 9) return 1;
    if (placedWords <= 20) return 2;
    if (placedWords <= 39) return 3;
    if (placedWords <= 64) return 4;
    return 5;
}

namespace {

const char16_t* AlignmentWord(int position) {
    switch (position) {
        case 0:
            return u"Left";
        case 2:
            return u"Right";
        default:
            return u"Center";
    }
}

// The Noto faces for the scripts a puzzle's texts use beyond Latin, sans and serif.
struct TNotoFaces {
    QStringList Sans;
    QStringList Serif;
};

QString PuzzleText(const TPuzzle& puzzle) {
    QStringList all = puzzle.TitleLines + puzzle.InstructionLines + puzzle.WorksheetLeftLines +
                      puzzle.WorksheetRightLines + puzzle.WordLines;
    all << puzzle.CreditsLine;
    const TWordSearch& grid = puzzle.Grid();
    for (int r = 1; r <= grid.ActualRows; ++r)
        for (int c = 1; c <= grid.ActualColumns; ++c)
            if (!IsBlankCell(grid.Grid[c][r])) all << puzzle.CellText(c, r);
    const TEngineState& engine = puzzle.Words();
    for (int position = 1; position <= engine.WordCount; ++position)
        all << FromWide(engine.WordList[engine.DisplayIndex[position]].ClueText);
    return all.join(u' ');
}

bool IsGenericFamily(const QString& name) {
    static const QStringList generic = {u"serif"_s, u"sans-serif"_s, u"monospace"_s, u"cursive"_s, u"fantasy"_s};
    return generic.contains(name.trimmed());
}

// The face list with the Noto faces before its generic family, which would otherwise end the
// search for a glyph.
QString WithNotoFaces(const QString& face, const TNotoFaces& faces) {
    const bool serif = face.contains(u"Times"_s) || face.contains(u", serif"_s);
    const QStringList& noto = serif ? faces.Serif : faces.Sans;
    if (noto.isEmpty()) return face;
    QStringList parts = face.split(u',');
    qsizetype at = parts.size();
    while (at > 1 && IsGenericFamily(parts[at - 1])) --at;
    for (const QString& n : noto) parts.insert(at++, u' ' + n);
    return parts.join(u',');
}

// Empty faces for a puzzle written in Latin letters only, whose page stays as it always was.
QString FontOpen(const TPageFormat& format, TPageElement element, const TNotoFaces& faces) {
    return u"<font face=\""_s + HtmlEscape(WithNotoFaces(format.HtmlFace(element), faces)) + u"\" size=\""_s +
           format.HtmlSize(element) + u"\">"_s;
}

const QString FontClose = QStringLiteral("</font>");

void WorksheetSection(const TPuzzle& puzzle, const TNotoFaces& noto, QStringList& out) {
    const QStringList& left = puzzle.WorksheetLeftLines;
    const QStringList& right = puzzle.WorksheetRightLines;
    const qsizetype n = std::max(left.size(), right.size());
    if (n == 0) return;
    const QString font = FontOpen(puzzle.Format, TPageElement::Worksheet, noto);
    auto cell = [&](const QStringList& lines, qsizetype i) {
        if (i >= lines.size()) return QStringLiteral("<td>&nbsp;</td>");
        return u"<td width=\"5%\" align=\"left\">"_s + font + u"<nobr>"_s + HtmlNonBreaking(lines[i]) + FontClose +
               u"</nobr></td>"_s;
    };
    out << QString() << QStringLiteral("<!--  WORKSHEET  -->") << font
        << QStringLiteral("<table width=\"95%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
    for (qsizetype i = 0; i < n; ++i) {
        out << QStringLiteral("<tr>");
        out << cell(left, i) + u"<td width=\"90%\">&nbsp;</td>"_s + cell(right, i) + u"</tr>"_s;
    }
    out << QStringLiteral("</table>") << FontClose;
}

void TitleSection(const TPuzzle& puzzle, const TNotoFaces& noto, QStringList& out) {
    const QStringList& title = puzzle.TitleLines;
    if (MemoText(title).isEmpty()) return;
    out << QString() << QStringLiteral("<!--  TITLE  -->") << FontOpen(puzzle.Format, TPageElement::Title, noto)
        << QStringLiteral("<Center><p>");
    // The memo's CR LF breaks: the CR dropped, "<br>" before the LF.
    for (qsizetype i = 0; i < title.size(); ++i) {
        const QString text = QString(title[i]).remove(u'\r');
        QString line = HtmlEscape(text);
        if (ReadsRightToLeft(text)) line = u"<span dir=\"rtl\">"_s + line + u"</span>"_s;
        if (i + 1 < title.size()) line += u"<br>"_s;
        out << line;
    }
    out << QStringLiteral("</p></center>") << FontClose;
}

void InstructionsSection(const TPuzzle& puzzle, const TNotoFaces& noto, QStringList& out) {
    if (!puzzle.InstructionsIncluded || MemoText(puzzle.InstructionLines).isEmpty()) return;
    // The browser joins the lines into one paragraph: its first letter sets the direction.
    const bool rtl = ReadsRightToLeft(puzzle.InstructionLines.join(u' '));
    out << QString() << QStringLiteral("<!--  INSTRUCTIONS  -->")
        << (rtl ? QStringLiteral("<p align=\"right\" dir=\"rtl\">") : QStringLiteral("<p align=\"left\">"))
        << FontOpen(puzzle.Format, TPageElement::Instructions, noto);
    for (const QString& line : puzzle.InstructionLines) out << HtmlEscape(line);
    out << FontClose << QStringLiteral("</p>");
}

void GridSection(const TPuzzle& puzzle, const THtmlPreviewScale& scale, const TNotoFaces& noto, QStringList& out) {
    const TPageFormat& format = puzzle.Format;
    const TWordSearch& grid = puzzle.Grid();
    out << QString() << QStringLiteral("<!--  GRID  -->")
        << u"<div align=\""_s + QString::fromUtf16(AlignmentWord(format.GridHPosition)) + u"\">"_s
        << QStringLiteral("<tt>") << FontOpen(format, TPageElement::Grid, noto) << QString();

    const bool table = !format.GridHtmlFace.contains(u"monospace"_s);
    // Hebrew or Arabic cells keep the grid's column order: the table is set left to right,
    // a monospace row is overridden left to right (its blanks keep letters from joining).
    const bool rtl = GridHasRightToLeft(puzzle);
    if (table) {
        out << u"<table border=\"0\" cellspacing=\"0\" cellpadding=\"8\" align=\"center\" width=\""_s +
                   QString::number(HtmlGridTableWidth(format.GridFontSize, grid.ActualColumns, scale)) + u"\""_s +
                   (rtl ? u" dir=\"ltr\">"_s : u">"_s);
    }
    for (int r = 1; r <= grid.ActualRows; ++r) {
        QString line = table ? QStringLiteral("<tr>") : QStringLiteral("&nbsp;");
        if (!table && rtl) line += u"<bdo dir=\"ltr\">"_s;
        for (int c = 1; c <= grid.ActualColumns; ++c) {
            const QString shown =
                IsBlankCell(grid.Grid[c][r]) ? QStringLiteral("&nbsp;") : HtmlEscape(puzzle.CellText(c, r));
            if (table)
                line += u"<td align=\"center\">"_s + shown + u"</td>"_s;
            else
                line += u"&nbsp;"_s + shown + u"&nbsp;&nbsp;"_s;
        }
        if (!table && rtl) line += u"</bdo>"_s;
        line += table ? u"</tr>"_s : u"<br>"_s;
        out << line;
    }
    if (table) out << QStringLiteral("</table>");
    out << FontClose << QStringLiteral("</tt>") << FontOpen(format, TPageElement::Credits, noto)
        << HtmlEscape(puzzle.CreditsLine) << FontClose << QStringLiteral("<br>") << QStringLiteral("</div>");
}

void WordListSection(const TPuzzle& puzzle, const TNotoFaces& noto, QStringList& out) {
    const TPageFormat& format = puzzle.Format;
    const TEngineState& engine = puzzle.Words();
    const TWordSearch& grid = puzzle.Grid();

    QStringList placed;
    QList<bool> placedRtl;
    QStringList unplaced;
    for (int position = 1; position <= engine.WordCount; ++position) {
        const int word = engine.DisplayIndex[position];
        const TWordRecord& record = engine.WordList[word];
        if (grid.Placements[word].Placed) {
            const QString listed = FromWide(ListedText(record, puzzle.Type.CustomClues));
            placed << HtmlEscape(listed);
            placedRtl << ReadsRightToLeft(listed);
        } else {
            unplaced << HtmlEscape(FromWide(engine.WordText(word)));
        }
    }

    const int n = static_cast<int>(placed.size());
    // As on the page: a list mostly in a right-to-left script reads its columns from the right,
    // and such a word sits at the start of its cell, which is its right end.
    const bool rtlList = 2 * placedRtl.count(true) > n;
    const auto cellOpen = [&](int item) {
        if (item >= n || !placedRtl[item]) return QString();
        const int alignment = format.ClueAlignment;
        return u" dir=\"rtl\""_s + (alignment == 1 ? QString() : alignment == 2 ? u" align=\"left\""_s
                                                                               : u" align=\"right\""_s);
    };
    const int columns = HtmlWordListColumns(format.RequestedClueColumns, n);
    const int rows = (n + columns - 1) / columns;
    const QString font = FontOpen(format, TPageElement::Wordlist, noto);

    out << QString() << QStringLiteral("<!--  WORD LIST  -->") << QStringLiteral("<div align=\"Center\"><p>") << font
        << u"<table width=\""_s + QString::number(columns <= 3 ? 90 : 95) + u"%\" border=\"0\""_s +
               (rtlList ? u" dir=\"rtl\">"_s : u">"_s);
    for (int r = 0; r < rows; ++r) {
        out << u" <tr align=\""_s + QString::fromUtf16(AlignmentWord(format.ClueAlignment)) + u"\">"_s;
        QString line = QStringLiteral("\t");
        for (int j = 0; j < columns; ++j) {
            // The first column also takes the remainder so the widths add up to 100.
            const int width = 100 / columns + (j == 0 ? 100 % columns : 0);
            const int item = j * rows + r;
            line += u"<td width=\""_s + QString::number(width) + u"%\""_s + cellOpen(item) + u">"_s + font +
                    (item < n ? placed[item] : QStringLiteral("&nbsp;")) + FontClose + u"</td>"_s;
        }
        line += u"</tr>"_s;
        out << line;
    }
    out << QStringLiteral("</table>") << FontClose << QStringLiteral("</p></div>") << QString();

    if (!unplaced.isEmpty()) {
        out << QStringLiteral("<!-- Unplaced words:");
        for (const QString& word : unplaced) out << u"  "_s + word;
        out << QStringLiteral(" -->");
    }
}

}  // namespace

QStringList HtmlFragmentLines(const TPuzzle& puzzle, const TExportSections& sections,
                              const THtmlPreviewScale& scale) {
    const QString text = PuzzleText(puzzle);
    const TNotoFaces noto{NotoFamiliesFor(text, false), NotoFamiliesFor(text, true)};
    QStringList out;
    if (sections.Worksheet) WorksheetSection(puzzle, noto, out);
    if (sections.Title) TitleSection(puzzle, noto, out);
    if (sections.Instructions) InstructionsSection(puzzle, noto, out);
    if (sections.Grid) GridSection(puzzle, scale, noto, out);
    if (sections.WordList) WordListSection(puzzle, noto, out);
    return out;
}

QStringList HtmlPageLines(const TPuzzle& puzzle, const TExportSections& sections,
                          const THtmlPreviewScale& scale) {
    QStringList out = {
        QStringLiteral("<html><head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"),
        QStringLiteral("<meta name=\"GENERATOR\" content=\"Vorlix\">"),
        QStringLiteral("<meta name=\"keywords\" content=\"qzkst\">"),
        QStringLiteral("<title>A Word Search Puzzle</title>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body bgcolor=\"white\">"),
    };
    out << HtmlFragmentLines(puzzle, sections, scale);
    out << QStringLiteral("</body></html>");
    return out;
}

QString HtmlClipboardText(const QStringList& lines) { return lines.join(u'\n'); }

QByteArray HtmlBytes(const QStringList& lines) {
    // Every typed text went through HtmlEscape, so nothing here is above 127.
    return ExportFileText(lines).toLatin1();
}

bool WriteHtml(QIODevice& out, const QStringList& lines) { return WriteAllBytes(out, HtmlBytes(lines)); }

bool SaveHtmlPage(const QString& path, const TPuzzle& puzzle, const TExportSections& sections,
                  const THtmlPreviewScale& scale, IMessageHost& host) {
    const QStringList lines = HtmlPageLines(puzzle, sections, scale);
    return SaveExportFile(path, [&](QIODevice& out) { return WriteHtml(out, lines); }, host);
}

}  // namespace vorlix
