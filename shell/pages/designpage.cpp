#include "designpage.h"

namespace vorlix::shell {

TDesignPage::TDesignPage(TWebFm& main)
    : TPage(main, QStringLiteral("Design"), QStringLiteral("Words_Bnr"),
            QStringLiteral("Design Puzzle:  Your Words and Other Content")) {}

void TDesignPage::Enter() {}
void TDesignPage::LoadFromModel() {}
void TDesignPage::PuzzleTypeChanged() {}
QWidget* TDesignPage::WordsMemoWidget() const { return nullptr; }

}  // namespace vorlix::shell
