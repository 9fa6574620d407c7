// The "Import Word List" window, created at start-up and kept for the whole run.
#pragma once

#include <QDialog>

namespace vorlix::shell {

class TImportFm : public QDialog {
    Q_OBJECT
public:
    explicit TImportFm(QWidget* parent = nullptr);
};

}  // namespace vorlix::shell
