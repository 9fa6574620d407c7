// The one link widget: a label that acts on click and on Enter, highlights on hover and
// focus, and reads as a link to screen readers.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>

namespace vorlix::shell {

class TLink : public QLabel {
    Q_OBJECT
public:
    // name is the control's name (it contains "Lnk"); caption its text and accessible name.
    TLink(const QString& name, const QString& caption, QWidget* parent = nullptr);

    // Colours from the colour scheme: text, hover background; underline when not highlighted.
    void SetLinkColours(const QColor& text, const QColor& hoverBackground, bool underlineAlways);
    QColor TextColour() const { return textColour_; }
    void SetTextColour(const QColor& colour);  // the current-page colour of Program Map links
    bool UnderlineAlways() const { return underlineAlways_; }
    // A large Home-page panel: a rounded frame shows the highlight; frame is the page colour.
    void SetPanelStyle(bool panel, const QColor& pageBackground = Qt::white);
    bool IsPanel() const { return panel_; }

    void SetHighlighted(bool on);
    bool Highlighted() const { return highlighted_; }
    // Acts as a click; disabled links do nothing.
    void Activate();

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyLook();

    QColor textColour_{0, 0, 255};
    QColor hoverBackground_{0xE0, 0xE0, 0xE0};
    QColor pageBackground_{Qt::white};
    bool underlineAlways_ = true;
    bool highlighted_ = false;
    bool panel_ = false;
    bool pressed_ = false;
};

// Keeps at most one link highlighted: the control under the mouse or with the focus.
// Installed once on the application.
class TLinkHighlighter : public QObject {
    Q_OBJECT
public:
    explicit TLinkHighlighter(QObject* parent = nullptr);
    TLink* Current() const { return current_; }
    void Clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Touch(QWidget* widget);
    QPointer<TLink> current_;
};

// Every link of the widget's tree.
QList<TLink*> LinksOf(QWidget* root);

}  // namespace vorlix::shell
