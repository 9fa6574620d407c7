// The floating hint window: one short text beside a control, closed by its timer, its
// Close link, Escape or a click elsewhere.
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace vorlix::shell {

class TLink;

class THintFm : public QWidget {
    Q_OBJECT
public:
    explicit THintFm(QWidget* parent = nullptr);
    // Places the window for the screen point (x, y) and closes it after seconds.
    void ShowHint(const QString& text, int x, int seconds, int y);
    void CloseHint();
    QString Text() const;
    QTimer& Timer() { return timer_; }
    // Where ShowHint puts the window for a screen of that size.
    static QPoint PlaceFor(int x, int y, QSize window, QSize screen);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QLabel* text_;
    TLink* close_;
    QTimer timer_;
};

}  // namespace vorlix::shell
