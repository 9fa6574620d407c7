// The "About" page: the program's name and version, help, licence, credits, where to report
// a problem, and the system line.
#pragma once

#include "page.h"

namespace vorlix::shell {

// "OS:  " + the system's name and version + " (admin)" or " (non admin)".
QString OperatingSystemLine();
QString LicenceText();
QString CreditsText();
QString ReportProblemText();
// What a problem report should carry: version, system and Qt, one per line.
QString ProblemReportDetails();

class TAboutPage : public TPage {
    Q_OBJECT
public:
    explicit TAboutPage(IPageHost& host);
};

}  // namespace vorlix::shell
