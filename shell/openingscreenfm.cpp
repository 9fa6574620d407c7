// The splash window: borderless, always on top, ignores input, starts fully transparent.
#include "openingscreenfm.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "logo.h"

namespace vorlix::shell {

namespace {

const QColor SplashBlue(0x00, 0x00, 0x70);

}  // namespace

TOpeningScreenFm::TOpeningScreenFm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TOpeningScreenFm"));
    setAccessibleName(QStringLiteral("Vorlix"));
    setWindowTitle(QStringLiteral("Vorlix"));
    setWindowIcon(VorlixIcon());
    // Only the rounded rectangle is painted; the corners stay see-through.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setEnabled(false);
    setFixedSize(500, 240);
    setWindowOpacity(0.0);
    CentreOnScreen();
}

QString TOpeningScreenFm::Tagline() { return QStringLiteral("Word-search puzzles, made in minutes."); }

void TOpeningScreenFm::CentreOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void TOpeningScreenFm::showEvent(QShowEvent* event) {
    CentreOnScreen();
    QWidget::showEvent(event);
}

void TOpeningScreenFm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0x40, 0x40, 0xB0), 1.0));
    p.setBrush(SplashBlue);
    p.drawRoundedRect(all, 22, 22);

    const double logoSide = height() * 0.52;
    const QRectF logo(height() * 0.22, (height() - logoSide) / 2.0, logoSide, logoSide);
    DrawVorlixLogo(p, logo);

    const QRectF text(logo.right() + 28, 0, width() - logo.right() - 44, height());
    QFont name = font();
    name.setPixelSize(54);
    name.setBold(true);
    p.setFont(name);
    p.setPen(Qt::white);
    const QRectF nameBox(text.left(), height() * 0.24, text.width(), 70);
    p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vorlix"));

    QFont tag = font();
    tag.setPixelSize(16);
    p.setFont(tag);
    p.setPen(QColor(0xD8, 0xDC, 0xFF));
    const QRectF tagBox(text.left(), nameBox.bottom() + 6, text.width(), 50);
    p.drawText(tagBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Tagline());
}

}  // namespace vorlix::shell
