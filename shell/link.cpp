// Links: click and Enter act, hover and focus highlight, screen readers hear a link.
#include "link.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace vorlix::shell {

namespace {

class TLinkAccessible : public QAccessibleWidget {
public:
    explicit TLinkAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Link) {
        addControllingSignal(QStringLiteral("activated()"));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? static_cast<QLabel*>(widget())->text() : name;
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) static_cast<TLink*>(widget())->Activate();
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.linked = true;
        return s;
    }
};

QAccessibleInterface* LinkFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vorlix::shell::TLink") && object && object->isWidgetType())
        return new TLinkAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(LinkFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace

TLink::TLink(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    InstallAccessibleFactory();
    setObjectName(name);
    setAccessibleName(caption);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setContentsMargins(2, 1, 2, 1);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    ApplyLook();
}

void TLink::SetLinkColours(const QColor& text, const QColor& hoverBackground, bool underlineAlways) {
    textColour_ = text;
    hoverBackground_ = hoverBackground;
    underlineAlways_ = underlineAlways;
    ApplyLook();
}

void TLink::SetTextColour(const QColor& colour) {
    textColour_ = colour;
    ApplyLook();
}

void TLink::SetPanelStyle(bool panel, const QColor& pageBackground) {
    panel_ = panel;
    pageBackground_ = pageBackground;
    setAlignment(panel ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (panel) setContentsMargins(24, 24, 24, 24);
    ApplyLook();
}

void TLink::SetHighlighted(bool on) {
    if (highlighted_ == on) return;
    highlighted_ = on;
    ApplyLook();
}

void TLink::Activate() {
    if (!isEnabled()) return;
    emit activated();
}

void TLink::ApplyLook() {
    QPalette p = palette();
    const QColor text = isEnabled() ? textColour_ : QColor(128, 128, 128);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, hoverBackground_);
    setPalette(p);
    QFont f = font();
    f.setUnderline(highlighted_ || (underlineAlways_ && !panel_));
    f.setBold(panel_);
    setFont(f);
    // Panels show their highlight as a frame; other links as an opaque background.
    setAutoFillBackground(highlighted_ && !panel_);
    update();
}

void TLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    QLabel::mousePressEvent(event);
}

void TLink::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) Activate();
}

void TLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        Activate();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TLink::paintEvent(QPaintEvent* event) {
    if (panel_) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(highlighted_ ? hoverBackground_ : pageBackground_, 8);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(4, 4, -4, -4), 32, 32);
    }
    QLabel::paintEvent(event);
    if (hasFocus() && !panel_) {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TLink::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) ApplyLook();
    QLabel::changeEvent(event);
}

TLinkHighlighter::TLinkHighlighter(QObject* parent) : QObject(parent) {}

void TLinkHighlighter::Clear() {
    if (current_) current_->SetHighlighted(false);
    current_ = nullptr;
}

void TLinkHighlighter::Touch(QWidget* widget) {
    TLink* link = qobject_cast<TLink*>(widget);
    if (current_ && current_ != link) Clear();
    if (link && link->isEnabled()) {
        link->SetHighlighted(true);
        current_ = link;
    }
}

bool TLinkHighlighter::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Enter || event->type() == QEvent::FocusIn) && watched->isWidgetType())
        Touch(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

QList<TLink*> LinksOf(QWidget* root) {
    QList<TLink*> links = root->findChildren<TLink*>();
    if (auto* self = qobject_cast<TLink*>(root)) links.prepend(self);
    return links;
}

}  // namespace vorlix::shell
