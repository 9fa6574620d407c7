#include "textexport.h"

#include <algorithm>

#include <QIODevice>

#include "puzzle.h"
#include "safewrite.h"
#include "scriptfaces.h"

namespace vorlix {

QString ExportWriteErrorMessage() {
    return QStringLiteral(
        "An error occurred while attempting to write this data to a file. You may wish to check it or try again.");
}

bool WriteAllBytes(QIODevice& out, QByteArrayView bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = out.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

QString ExportFileText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += ExportLineBreak;
    }
    return text;
}

bool SaveExportFile(const QString& path, const std::function<bool(QIODevice&)>& write, IMessageHost& host) {
    TSafeFile file(path);
    // The temporary goes with file unless Commit made it the new file.
    const bool ok = file.Open() && write(file) && file.Commit();
    if (!ok) {
        TWriteResult failure = file.Result();
        if (failure.Ok()) failure.Reason = QStringLiteral("The export could not be made");
        const QString text = ExportWriteErrorMessage() + u'\n' + WriteFailureDetail(path, failure);
        host.ShowMessage(MessageKind::Warning, text.toStdU16String(), MessageButtons::Ok);
    }
    return ok;
}

namespace {

constexpr char16_t LeftToRightOverride = 0x202D;
constexpr char16_t PopDirectionalFormatting = 0x202C;
constexpr char16_t ZeroWidthNonJoiner = 0x200C;

// A row of cells in the grid's column order. Rows holding Hebrew or Arabic are overridden left
// to right, so a viewer does not reverse them, and touching cells are kept from joining.
QString RowText(const TPuzzle& puzzle, int row, int spacing, bool rightToLeftCells) {
    const TWordSearch& grid = puzzle.Grid();
    const QString gap = spacing > 0 || !rightToLeftCells ? QString(spacing, u' ') : QString(QChar(ZeroWidthNonJoiner));
    QString line;
    for (int c = 1; c <= grid.ActualColumns; ++c) {
        if (c > 1) line += gap;
        line += IsBlankCell(grid.Grid[c][row]) ? QStringLiteral(" ") : puzzle.CellText(c, row);
    }
    return rightToLeftCells ? QChar(LeftToRightOverride) + line + QChar(PopDirectionalFormatting) : line;
}

}  // namespace

QStringList TextExportLines(const TPuzzle& puzzle, const TExportSections& sections, int spacing) {
    spacing = std::clamp(spacing, 0, MaxTextLetterSpacing);
    QStringList out;

    if (sections.Worksheet) {
        const QStringList& left = puzzle.WorksheetLeftLines;
        const QStringList& right = puzzle.WorksheetRightLines;
        const qsizetype n = std::max(left.size(), right.size());
        for (qsizetype i = 0; i < n; ++i) {
            out << QString() << left.value(i) + u'\t' + right.value(i);
        }
        if (n > 0) out << QString();
    }

    if (sections.Title) {
        for (const QString& line : puzzle.TitleLines)
            if (!line.isEmpty()) out << line;
        if (!puzzle.TitleLines.isEmpty()) out << QString();
    }

    if (sections.Instructions && puzzle.InstructionsIncluded) {
        out << puzzle.InstructionLines;
        if (!puzzle.InstructionLines.isEmpty()) out << QString();
    }

    const TWordSearch& grid = puzzle.Grid();
    if (sections.Grid) {
        const bool rtl = GridHasRightToLeft(puzzle);
        for (int r = 1; r <= grid.ActualRows; ++r) out << RowText(puzzle, r, spacing, rtl) << QString();
        out << puzzle.CreditsLine << QString();
    }

    if (sections.WordList) {
        const TEngineState& engine = puzzle.Words();
        const bool clues = puzzle.Type.CustomClues;
        for (int position = 1; position <= engine.WordCount; ++position) {
            const int word = engine.DisplayIndex[position];
            if (!grid.Placements[word].Placed) continue;
            const TWordRecord& record = engine.WordList[word];
            out << FromWide(ListedText(record, clues));
        }
    }
    return out;
}

QString TextExportClipboard(const QStringList& lines) { return lines.join(u'\n'); }

QByteArray TextExportBytes(const QStringList& lines) {
    QString text = ExportFileText(lines);
    // Grid cells hold single code units, so a letter outside the BMP leaves halves behind.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (ch.isSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text.toUtf8();
}

bool WriteTextExport(QIODevice& out, const QStringList& lines) { return WriteAllBytes(out, TextExportBytes(lines)); }

bool SaveTextExport(const QString& path, const TPuzzle& puzzle, const TExportSections& sections, int spacing,
                    IMessageHost& host) {
    const QStringList lines = TextExportLines(puzzle, sections, spacing);
    return SaveExportFile(path, [&](QIODevice& out) { return WriteTextExport(out, lines); }, host);
}

}  // namespace vorlix
