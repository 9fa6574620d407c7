// A plain window for now: its own commands come with the rest of the desktop program.
#include "layoutfm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vorlix::shell {

TLayoutFm::TLayoutFm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TLayoutFm"));
    setWindowTitle(QStringLiteral("Appearance"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("The appearance settings (fonts, margin, frame, solution style and word-list columns) are chosen here."), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 160);
}

}  // namespace vorlix::shell
