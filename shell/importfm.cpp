// The "Import Word List" window.
#include "importfm.h"

#include "plainwindow.h"

namespace vorlix::shell {

TImportFm::TImportFm(QWidget* parent) : QDialog(parent) {
    BuildPlainWindow(*this, QStringLiteral("TImportFm"), QStringLiteral("Import Word List"),
                     QStringLiteral("Word lists are imported from the Design page's import link."));
}

}  // namespace vorlix::shell
