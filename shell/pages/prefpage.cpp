#include "prefpage.h"

namespace vorlix::shell {

TPrefPage::TPrefPage(TWebFm& main)
    : TPage(main, QStringLiteral("Pref"), QStringLiteral("Pref_Bnr"), QStringLiteral("Personalize")) {}

}  // namespace vorlix::shell
