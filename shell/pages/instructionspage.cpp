#include "instructionspage.h"

namespace vorlix::shell {

TInstructionsPage::TInstructionsPage(TWebFm& main)
    : TPage(main, QStringLiteral("Instructions"), QStringLiteral("Instructions_Bnr"), QStringLiteral("Instructions")) {}

}  // namespace vorlix::shell
