// The "Caps" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TCapsPage : public TPage {
    Q_OBJECT
public:
    explicit TCapsPage(TWebFm& main);
};

}  // namespace vorlix::shell
