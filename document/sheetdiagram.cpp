#include "sheetdiagram.h"

#include <algorithm>
#include <utility>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "wordsearch.h"

namespace vorlix {

const std::array<QColor, MaxVariations> VariationColors = {
    QColor(255, 255, 255), QColor(0, 255, 0),   QColor(255, 255, 0), QColor(0, 255, 255),
    QColor(128, 0, 128),   QColor(0, 0, 255),   QColor(255, 0, 255), QColor(0, 128, 0),
};

std::array<QColor, UniquePaletteSize> UniquePalette() {
    static constexpr std::array<int, 4> levels = {255, 223, 191, 59};
    std::array<QColor, UniquePaletteSize> palette;
    int k = 0;
    for (int r : levels)
        for (int g : levels)
            for (int b : levels) palette[static_cast<std::size_t>(k++)] = QColor(r, g, b);
    // A generator of its own: painting must not change what the puzzles draw.
    TRandom shuffle{UniquePaletteSeed};
    for (int n = 0; n < UniquePaletteSwaps; ++n) {
        // Random(63): the last colour never moves.
        const int a = shuffle.Random(UniquePaletteSize - 1);
        const int b = shuffle.Random(UniquePaletteSize - 1);
        std::swap(palette[static_cast<std::size_t>(a)], palette[static_cast<std::size_t>(b)]);
    }
    return palette;
}

namespace {

constexpr int Margin = 4;
constexpr int RowGap = 6;
constexpr int MaxSheetHeight = 36;
constexpr double SheetAspect = 8.5 / 11.0;  // portrait paper

QFont HeadingFont(QSize size) {
    QFont font;
    font.setBold(true);
    font.setPixelSize(std::clamp(size.height() / 8, 9, 14));
    return font;
}

struct TSheetGrid {
    int Width = 3;
    int Height = 4;
    int Gap = 1;
    int Columns = 1;
};

// The largest sheet that lets n sheets fit into the band, wrapping onto further lines.
TSheetGrid FitSheets(int n, int areaWidth, int bandHeight) {
    for (int h = std::min(bandHeight, MaxSheetHeight); h >= 4; --h) {
        TSheetGrid g;
        g.Height = h;
        g.Width = std::max(3, qRound(h * SheetAspect));
        g.Gap = std::max(2, h / 6);
        g.Columns = (areaWidth + g.Gap) / (g.Width + g.Gap);
        if (g.Columns < 1) continue;
        const int lines = (n + g.Columns - 1) / g.Columns;
        if (lines * (h + g.Gap) - g.Gap <= bandHeight) return g;
    }
    TSheetGrid g;
    g.Columns = std::max(1, (areaWidth + g.Gap) / (g.Width + g.Gap));
    return g;
}

}  // namespace

TSheetDiagram ArrangeSheetDiagram(QSize size, const TPrintOptions& options,
                                  const std::array<QColor, UniquePaletteSize>* palette) {
    const TPrintOptions o = options.Normalized();
    const std::vector<TPlannedSheet> plan = PlanSheets(o);
    const QFontMetrics fm(HeadingFont(size));
    const int headingWidth =
        std::max(fm.horizontalAdvance(QStringLiteral("Puzzles")), fm.horizontalAdvance(QStringLiteral("Solutions"))) + 8;
    const int bandHeight = std::max(4, (size.height() - 2 * Margin - RowGap) / 2);
    const int bandTop[2] = {Margin, Margin + bandHeight + RowGap};
    const int areaLeft = Margin + headingWidth;
    const int areaWidth = std::max(1, size.width() - areaLeft - Margin);

    TSheetDiagram d;
    d.PuzzlesHeading = QRect(Margin, bandTop[0], headingWidth, fm.height());
    d.SolutionsHeading = QRect(Margin, bandTop[1], headingWidth, fm.height());

    int counts[2] = {0, 0};
    for (const TPlannedSheet& s : plan) ++counts[s.Kind == TSheetKind::Puzzle ? 0 : 1];
    // One sheet size for both rows, so that they line up.
    const TSheetGrid g = FitSheets(std::max({counts[0], counts[1], 1}), areaWidth, bandHeight);

    int placed[2] = {0, 0};
    for (const TPlannedSheet& s : plan) {
        const int row = s.Kind == TSheetKind::Puzzle ? 0 : 1;
        const int k = placed[row]++;
        TDiagramSheet sheet;
        sheet.Kind = s.Kind;
        sheet.Form = s.Form;
        sheet.Box = QRect(areaLeft + (k % g.Columns) * (g.Width + g.Gap), bandTop[row] + (k / g.Columns) * (g.Height + g.Gap),
                          g.Width, g.Height);
        if (o.AllUnique)
            sheet.Color = palette ? (*palette)[static_cast<std::size_t>(s.Form % UniquePaletteSize)] : QColor(Qt::white);
        else
            sheet.Color = VariationColors[static_cast<std::size_t>(s.Form % MaxVariations)];
        d.Sheets.push_back(sheet);
    }
    return d;
}

void PaintSheetDiagram(QPainter& painter, QSize size, const TPrintOptions& options) {
    std::array<QColor, UniquePaletteSize> palette;
    if (options.AllUnique) palette = UniquePalette();
    const TSheetDiagram d = ArrangeSheetDiagram(size, options, options.AllUnique ? &palette : nullptr);

    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setFont(HeadingFont(size));
    painter.setPen(DiagramHeadingColor);
    painter.drawText(d.PuzzlesHeading, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Puzzles"));
    painter.drawText(d.SolutionsHeading, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Solutions"));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(96, 96, 96));  // white sheets need an outline
    for (const TDiagramSheet& s : d.Sheets) {
        painter.setBrush(s.Color);
        painter.drawRect(s.Box.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

}  // namespace vorlix
