// The "Sharing" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TSharingPage : public TPage {
    Q_OBJECT
public:
    explicit TSharingPage(TWebFm& main);
};

}  // namespace vorlix::shell
