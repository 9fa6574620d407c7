// The product logo: a four-by-four letter tile whose diagonal word sits inside a loop.
#include "logo.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vorlix::shell {

namespace {

// The diagonal reads "FIND"; the other letters are filler, as in a real puzzle.
constexpr const char* LogoRows[4] = {"FALE", "TIKS", "BUNO", "REMD"};

}  // namespace

void DrawVorlixLogo(QPainter& painter, const QRectF& bounds) {
    const double side = std::min(bounds.width(), bounds.height());
    if (side <= 0.0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF tile(bounds.center().x() - side / 2.0, bounds.center().y() - side / 2.0, side, side);
    const double radius = side * 0.16;

    // The paper tile with a faint shadow below it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(tile.adjusted(side * 0.02, side * 0.05, side * 0.02, side * 0.03), radius, radius);
    QLinearGradient paper(tile.topLeft(), tile.bottomLeft());
    paper.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    paper.setColorAt(1.0, QColor(0xE4, 0xEA, 0xF6));
    painter.setBrush(paper);
    painter.drawRoundedRect(tile, radius, radius);

    const QRectF grid = tile.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1);
    const double cell = grid.width() / 4.0;

    // The loop around the diagonal word, under the letters.
    painter.save();
    painter.translate(grid.center());
    painter.rotate(45.0);
    const double length = grid.width() * std::sqrt(2.0) - cell * 0.25;
    const QRectF loop(-length / 2.0, -cell * 0.46, length, cell * 0.92);
    painter.setBrush(QColor(0xFF, 0xC8, 0x2E, 150));
    painter.setPen(QPen(QColor(0xE0, 0x7A, 0x00), std::max(1.0, side * 0.035)));
    painter.drawRoundedRect(loop, cell * 0.46, cell * 0.46);
    painter.restore();

    // Letters: very small icons keep only the ringed word readable.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(cell * 0.62))));
    painter.setFont(font);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool ringed = r == c;
            if (side < 24.0 && !ringed) continue;
            painter.setPen(ringed ? QColor(0x00, 0x00, 0x70) : QColor(0x60, 0x6A, 0x88));
            const QRectF box(grid.left() + c * cell, grid.top() + r * cell, cell, cell);
            painter.drawText(box, Qt::AlignCenter, QString(QLatin1Char(LogoRows[r][c])));
        }
    painter.restore();
}

QIcon VorlixIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        DrawVorlixLogo(painter, QRectF(0, 0, size, size).adjusted(size * 0.03, 0, -size * 0.03, -size * 0.06));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vorlix::shell
