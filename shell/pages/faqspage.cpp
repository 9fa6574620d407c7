#include "faqspage.h"

namespace vorlix::shell {

TFaqsPage::TFaqsPage(TWebFm& main)
    : TPage(main, QStringLiteral("FAQs"), QStringLiteral("FAQs_Bnr"), QStringLiteral("Frequently Asked Questions")) {}

}  // namespace vorlix::shell
