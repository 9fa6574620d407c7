// The "Instructions" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TInstructionsPage : public TPage {
    Q_OBJECT
public:
    explicit TInstructionsPage(TWebFm& main);
};

}  // namespace vorlix::shell
