// The "Accident" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TAccidentPage : public TPage {
    Q_OBJECT
public:
    explicit TAccidentPage(IPageHost& host);
    void LoadFromModel() override;
};

}  // namespace vorlix::shell
