// A plain window for now: its own commands come with the rest of the desktop program.
#include "plainwindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vorlix::shell {

void BuildPlainWindow(QDialog& window, const QString& name, const QString& title, const QString& text) {
    window.setObjectName(name);
    window.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(text, &window);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    window.resize(420, 160);
}

}  // namespace vorlix::shell
