// The finished page: preview views, size, words that did not fit, rescramble and transforms.
#include "finishedpage.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>

#include "link.h"
#include "previewbox.h"
#include "puzzledocument.h"
#include "puzzlemodel.h"
#include "pagehost.h"
#include "services.h"

namespace vorlix::shell {

namespace {

struct TViewChoice {
    const char* Name;
    const char* Caption;
};
// In PreviewView order: the position is the view's value.
constexpr std::array<TViewChoice, 6> ViewChoices = {{
    {"FinishedPuzzle_Page1TB", "Page 1"},
    {"FinishedPuzzle_Page2TB", "Page 2"},
    {"FinishedPuzzle_TwoPagesTB", "Two Pages"},
    {"FinishedPuzzle_PuzzleTB", "Puzzle"},
    {"FinishedPuzzle_SolutionTB", "Solution"},
    {"FinishedPuzzle_WordListTB", "Word List"},
}};

constexpr int HintDelayMs = 1500;
constexpr int LeaveDelayMs = 4000;
constexpr int HintSeconds = 20;
constexpr int RotateVariant = 1;
constexpr int FlipUpDownVariant = 5;
constexpr int FlipLeftRightVariant = 7;

const QString OkLabelStyle = QStringLiteral("color: #000000;");
const QString ShortLabelStyle = QStringLiteral("color: #C00000;");
const QString OkListStyle = QStringLiteral("QListWidget { background-color: #FFFFFF; color: #000000; }");
const QString ShortListStyle = QStringLiteral("QListWidget { background-color: #FFFF00; color: #000000; }");

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

}  // namespace

QString EmptyPuzzleHintText() {
    return QStringLiteral(
        "Hint:  The puzzle is blank because your word list is empty. In a few seconds, you will be taken "
        "to a place where you can type your words.");
}

TFinishedPage::TFinishedPage(IPageHost& host)
    : TPage(host, QStringLiteral("Finished"), QStringLiteral("Puzzle_Bnr"), QStringLiteral("Finished Puzzle")) {
    auto* row = new QHBoxLayout;
    row->setSpacing(14);
    Body()->addLayout(row, 1);

    leftPanel_ = BuildLeftPanel();
    row->addWidget(leftPanel_, 0);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(BuildViewBar());
    preview_ = new TPreviewBox(host.Document(), this);
    right->addWidget(preview_, 1);
    row->addLayout(right, 1);

    SetView(ViewSolution);
    RefreshFinishedPage();
}

QWidget* TFinishedPage::BuildLeftPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Puzzle_LeftPnl"));
    panel->setMinimumWidth(220);
    panel->setMaximumWidth(300);
    // The panel keeps to its texts' width so the six view buttons fit in the default window.
    panel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* col = new QVBoxLayout(panel);
    col->setContentsMargins(0, 0, 0, 8);  // the list ends 8 pixels above the panel's bottom
    col->setSpacing(6);

    sizeLbl_ = new QLabel(panel);
    sizeLbl_->setObjectName(QStringLiteral("Puzzle_SizeLbl"));
    col->addWidget(sizeLbl_);

    col->addWidget(MakeText(QStringLiteral("Puzzle_RescrambleTxt"),
                            QStringLiteral("Same words, new arrangement:")));
    auto* rescramble = MakeButton(QStringLiteral("Puzzle_TryAgainBtn"), QStringLiteral("Rescramble"), [this] {
        Host().RebuildPuzzle();
        EmptyPuzzleCheck();
    });
    rescramble->setToolTip(QStringLiteral("Build the grid again with the same words and options"));
    auto* rescrambleRow = new QHBoxLayout;
    rescrambleRow->addWidget(rescramble);
    rescrambleRow->addStretch(1);
    col->addLayout(rescrambleRow);

    col->addSpacing(4);
    col->addWidget(Heading(QStringLiteral("Turn or flip the grid:"), panel));
    auto* turns = new QHBoxLayout;
    turns->setSpacing(12);
    TLink* rotate = MakeLink(QStringLiteral("Puzzle_Rotate90Lnk"), QStringLiteral("Rotate"),
                             [this] { Puzzle_Rotate90LnkClick(); }, turns);
    rotate->setToolTip(QStringLiteral("Rotate counter-clockwise 90 degrees"));
    TLink* upDown = MakeLink(QStringLiteral("Puzzle_FlipUpDownLnk"), QStringLiteral("Vertical"),
                             [this] { ApplyTransform(FlipUpDownVariant); }, turns);
    upDown->setToolTip(QStringLiteral("Mirror the grid top to bottom"));
    TLink* leftRight = MakeLink(QStringLiteral("Puzzle_FlipLeftRightLnk"), QStringLiteral("Horizontal"),
                                [this] { ApplyTransform(FlipLeftRightVariant); }, turns);
    leftRight->setToolTip(QStringLiteral("Mirror the grid left to right"));
    turns->addStretch(1);
    col->addLayout(turns);

    col->addSpacing(4);
    col->addWidget(Heading(QStringLiteral("What next?"), panel));
    MakeLink(QStringLiteral("Puzzle_FormatLnk"), QStringLiteral("Appearance"), [this] { Host().ShowAppearance(); },
             col);
    MakeLink(QStringLiteral("Puzzle_DesignLnk"), QStringLiteral("Design Puzzle"),
             [this] { Host().TurnPage(QStringLiteral("Design")); }, col);
    MakeLink(QStringLiteral("Puzzle_PrintLnk"), QStringLiteral("Print"), [this] {
        Host().OpenMapPage(QStringLiteral("Print"), findChild<TLink*>(QStringLiteral("Puzzle_PrintLnk")));
    }, col);
    MakeLink(QStringLiteral("Puzzle_ExportLnk"), QStringLiteral("Export"), [this] { Host().ShowExport(); }, col);
    MakeLink(QStringLiteral("Puzzle_ShowPreviewLnk"), QStringLiteral("Enlarge It"), [this] { Host().ShowPreview(); },
             col);

    col->addSpacing(6);
    auto* backRow = new QHBoxLayout;
    MakeButton(QStringLiteral("Button1"), QStringLiteral("<< Back"), [this] { Host().Back(); }, backRow);
    backRow->addStretch(1);
    col->addLayout(backRow);

    col->addSpacing(8);
    excludedLbl_ = new QLabel(panel);
    excludedLbl_->setObjectName(QStringLiteral("Puzzle_ExcludedWordsLbl"));
    col->addWidget(excludedLbl_);
    excludedLB_ = new QListWidget(panel);
    excludedLB_->setObjectName(QStringLiteral("ExcludedLB"));
    excludedLB_->setAccessibleName(QStringLiteral("Words that did not fit"));
    excludedLB_->setSelectionMode(QAbstractItemView::SingleSelection);
    excludedLB_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    excludedLbl_->setBuddy(excludedLB_);
    // The list takes whatever height the panel has left.
    col->addWidget(excludedLB_, 1);
    accidentalLbl_ = new QLabel(panel);
    accidentalLbl_->setObjectName(QStringLiteral("Puzzle_AccidentalWordsLbl"));
    accidentalLbl_->setWordWrap(true);
    accidentalLbl_->setTextFormat(Qt::PlainText);
    accidentalLbl_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    accidentalLbl_->setVisible(false);
    col->addWidget(accidentalLbl_);
    return panel;
}

QToolBar* TFinishedPage::BuildViewBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("FinishedPuzzle_ViewBnr"));
    bar->setAccessibleName(QStringLiteral("Views"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    views_ = new QButtonGroup(this);
    views_->setExclusive(true);
    for (std::size_t i = 0; i < ViewChoices.size(); ++i) {
        auto* button = new QToolButton(bar);
        const QString caption = QString::fromLatin1(ViewChoices[i].Caption);
        button->setObjectName(QString::fromLatin1(ViewChoices[i].Name));
        button->setText(caption);
        button->setAccessibleName(caption);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        views_->addButton(button, static_cast<int>(i));
        bar->addWidget(button);
    }
    connect(views_, &QButtonGroup::idClicked, this, [this](int id) { SetView(id); });
    return bar;
}

void TFinishedPage::Enter() {
    SelectSolutionView();
    SizeExcludedList();
    EmptyPuzzleCheck();
}

void TFinishedPage::LoadFromModel() {
    RefreshFinishedPage();
    preview_->update();
}

void TFinishedPage::SelectSolutionView() { SetView(ViewSolution); }

void TFinishedPage::SetView(int view) {
    if (QAbstractButton* button = views_->button(view)) {
        const QSignalBlocker block(views_);
        button->setChecked(true);
    }
    preview_->SetView(view);
}

int TFinishedPage::View() const { return preview_->View(); }

namespace {

// The k-th unplaced word, and after a Tight search why it stayed out.
QString UnplacedText(const TWordSearch& puzzle, int k) {
    const QString text = FromWide(puzzle.UnplacedGridWord(k));
    const QString why = UnplacedReason(puzzle, puzzle.UnplacedWordIndex(k));
    return why.isEmpty() ? text : text + QStringLiteral(" (") + why + u')';
}

}  // namespace

void TFinishedPage::RefreshFinishedPage() {
    const TWordSearch& puzzle = Model().Puzzle().Grid();
    excludedLB_->clear();
    const int n = puzzle.UnplacedWordCount();
    excludedLbl_->setText(QStringLiteral("Words that did not fit: ") + QString::number(n));
    if (n == 0) {
        excludedLbl_->setStyleSheet(OkLabelStyle);
        excludedLB_->setStyleSheet(OkListStyle);
    } else {
        for (int k = 1; k <= n; ++k) excludedLB_->addItem(UnplacedText(puzzle, k));
        excludedLbl_->setStyleSheet(ShortLabelStyle);
        excludedLB_->setStyleSheet(ShortListStyle);
    }
    ShowAccidentalWords(puzzle);
    sizeLbl_->setText(QStringLiteral("Size ") + QString::number(puzzle.ActualColumns) + QStringLiteral(" x ") +
                      QString::number(puzzle.ActualRows) + QStringLiteral(".  "));
}

// Words the grid's own letters spell that new filler could not remove: the teacher should
// know before the sheet goes out.
void TFinishedPage::ShowAccidentalWords(const TWordSearch& puzzle) {
    QStringList words;
    for (const TAccidentalWord& a : puzzle.AccidentalWords) {
        const int d = a.Direction <= 8 ? a.Direction : 0;
        words << QStringLiteral("%1 (column %2, row %3, %4)")
                     .arg(FromWide(a.Word))
                     .arg(a.Column)
                     .arg(a.Row)
                     .arg(QString::fromLatin1(DirectionNames[d]));
    }
    const QString text = QStringLiteral("Words spelled by the grid's own letters: ") + words.join(QStringLiteral(", "));
    accidentalLbl_->setText(text);
    accidentalLbl_->setAccessibleName(text);
    accidentalLbl_->setStyleSheet(ShortLabelStyle);
    accidentalLbl_->setVisible(!words.isEmpty());
}

void TFinishedPage::SizeExcludedList() {
    // The layout gives the list the rest of the panel down to 8 pixels above its bottom;
    // the list never shrinks below 16 pixels.
    excludedLB_->setMinimumHeight(16);
    if (leftPanel_->layout()) leftPanel_->layout()->activate();
}

void TFinishedPage::EmptyPuzzleCheck() {
    if (!Host().StartupComplete() || Model().ListedWordCount >= 1) return;
    const int number = ++emptyCheckNumber_;
    const TClock& clock = Host().Services().Clock;
    clock.After(HintDelayMs, this, [this, number, &clock] {
        if (number != emptyCheckNumber_ || Host().Terminating()) return;
        Host().ShowHintBeside(excludedLB_, EmptyPuzzleHintText(), HintSeconds);
        clock.After(LeaveDelayMs, this, [this, number] {
            if (number != emptyCheckNumber_ || Host().Terminating() || !Host().WindowShown()) return;
            // The user may have gone elsewhere meanwhile; then they are left there.
            if (Host().CurrentPageName() != PageName()) return;
            Host().TurnPage(QStringLiteral("Design"));
        });
    });
}

void TFinishedPage::Puzzle_Rotate90LnkClick() {
    // The requested columns and rows turn with the grid.
    ApplyTransform(RotateVariant, true);
}

void TFinishedPage::ApplyTransform(int variant, bool exchangeRequestedSize) {
    // Turning keeps every word; only the hidden message and filler are laid afresh.
    Model().TransformGrid(variant, exchangeRequestedSize);
    Host().Document().LayOut();
    RefreshFinishedPage();
    Host().RepaintPreviews();
}

}  // namespace vorlix::shell
