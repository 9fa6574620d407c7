// The "About" page: the program's name and version, help, and the system line.
#pragma once

#include "page.h"

namespace vorlix::shell {

// "OS:  " + the system's name and version + " (admin)" or " (non admin)".
QString OperatingSystemLine();

class TAboutPage : public TPage {
    Q_OBJECT
public:
    explicit TAboutPage(IPageHost& host);
};

}  // namespace vorlix::shell
