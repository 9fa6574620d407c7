// The "Check Spelling" dialog. The walk runs on the user-interface thread and lets events
// through after every word, which is how Stop reaches it.
#include "spellingdlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include "services.h"
#include "webfm.h"

namespace vorlix::shell {

QString SpellingHelpText() {
    return QStringLiteral(
        "If this word is correct, press Add to add it to the spelling dictionary. If this word is incorrect, fix it "
        "and press Change. To move on without making changes, press Ignore. To also skip future occurances of this "
        "word in this puzzle, press Ignore All.");
}

QString SpellSupWriteFailedText() {
    return QStringLiteral("Unable to update user spelling dictionary; can't write to file SpellSup.");
}

void ApplyCorrection(TPuzzleModel& model, int stage, const QStringList& lines) {
    using namespace spelling;
    switch (stage) {
    case StageLeftWorksheet: model.SetWorksheetLines(true, lines); break;
    case StageRightWorksheet: model.SetWorksheetLines(false, lines); break;
    case StageTitle: model.SetTitleLines(lines); break;
    case StageInstructions:
        model.MarkInstructionsTyped();
        model.SetInstructionLines(lines);
        break;
    case StageWords: model.SetWordLines(lines); break;
    case StageHiddenMessage: model.SetHiddenMessageLines(lines); break;
    case StageCredits: model.TypeCreditsLine(lines.value(0)); break;
    default: return;
    }
    model.SetModified(true);
}

TSpellingDlg::TSpellingDlg(TWebFm& main, spelling::TSpellingDictionaries& dictionaries)
    : QDialog(&main),
      main_(&main),
      dictionaries_(&dictionaries),
      texts_(main.Model().Puzzle(), [&model = main.Model()](int stage, const QStringList& lines) {
          ApplyCorrection(model, stage, lines);
      }),
      walk_(dictionaries, texts_, *this) {
    setObjectName(QStringLiteral("TSpellingDlg"));
    setWindowTitle(QStringLiteral("Check Spelling"));
    setAccessibleName(QStringLiteral("Check Spelling"));
    setModal(true);
    BuildControls();
    SetCommandsEnabled(false);
    stopBtn_->setEnabled(false);
    resumeBtn_->setEnabled(false);
}

void TSpellingDlg::SetDictionaryLocations(const spelling::TDictionaryLocations& locations) {
    if (!dictionaries_->Loaded()) dictionaries_->SetLocations(locations);
}

QPushButton* TSpellingDlg::MakeButton(const QString& name, const QString& caption,
                                      void (TSpellingDlg::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setAutoDefault(false);
    button->setMinimumWidth(110);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void TSpellingDlg::BuildControls() {
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 14);
    outer->setSpacing(18);

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    mainMesgLbl_ = new QLabel(QStringLiteral("Checking"), this);
    mainMesgLbl_->setObjectName(QStringLiteral("MainMesgLbl"));
    QFont bold = mainMesgLbl_->font();
    bold.setBold(true);
    mainMesgLbl_->setFont(bold);
    left->addWidget(mainMesgLbl_);

    currentWordLbl_ = new QLabel(this);
    currentWordLbl_->setObjectName(QStringLiteral("CurrentWordLbl"));
    currentWordLbl_->setAccessibleName(QStringLiteral("Word"));
    QFont large = bold;
    large.setPointSizeF(bold.pointSizeF() * 1.35);
    currentWordLbl_->setFont(large);
    currentWordLbl_->setMinimumHeight(QFontMetrics(large).height() + 4);
    currentWordLbl_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    left->addWidget(currentWordLbl_);

    auto* changeTo = new QLabel(QStringLiteral("Change &to:"), this);
    left->addSpacing(4);
    left->addWidget(changeTo);
    wordEdit_ = new QLineEdit(this);
    wordEdit_->setObjectName(QStringLiteral("WordEdit"));
    wordEdit_->setAccessibleName(QStringLiteral("Change to"));
    wordEdit_->setToolTip(QStringLiteral("Edit the misspelled word here. Then press Change to copy the correction "
                                         "into your puzzle document."));
    changeTo->setBuddy(wordEdit_);
    connect(wordEdit_, &QLineEdit::textEdited, this, [this] { changeBtn_->setEnabled(true); });
    connect(wordEdit_, &QLineEdit::returnPressed, this, [this] {
        if (changeBtn_->isEnabled()) changeBtn_->click();
    });
    left->addWidget(wordEdit_);

    left->addSpacing(10);
    locationLbl_ = new QLabel(this);
    locationLbl_->setObjectName(QStringLiteral("LocationLbl"));
    locationLbl_->setAccessibleName(QStringLiteral("Location"));
    locationLbl_->setFont(bold);
    left->addWidget(locationLbl_);
    memoLbl_ = new QLabel(this);
    memoLbl_->setObjectName(QStringLiteral("MemoLbl"));
    left->addWidget(memoLbl_);
    contextMemo_ = new QPlainTextEdit(this);
    contextMemo_->setObjectName(QStringLiteral("ContextMemo"));
    contextMemo_->setAccessibleName(QStringLiteral("Context"));
    contextMemo_->setReadOnly(true);
    contextMemo_->setTabChangesFocus(true);
    contextMemo_->setToolTip(QStringLiteral("This shows the misspelled word in its context. You can edit the "
                                            "misspelled word in upper edit box, but not here."));
    contextMemo_->setMinimumHeight(QFontMetrics(contextMemo_->font()).lineSpacing() * 4 + 12);
    // The reported word stays marked while the focus is elsewhere.
    QPalette p = contextMemo_->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    contextMemo_->setPalette(p);
    memoLbl_->setBuddy(contextMemo_);
    left->addWidget(contextMemo_, 1);
    outer->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    addBtn_ = MakeButton(QStringLiteral("AddBtn"), QStringLiteral("A&dd"), &TSpellingDlg::AddBtnClick);
    changeBtn_ = MakeButton(QStringLiteral("ChangeBtn"), QStringLiteral("&Change"), &TSpellingDlg::ChangeBtnClick);
    ignoreBtn_ = MakeButton(QStringLiteral("IgnoreBtn"), QStringLiteral("&Ignore"), &TSpellingDlg::IgnoreBtnClick);
    ignoreAllBtn_ =
        MakeButton(QStringLiteral("IgnoreAllBtn"), QStringLiteral("Ignore &All"), &TSpellingDlg::IgnoreAllBtnClick);
    stopBtn_ = MakeButton(QStringLiteral("StopBtn"), QStringLiteral("Stop"), &TSpellingDlg::StopBtnClick);
    resumeBtn_ = MakeButton(QStringLiteral("ResumeBtn"), QStringLiteral("&Resume"), &TSpellingDlg::ResumeBtnClick);
    helpBtn_ = MakeButton(QStringLiteral("HelpBtn"), QStringLiteral("&Help"), &TSpellingDlg::HelpBtnClick);
    okBtn_ = MakeButton(QStringLiteral("OKBtn"), QStringLiteral("Close"), &TSpellingDlg::OKBtnClick);
    for (QPushButton* b : {addBtn_, changeBtn_, ignoreBtn_, ignoreAllBtn_}) right->addWidget(b);
    right->addSpacing(14);
    right->addWidget(stopBtn_);
    right->addWidget(resumeBtn_);
    right->addStretch(1);
    right->addWidget(helpBtn_);
    right->addWidget(okBtn_);
    outer->addLayout(right);

    setMinimumSize(560, 330);
}

void TSpellingDlg::Prepare(bool automatic) {
    startRequested_ = true;
    automatic_ = automatic;
    texts_.ClearChanged();
}

void TSpellingDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The check starts once the dialog has been painted, outside the paint itself.
    if (startRequested_) QTimer::singleShot(0, this, &TSpellingDlg::Begin);
}

void TSpellingDlg::Begin() {
    if (!startRequested_ || !isVisible()) return;
    startRequested_ = false;
    if (!dictionaries_->Loaded()) {
        const TBusyCursor busy;
        dictionaries_->LoadDictionaries();
    }
    walk_.StartCheck();
}

void TSpellingDlg::done(int result) {
    // Closing while the walk runs ends it after the current word.
    if (walk_.Running()) walk_.RequestStop();
    startRequested_ = false;
    mainMesgLbl_->hide();
    QDialog::done(result);
}

void TSpellingDlg::SetCommandsEnabled(bool wordCommands) {
    for (QPushButton* b : {addBtn_, ignoreBtn_, ignoreAllBtn_}) b->setEnabled(wordCommands);
}

void TSpellingDlg::ShowContext(const QString& line, int offset, int length) {
    contextMemo_->setPlainText(line);
    QTextCursor selection(contextMemo_->document());
    const int start = std::clamp(offset - 1, 0, static_cast<int>(line.size()));
    selection.setPosition(start);
    selection.setPosition(std::min(start + length, static_cast<int>(line.size())), QTextCursor::KeepAnchor);
    contextMemo_->setTextCursor(selection);
    contextMemo_->ensureCursorVisible();
}

// --- What the walk shows ---

void TSpellingDlg::RunStarting() {
    mainMesgLbl_->setText(QStringLiteral("Checking"));
    mainMesgLbl_->show();
    if (!keepContext_) contextMemo_->clear();
    keepContext_ = false;
    wordEdit_->clear();
    SetCommandsEnabled(false);
    changeBtn_->setEnabled(false);
    resumeBtn_->setEnabled(false);
    stopBtn_->setEnabled(true);
    okBtn_->setEnabled(false);
    helpBtn_->setEnabled(false);
}

void TSpellingDlg::ShowWordChecked(const QString& word) { currentWordLbl_->setText(word); }

void TSpellingDlg::ReportWord(const QString& word) {
    mainMesgLbl_->setText(QStringLiteral("Not Found:"));
    currentWordLbl_->setText(word);
    wordEdit_->setText(word);
    changeBtn_->setEnabled(true);
    ShowLocation();
    ShowContext(walk_.CurrentLine(), walk_.Offset(), static_cast<int>(word.size()));
    SetCommandsEnabled(true);
}

void TSpellingDlg::ShowLocation() {
    locationLbl_->setText(walk_.Location());
    memoLbl_->setText(walk_.LineCaption());
}

void TSpellingDlg::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void TSpellingDlg::RunEnded() {
    const bool finished = walk_.Stage() == spelling::StageFinished;
    if (finished) {
        mainMesgLbl_->setText(QStringLiteral("Spell Check Completed."));
        currentWordLbl_->clear();
        contextMemo_->clear();
    }
    if (walk_.StopRequested()) resumeBtn_->setEnabled(true);
    stopBtn_->setEnabled(false);
    okBtn_->setEnabled(true);
    helpBtn_->setEnabled(true);
    if (finished || walk_.StopRequested()) okBtn_->setFocus();
    else wordEdit_->setFocus();
    if (finished && automatic_ && isVisible()) accept();
}

// --- Commands ---

void TSpellingDlg::AddBtnClick() {
    if (!dictionaries_->AddUserWord(walk_.CurrentWord()))
        main_->Services().Messages.ShowMessage(MessageKind::Information, SpellSupWriteFailedText().toStdU16String(),
                                               MessageButtons::Ok);
    walk_.AdvanceToNextWord();
    walk_.RunCheck();
}

void TSpellingDlg::ChangeBtnClick() {
    const QString replacement = wordEdit_->text();
    walk_.ChangeCurrentWord(replacement);
    // The context shows the corrected line until the next report.
    ShowContext(walk_.CurrentLine(), walk_.Offset(), static_cast<int>(replacement.size()));
    keepContext_ = true;
    walk_.RunCheck();
}

void TSpellingDlg::IgnoreBtnClick() {
    walk_.AdvanceToNextWord();
    walk_.RunCheck();
}

void TSpellingDlg::IgnoreAllBtnClick() {
    dictionaries_->IgnoreWord(walk_.CurrentWord());
    walk_.AdvanceToNextWord();
    walk_.RunCheck();
}

void TSpellingDlg::StopBtnClick() { walk_.RequestStop(); }

void TSpellingDlg::ResumeBtnClick() {
    walk_.ClearStopRequest();
    walk_.RunCheck();
}

void TSpellingDlg::HelpBtnClick() {
    main_->Services().Messages.ShowMessage(MessageKind::Information, SpellingHelpText().toStdU16String(),
                                           MessageButtons::Ok);
}

void TSpellingDlg::OKBtnClick() { accept(); }

}  // namespace vorlix::shell
