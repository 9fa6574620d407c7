#include "aboutpage.h"

namespace vorlix::shell {

TAboutPage::TAboutPage(TWebFm& main)
    : TPage(main, QStringLiteral("About"), QStringLiteral("About_Bnr"), QStringLiteral("About Vorlix")) {}

}  // namespace vorlix::shell
