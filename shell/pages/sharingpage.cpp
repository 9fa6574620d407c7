#include "sharingpage.h"

namespace vorlix::shell {

TSharingPage::TSharingPage(TWebFm& main)
    : TPage(main, QStringLiteral("Sharing"), QStringLiteral("Sharing_Bnr"), QStringLiteral("Word Crossing and Letter Sharing")) {}

}  // namespace vorlix::shell
