// The About page: version, licence, credits, where to report a problem and the system.
#include "aboutpage.h"

#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSysInfo>
#include <QVBoxLayout>

#include "link.h"
#include "pagehost.h"
#include "puzzlemodel.h"
#include "services.h"

namespace vorlix::shell {

QString OperatingSystemLine() {
    const bool admin = ::geteuid() == 0;
    return QStringLiteral("OS:  ") + QSysInfo::prettyProductName() + QStringLiteral(" (") +
           QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion() + QLatin1Char(')') +
           (admin ? QStringLiteral(" (admin)") : QStringLiteral(" (non admin)"));
}

QString LicenceText() {
    return QStringLiteral(
        "Licence: Vorlix is free software; you may use, copy, change and share it under the terms of the GNU "
        "General Public License, version 3 or any later version. It comes with no warranty.");
}

QString CreditsText() {
    return QStringLiteral(
        "Credits: puzzles are printed in the Liberation fonts (Red Hat, SIL Open Font License), Comic Neue "
        "(Craig Rozynski, SIL Open Font License) and Noto (Google, SIL Open Font License). "
        "The spelling dictionary is made from the wamerican word list of SCOWL (Kevin Atkinson and others, "
        "free to use, change and share). Vorlix is built with Qt and ICU.");
}

QString ReportProblemText() {
    return QStringLiteral(
        "Found a problem? Note what you did, what you expected and what happened, keep the puzzle file if you "
        "can, and send it with the details below to whoever gave you Vorlix: the maintainer of your "
        "distribution's package, or your school's IT support. \"Copy details\" puts the version and system on "
        "the clipboard for your message.");
}

QString ProblemReportDetails() {
    return QStringLiteral("Vorlix ") + QStringLiteral(VORLIX_VERSION) + QLatin1Char('\n') + OperatingSystemLine() +
           QStringLiteral("\nQt ") + QString::fromLatin1(qVersion()) + QLatin1Char('\n');
}

TAboutPage::TAboutPage(IPageHost& host)
    : TPage(host, QStringLiteral("About"), QStringLiteral("About_Bnr"), QStringLiteral("About Vorlix")) {
    auto* name = MakeText(QStringLiteral("About_NameLbl"), QStringLiteral("Vorlix ") + QStringLiteral(VORLIX_VERSION),
                          Body());
    QFont f = name->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    name->setFont(f);
    MakeText(QStringLiteral("About_PurposeLbl"),
             QStringLiteral("The word-search puzzle maker for teachers, parents and puzzle writers. Type or import "
                            "your words, choose the options, and print, save or export the finished puzzle with its "
                            "solution."),
             Body());
    MakeText(QStringLiteral("About_HelpLbl"),
             QStringLiteral("Help: press F1 for the manual; the Quick Tour and the questions page answer most "
                            "questions. Puzzles made with Vorlix are yours to print and share."),
             Body());
    MakeText(QStringLiteral("About_LicenceLbl"), LicenceText(), Body());
    MakeText(QStringLiteral("About_CreditsLbl"), CreditsText(), Body());
    MakeText(QStringLiteral("About_ReportLbl"), ReportProblemText(), Body());
    auto* links = new QHBoxLayout();
    MakeLink(QStringLiteral("About_TourLnk"), QStringLiteral("Quick Tour"),
             [this] { Host().ShowTour(QStringLiteral("Intro")); }, links);
    MakeLink(QStringLiteral("About_FAQsLnk"), QStringLiteral("FAQ's"),
             [this] { Host().TurnPage(QStringLiteral("FAQs")); }, links);
    MakeLink(QStringLiteral("About_CopyDetailsLnk"), QStringLiteral("Copy details for a problem report"), [] {
        if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(ProblemReportDetails());
    }, links);
    links->addStretch(1);
    Body()->addLayout(links);
    Body()->addSpacing(12);
    MakeText(QStringLiteral("About_OSLbl"), OperatingSystemLine(), Body());
    MakeText(QStringLiteral("About_QtLbl"), QStringLiteral("Built with Qt ") + QString::fromLatin1(qVersion()), Body());
    Body()->addStretch(1);
}

}  // namespace vorlix::shell
