// The "Type_" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TTypePage : public TPage {
    Q_OBJECT
public:
    explicit TTypePage(TWebFm& main);
};

}  // namespace vorlix::shell
