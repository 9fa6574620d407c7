// The "Contact Us" window, created at start-up and kept for the whole run.
#pragma once

#include <QDialog>

namespace vorlix::shell {

class TContactUsFm : public QDialog {
    Q_OBJECT
public:
    explicit TContactUsFm(QWidget* parent = nullptr);
};

}  // namespace vorlix::shell
