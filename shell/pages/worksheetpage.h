// The "Worksheet" page.
#pragma once

#include "page.h"

namespace vorlix::shell {

class TWorksheetPage : public TPage {
    Q_OBJECT
public:
    explicit TWorksheetPage(TWebFm& main);
};

}  // namespace vorlix::shell
