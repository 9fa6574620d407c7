// The print page's diagram of the sheets a print run would produce: a row of puzzle sheets
// and a row of solution sheets, each filled with the colour of its form.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QColor>
#include <QRect>
#include <QSize>

#include "printjob.h"
#include "wordsearch.h"

class QPainter;

namespace vorlix {

constexpr int UniquePaletteSize = 64;
constexpr std::uint32_t UniquePaletteSeed = 123;
constexpr int UniquePaletteSwaps = 640;
inline const QColor DiagramHeadingColor{0, 0, 128};

// Forms 0..7 of variations: white, lime, yellow, aqua, purple, blue, fuchsia, green.
extern const std::array<QColor, MaxVariations> VariationColors;

// Every combination of the levels 255, 223, 191 and 59 for red, green and blue, shuffled by
// 640 swaps on a generator seeded with 123.
std::array<QColor, UniquePaletteSize> UniquePalette();

struct TDiagramSheet {
    TSheetKind Kind = TSheetKind::Puzzle;
    int Form = 0;
    QRect Box;  // pixels; may lie beyond the diagram when the sheets do not all fit
    QColor Color;
};

struct TSheetDiagram {
    QRect PuzzlesHeading;
    QRect SolutionsHeading;
    std::vector<TDiagramSheet> Sheets;  // in print order
};

// Where each sheet of the run goes in a diagram of the given size. palette is needed
// for all-unique runs only.
TSheetDiagram ArrangeSheetDiagram(QSize size, const TPrintOptions& options,
                                  const std::array<QColor, UniquePaletteSize>* palette = nullptr);

// Paints the diagram on a painter covering size pixels (white background).
void PaintSheetDiagram(QPainter& painter, QSize size, const TPrintOptions& options);

}  // namespace vorlix
