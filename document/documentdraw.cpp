// The painting steps of a page: frame, worksheet lines, title, instructions, grid letters
// with the credits line, word list and solution.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "puzzledocument.h"
#include "puzzle.h"
#include "scriptfaces.h"

namespace vorlix {

namespace {

const QColor Black(0, 0, 0);
const QColor Silver(192, 192, 192);
const QColor Maroon(128, 0, 0);
const QColor SolutionBlue(0, 0, 255);

// Marker colours by direction code 1..8.
const QColor MarkerColors[9] = {
    QColor(0, 0, 0),       QColor(128, 255, 255), QColor(224, 176, 255), QColor(255, 255, 127),
    QColor(176, 255, 176), QColor(192, 192, 255), QColor(255, 176, 176), QColor(255, 176, 224),
    QColor(255, 224, 176),
};

// A stored colour is 0x00BBGGRR; negative values name system colours, all of them dark text.
QColor ColorFromValue(std::int32_t value) {
    if (value < 0) return Black;
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void SetFont(TAsCanvas& canvas, const QString& name, int size, bool bold = false, bool italic = false) {
    canvas.Font.Name = name;
    canvas.Font.Size = size;
    canvas.Font.Bold = bold;
    canvas.Font.Italic = italic;
    canvas.Font.Color = Black;
}

void SetPen(TAsCanvas& canvas, QColor color, double width, TPenMode mode = TPenMode::Copy) {
    canvas.Pen.Color = color;
    canvas.Pen.Width = width;
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.Pen.Mode = mode;
}

QStringList UsedLines(const QStringList& lines) { return lines.mid(0, UsedLineCount(lines)); }

// The used lines from top down, each `spacing` of its height below the one before; left
// ends at x, or right ends there when rightAligned.
void DrawLines(TAsCanvas& canvas, const QStringList& lines, double x, double top, double spacing,
               bool rightAligned = false) {
    double y = top;
    for (const QString& line : UsedLines(lines)) {
        canvas.TextOut(rightAligned ? x - canvas.TextWidth(line) : x, y, line);
        y += spacing * canvas.TextHeight(line);
    }
}

// Keeps the canvas's brush style as the caller had it.
class TBrushStyleKeeper {
public:
    explicit TBrushStyleKeeper(TAsCanvas& c) : canvas_(c), style_(c.Brush.Style) {}
    ~TBrushStyleKeeper() { canvas_.Brush.Style = style_; }

private:
    TAsCanvas& canvas_;
    TBrushStyle style_;
};

struct TFrameStyle {
    double Outer;
    double Inner;
    bool Shaded;
};
constexpr TFrameStyle FrameStyles[8] = {
    {0.0, 0.0, false},  {0.01, 0.0, false}, {0.03, 0.0, false}, {0.07, 0.0, false},
    {0.01, 0.01, false}, {0.01, 0.01, true}, {0.04, 0.01, false}, {0.04, 0.01, true},
};

}  // namespace

void TPuzzleDocument::DrawPage(TAsCanvas& canvas, int page, int formIndex) {
    canvas.Brush = {Qt::white, TBrushStyle::Solid};
    canvas.Pen.Mode = TPenMode::Copy;
    if (!canvas.IsPrinter()) {
        canvas.SelectPage(page);
        SetPen(canvas, QColor(128, 128, 128), 0.007);
        canvas.Rectangle(pageRect_);
    }
    DrawFrame(canvas);
    if (page == 1) DrawWorksheet(canvas);
    if (page <= solutionPage_) DrawTitle(canvas);
    if (page == 1) {
        DrawInstructions(canvas);
        DrawGridLetters(canvas);
    }
    if (page == wordListPage_) DrawWordList(canvas);
    if (page == solutionPage_) DrawSolution(canvas);
    if (formCount_ > 1 && (page == 1 || page == solutionPage_)) DrawFormMark(canvas, formIndex);
}

void TPuzzleDocument::DrawFrame(TAsCanvas& canvas) {
    const TPageFormat& pf = puzzle_->Format;
    if (pf.BorderIndex <= 0 || pf.BorderIndex > 7) return;
    const TFrameStyle& s = FrameStyles[pf.BorderIndex];
    TBrushStyleKeeper keep(canvas);
    canvas.Brush.Style = TBrushStyle::Clear;
    const double g = (pf.MarginWidth - s.Outer - s.Inner) / 5.0;
    if (s.Shaded) {
        SetPen(canvas, Silver, g);
        canvas.Rectangle(frameRect_.Inset(g / 2.0));
    }
    SetPen(canvas, Black, s.Outer);
    canvas.Rectangle(frameRect_);
    if (s.Inner > 0.0) {
        SetPen(canvas, Black, s.Inner);
        canvas.Rectangle(frameRect_.Inset(g));
    }
}

void TPuzzleDocument::DrawWorksheet(TAsCanvas& canvas) {
    const TPageFormat& pf = puzzle_->Format;
    TBrushStyleKeeper keep(canvas);
    canvas.Brush.Style = TBrushStyle::Clear;
    SetFont(canvas, pf.WorksheetFont, pf.WorksheetFontSize);
    DrawLines(canvas, puzzle_->WorksheetLeftLines, worksheetRect_.Left, worksheetRect_.Top, 1.75);
    DrawLines(canvas, puzzle_->WorksheetRightLines, worksheetRect_.Right, worksheetRect_.Top, 1.75, true);
}

void TPuzzleDocument::DrawTitle(TAsCanvas& canvas) {
    const TPageFormat& pf = puzzle_->Format;
    TBrushStyleKeeper keep(canvas);
    canvas.Brush.Style = TBrushStyle::Clear;
    SetFont(canvas, pf.TitleFont, pf.TitleFontSize);
    for (const TPlacedLine& line : titleLines_) canvas.TextOut(line.X, line.Y, line.Text);
}

void TPuzzleDocument::DrawInstructions(TAsCanvas& canvas) {
    if (!InstructionsIncluded()) return;
    const TPageFormat& pf = puzzle_->Format;
    TBrushStyleKeeper keep(canvas);
    canvas.Brush.Style = TBrushStyle::Clear;
    SetFont(canvas, pf.InstructionsFont, pf.InstructionsFontSize);
    const TCanvasFont font{pf.InstructionsFont, pf.InstructionsFontSize};
    double y = instructionsRect_.Top;
    for (const QString& line : instructionsLines_) {
        // A right-to-left line ends at the right edge, by the width every device agrees on.
        const double width = std::min(ReferenceTextWidth(font, line), instructionsRect_.Width());
        const double x = ReadsRightToLeft(line) ? instructionsRect_.Right - width : instructionsRect_.Left;
        canvas.TextOutWithin(x, y, line, instructionsRect_.Width());
        y += canvas.TextHeight(line);
    }
}

// Letters of the puzzle page (all alike) or of the solution page (first letters bold), each
// centred on its cell.
void TPuzzleDocument::DrawLetters(TAsCanvas& canvas, bool solution) {
    const TPageFormat& pf = puzzle_->Format;
    const TWordSearch& ws = puzzle_->Grid();
    canvas.Brush.Style = TBrushStyle::Clear;
    for (int r = 1; r <= ws.ActualRows; ++r) {
        for (int c = 1; c <= ws.ActualColumns; ++c) {
            const bool first = (ws.SolutionFlags[c][r] & FirstLetterFlag) != 0;
            SetFont(canvas, pf.GridFont, pf.GridFontSize, solution && first);
            if (ws.Grid[c][r] == EmptyCell) continue;
            // Drawn alone: a cell never joins or reorders with its neighbours.
            const QString text = puzzle_->CellText(c, r);
            const double hX = canvas.TextHeight(QStringLiteral("X"));
            canvas.TextOut(CellCentreX(c) - canvas.TextWidth(text) / 2.0, CellCentreY(r) - hX / 2.0, text);
        }
    }
}

void TPuzzleDocument::DrawGridLetters(TAsCanvas& canvas) {
    if (!HasPuzzle()) return;
    TBrushStyleKeeper keep(canvas);
    DrawLetters(canvas, false);
    const TPageFormat& pf = puzzle_->Format;
    SetFont(canvas, pf.CreditsFont, pf.CreditsFontSize);
    const QString& credits = puzzle_->CreditsLine;
    const double y = CellCentreY(puzzle_->Grid().ActualRows + 1);
    if (ReadsRightToLeft(credits))
        canvas.TextOut(CellCentreX(puzzle_->Grid().ActualColumns) - canvas.TextWidth(credits), y, credits);
    else
        canvas.TextOut(CellCentreX(1), y, credits);
}

TWordListArrangement TPuzzleDocument::ArrangeWordList() const {
    const TPageFormat& pf = puzzle_->Format;
    const TWordSearch& ws = puzzle_->Grid();
    TWordListArrangement a;
    const int n = ws.PlacedWordCount();
    TCanvasFont font{pf.WordlistFont, pf.WordlistFontSize};
    a.FontSize = pf.WordlistFontSize;
    if (n <= 0) return a;

    QStringList texts;
    const bool clues = puzzle_->Type.CustomClues;
    for (int k = 1; k <= n; ++k) texts << FromWide(ws.PlacedListedText(k, clues));
    for (const QString& t : texts) a.MaxWidth = std::max(a.MaxWidth, ReferenceTextWidth(font, t));

    const double A = wordListRect_.Width();
    a.Fit = WordListFitColumns(A, a.MaxWidth);
    a.Columns = WordListColumns(n, pf.RequestedClueColumns, a.Fit);
    a.ColumnWidth = std::min(a.MaxWidth, A);
    const double B = std::min(a.Columns * a.ColumnWidth, A);
    a.Gap = a.Columns > 1 ? std::min((A - B) / (a.Columns - 1), 1.0) : 0.0;

    const double block = (a.Columns - 1) * a.Gap + B;
    a.BlockLeft = wordListRect_.Left;
    if (pf.GridHPosition == 1)
        a.BlockLeft += (A - block) / 2.0;
    else if (pf.GridHPosition == 2)
        a.BlockLeft += A - block;

    // A list mostly in Hebrew or Arabic reads its columns from the right.
    const auto rtlItems =
        std::count_if(texts.begin(), texts.end(), [](const QString& t) { return ReadsRightToLeft(t); });
    a.RightToLeft = 2 * rtlItems > n;

    a.Rows = (n + a.Columns - 1) / a.Columns;
    double hX = ReferenceTextHeight(font);
    // Short lists keep their natural spacing instead of spreading down the page.
    a.LineHeight = std::min(wordListRect_.Height() / a.Rows, 2.0 * hX);
    while (hX > a.LineHeight && font.Size >= 2) {
        --font.Size;
        hX = ReferenceTextHeight(font);
    }
    a.FontSize = font.Size;

    for (int k = 1; k <= n; ++k) {
        TWordListArrangement::Item item;
        item.Text = texts[k - 1];
        item.Column = (k - 1) / a.Rows + 1;
        item.Row = (k - 1) % a.Rows + 1;
        item.Width = ReferenceTextWidth(font, item.Text);
        const int slot = a.RightToLeft ? a.Columns - item.Column : item.Column - 1;
        const double xj = a.BlockLeft + slot * (a.ColumnWidth + a.Gap);
        item.Y = wordListRect_.Top + (item.Row - 1) * a.LineHeight;
        // Left and right alignment mean the start and the end of the line: mirrored for a
        // right-to-left word.
        int alignment = pf.ClueAlignment;
        if (ReadsRightToLeft(item.Text) && alignment != 1) alignment = alignment == 2 ? 0 : 2;
        if (alignment == 1)
            item.X = xj + a.ColumnWidth / 2.0 - item.Width / 2.0;
        else if (alignment == 2)
            item.X = xj + a.ColumnWidth - item.Width;
        else
            item.X = xj;
        a.Items.push_back(item);
    }
    return a;
}

void TPuzzleDocument::DrawWordList(TAsCanvas& canvas) {
    if (!HasWordList()) return;
    const TPageFormat& pf = puzzle_->Format;
    TBrushStyleKeeper keep(canvas);
    canvas.Brush.Style = TBrushStyle::Clear;
    SetFont(canvas, pf.WordlistFont, wordList_.FontSize);
    for (const auto& item : wordList_.Items) canvas.TextOut(item.X, item.Y, item.Text);
}

void TPuzzleDocument::DrawSolution(TAsCanvas& canvas) {
    if (!HasPuzzle()) return;
    TBrushStyleKeeper keep(canvas);
    const TPenMode modeBefore = canvas.Pen.Mode;
    canvas.Brush.Color = Qt::white;
    DrawLetters(canvas, true);
    DrawSolutionMarks(canvas);
    // Devices that cannot AND the marker with the page get the letters again on top.
    if (puzzle_->Format.SolutionStyle == 2 && !canvas.SupportsMaskMode()) DrawLetters(canvas, true);

    const TWordSearch& ws = puzzle_->Grid();
    if (puzzle_->Words().Settings.HasOption(Option_HiddenMessage)) {
        const TPageFormat& pf = puzzle_->Format;
        SetFont(canvas, pf.GridFont, pf.GridFontSize);
        const double hX = canvas.TextHeight(QStringLiteral("X"));
        const double r = 0.55 * hX;
        SetPen(canvas, Maroon, 0.05 * hX);
        canvas.Brush.Style = TBrushStyle::Clear;
        for (int row = 1; row <= ws.ActualRows; ++row)
            for (int c = 1; c <= ws.ActualColumns; ++c)
                if (ws.WordListIndicies[c][row] == HiddenMessageMarker) {
                    const double x = CellCentreX(c);
                    const double y = CellCentreY(row);
                    canvas.Ellipse({x - r, y - r, x + r, y + r});
                }
    }
    canvas.Pen.Mode = modeBefore;
}

void TPuzzleDocument::DrawSolutionMarks(TAsCanvas& canvas) {
    const TPageFormat& pf = puzzle_->Format;
    const TWordSearch& ws = puzzle_->Grid();
    SetFont(canvas, pf.GridFont, pf.GridFontSize);
    canvas.Brush.Style = TBrushStyle::Clear;
    const double hX = canvas.TextHeight(QStringLiteral("X"));
    const int style = std::clamp(pf.SolutionStyle, 0, 2);
    const bool colorSet = pf.SolutionColor != NoColor;
    const double width = (style == 2 ? 0.75 : 0.05) * hX;

    const int n = ws.PlacedWordCount();
    for (int k = 1; k <= n; ++k) {
        const int word = ws.PlacedWordIndex(k);
        if (word <= 0) continue;
        const TWordPlacement& p = ws.Placements[static_cast<std::size_t>(word)];
        const QPointF S(CellCentreX(p.Column), CellCentreY(p.Row));
        const QPointF E(CellCentreX(ws.EndColumn(word)), CellCentreY(ws.EndRow(word)));

        QColor color = SolutionBlue;
        if (colorSet)
            color = ColorFromValue(pf.SolutionColor);
        else if (style == 2)
            color = MarkerColors[p.Direction <= 8 ? p.Direction : 0];
        SetPen(canvas, color, width, style == 2 ? TPenMode::Mask : TPenMode::Copy);

        if (style == 0) {
            const double r = 0.45 * hX;
            const int length = puzzle_->Words().WordList[static_cast<std::size_t>(word)].Length;
            if (length <= 1 || S == E) {
                canvas.Ellipse({S.x() - r, S.y() - r, S.x() + r, S.y() + r});
                continue;
            }
            const double dx = E.x() - S.x();
            const double dy = E.y() - S.y();
            double theta;
            if (dx != 0.0)
                theta = std::atan(dy / dx) + (E.x() < S.x() ? std::numbers::pi : 0.0);
            else
                theta = S.y() >= E.y() ? -std::numbers::pi / 2.0 : std::numbers::pi / 2.0;
            const QPointF nrm(std::cos(theta + std::numbers::pi / 2.0) * r, std::sin(theta + std::numbers::pi / 2.0) * r);
            const TInchRect aroundS{S.x() - r, S.y() - r, S.x() + r, S.y() + r};
            const TInchRect aroundE{E.x() - r, E.y() - r, E.x() + r, E.y() + r};
            canvas.Arc(aroundS, S - nrm, S + nrm);
            canvas.MoveTo(S.x() + nrm.x(), S.y() + nrm.y());
            canvas.LineTo(E.x() + nrm.x(), E.y() + nrm.y());
            canvas.Arc(aroundE, E + nrm, E - nrm);
            canvas.MoveTo(E.x() - nrm.x(), E.y() - nrm.y());
            canvas.LineTo(S.x() - nrm.x(), S.y() - nrm.y());
        } else {
            canvas.MoveTo(S.x(), S.y());
            // A dot marks where the word starts.
            const double before = canvas.SetPenWidth(2.0 * width);
            canvas.LineTo(S.x(), S.y());
            canvas.SetPenWidth(before);
            canvas.LineTo(E.x(), E.y());
        }
    }
}

void TPuzzleDocument::DrawFormMark(TAsCanvas& canvas, int formIndex) {
    TBrushStyleKeeper keep(canvas);
    canvas.Brush.Style = TBrushStyle::Clear;
    SetFont(canvas, QStringLiteral("Arial"), 8, false, true);
    canvas.TextOut(contentRect_.Left, contentRect_.Bottom, QStringLiteral("Form ") + QString::number(formIndex + 1));
}

}  // namespace vorlix
