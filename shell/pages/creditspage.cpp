// The "Credits" page: the model rebuilds the credits-line list from the name and recipient;
// the page shows it and passes every choice or typed line back.
#include "creditspage.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "link.h"
#include "puzzlemodel.h"
#include "pagehost.h"
#include "services.h"

namespace vorlix::shell {

TCreditsPage::TCreditsPage(IPageHost& host)
    : TPage(host, QStringLiteral("Credits"), QStringLiteral("Credits_Bnr"), QStringLiteral("Credits Line")) {
    MakeText(QStringLiteral("Credits_IntroLbl"),
             QStringLiteral("A credits line is printed at the bottom of the puzzle page. Type your name, then "
                            "choose one of the ready-made lines, which fill in your name for you, or type a "
                            "line of your own."),
             Body());

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    form->setColumnStretch(2, 1);

    auto* nameLabel = new QLabel(QStringLiteral("Your name:"), this);
    nameLabel->setObjectName(QStringLiteral("Credits_NameLbl"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Credits_NameEd"));
    name_->setAccessibleName(QStringLiteral("Your name"));
    name_->setMinimumWidth(260);
    nameLabel->setBuddy(name_);
    form->addWidget(nameLabel, 0, 0);
    form->addWidget(name_, 0, 1);

    auto* forRow = new QHBoxLayout;
    forRow->setSpacing(4);
    MakeText(QStringLiteral("Credits_ForLbl"), QStringLiteral("If you are making this puzzle for someone,"), forRow)
        ->setWordWrap(false);
    MakeLink(QStringLiteral("Credits_RecipientLnk"), QStringLiteral("click here."),
             [this] {
                 ShowRecipient(true);
                 recipient_->setFocus(Qt::OtherFocusReason);
             },
             forRow);
    forRow->addStretch(1);
    form->addLayout(forRow, 1, 0, 1, 3);

    recipientLabel_ = new QLabel(QStringLiteral("Who is this puzzle for?"), this);
    recipientLabel_->setObjectName(QStringLiteral("Credits_RecipientLbl"));
    recipient_ = new QLineEdit(this);
    recipient_->setObjectName(QStringLiteral("Credits_RecipientEd"));
    recipient_->setAccessibleName(QStringLiteral("Who is this puzzle for?"));
    recipient_->setMinimumWidth(260);
    recipient_->installEventFilter(this);
    recipientLabel_->setBuddy(recipient_);
    recipientHint_ = new QLabel(QStringLiteral("Some credits lines will use this."), this);
    recipientHint_->setObjectName(QStringLiteral("Credits_RecipientHintLbl"));
    recipientHint_->setForegroundRole(QPalette::PlaceholderText);
    recipientHint_->setWordWrap(true);
    form->addWidget(recipientLabel_, 2, 0);
    form->addWidget(recipient_, 2, 1);
    form->addWidget(recipientHint_, 2, 2);

    auto* lineLabel = new QLabel(QStringLiteral("Credits line:"), this);
    lineLabel->setObjectName(QStringLiteral("Credits_LineLbl"));
    line_ = new QComboBox(this);
    line_->setObjectName(QStringLiteral("CreditsLineCmBx"));
    line_->setAccessibleName(QStringLiteral("Credits line"));
    line_->setEditable(true);
    // The list is the model's; Enter must not add the typed line to it, and inline
    // completion would show a line the model was never told about.
    line_->setInsertPolicy(QComboBox::NoInsert);
    line_->setCompleter(nullptr);
    line_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    line_->setMinimumContentsLength(40);
    line_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    lineLabel->setBuddy(line_);
    form->addWidget(lineLabel, 3, 0);
    form->addWidget(line_, 3, 1, 1, 2);
    Body()->addLayout(form);

    connect(name_, &QLineEdit::textEdited, this, [this] { NameOrRecipientEdited(); });
    connect(recipient_, &QLineEdit::textEdited, this, [this] { NameOrRecipientEdited(); });
    // activated: every choice from the list, also of the entry already chosen.
    connect(line_, &QComboBox::activated, this, [this](int index) { Model().ChooseCreditsLine(index); });
    connect(line_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { Model().TypeCreditsLine(text); });

    auto* buttons = new QHBoxLayout;
    MakeContinueButton(QStringLiteral("Credits_ContinueBtn"), buttons);
    buttons->addStretch(1);
    Body()->addSpacing(8);
    Body()->addLayout(buttons);
    Body()->addStretch(1);

    LoadFromModel();
}

void TCreditsPage::Enter() {
    if (name_->isEnabled()) name_->setFocus(Qt::OtherFocusReason);
}

void TCreditsPage::NameOrRecipientEdited() {
    Model().SetCreditsNames(name_->text(), recipient_->text());
    ShowCreditsLines();
}

void TCreditsPage::ShowCreditsLines() {
    const TPuzzleModel& m = Model();
    const QSignalBlocker block(line_);
    const QSignalBlocker blockEdit(line_->lineEdit());
    line_->clear();
    line_->addItems(m.CreditsLineChoices());
    const int index = m.CreditsLineIndex();
    line_->setCurrentIndex(index >= 0 && index < line_->count() ? index : -1);
    line_->setEditText(m.Puzzle().CreditsLine);
}

void TCreditsPage::ShowRecipient(bool shown) {
    Model().RecipientVisible = shown;
    recipientLabel_->setVisible(shown);
    recipientHint_->setVisible(shown);
    recipient_->setVisible(shown);
}

bool TCreditsPage::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the recipient field empty puts it away again; a window switch is no leaving.
    if (watched == recipient_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && recipient_->text().isEmpty())
            ShowRecipient(false);
    }
    return TPage::eventFilter(watched, event);
}

void TCreditsPage::LoadFromModel() {
    const TPuzzleModel& m = Model();
    {
        const QSignalBlocker blockName(name_);
        const QSignalBlocker blockRecipient(recipient_);
        name_->setText(m.Puzzle().CreditsName);
        recipient_->setText(m.Puzzle().CreditsRecipient);
    }
    const bool shown = m.RecipientVisible;
    recipientLabel_->setVisible(shown);
    recipientHint_->setVisible(shown);
    recipient_->setVisible(shown);
    ShowCreditsLines();
}

}  // namespace vorlix::shell
