// A plain window for now: its own commands come with the rest of the desktop program.
#include "importfm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vorlix::shell {

TImportFm::TImportFm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TImportFm"));
    setWindowTitle(QStringLiteral("Import Word List"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Word lists are imported from the Design page's import link."), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 160);
}

}  // namespace vorlix::shell
