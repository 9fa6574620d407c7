// The "FAQs" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TFaqsPage : public TPage {
    Q_OBJECT
public:
    explicit TFaqsPage(TWebFm& main);
};

}  // namespace vorlix::shell
