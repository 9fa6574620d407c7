// A plain window for now: its own commands come with the rest of the desktop program.
#include "contactusfm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vorlix::shell {

TContactUsFm::TContactUsFm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TContactUsFm"));
    setWindowTitle(QStringLiteral("Contact Us"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Send a message to the makers of Vorlix."), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 160);
}

}  // namespace vorlix::shell
