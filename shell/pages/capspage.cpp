// The "Caps" page: four capitalization choices; a click stores the choice in the engine settings.
// Below them the list's language and the filler mode, each a list with a line on what it does.
#include "capspage.h"

#include <algorithm>
#include <array>

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
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

struct TLanguageChoice {
    const char* Code;
    const char16_t* Caption;
};

// The languages whose letters, case rules, filler alphabet and order the program knows; each
// also named in its own script so its readers find it.
constexpr std::array<TLanguageChoice, 15> LanguageChoices{{
    {"en", u"English"},
    {"es", u"Spanish (espa\u00f1ol)"},
    {"fr", u"French (fran\u00e7ais)"},
    {"de", u"German (Deutsch)"},
    {"it", u"Italian (italiano)"},
    {"pt", u"Portuguese (portugu\u00eas)"},
    {"tr", u"Turkish (T\u00fcrk\u00e7e)"},
    {"ru", u"Russian (\u0440\u0443\u0441\u0441\u043a\u0438\u0439)"},
    {"uk", u"Ukrainian (\u0443\u043a\u0440\u0430\u0457\u043d\u0441\u044c\u043a\u0430)"},
    {"el", u"Greek (\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac)"},
    {"he", u"Hebrew (\u05e2\u05d1\u05e8\u05d9\u05ea)"},
    {"ar", u"Arabic (\u0627\u0644\u0639\u0631\u0628\u064a\u0629)"},
    {"hi", u"Hindi (\u0939\u093f\u0928\u094d\u0926\u0940)"},
    {"ko", u"Korean (\ud55c\uad6d\uc5b4)"},
    {"ja", u"Japanese (\u65e5\u672c\u8a9e)"},
}};

struct TFillerChoice {
    TFillerMode Mode;
    const char* Caption;
};

constexpr std::array<TFillerChoice, 3> FillerChoices{{
    {TFillerMode::Automatic, "Automatic: Classic for lists in A-Z, else like the word list"},
    {TFillerMode::Classic, "Classic"},
    {TFillerMode::LikeList, "Like the word list"},
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

    Body()->addSpacing(12);
    BuildLanguageChoices();

    auto* buttons = new QHBoxLayout;
    MakeCreateNowButton(QStringLiteral("Caps_CreateNowBtn"), buttons);
    MakeContinueButton(QStringLiteral("Caps_ContinueBtn"), buttons);
    buttons->addStretch(1);
    Body()->addSpacing(8);
    Body()->addLayout(buttons);
    Body()->addStretch(1);

    LoadFromModel();
}

void TCapsPage::BuildLanguageChoices() {
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(4);
    form->setColumnStretch(2, 1);

    auto* languageLabel = new QLabel(QStringLiteral("Language:"), this);
    languageLabel->setObjectName(QStringLiteral("Caps_LanguageLbl"));
    language_ = new QComboBox(this);
    language_->setObjectName(QStringLiteral("Caps_LanguageCmBx"));
    language_->setAccessibleName(QStringLiteral("Language"));
    language_->addItem(QStringLiteral("Detect from the word list"), QString());
    for (const TLanguageChoice& c : LanguageChoices)
        language_->addItem(QString::fromUtf16(c.Caption), QString::fromLatin1(c.Code));
    language_->setMaxVisibleItems(16);
    languageLabel->setBuddy(language_);
    form->addWidget(languageLabel, 0, 0);
    form->addWidget(language_, 0, 1);
    auto* languageHint = new QHBoxLayout;
    MakeText(QStringLiteral("Caps_LanguageHintLbl"),
             QStringLiteral("The language decides the capital letters (Turkish \u0130, German \u1E9E), the "
                            "filler alphabet and the order of the printed word list."),
             languageHint);
    form->addLayout(languageHint, 1, 1, 1, 2);

    auto* fillerLabel = new QLabel(QStringLiteral("Filler letters:"), this);
    fillerLabel->setObjectName(QStringLiteral("Caps_FillerLbl"));
    filler_ = new QComboBox(this);
    filler_->setObjectName(QStringLiteral("Caps_FillerCmBx"));
    filler_->setAccessibleName(QStringLiteral("Filler letters"));
    for (const TFillerChoice& c : FillerChoices)
        filler_->addItem(QString::fromUtf8(c.Caption), static_cast<int>(c.Mode));
    fillerLabel->setBuddy(filler_);
    form->addWidget(fillerLabel, 2, 0);
    form->addWidget(filler_, 2, 1);
    auto* fillerHint = new QHBoxLayout;
    MakeText(QStringLiteral("Caps_FillerHintLbl"),
             QStringLiteral("Classic fills the free cells with A to Z, leaving out vowels and S. Like the word "
                            "list draws them from the words' own letters, so no letter gives a word away."),
             fillerHint);
    form->addLayout(fillerHint, 3, 1, 1, 2);
    Body()->addLayout(form);

    // activated: only the user's choices reach the model, never the page's own loading.
    connect(language_, &QComboBox::activated, this,
            [this](int index) { Model().SetLanguage(language_->itemData(index).toString()); });
    connect(filler_, &QComboBox::activated, this,
            [this](int index) { Model().SetFillerMode(static_cast<TFillerMode>(filler_->itemData(index).toInt())); });
    connect(&Model().Signals(), &TModelSignals::LanguageChanged, this, &TCapsPage::ShowLanguage);
    connect(&Model().Signals(), &TModelSignals::FillerModeChanged, this, [this] { ShowFiller(); });
}

void TCapsPage::ShowLanguage(const QString& language) {
    const QSignalBlocker block(language_);
    int index = language_->findData(language);
    if (index < 0) {
        // A language from a file or the command line that the list does not name keeps its code.
        language_->addItem(language, language);
        index = language_->count() - 1;
    }
    language_->setCurrentIndex(index);
}

void TCapsPage::ShowFiller() {
    const QSignalBlocker block(filler_);
    filler_->setCurrentIndex(std::max(0, filler_->findData(static_cast<int>(Model().FillerMode()))));
}

void TCapsPage::LoadFromModel() {
    const QSignalBlocker block(choices_);
    if (QAbstractButton* b = choices_->button(static_cast<int>(Model().Capitalization()))) b->setChecked(true);
    ShowLanguage(Model().Language());
    ShowFiller();
}

}  // namespace vorlix::shell
