// The "Home" page: the two large panels and the links to the tour, questions, About and
// the preferences.
#pragma once

#include "page.h"

namespace vorlix::shell {

class THomePage : public TPage {
    Q_OBJECT
public:
    explicit THomePage(IPageHost& host);
};

}  // namespace vorlix::shell
