#include "printpage.h"

namespace vorlix::shell {

TPrintPage::TPrintPage(TWebFm& main)
    : TPage(main, QStringLiteral("Print"), QStringLiteral("Print_Bnr"), QStringLiteral("Print")) {}

}  // namespace vorlix::shell
