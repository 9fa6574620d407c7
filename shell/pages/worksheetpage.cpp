// The "Worksheet" page: two memos of header lines and the links that add or remove common ones.
#include "worksheetpage.h"

#include <array>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include "link.h"
#include "puzzlemodel.h"
#include "colorscheme.h"
#include "pagehost.h"
#include "services.h"

namespace vorlix::shell {

namespace {

struct TWorksheetLink {
    const char* Word;  // the link name's middle part
    const char* Caption;
};

// In the order of the model's WorksheetLines.
constexpr std::array<TWorksheetLink, 7> WorksheetLinks{{
    {"Name", "Name _____"},
    {"Date", "Date ______"},
    {"Subject", "Subject ____"},
    {"Group", "Group _____"},
    {"Teacher", "Teacher ____"},
    {"Class", "Class ______"},
    {"Period", "Period ____"},
}};

}  // namespace

TWorksheetPage::TWorksheetPage(IPageHost& host)
    : TPage(host, QStringLiteral("Worksheet"), QStringLiteral("Worksheet_Bnr"),
            QStringLiteral("Worksheet Header Lines")) {
    MakeText(QStringLiteral("Worksheet_IntroLbl"),
             QStringLiteral("Header lines are printed at the top of the puzzle page for the solver to fill in, "
                            "such as a name and a date. Type your own lines into the boxes, one per line, or "
                            "click a line below a box to add it; click it again to take it away."),
             Body());

    auto* sides = new QHBoxLayout;
    sides->setSpacing(24);
    sides->addWidget(MakeSide(true), 1);
    sides->addWidget(MakeSide(false), 1);
    Body()->addLayout(sides);

    Body()->addSpacing(4);
    auto* fontRow = new QHBoxLayout;
    MakeLink(QStringLiteral("Worksheet_FontLnk"), QStringLiteral("Change worksheet font"),
             [this] { Host().ShowAppearance(QStringLiteral("Worksheet")); }, fontRow);
    fontRow->addStretch(1);
    Body()->addLayout(fontRow);

    auto* prefRow = new QHBoxLayout;
    prefRow->setSpacing(4);
    MakeText(QStringLiteral("Worksheet_PrefLbl"),
             QStringLiteral("To start every new puzzle with these lines, memorize them on the Personalize page:"),
             prefRow)
        ->setWordWrap(false);
    MakeLink(QStringLiteral("Worksheet_PrefLnk"), QStringLiteral("click here"),
             [this] { Host().TurnPage(QStringLiteral("Pref")); }, prefRow);
    prefRow->addStretch(1);
    Body()->addLayout(prefRow);

    auto* buttons = new QHBoxLayout;
    MakeContinueButton(QStringLiteral("Worksheet_ContinueBtn"), buttons);
    buttons->addStretch(1);
    Body()->addSpacing(8);
    Body()->addLayout(buttons);
    Body()->addStretch(1);

    LoadFromModel();
}

QWidget* TWorksheetPage::MakeSide(bool left) {
    const QString side = left ? QStringLiteral("Left") : QStringLiteral("Right");
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("Worksheet_") + side + QStringLiteral("Pnl"));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);

    auto* title = new QLabel(left ? QStringLiteral("Top left of the page:") : QStringLiteral("Top right of the page:"),
                             box);
    title->setObjectName(QStringLiteral("Worksheet_") + side + QStringLiteral("Lbl"));
    column->addWidget(title);

    auto* memo = new QPlainTextEdit(box);
    memo->setObjectName(QStringLiteral("Worksheet_") + side + QStringLiteral("Memo"));
    memo->setAccessibleName(left ? QStringLiteral("Left worksheet") : QStringLiteral("Right worksheet"));
    memo->setTabChangesFocus(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setMinimumHeight(110);
    memo->setMaximumHeight(170);
    connect(memo, &QPlainTextEdit::textChanged, this, [this, left] { MemoEdited(left); });
    column->addWidget(memo);
    (left ? leftMemo_ : rightMemo_) = memo;

    auto* links = new QGridLayout;
    links->setHorizontalSpacing(24);
    links->setVerticalSpacing(4);
    const TColorScheme& scheme = Host().Scheme();
    for (std::size_t i = 0; i < WorksheetLinks.size(); ++i) {
        const int index = static_cast<int>(i);
        TLink* link = MakeLink(QStringLiteral("Worksheet_") + side + QString::fromLatin1(WorksheetLinks[i].Word) +
                                   QStringLiteral("Lnk"),
                               QString::fromLatin1(WorksheetLinks[i].Caption),
                               [this, left, index] { Toggle(left, index); });
        // The underscores already draw a line: these links are underlined only while highlighted,
        // and the link restyling leaves them as set here.
        link->SetLinkColours(scheme.LinkText, scheme.LinkHover, false);
        links->addWidget(link, index % 4, index / 4, Qt::AlignLeft);
    }
    links->setColumnStretch(2, 1);
    column->addLayout(links);
    return box;
}

void TWorksheetPage::Toggle(bool left, int lineIndex) {
    TPuzzleModel& m = Model();
    const QStringList& lines = left ? m.Puzzle().WorksheetLeftLines : m.Puzzle().WorksheetRightLines;
    const qsizetype before = lines.size();
    m.ToggleWorksheetLine(left, lineIndex);
    QPlainTextEdit* memo = left ? leftMemo_ : rightMemo_;
    ShowMemoLines(*memo, lines);
    if (lines.size() > before) {
        QTextCursor caret = memo->textCursor();
        caret.movePosition(QTextCursor::End);
        memo->setTextCursor(caret);
    }
}

void TWorksheetPage::MemoEdited(bool left) {
    Model().SetWorksheetLines(left, MemoLines(left ? *leftMemo_ : *rightMemo_));
}

void TWorksheetPage::LoadFromModel() {
    ShowMemoLines(*leftMemo_, Model().Puzzle().WorksheetLeftLines);
    ShowMemoLines(*rightMemo_, Model().Puzzle().WorksheetRightLines);
}

}  // namespace vorlix::shell
