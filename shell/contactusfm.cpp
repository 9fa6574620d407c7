// The "Contact Us" window.
#include "contactusfm.h"

#include "plainwindow.h"

namespace vorlix::shell {

TContactUsFm::TContactUsFm(QWidget* parent) : QDialog(parent) {
    BuildPlainWindow(*this, QStringLiteral("TContactUsFm"), QStringLiteral("Contact Us"),
                     QStringLiteral("Send a message to the makers of Vorlix."));
}

}  // namespace vorlix::shell
