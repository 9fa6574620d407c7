// The "Instructions" page: typing into the text customizes it, so later automatic rewrites ask first.
#include "instructionspage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "link.h"
#include "puzzlemodel.h"
#include "pagehost.h"
#include "services.h"
#include "worksheetpage.h"

namespace vorlix::shell {

namespace {

// Whether a key press types into a text (characters, line breaks, erasing, pasting); moving
// the caret or copying does not.
bool KeyEditsText(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Undo) ||
        key.matches(QKeySequence::Redo))
        return true;
    switch (key.key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            break;
    }
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

TInstructionsPage::TInstructionsPage(IPageHost& host)
    : TPage(host, QStringLiteral("Instructions"), QStringLiteral("Instructions_Bnr"),
            QStringLiteral("Instructions")) {
    MakeText(QStringLiteral("Instructions_IntroLbl"),
             QStringLiteral("The instructions are printed above the grid and tell the solver how to do the "
                            "puzzle. The standard text is written for you and kept up to date; you may change "
                            "it to anything you like. Once you have changed it, you will be asked before it is "
                            "replaced."),
             Body());

    auto* followsRow = new QHBoxLayout;
    followsRow->setSpacing(4);
    MakeText(QStringLiteral("Instructions_FollowsLbl"), QStringLiteral("The standard text follows the"), followsRow)
        ->setWordWrap(false);
    MakeLink(QStringLiteral("Instructions_TypeLnk"), QStringLiteral("puzzle type"),
             [this] { Host().TurnPage(QStringLiteral("Type_")); }, followsRow);
    MakeText(QStringLiteral("Instructions_AndLbl"), QStringLiteral("and the"), followsRow)->setWordWrap(false);
    MakeLink(QStringLiteral("Instructions_DirsLnk"), QStringLiteral("word directions"),
             [this] { Host().TurnPage(QStringLiteral("Dirs")); }, followsRow);
    MakeText(QStringLiteral("Instructions_ChosenLbl"), QStringLiteral("you choose."), followsRow)
        ->setWordWrap(false);
    followsRow->addStretch(1);
    Body()->addLayout(followsRow);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Layout_InstructionsMemo"));
    memo_->setAccessibleName(QStringLiteral("Instructions"));
    memo_->setTabChangesFocus(true);
    memo_->setMinimumHeight(100);
    memo_->setMaximumHeight(200);
    memo_->installEventFilter(this);
    connect(memo_, &QPlainTextEdit::textChanged, this, &TInstructionsPage::MemoEdited);
    Body()->addWidget(memo_);

    include_ = new QCheckBox(QStringLiteral("Include Instructions"), this);
    include_->setObjectName(QStringLiteral("Instructions_IncludeCB"));
    include_->setAccessibleName(QStringLiteral("Include Instructions"));
    connect(include_, &QCheckBox::toggled, this, [this](bool on) { Model().SetInstructionsIncluded(on); });
    Body()->addWidget(include_);

    auto* fontRow = new QHBoxLayout;
    MakeLink(QStringLiteral("Instructions_FontLnk"), QStringLiteral("Change instructions font"),
             [this] { Host().ShowAppearance(QStringLiteral("Instructions")); }, fontRow);
    fontRow->addStretch(1);
    Body()->addLayout(fontRow);

    auto* buttons = new QHBoxLayout;
    MakeContinueButton(QStringLiteral("Instructions_ContinueBtn"), buttons);
    buttons->addStretch(1);
    Body()->addSpacing(8);
    Body()->addLayout(buttons);
    Body()->addStretch(1);

    LoadFromModel();
    // Other pages' choices rewrite automatic instructions.
    connect(&Model().Signals(), &TModelSignals::PuzzleChanged, this, &TInstructionsPage::ShowModelInstructions);
}

bool TInstructionsPage::eventFilter(QObject* watched, QEvent* event) {
    // Before the memo handles the key, so the change it makes already counts as customized.
    if (watched == memo_ && event->type() == QEvent::KeyPress && !memo_->isReadOnly() &&
        KeyEditsText(*static_cast<QKeyEvent*>(event)))
        Model().MarkInstructionsTyped();
    return TPage::eventFilter(watched, event);
}

void TInstructionsPage::MemoEdited() { Model().SetInstructionLines(MemoLines(*memo_)); }

void TInstructionsPage::ShowModelInstructions() {
    const TPuzzle& p = Model().Puzzle();
    if (MemoLines(*memo_) != p.InstructionLines) ShowMemoLines(*memo_, p.InstructionLines);
    const QSignalBlocker block(include_);
    include_->setChecked(p.InstructionsIncluded);
}

void TInstructionsPage::LoadFromModel() {
    const TPuzzle& p = Model().Puzzle();
    ShowMemoLines(*memo_, p.InstructionLines);
    const QSignalBlocker block(include_);
    include_->setChecked(p.InstructionsIncluded);
}

void TInstructionsPage::showEvent(QShowEvent* event) {
    ShowModelInstructions();
    TPage::showEvent(event);
}

}  // namespace vorlix::shell
