#include "homepage.h"

namespace vorlix::shell {

THomePage::THomePage(TWebFm& main)
    : TPage(main, QStringLiteral("Home"), QStringLiteral("Home_Bnr"), QStringLiteral("Welcome to Vorlix")) {}

}  // namespace vorlix::shell
