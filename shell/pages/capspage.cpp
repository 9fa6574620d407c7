// The "Caps" page: four capitalization choices; a click stores the choice in the engine settings.
#include "capspage.h"

#include <array>

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "link.h"
#include "puzzlemodel.h"
#include "pagehost.h"
#include "services.h"

namespace vorlix::shell {

namespace {

struct TCapsChoice {
    const char* Name;
    const char* Caption;
};

// Indexed by TCapitalization.
constexpr std::array<TCapsChoice, 4> CapsChoices{{
    {"Cap_AllUpperRB", "All capitals letters"},
    {"Cap_AllLowerRB", "All lower case letters"},
    {"Cap_FirstLetterRB",
     "First letters only -- Only the first letter of each word (or compound) word is capitalized."},
    {"Cap_AsGivenRB",
     "As given, plus decoys -- Capitalize the letters in the puzzle exactly as given in the word list."},
}};

}  // namespace

TCapsPage::TCapsPage(IPageHost& host)
    : TPage(host, QStringLiteral("Caps"), QStringLiteral("Caps_Bnr"), QStringLiteral("Capitalization")) {
    MakeText(QStringLiteral("Caps_IntroLbl"),
             QStringLiteral("Choose how the letters in the grid are written. Capitals are the easiest for "
                            "young solvers to read. The choice takes effect the next time the puzzle is "
                            "created."),
             Body());

    choices_ = new QButtonGroup(this);
    choices_->setExclusive(true);
    auto* column = new QVBoxLayout;
    column->setSpacing(12);
    for (std::size_t i = 0; i < CapsChoices.size(); ++i) {
        const QString caption = QString::fromUtf8(CapsChoices[i].Caption);
        MakeRadio(QString::fromLatin1(CapsChoices[i].Name), caption, choices_, static_cast<int>(i), column);
    }
    connect(choices_, &QButtonGroup::idClicked, this,
            [this](int id) { Model().ChooseCapitalization(static_cast<TCapitalization>(id)); });
    Body()->addLayout(column);

    Body()->addSpacing(6);
    auto* cluesRow = new QHBoxLayout;
    cluesRow->setSpacing(4);
    MakeText(QStringLiteral("Caps_CluesLbl"),
             QStringLiteral("To show clues under the grid instead of the words themselves, use the"), cluesRow)
        ->setWordWrap(false);
    MakeLink(QStringLiteral("Caps_CluesLnk"), QStringLiteral("clues option"),
             [this] { Host().TurnPage(QStringLiteral("Type_")); }, cluesRow);
    MakeText(QStringLiteral("Caps_CluesEndLbl"), QStringLiteral("of the puzzle type page."), cluesRow)->setWordWrap(false);
    cluesRow->addStretch(1);
    Body()->addLayout(cluesRow);

    auto* buttons = new QHBoxLayout;
    MakeCreateNowButton(QStringLiteral("Caps_CreateNowBtn"), buttons);
    MakeContinueButton(QStringLiteral("Caps_ContinueBtn"), buttons);
    buttons->addStretch(1);
    Body()->addSpacing(8);
    Body()->addLayout(buttons);
    Body()->addStretch(1);

    LoadFromModel();
}

void TCapsPage::LoadFromModel() {
    const QSignalBlocker block(choices_);
    if (QAbstractButton* b = choices_->button(static_cast<int>(Model().Capitalization()))) b->setChecked(true);
}

}  // namespace vorlix::shell
