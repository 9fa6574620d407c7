#include "creditspage.h"

namespace vorlix::shell {

TCreditsPage::TCreditsPage(TWebFm& main)
    : TPage(main, QStringLiteral("Credits"), QStringLiteral("Credits_Bnr"), QStringLiteral("Credits Line")) {}

}  // namespace vorlix::shell
