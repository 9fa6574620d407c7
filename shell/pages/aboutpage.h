// The "About" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TAboutPage : public TPage {
    Q_OBJECT
public:
    explicit TAboutPage(TWebFm& main);
};

}  // namespace vorlix::shell
