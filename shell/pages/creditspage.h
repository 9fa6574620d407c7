// The "Credits" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TCreditsPage : public TPage {
    Q_OBJECT
public:
    explicit TCreditsPage(TWebFm& main);
};

}  // namespace vorlix::shell
