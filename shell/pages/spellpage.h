// The "Spell" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TSpellPage : public TPage {
    Q_OBJECT
public:
    explicit TSpellPage(IPageHost& host);
    void LoadFromModel() override;
};

}  // namespace vorlix::shell
