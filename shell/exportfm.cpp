// A plain window for now: its own commands come with the rest of the desktop program.
#include "exportfm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vorlix::shell {

TExportFm::TExportFm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TExportFm"));
    setWindowTitle(QStringLiteral("Export"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Export the puzzle as a web page, as text or as a picture."), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 160);
}

}  // namespace vorlix::shell
