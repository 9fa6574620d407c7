// The floating hint: shown without taking the keyboard, so typing goes on; a click
// anywhere else, Escape, its Close link or its timer hide it.
#include "hintfm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "desktopfit.h"
#include "link.h"

namespace vorlix::shell {

namespace {

constexpr int ClientWidth = 292;
constexpr int ClientHeight = 91;
constexpr int Margin = 4;
constexpr int CloseLeft = 236;
constexpr int CloseTop = 65;
const QColor LightYellow(0xFF, 0xFF, 0xE0);

// Closes the hint on a click outside it or on Escape anywhere in the program.
class TOutsideClickFilter : public QObject {
public:
    explicit TOutsideClickFilter(THintFm* hint) : QObject(hint), hint_(hint) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!hint_->isVisible()) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(event);
            if (!hint_->frameGeometry().contains(me->globalPosition().toPoint())) hint_->CloseHint();
        } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
                   watched->isWidgetType()) {
            hint_->CloseHint();
            return true;
        }
        return false;
    }

private:
    THintFm* hint_;
};

}  // namespace

THintFm::THintFm(QWidget* parent) : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("THintFm"));
    setAccessibleName(QStringLiteral("Hint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    setPalette(SurfacePalette(LightYellow));  // its own colours under any desktop theme

    auto* border = new QWidget(this);
    border->setObjectName(QStringLiteral("BorderPanel"));
    border->setGeometry(0, 0, ClientWidth, ClientHeight);
    auto* margin = new QWidget(border);
    margin->setObjectName(QStringLiteral("MarginPanel"));
    margin->setGeometry(Margin, Margin, ClientWidth - 2 * Margin, ClientHeight - 2 * Margin);

    text_ = new QLabel(margin);
    text_->setObjectName(QStringLiteral("HintTextLbl"));
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setGeometry(0, 0, 281, 81);
    close_ = new TLink(QStringLiteral("CloseLnk"), QStringLiteral("Close"), margin);
    close_->SetLinkColours(QColor(0, 128, 0), Qt::white, true);
    close_->move(CloseLeft, CloseTop);
    close_->adjustSize();
    connect(close_, &TLink::activated, this, &THintFm::CloseHint);

    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &THintFm::CloseHint);
    qApp->installEventFilter(new TOutsideClickFilter(this));
}

QString THintFm::Text() const { return text_->text(); }  // as shown, line breaks as \n

QPoint THintFm::PlaceFor(int x, int y, QSize window, QSize screen) {
    int left = x - window.width() + CloseLeft;
    if (left < 0) left = 0;
    if (left + window.width() >= screen.width()) left = screen.width() - window.width();
    int top = y + 30;
    if (top < 0) top = 0;
    if (top + window.height() >= screen.height()) top = screen.height() - window.height();
    return {left, top};
}

void THintFm::ShowHint(const QString& text, int x, int seconds, int y) {
    // Hint texts break their lines with a carriage return alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text_->setText(shown);
    // Long hints grow the window downward; the close link stays at the bottom right.
    const int textHeight = std::max(81, text_->heightForWidth(281));
    text_->setFixedHeight(textHeight);
    const int height = ClientHeight + (textHeight - 81) + (textHeight > 81 ? close_->height() : 0);
    setFixedSize(ClientWidth, height);
    findChild<QWidget*>(QStringLiteral("BorderPanel"))->setGeometry(0, 0, ClientWidth, height);
    findChild<QWidget*>(QStringLiteral("MarginPanel"))->setGeometry(Margin, Margin, ClientWidth - 2 * Margin,
                                                                     height - 2 * Margin);
    close_->move(CloseLeft, height - 2 * Margin - (ClientHeight - 2 * Margin - CloseTop));
    timer_.setInterval(seconds * 1000);
    QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1280, 900);
    move(PlaceFor(x, y, size(), screenSize));
    show();
    raise();
    timer_.start();
}

void THintFm::CloseHint() {
    timer_.stop();
    hide();
}

void THintFm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        CloseHint();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool THintFm::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) CloseHint();
    return QWidget::event(event);
}

}  // namespace vorlix::shell
