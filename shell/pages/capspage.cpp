#include "capspage.h"

namespace vorlix::shell {

TCapsPage::TCapsPage(TWebFm& main)
    : TPage(main, QStringLiteral("Caps"), QStringLiteral("Caps_Bnr"), QStringLiteral("Capitalization")) {}

}  // namespace vorlix::shell
