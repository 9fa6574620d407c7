// The "Appearance" window.
#include "layoutfm.h"

#include "plainwindow.h"

namespace vorlix::shell {

TLayoutFm::TLayoutFm(QWidget* parent) : QDialog(parent) {
    BuildPlainWindow(*this, QStringLiteral("TLayoutFm"), QStringLiteral("Appearance"),
                     QStringLiteral("The appearance settings (fonts, margin, frame, solution style and word-list columns) are chosen here."));
}

}  // namespace vorlix::shell
