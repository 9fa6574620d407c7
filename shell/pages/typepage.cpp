#include "typepage.h"

namespace vorlix::shell {

TTypePage::TTypePage(TWebFm& main)
    : TPage(main, QStringLiteral("Type_"), QStringLiteral("Type_Bnr"), QStringLiteral("Puzzle Type")) {}

}  // namespace vorlix::shell
