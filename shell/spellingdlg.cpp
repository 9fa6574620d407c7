// The "Spelling" window.
#include "spellingdlg.h"

#include "plainwindow.h"

namespace vorlix::shell {

TSpellingDlg::TSpellingDlg(QWidget* parent) : QDialog(parent) {
    BuildPlainWindow(*this, QStringLiteral("TSpellingDlg"), QStringLiteral("Spelling"),
                     QStringLiteral("Checks the spelling of every text of the puzzle."));
}

}  // namespace vorlix::shell
