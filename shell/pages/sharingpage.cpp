// The "Sharing" page: five levels, each with a hint beside it; a click stores the level.
#include "sharingpage.h"

#include <array>

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

#include "puzzlemodel.h"
#include "pagehost.h"
#include "services.h"

namespace vorlix::shell {

namespace {

struct TSharingChoice {
    const char* Name;
    const char* Caption;
    const char* Hint;
};

// Indexed by sharing level.
constexpr std::array<TSharingChoice, 5> SharingChoices{{
    {"ShareNoCrossRB", "Don't allow words to cross or share letters.", "Good choice for young children."},
    {"ShareCrossRB", "Allow words to cross without sharing letters.", "The variety creates a better puzzle. "},
    {"ShareIntersectRB", "Allow words to cross and share up to one letter.",
     "Best choice for balancing simplicity and variety."},
    {"ShareSomeRB", "Allow words to cross or overlap and share a few of their letters.",
     "This can make a compact puzzle with a lot of words."},
    {"ShareAllRB", "Allow words to cross, overlap and be completely inside one another.",
     "This can create a few challenging spots, sometimes."},
}};

}  // namespace

TSharingPage::TSharingPage(IPageHost& host)
    : TPage(host, QStringLiteral("Sharing"), QStringLiteral("Sharing_Bnr"),
            QStringLiteral("Word Crossing and Letter Sharing")) {
    MakeText(QStringLiteral("Sharing_IntroLbl"),
             QStringLiteral("Choose how freely the words may run into one another. Words that never touch are "
                            "easy to spot; words that cross and share letters pack the grid tighter and make "
                            "the puzzle more interesting."),
             Body());

    choices_ = new QButtonGroup(this);
    choices_->setExclusive(true);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(12);
    grid->setColumnStretch(1, 1);
    for (std::size_t level = 0; level < SharingChoices.size(); ++level) {
        const TSharingChoice& c = SharingChoices[level];
        const QString caption = QString::fromUtf8(c.Caption);
        QRadioButton* radio = MakeRadio(QString::fromLatin1(c.Name), caption, choices_, static_cast<int>(level));
        grid->addWidget(radio, static_cast<int>(level), 0, Qt::AlignVCenter);

        auto* hint = new QLabel(QString::fromUtf8(c.Hint).trimmed(), this);
        hint->setObjectName(QString::fromLatin1(c.Name).replace(QStringLiteral("RB"), QStringLiteral("HintLbl")));
        hint->setWordWrap(true);
        QFont italic = hint->font();
        italic.setItalic(true);
        hint->setFont(italic);
        hint->setForegroundRole(QPalette::PlaceholderText);
        grid->addWidget(hint, static_cast<int>(level), 1, Qt::AlignVCenter);
    }
    // idClicked: user clicks only, also on the choice already checked (it still marks modified).
    connect(choices_, &QButtonGroup::idClicked, this, [this](int level) { Model().ChooseSharingLevel(level); });
    Body()->addLayout(grid);

    MakeText(QStringLiteral("Sharing_NoteLbl"),
             QStringLiteral("The choice takes effect the next time the puzzle is created."), Body());

    auto* buttons = new QHBoxLayout;
    MakeCreateNowButton(QStringLiteral("Sharing_CreateNowBtn"), buttons);
    MakeContinueButton(QStringLiteral("Sharing_ContinueBtn"), buttons);
    buttons->addStretch(1);
    Body()->addSpacing(8);
    Body()->addLayout(buttons);
    Body()->addStretch(1);

    LoadFromModel();
}

void TSharingPage::LoadFromModel() {
    const QSignalBlocker block(choices_);
    if (QAbstractButton* b = choices_->button(Model().SharingLevel())) b->setChecked(true);
}

}  // namespace vorlix::shell
