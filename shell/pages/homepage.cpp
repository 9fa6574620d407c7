#include "homepage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "link.h"
#include "pagehost.h"
#include "puzzlemodel.h"
#include "services.h"

namespace vorlix::shell {

namespace {

const QString HyperlinksHint = QStringLiteral(
    "The hyperlinks are one or more words in a special color and usually underlined. They may also be pictures. "
    "Pointing at a hyperlink changes your pointer to a hand. When you click on a hyperlink, it may show you a hint "
    "or change pages or do a task that it describes.");

}  // namespace

THomePage::THomePage(IPageHost& host)
    : TPage(host, QStringLiteral("Home"), QStringLiteral("Home_Bnr"), QStringLiteral("Welcome to Vorlix")) {
    MakeText(QStringLiteral("Home_WelcomeLbl"),
             QStringLiteral("Make word-search puzzles for your class, your family or your readers: type a list of "
                            "words, choose how they may run, and Vorlix hides them in a grid of letters, ready to "
                            "print, save or share."),
             Body());

    auto* panels = new QHBoxLayout();
    panels->setSpacing(24);
    auto makePanel = [&](const QString& name, const QString& caption, auto action) {
        TLink* panel = MakeLink(name, caption, action, panels);
        panel->SetPanelStyle(true);
        panel->setMinimumSize(240, 130);
        panel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        QFont f = panel->font();
        f.setPointSizeF(f.pointSizeF() * 1.4);
        panel->setFont(f);
        return panel;
    };
    makePanel(QStringLiteral("Home_OpenLnk"), QStringLiteral("Open an Existing Puzzle"),
              [this] { Host().OpenCommand(); });
    makePanel(QStringLiteral("Home_CreateLnk"), QStringLiteral("Create a New Puzzle"),
              [this] { Host().NewCommand(); });
    Body()->addSpacing(8);
    Body()->addLayout(panels);
    Body()->addSpacing(16);

    auto* more = new QGridLayout();
    more->setHorizontalSpacing(12);
    more->setVerticalSpacing(8);
    auto addRow = [&](int row, const QString& name, const QString& caption, const QString& text, auto action) {
        TLink* link = MakeLink(name, caption, action);
        more->addWidget(link, row, 0, Qt::AlignLeft | Qt::AlignTop);
        QLabel* label = MakeText(name + QStringLiteral("Lbl"), text);
        more->addWidget(label, row, 1);
    };
    addRow(0, QStringLiteral("Home_TourLnk"), QStringLiteral("Quick Tour"),
           QStringLiteral("A two-minute walk from a list of words to a printed puzzle."),
           [this] { Host().ShowTour(QStringLiteral("Intro")); });
    addRow(1, QStringLiteral("Home_FAQsLnk"), QStringLiteral("FAQ's"),
           QStringLiteral("Answers to the questions teachers ask most."),
           [this] { Host().OpenMapPage(QStringLiteral("FAQs"), findChild<QWidget*>(QStringLiteral("Home_FAQsLnk"))); });
    addRow(2, QStringLiteral("Home_AboutLnk"), QStringLiteral("About"),
           QStringLiteral("The version of Vorlix and where to get help."),
           [this] { Host().OpenMapPage(QStringLiteral("About"), findChild<QWidget*>(QStringLiteral("Home_AboutLnk"))); });
    addRow(3, QStringLiteral("Home_PrefLnk"), QStringLiteral("Personalize"),
           QStringLiteral("Colours, text size and the options every new puzzle starts with."),
           [this] { Host().OpenMapPage(QStringLiteral("Pref"), findChild<QWidget*>(QStringLiteral("Home_PrefLnk"))); });
    addRow(4, QStringLiteral("Home_HyperlinkLnk"), QStringLiteral("hyperlinks"),
           QStringLiteral("New to links like these? Click to learn how they work."), [this] {
               auto* link = findChild<QWidget*>(QStringLiteral("Home_HyperlinkLnk"));
               Host().ShowHintBeside(link, HyperlinksHint, 20);
           });
    more->setColumnStretch(1, 1);
    Body()->addLayout(more);
    Body()->addStretch(1);
}

}  // namespace vorlix::shell
