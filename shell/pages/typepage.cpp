// The "Type_" page: a press moves the marker and the choice follows after a short pause;
// Next hands the choice to the model, Cancel puts back the engine's current type.
#include "typepage.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "link.h"
#include "puzzlemodel.h"
#include "services.h"
#include "pagehost.h"

namespace vorlix::shell {

namespace {

struct TTypeChoice {
    const char* Name;
    const char* Caption;
};

// Indexed by TTypePage::TChoice.
constexpr std::array<TTypeChoice, 4> TypeChoices{{
    {"Type_StandardRB", "Standard Word Search"},
    {"Type_HiddenRB", "Word Search with Hidden Message"},
    {"Type_CluesRB", "Word Search with Clues"},
    {"Type_CluesHiddenRB", "Word Search with Clues and Hidden Message"},
}};

constexpr int PressPauseMs = 250;
// Where the marker stands relative to its choice.
constexpr int MarkerGapX = 8;
constexpr int MarkerDropY = 2;

}  // namespace

TTypePage::TTypePage(IPageHost& host)
    : TPage(host, QStringLiteral("Type_"), QStringLiteral("Type_Bnr"), QStringLiteral("Puzzle Type")) {
    MakeText(QStringLiteral("Type_IntroLbl"),
             QStringLiteral("Choose the kind of puzzle you want to make. A hidden message is spelled out by "
                            "the letters the words leave unused; with clues, the solver reads a clue for "
                            "each word instead of the word itself."),
             Body());

    panel_ = MakeInsetPanel(QStringLiteral("Type_ChoicesPnl"));
    auto* choices = new QVBoxLayout(panel_);
    choices->setSpacing(14);

    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    for (std::size_t i = 0; i < TypeChoices.size(); ++i) {
        const QString caption = QString::fromUtf8(TypeChoices[i].Caption);
        QRadioButton* rb = MakeRadio(QString::fromLatin1(TypeChoices[i].Name), caption, group_, static_cast<int>(i),
                                     nullptr, panel_);
        // The marker goes beside the caption, so a choice is only as wide as its text.
        rb->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        rb->installEventFilter(this);
        choices->addWidget(rb, 0, Qt::AlignLeft);
        choices_[i] = rb;
    }
    // A choice made from the keyboard takes the marker along at once.
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && pendingChoice_ < 0) MoveMarker(id);
    });

    marker_ = new QLabel(QStringLiteral("(Current puzzle type)"), panel_);
    marker_->setObjectName(QStringLiteral("Type_MarkerLbl"));
    marker_->setAccessibleName(marker_->text());
    QFont italic = marker_->font();
    italic.setItalic(true);
    marker_->setFont(italic);
    marker_->adjustSize();
    // Room on the right for the marker beside the longest choice.
    const int markerRoom = marker_->sizeHint().width() + MarkerGapX + 16;
    choices->setContentsMargins(20, 16, markerRoom, 16);

    auto* panelRow = new QHBoxLayout;
    panelRow->addWidget(panel_);
    panelRow->addStretch(1);
    Body()->addLayout(panelRow);

    auto* examples = new QHBoxLayout;
    examples->setSpacing(14);
    QLabel* examplesLbl = MakeText(QStringLiteral("Type_ExamplesLbl"), QStringLiteral("See how clues are typed:"));
    examplesLbl->setWordWrap(false);
    examples->addWidget(examplesLbl);
    MakeLink(QStringLiteral("Type_ExampleLnk"), QStringLiteral("Example"),
             [this] { Host().ShowExample(QStringLiteral("Clues")); }, examples);
    MakeLink(QStringLiteral("Type_AnimatedExampleLnk"), QStringLiteral("Animated Example"),
             [this] { Host().ShowTour(QStringLiteral("Animation")); }, examples);
    examples->addStretch(1);
    Body()->addLayout(examples);

    auto* buttons = new QHBoxLayout;
    next_ = MakeButton(QStringLiteral("Type_NextBtn"), QStringLiteral("Next  >>"), [this] { Next(); }, buttons);
    MakeButton(QStringLiteral("Type_CancelBtn"), QStringLiteral("Cancel"), [this] { Cancel(); }, buttons);
    buttons->addStretch(1);
    Body()->addSpacing(8);
    Body()->addLayout(buttons);
    Body()->addStretch(1);

    LoadFromModel();
}

void TTypePage::Enter() {
    if (next_->isVisible() && next_->isEnabled()) next_->setFocus(Qt::OtherFocusReason);
}

void TTypePage::LoadFromModel() {
    DropPendingPress();
    const int choice = ChoiceOf(Model().HiddenMessageMode(), Model().CustomCluesMode());
    Check(choice);
    MoveMarker(choice);
}

int TTypePage::CheckedChoice() const {
    const int id = group_->checkedId();
    return id < 0 ? Standard : id;
}

void TTypePage::Next() {
    // A press whose pause has not run out was meant for this choice.
    if (pendingChoice_ >= 0) {
        const int choice = pendingChoice_;
        DropPendingPress();
        Check(choice);
        MoveMarker(choice);
    }
    // The word page and the instructions follow the type through the model.
    const int choice = CheckedChoice();
    if (!Model().ChoosePuzzleType(ChoiceHasHidden(choice), ChoiceHasClues(choice))) return;
    Host().TurnPage(QStringLiteral("Design"));
}

void TTypePage::Cancel() {
    DropPendingPress();
    const int choice = ChoiceOf(Model().HiddenMessageMode(), Model().CustomCluesMode());
    Check(choice);
    MoveMarker(choice);
    Host().Back();
}

bool TTypePage::eventFilter(QObject* watched, QEvent* event) {
    int choice = -1;
    for (std::size_t i = 0; i < choices_.size(); ++i)
        if (watched == choices_[i]) choice = static_cast<int>(i);
    if (choice < 0) return TPage::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            PressChoice(choice);
            return true;  // the choice is taken when the pause ends
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (choice == markerChoice_) PlaceMarker();
        break;
    default:
        break;
    }
    return TPage::eventFilter(watched, event);
}

void TTypePage::showEvent(QShowEvent* event) {
    TPage::showEvent(event);
    PlaceMarker();
}

void TTypePage::PressChoice(int choice) {
    if (!choices_[static_cast<std::size_t>(choice)]->isEnabled()) return;
    MoveMarker(choice);
    if (panel_->isVisible()) panel_->repaint();
    pendingChoice_ = choice;
    const unsigned token = ++pressToken_;
    Host().Services().Clock.After(PressPauseMs, this, [this, token] { FinishPress(token); });
}

void TTypePage::FinishPress(unsigned token) {
    if (token != pressToken_ || pendingChoice_ < 0) return;
    const int choice = pendingChoice_;
    pendingChoice_ = -1;
    // The user went elsewhere meanwhile: the press is void and the marker goes back.
    if (Host().CurrentPageName() != PageName() || Host().Terminating()) {
        MoveMarker(CheckedChoice());
        return;
    }
    QRadioButton* rb = choices_[static_cast<std::size_t>(choice)];
    Check(choice);
    rb->setFocus(Qt::MouseFocusReason);
}

void TTypePage::DropPendingPress() {
    ++pressToken_;
    pendingChoice_ = -1;
}

void TTypePage::Check(int choice) {
    if (choice < 0 || choice >= static_cast<int>(choices_.size())) choice = Standard;
    const QSignalBlocker block(group_);
    choices_[static_cast<std::size_t>(choice)]->setChecked(true);
}

void TTypePage::MoveMarker(int choice) {
    if (choice < 0 || choice >= static_cast<int>(choices_.size())) choice = Standard;
    markerChoice_ = choice;
    PlaceMarker();
}

void TTypePage::PlaceMarker() {
    const QRadioButton* rb = choices_[static_cast<std::size_t>(markerChoice_)];
    marker_->adjustSize();
    marker_->move(rb->x() + rb->width() + MarkerGapX, rb->y() + MarkerDropY);
    marker_->raise();
}


}  // namespace vorlix::shell
