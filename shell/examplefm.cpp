// The examples window: two sample lists, switched by links; changes nothing in the puzzle.
#include "examplefm.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "desktopfit.h"
#include "link.h"
#include "puzzlemodel.h"
#include "services.h"
#include "webfm.h"

namespace vorlix::shell {

namespace {

const QStringList NormalSample{
    QStringLiteral("Delaware"),
    QStringLiteral("Pennsylvania"),
    QStringLiteral("New Jersey"),
    QStringLiteral("Georgia, Connecticut, Massachusetts, Maryland"),
    QStringLiteral("South Carolina, New Hampshire, Virginia"),
    QStringLiteral("New York, North Carolina, Rhode Island"),
};

const QStringList CluesSample{
    QStringLiteral("Dover / Capital of Delaware"),
    QStringLiteral("Harrisburg / Capital of Pennsylvania"),
    QStringLiteral("Trenton / Capital of New Jersey"),
    QStringLiteral("Atlanta / Capital of Georgia"),
    QStringLiteral("Hartford / Capital of Connecticut"),
    QStringLiteral("Boston / Capital of Massachusetts"),
    QStringLiteral("Annapolis / Capital of Maryland"),
    QStringLiteral("Columbia / Capital of South Carolina"),
    QStringLiteral("Concord / Capital of New Hampshire"),
    QStringLiteral("Richmond / Capital of Virginia"),
    QStringLiteral("Albany / Capital of New York"),
    QStringLiteral("Raleigh / Capital of North Carolina"),
    QStringLiteral("Providence / Capital of Rhode Island"),
};

const QString NormalComment = QStringLiteral(
    "To make a puzzle containing the 13 original states, just list one state per line. If you prefer, "
    "you can list several states on each line, separated by commas. Two-word states such as \"New York\" "
    "are processed as one word.");

const QString CluesComment = QStringLiteral(
    "This puzzle will contain the capital cities of the 13 original states. The cities will not be listed "
    "anywhere. Instead, the states will be listed, worded as clues. To make a puzzle like this, list one "
    "word/clue pair per line. Put a slash \" / \" between the word and the clue. Spaces around the slash "
    "are optional.");

constexpr int MemoMargin = 16;   // memos stand this far from either side of the window
constexpr int BulletRise = 3;    // the bullet sits this far above its link's top
constexpr int LinkIndent = 22;   // room for the bullet left of the links

QPlainTextEdit* MakeSampleMemo(const QString& name, const QStringList& lines, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setAccessibleName(QStringLiteral("Sample word list"));
    memo->setReadOnly(true);
    memo->setTabChangesFocus(true);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    return memo;
}

}  // namespace

TExampleFm::TExampleFm(TWebFm& main, QWidget* parent) : QDialog(parent), main_(&main) {
    setObjectName(QStringLiteral("TExampleFm"));
    setWindowTitle(QStringLiteral("Example"));
    setAccessibleName(QStringLiteral("Example"));
    setModal(true);
    setAutoFillBackground(true);
    setPalette(SurfacePalette(main.Scheme().PageBackground));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(MemoMargin, 14, MemoMargin, 14);
    layout->setSpacing(10);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("ExampleLbl"));
    QFont big = heading_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    heading_->setFont(big);
    layout->addWidget(heading_);

    auto* linksPanel = new QWidget(this);
    linksPanel->setObjectName(QStringLiteral("Example_LinksPnl"));
    auto* links = new QVBoxLayout(linksPanel);
    links->setContentsMargins(LinkIndent, 0, 0, 0);
    links->setSpacing(4);
    normalLnk_ = new TLink(QStringLiteral("Example_NormalLnk"), QStringLiteral("Show example of word list."), linksPanel);
    cluesLnk_ = new TLink(QStringLiteral("Example_WithCluesLnk"), QStringLiteral("Show example of word list with clues."),
                          linksPanel);
    links->addWidget(normalLnk_, 0, Qt::AlignLeft);
    links->addWidget(cluesLnk_, 0, Qt::AlignLeft);
    layout->addWidget(linksPanel);
    connect(normalLnk_, &TLink::activated, this, &TExampleFm::ShowWordsExample);
    connect(cluesLnk_, &TLink::activated, this, &TExampleFm::ShowCluesExample);
    normalLnk_->installEventFilter(this);
    cluesLnk_->installEventFilter(this);

    bullet_ = new QLabel(QStringLiteral("\u00BB"), linksPanel);
    bullet_->setObjectName(QStringLiteral("BulletLbl"));
    bullet_->setAccessibleName(QStringLiteral("Shown"));
    QFont bulletFont = bullet_->font();
    bulletFont.setBold(true);
    bullet_->setFont(bulletFont);
    bullet_->adjustSize();

    comment_ = new QLabel(this);
    comment_->setObjectName(QStringLiteral("CommentLbl"));
    comment_->setWordWrap(true);
    comment_->setTextFormat(Qt::PlainText);
    layout->addWidget(comment_);

    normalMemo_ = MakeSampleMemo(QStringLiteral("Example_NormalMemo"), NormalSample, this);
    cluesMemo_ = MakeSampleMemo(QStringLiteral("Example_WithCluesMemo"), CluesSample, this);
    layout->addWidget(normalMemo_, 1);
    layout->addWidget(cluesMemo_, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    hideLnk_ = new TLink(QStringLiteral("Example_HideLnk"), QStringLiteral("Hide all examples"), this);
    connect(hideLnk_, &TLink::activated, this, &QDialog::accept);
    bottom->addWidget(hideLnk_);
    layout->addLayout(bottom);

    for (TLink* link : {normalLnk_, cluesLnk_, hideLnk_})
        link->SetLinkColours(main.Scheme().LinkText, main.Scheme().LinkHover, main.UnderlinedLinks());

    resize(560, 500);
    ShowWordsExample();
    hideLnk_->setFocus(Qt::OtherFocusReason);
}

bool TExampleFm::ClueExampleFor(const QString& kind, bool puzzleHasClues) {
    if (kind == QLatin1String("Words")) return false;
    if (kind == QLatin1String("Clues")) return true;
    return puzzleHasClues;
}

void TExampleFm::ShowWordsExample() {
    showingClues_ = false;
    heading_->setText(QStringLiteral("Example of a Word List"));
    heading_->setAccessibleName(heading_->text());
    comment_->setText(NormalComment);
    comment_->setAccessibleName(NormalComment);
    cluesMemo_->hide();
    normalMemo_->show();
    PlaceBullet();
}

void TExampleFm::ShowCluesExample() {
    showingClues_ = true;
    heading_->setText(QStringLiteral("Example of a Word List with Clues"));
    heading_->setAccessibleName(heading_->text());
    comment_->setText(CluesComment);
    comment_->setAccessibleName(CluesComment);
    normalMemo_->hide();
    cluesMemo_->show();
    PlaceBullet();
}

void TExampleFm::PlaceBullet() {
    const TLink* link = showingClues_ ? cluesLnk_ : normalLnk_;
    bullet_->move(link->x() - bullet_->width() - 4, link->y() - BulletRise);
    bullet_->raise();
}

bool TExampleFm::eventFilter(QObject* watched, QEvent* event) {
    // The links move when the window is laid out; the bullet goes along.
    if ((watched == normalLnk_ || watched == cluesLnk_) &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        PlaceBullet();
    return QDialog::eventFilter(watched, event);
}

void TExampleFm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter acts on the highlighted link, focused or under the mouse.
        TLink* current = main_->Highlighter().Current();
        if (current && current->window() == this) {
            current->Activate();
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void ShowExampleWindow(TWebFm& main, const QString& kind) {
    // Owned by the main window too, so a guard notices if it goes first.
    QPointer<TExampleFm> window = new TExampleFm(main, &main);
    if (TExampleFm::ClueExampleFor(kind, main.Model().CustomCluesMode()))
        window->ShowCluesExample();
    else
        window->ShowWordsExample();
    main.Services().Modal.Run(*window);
    delete window.data();
    main.Highlighter().Clear();
}

}  // namespace vorlix::shell
