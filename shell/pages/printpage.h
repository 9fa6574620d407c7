// The "Print" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TPrintPage : public TPage {
    Q_OBJECT
public:
    explicit TPrintPage(TWebFm& main);
};

}  // namespace vorlix::shell
