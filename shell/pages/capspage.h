// The "Caps" page: how the letters of the grid are capitalized.
#pragma once

#include "page.h"

class QButtonGroup;

namespace vorlix::shell {

class TCapsPage : public TPage {
    Q_OBJECT
public:
    explicit TCapsPage(IPageHost& host);

    void LoadFromModel() override;

private:
    QButtonGroup* choices_ = nullptr;  // button id = TCapitalization value
};

}  // namespace vorlix::shell
