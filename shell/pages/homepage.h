// The "Home" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class THomePage : public TPage {
    Q_OBJECT
public:
    explicit THomePage(TWebFm& main);
};

}  // namespace vorlix::shell
