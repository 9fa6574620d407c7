// The "Export" window.
#include "exportfm.h"

#include "plainwindow.h"

namespace vorlix::shell {

TExportFm::TExportFm(QWidget* parent) : QDialog(parent) {
    BuildPlainWindow(*this, QStringLiteral("TExportFm"), QStringLiteral("Export"),
                     QStringLiteral("Export the puzzle as a web page, as text or as a picture."));
}

}  // namespace vorlix::shell
