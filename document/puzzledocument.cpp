#include "puzzledocument.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "puzzle.h"

namespace vorlix {

QString CrowdedWarningText() {
    return QStringLiteral(
               "The letters in the grid may look crowded or distorted. \r\n\nIf this is so, it is because you are "
               "trying to pack too much onto one sheet of paper or because the letters are too large for the number "
               "of rows and columns you have in your puzzle. \r\n\n") +
           QStringLiteral(
               "One of these suggestions will help:: \r\n\n1. Click \"Change Appearance\" and reduce the size of the "
               "puzzle font. \r\n\n2. Use fewer words in your puzzle. (e.g., Make two puzzles half as big.)\r\n\n") +
           QStringLiteral(
               "3. If you have one or more words that is very long, abbreviate it or break it up into shorter words. "
               "\r\n\n4. Print onto a larger sheet of paper (e.g., legal size).");
}

int UsedLineCount(const QStringList& lines) {
    for (int i = static_cast<int>(lines.size()); i >= 1; --i)
        if (!lines[i - 1].trimmed().isEmpty()) return i;
    return 0;
}

namespace {

using TMeasure = std::function<double(const QString&)>;

// The longest start of text no wider than width, but at least one character; a surrogate
// pair stays whole.
qsizetype FittingPrefix(const QString& text, const TMeasure& measure, double width) {
    const qsizetype least = text.size() > 1 && text[0].isHighSurrogate() ? 2 : 1;
    qsizetype lo = least;
    qsizetype hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (measure(text.left(mid)) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo > least && lo < text.size() && text[lo].isLowSurrogate()) --lo;
    return lo;
}

QString WithoutTrailingBlanks(QString s) {
    while (s.endsWith(u' ')) s.chop(1);
    return s;
}

void WrapLine(const QString& line, const TMeasure& measure, double width, QStringList& out) {
    if (measure(line) <= width) {
        out << line;
        return;
    }
    QString current;
    bool open = false;  // current has begun an output line
    bool first = true;  // the typed line's first word keeps its indentation
    for (const QString& word : line.split(u' ')) {
        if (!open) {
            if (word.isEmpty() && !first) continue;
            current = word;
            open = true;
        } else if (const QString joined = current + u' ' + word; measure(joined) <= width) {
            current = joined;
            continue;
        } else {
            out << WithoutTrailingBlanks(current);
            current = word;
            open = !word.isEmpty();
        }
        first = false;
        while (current.size() > 1 && measure(current) > width) {
            const qsizetype n = FittingPrefix(current, measure, width);
            out << current.left(n);
            current = current.mid(n);
        }
    }
    if (open) out << WithoutTrailingBlanks(current);
}

}  // namespace

QStringList WrapLines(const QStringList& lines, const TCanvasFont& font, double width) {
    const TMeasure measure = [&font](const QString& s) { return ReferenceTextWidth(font, s); };
    QStringList out;
    for (const QString& line : lines) WrapLine(line, measure, width, out);
    return out;
}

int WordListColumns(int placedWords, int requestedColumns, int fitColumns) {
    if (requestedColumns >= 1 && requestedColumns <= 9) return requestedColumns;
    const int byCount = placedWords <= 11 ? 1 : std::min(9, (placedWords - 1) / 10 + 1);
    return std::max(1, std::min(byCount, fitColumns));
}

int WordListFitColumns(double availableWidth, double maxWidth) {
    if (maxWidth + 0.2 <= 0.0) return 9;
    return std::max(1, static_cast<int>(std::floor((availableWidth + 0.2) / (maxWidth + 0.2))));
}

TPuzzleDocument::TPuzzleDocument(const TPuzzle& puzzle, int wordListPage) : puzzle_(&puzzle) {
    SetWordListPage(wordListPage);
}

void TPuzzleDocument::SetWordListPage(int n) {
    wordListPage_ = n;
    solutionPage_ = n + 1;
}

double TPuzzleDocument::CellCentreX(int column) const { return (column - 0.5) * cellWidth_ + gridRect_.Left; }

double TPuzzleDocument::CellCentreY(int row) const { return (row - 0.5) * cellHeight_ + gridRect_.Top; }

bool TPuzzleDocument::HasPuzzle() const {
    const TWordSearch& ws = puzzle_->Grid();
    return ws.ActualColumns > 1 || ws.ActualRows > 1;
}

bool TPuzzleDocument::InstructionsIncluded() const { return puzzle_->InstructionsIncluded; }

bool TPuzzleDocument::GridCrowded() const {
    return puzzle_->Format.GridFontSize / 72.0 * 0.7 > cellHeight_;
}

void TPuzzleDocument::LayOut() {
    const TPageFormat& pf = puzzle_->Format;
    const double W = metrics_.PageWidth;
    const double H = metrics_.PageHeight;
    const double m = pf.MarginWidth;

    pageRect_ = {0.0, 0.0, W, H};
    contentRect_ = {m, m, W - m, H - m};

    const double f = pf.BorderIndex != 0 ? 0.6 : 0.0;
    frameRect_ = contentRect_.Inset(-f * m);

    // The frame must stay on the printable area; the extra thousandth keeps its line off the edge.
    const TInchRect p = metrics_.PrintableRect();
    if (p.Top > frameRect_.Top) {
        const double d = p.Top - frameRect_.Top + 0.001;
        frameRect_.Top += d;
        contentRect_.Top += d;
    }
    if (p.Left > frameRect_.Left) {
        const double d = p.Left - frameRect_.Left + 0.001;
        frameRect_.Left += d;
        contentRect_.Left += d;
    }
    if (p.Right < frameRect_.Right) {
        const double d = frameRect_.Right - p.Right + 0.001;
        frameRect_.Right -= d;
        contentRect_.Right -= d;
    }
    if (p.Bottom < frameRect_.Bottom) {
        const double d = frameRect_.Bottom - p.Bottom + 0.001;
        frameRect_.Bottom -= d;
        contentRect_.Bottom -= d;
    }

    elementSpacing_ = 0.33;
    double cursor = contentRect_.Top;

    const int n = std::max(UsedLineCount(puzzle_->WorksheetLeftLines), UsedLineCount(puzzle_->WorksheetRightLines));
    worksheetRect_ = {contentRect_.Left, cursor, contentRect_.Right, cursor + n * pf.WorksheetFontSize / 72.0 * 1.75};
    cursor = worksheetRect_.Bottom + (n > 0 ? elementSpacing_ : 0.0);

    const int t = UsedLineCount(puzzle_->TitleLines);
    titleRect_ = {contentRect_.Left, cursor, contentRect_.Right, cursor + t * pf.TitleFontSize / 72.0};
    cursor = titleRect_.Bottom + (t > 0 ? elementSpacing_ : 0.0);

    if (InstructionsIncluded()) {
        // Wrapped here once, so that the drawing shows exactly the lines counted.
        const QStringList& typed = puzzle_->InstructionLines;
        instructionsLines_ = WrapLines(typed.mid(0, UsedLineCount(typed)),
                                       TCanvasFont{pf.InstructionsFont, pf.InstructionsFontSize}, contentRect_.Width());
        const int i = static_cast<int>(instructionsLines_.size());
        instructionsRect_ = {contentRect_.Left, cursor, contentRect_.Right,
                             cursor + i * pf.InstructionsFontSize / 72.0};
        cursor = instructionsRect_.Bottom + (i > 0 ? elementSpacing_ : 0.0);
    } else {
        instructionsLines_.clear();
        instructionsRect_ = {contentRect_.Left, cursor, contentRect_.Right, cursor};
    }

    const TWordSearch& ws = puzzle_->Grid();
    const int rows = ws.ActualRows;
    const int columns = ws.ActualColumns;
    // The word list keeps its reserve; only the height is ever cut, never the letters.
    double h = rows * 1.8 * pf.GridFontSize / 72.0;
    if (cursor + h > contentRect_.Bottom - listReserve_) h = contentRect_.Bottom - cursor - listReserve_;
    const double w = rows == 0 ? h : columns * (h / rows) * cellAspect_;

    double left = contentRect_.Left;
    if (pf.GridHPosition == 1)
        left = contentRect_.Left + (contentRect_.Width() - w) / 2.0;
    else if (pf.GridHPosition == 2)
        left = contentRect_.Right - w;
    gridRect_ = {left, cursor, left + w, cursor + h};

    cellHeight_ = h / std::max(rows, 1);
    cellWidth_ = w / std::max(columns, 1);

    wordListRect_ = {contentRect_.Left, gridRect_.Bottom + cellHeight_ + elementSpacing_, contentRect_.Right,
                     contentRect_.Bottom};
    solutionGridRect_ = gridRect_;
    PlaceTitle();
    PlaceWordList();
}

// Each used title line centred on the title rectangle, one below the other.
void TPuzzleDocument::PlaceTitle() {
    const TPageFormat& pf = puzzle_->Format;
    const TCanvasFont font{pf.TitleFont, pf.TitleFontSize};
    const double c = titleRect_.CentreX();
    titleBox_ = {c, titleRect_.Top, c, titleRect_.Bottom};
    titleLines_.clear();
    double y = titleRect_.Top;
    for (const QString& line : puzzle_->TitleLines.mid(0, UsedLineCount(puzzle_->TitleLines))) {
        const double w = ReferenceTextWidth(font, line);
        const double x = c - w / 2.0;
        titleLines_.push_back({line, x, y});
        titleBox_.Left = std::min(titleBox_.Left, x);
        titleBox_.Right = std::max(titleBox_.Right, x + w);
        y += ReferenceTextHeight(font);
    }
}

void TPuzzleDocument::PlaceWordList() {
    wordList_ = HasPuzzle() ? ArrangeWordList() : TWordListArrangement{};
    const TWordListArrangement& a = wordList_;
    const double lastRight = a.BlockLeft + (a.Columns - 1) * (a.ColumnWidth + a.Gap) + a.ColumnWidth;
    wordListBox_ = {a.BlockLeft, wordListRect_.Top, lastRight, wordListRect_.Top};
    for (const auto& item : a.Items)
        wordListBox_.Bottom = std::max(wordListBox_.Bottom, wordListRect_.Top + item.Row * a.LineHeight);
}

TInchRect TPuzzleDocument::PictureArea(const TPictureElements& chosen, bool solution) const {
    TInchRect area = EmptyPictureArea;
    if (chosen.Title) area = area.United(titleBox_);
    if (solution) {
        if (chosen.Solution) area = area.United(solutionGridRect_);
        return area;
    }
    if (chosen.Worksheet) area = area.United(worksheetRect_);
    if (chosen.Instructions && InstructionsIncluded()) area = area.United(instructionsRect_);
    if (chosen.Grid) area = area.United(gridRect_);
    // A list that was not drawn covers nothing.
    if (chosen.WordList && HasWordList()) area = area.United(wordListBox_);
    return area;
}

void TPuzzleDocument::DrawPictureElements(TAsCanvas& canvas, const TPictureElements& chosen, bool solution) {
    canvas.Brush = {Qt::white, TBrushStyle::Solid};
    if (chosen.Title) DrawTitle(canvas);
    if (solution) {
        if (chosen.Solution) DrawSolution(canvas);
        return;
    }
    if (chosen.Worksheet) DrawWorksheet(canvas);
    if (chosen.Instructions) DrawInstructions(canvas);
    if (chosen.Grid) DrawGridLetters(canvas);
    if (chosen.WordList) DrawWordList(canvas);
}

}  // namespace vorlix
