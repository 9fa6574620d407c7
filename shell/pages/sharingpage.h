// The "Sharing" page: how far words may cross and share letters.
#pragma once

#include "page.h"

class QButtonGroup;

namespace vorlix::shell {

class TSharingPage : public TPage {
    Q_OBJECT
public:
    explicit TSharingPage(IPageHost& host);

    void LoadFromModel() override;

private:
    QButtonGroup* choices_ = nullptr;  // button id = sharing level
};

}  // namespace vorlix::shell
