// Writes a small word-search picture as EMF and, painted by Qt itself, as PNG, to compare
// what office suites make of the EMF (e.g. libreoffice --headless --convert-to png).
//   QT_QPA_PLATFORM=offscreen emf_sample OUT.emf [OUT.png]
#include <cmath>
#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include "emfpaintdevice.h"

namespace {

constexpr double Dpi = 600;
constexpr double PageInches = 4;
const char* const Rows[] = {"CATXDOGQ", "ZEBRAPLM", "KOWLMICE", "HORSEYAK", "TIGERBEE", "LIONXFOX"};

// Point sizes for a painter whose logical unit is already the point.
QFont Font(const char* family, double points) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points * 72 / Dpi);
    return font;
}

// Logical units are points, as a page painter would use.
void PaintSample(QPainter& p) {
    p.scale(Dpi / 72, Dpi / 72);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, 288, 288), Qt::white);

    QFont title = Font("Liberation Sans", 18);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 8, 288, 30), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Animals – Ζώα"));

    const double cell = 28, left = 32, top = 48;
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(left - 4, top - 4, 8 * cell + 8, 6 * cell + 8));

    p.setFont(Font("Arial", 14));
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 8; ++c)
            p.drawText(QRectF(left + c * cell, top + r * cell, cell, cell), Qt::AlignCenter,
                       QString(QChar(Rows[r][c])));

    // Solution loops: one straight, one diagonal (turned), and a dashed strike-through.
    p.setPen(QPen(QColor(200, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawRoundedRect(QRectF(left + 2, top + 1 * cell + 3, 5 * cell - 4, cell - 6), 11, 11);
    p.save();
    p.translate(left + 0.5 * cell, top + 2.5 * cell);
    p.rotate(45);
    p.drawRoundedRect(QRectF(-cell / 2 + 2, -cell / 2 + 3, 3 * std::sqrt(2.0) * cell - 4, cell - 6), 11, 11);
    p.restore();
    p.setPen(QPen(QColor(0, 110, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left + 4, top + 3.5 * cell), QPointF(left + 5 * cell - 4, top + 3.5 * cell));
    p.setPen(QPen(QColor(0, 0, 180), 1, Qt::DashLine, Qt::FlatCap));
    p.drawLine(QPointF(left, top + 6 * cell + 14), QPointF(left + 8 * cell, top + 6 * cell + 14));

    // A filled circle with an outline, and a hairline.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(250, 250), 16, 16);
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(QPointF(20, 280), QPointF(200, 280));

    // A disc clipped to its left half, and a small picture.
    p.save();
    p.setClipRect(QRectF(196, 234, 16, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 180, 255));
    p.drawEllipse(QPointF(212, 250), 16, 16);
    p.restore();
    QImage checker(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) checker.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 128, 0));
    p.drawImage(QRectF(160, 238, 24, 24), checker);

    QFont words = Font("Liberation Serif", 10);
    words.setItalic(true);
    p.setFont(words);
    p.drawText(QPointF(32, 250), QStringLiteral("CAT  ZEBRA  HORSE  ΛΕΩΝ"));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: emf_sample OUT.emf [OUT.png]\n");
        return 2;
    }
    const QSize size(int(PageInches * Dpi), int(PageInches * Dpi));
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || !vorlix::WriteEmf(file, size, Dpi, PaintSample) || !file.commit()) {
        std::fprintf(stderr, "emf_sample: cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc > 2) {
        QImage image(size, QImage::Format_RGB32);
        image.setDotsPerMeterX(int(Dpi / 0.0254));
        image.setDotsPerMeterY(int(Dpi / 0.0254));
        QPainter p(&image);
        PaintSample(p);
        p.end();
        if (!image.save(QString::fromLocal8Bit(argv[2]))) return 1;
    }
    return 0;
}
