// How the windows fit whatever desktop they open on: the pages' own complete palette,
// whatever the desktop theme, and window bounds kept on the screen.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>

namespace vorlix::shell {

// Warnings and refused values: a red that still reads on every page colour.
inline const QColor WarningText{0xC0, 0x00, 0x00};

// A light palette for a surface of the given colour, every role set (text colours
// included, for all colour groups), so nothing of a dark desktop palette shows through.
QPalette SurfacePalette(const QColor& window);

// The contrast ratio of two colours as the accessibility guidelines define it, 1..21.
double ContrastRatio(const QColor& a, const QColor& b);
// Black or white, whichever reads better on background.
QColor ReadableOn(const QColor& background);

// Bounds saved on another screen or at another scale, shrunk to fit area and moved wholly
// inside it.
QRect KeptOnScreen(const QRect& saved, const QRect& area);

}  // namespace vorlix::shell
