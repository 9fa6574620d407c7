#include "aboutpage.h"

#include <unistd.h>

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
             QStringLiteral("Help: the Quick Tour and the questions page answer most questions. Puzzles made with "
                            "Vorlix are yours to print and share."),
             Body());
    auto* links = new QHBoxLayout();
    MakeLink(QStringLiteral("About_TourLnk"), QStringLiteral("Quick Tour"),
             [this] { Host().ShowTour(QStringLiteral("Intro")); }, links);
    MakeLink(QStringLiteral("About_FAQsLnk"), QStringLiteral("FAQ's"),
             [this] { Host().TurnPage(QStringLiteral("FAQs")); }, links);
    links->addStretch(1);
    Body()->addLayout(links);
    Body()->addSpacing(12);
    MakeText(QStringLiteral("About_OSLbl"), OperatingSystemLine(), Body());
    MakeText(QStringLiteral("About_QtLbl"), QStringLiteral("Built with Qt ") + QString::fromLatin1(qVersion()), Body());
    Body()->addStretch(1);
}

}  // namespace vorlix::shell
