// The "Dirs" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TDirsPage : public TPage {
    Q_OBJECT
public:
    explicit TDirsPage(TWebFm& main);
};

}  // namespace vorlix::shell
