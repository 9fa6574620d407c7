// A plain window for now: its own commands come with the rest of the desktop program.
#include "spellingdlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vorlix::shell {

TSpellingDlg::TSpellingDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TSpellingDlg"));
    setWindowTitle(QStringLiteral("Spelling"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Checks the spelling of every text of the puzzle."), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 160);
}

}  // namespace vorlix::shell
