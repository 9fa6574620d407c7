// The "Pref" page: favourite puzzle options (Memorize) and matters of convenience and taste.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TPrefPage : public TPage {
    Q_OBJECT
public:
    explicit TPrefPage(IPageHost& host);
    void LoadFromModel() override;
};

}  // namespace vorlix::shell
