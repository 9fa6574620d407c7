// The "Pref" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TPrefPage : public TPage {
    Q_OBJECT
public:
    explicit TPrefPage(TWebFm& main);
};

}  // namespace vorlix::shell
