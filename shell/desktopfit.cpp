// The pages' palette and the on-screen rule for window bounds.
#include "desktopfit.h"

#include <algorithm>
#include <cmath>

namespace vorlix::shell {

namespace {

double Linear(double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& background) {
    return ContrastRatio(background, Qt::black) >= ContrastRatio(background, Qt::white) ? QColor(Qt::black)
                                                                                         : QColor(Qt::white);
}

// The pages carry their own light palette rather than adapting the colour schemes: the
// schemes, the printed sheet and the previews are all light, and a page drawn partly from
// the desktop's dark palette showed white text on them.
QPalette SurfacePalette(const QColor& window) {
    const QColor text = ReadableOn(window);
    const QColor muted(0x6E, 0x6E, 0x6E);
    QPalette p;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, disabled ? muted : text);
        p.setColor(group, QPalette::Base, disabled ? QColor(0xF0, 0xF0, 0xF0) : QColor(Qt::white));
        p.setColor(group, QPalette::AlternateBase, QColor(0xF5, 0xF5, 0xF5));
        p.setColor(group, QPalette::Text, disabled ? muted : QColor(Qt::black));
        p.setColor(group, QPalette::PlaceholderText, muted);
        p.setColor(group, QPalette::Button, QColor(0xE8, 0xE8, 0xE8));
        p.setColor(group, QPalette::ButtonText, disabled ? muted : QColor(Qt::black));
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::Light, Qt::white);
        p.setColor(group, QPalette::Midlight, QColor(0xF0, 0xF0, 0xF0));
        p.setColor(group, QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
        p.setColor(group, QPalette::Dark, QColor(0x80, 0x80, 0x80));
        p.setColor(group, QPalette::Shadow, QColor(0x40, 0x40, 0x40));
        p.setColor(group, QPalette::Highlight, disabled ? QColor(0xC8, 0xC8, 0xC8) : QColor(0x30, 0x6C, 0xC0));
        p.setColor(group, QPalette::HighlightedText, disabled ? QColor(Qt::black) : QColor(Qt::white));
        p.setColor(group, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE0));
        p.setColor(group, QPalette::ToolTipText, Qt::black);
        p.setColor(group, QPalette::Link, QColor(0x00, 0x00, 0xEE));
        p.setColor(group, QPalette::LinkVisited, QColor(0x55, 0x1A, 0x8B));
    }
    return p;
}

QRect KeptOnScreen(const QRect& saved, const QRect& area) {
    if (area.isEmpty()) return saved;
    const QSize size(std::clamp(saved.width(), 1, area.width()), std::clamp(saved.height(), 1, area.height()));
    const int left = std::clamp(saved.left(), area.left(), area.right() + 1 - size.width());
    const int top = std::clamp(saved.top(), area.top(), area.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

}  // namespace vorlix::shell
