// The splash window shown while the program starts: the logo and the name on dark blue.
#pragma once

#include <QWidget>

namespace vorlix::shell {

class TOpeningScreenFm : public QWidget {
    Q_OBJECT
public:
    explicit TOpeningScreenFm(QWidget* parent = nullptr);
    static QString Tagline();
    // Puts the window in the middle of its screen's available area.
    void CentreOnScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

}  // namespace vorlix::shell
