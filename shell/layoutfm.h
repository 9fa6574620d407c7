// The "Appearance" window, created at start-up and kept for the whole run.
#pragma once

#include <QDialog>

namespace vorlix::shell {

class TLayoutFm : public QDialog {
    Q_OBJECT
public:
    explicit TLayoutFm(QWidget* parent = nullptr);
};

}  // namespace vorlix::shell
