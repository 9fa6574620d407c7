#include "dirspage.h"

namespace vorlix::shell {

TDirsPage::TDirsPage(TWebFm& main)
    : TPage(main, QStringLiteral("Dirs"), QStringLiteral("Dirs_Bnr"), QStringLiteral("Word Directions")) {}

}  // namespace vorlix::shell
