// The "Export" window, created at start-up and kept for the whole run.
#pragma once

#include <QDialog>

namespace vorlix::shell {

class TExportFm : public QDialog {
    Q_OBJECT
public:
    explicit TExportFm(QWidget* parent = nullptr);
};

}  // namespace vorlix::shell
