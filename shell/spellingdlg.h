// The "Spelling" window, created at start-up and kept for the whole run.
#pragma once

#include <QDialog>

namespace vorlix::shell {

class TSpellingDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSpellingDlg(QWidget* parent = nullptr);
};

}  // namespace vorlix::shell
