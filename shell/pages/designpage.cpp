// The "Design" page: every edit goes to the model's change handlers; labels follow the model.
#include "designpage.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "desktopfit.h"
#include "link.h"
#include "memolines.h"
#include "puzzlemodel.h"
#include "services.h"
#include "pagehost.h"
#include "wordlistio.h"

namespace vorlix::shell {

namespace {

const QString ImportFilter = QStringLiteral(
    "Word Search Puzzle File (*.ws)|*.WS|"
    "Theme Word File (*.thm)|*.THM|"
    "Gridmoor Puzzle File (*.gmr)|*.GMR|"
    "Text Files (*.txt)|*.TXT|"
    "Most useful files (*.ws, *.thm, *.gmr, *.txt)|*.WS;*.THM;*.GMR;*.TXT|"
    "All Files (*.*)|*.*");
const QString ExportFilter =
    QStringLiteral("Theme word list file (*.thm)|*.thm|Text file (*.txt)|*.txt|All files (*.*)|*.*");

const QString LongCluesHint = QStringLiteral(
    "For best results, try to keep your longest clue as short as possible. This keeps all your clues "
    "legible. It also makes it easier for your puzzle solver to tell them apart. If you must use long "
    "clues, you may need to limit the number of entries (word/clue pairs) in the puzzle so that all your "
    "clues will fit in a single column below the grid of letters.");

constexpr int LongCluesHintSeconds = 60;

// A memo a few lines high that keeps that height when the edit text size changes.
class TShortMemo : public QPlainTextEdit {
public:
    TShortMemo(int lines, QWidget* parent) : QPlainTextEdit(parent), lines_(lines) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setTabChangesFocus(true);
    }
    QSize sizeHint() const override {
        const int text = fontMetrics().lineSpacing() * lines_;
        const int margins = static_cast<int>(2 * document()->documentMargin()) + 2 * frameWidth() + 4;
        return {QPlainTextEdit::sizeHint().width(), text + margins};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* event) override {
        QPlainTextEdit::changeEvent(event);
        if (event->type() == QEvent::FontChange) updateGeometry();
    }

private:
    int lines_;
};

QLabel* BoldText(QLabel* label) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

}  // namespace

TDesignPage::TDesignPage(IPageHost& host)
    : TPage(host, QStringLiteral("Design"), QStringLiteral("Words_Bnr"),
            QStringLiteral("Design Puzzle:  Your Words and Other Content")) {
    auto* columns = new QHBoxLayout;
    columns->setSpacing(24);
    columns->addWidget(BuildWordListColumn(), 3);
    columns->addWidget(BuildOptionsColumn(), 2);
    Body()->addLayout(columns, 1);
    LoadFromModel();
    const TModelSignals& notices = Model().Signals();
    connect(&notices, &TModelSignals::PuzzleChanged, this, &TDesignPage::ShowModelTexts);
    connect(&notices, &TModelSignals::PuzzleTypeChanged, this, &TDesignPage::PuzzleTypeChanged);
}

QWidget* TDesignPage::BuildWordListColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("Words_ListPnl"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    wordListLbl_ = BoldText(MakeText(QStringLiteral("WordListLbl"), Model().WordListLbl()));
    layout->addWidget(wordListLbl_);

    memo_ = new QPlainTextEdit(column);
    memo_->setObjectName(QStringLiteral("Words_Memo"));
    memo_->setAccessibleName(Model().WordListLbl());
    memo_->setTabChangesFocus(true);
    memo_->setMinimumSize(220, 160);
    wordListLbl_->setBuddy(memo_);
    connect(memo_, &QPlainTextEdit::textChanged, this, &TDesignPage::WordsChanged);
    layout->addWidget(memo_, 1);

    auto* status = new QHBoxLayout;
    wordCountLbl_ = MakeText(QStringLiteral("WordCountLbl"), Model().WordCountLbl);
    wordCountLbl_->setWordWrap(false);
    status->addWidget(wordCountLbl_);
    status->addStretch(1);
    // The label and its link read as one sentence, so they sit side by side.
    longCluesLbl_ = MakeText(QStringLiteral("Words_LongCluesWarningLbl"), QStringLiteral("Please click"));
    longCluesLbl_->setWordWrap(false);
    status->addWidget(longCluesLbl_);
    longCluesLnk_ = MakeLink(QStringLiteral("Words_LongCluesWarningLnk"), QStringLiteral("Hints About Long Clues"),
                             [this] { ShowLongCluesHint(); });
    status->addWidget(longCluesLnk_);
    layout->addLayout(status);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(8);
    MakeButton(QStringLiteral("Words_ClearListBtn"), QStringLiteral("Clear List"), [this] { ClearList(); },
               commands);
    MakeButton(QStringLiteral("Words_ExportListBtn"), QStringLiteral("Export List"), [this] { ExportList(); },
               commands);
    MakeButton(QStringLiteral("Words_SpellingBtn"), QStringLiteral("Spelling"), [this] { CheckSpelling(); },
               commands);
    commands->addStretch(1);
    layout->addLayout(commands);
    return column;
}

QComboBox* TDesignPage::MakeSizeBox(const QString& name, const QString& caption) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->addItem(QStringLiteral("Automatic"));
    for (int n = 1; n <= MaxRequestedSize; ++n) box->addItem(QString::number(n));
    box->setMaxVisibleItems(16);
    connect(box, &QComboBox::currentIndexChanged, this, &TDesignPage::SizeChanged);
    return box;
}

QWidget* TDesignPage::BuildOptionsColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("Words_OptionsPnl"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    // Title.
    auto* titleRow = new QHBoxLayout;
    QLabel* titleLbl = BoldText(MakeText(QStringLiteral("Words_TitleLbl"), QStringLiteral("Enter puzzle title here, if any.")));
    titleRow->addWidget(titleLbl, 1);
    MakeLink(QStringLiteral("Words_TitleOptionsLnk"), QStringLiteral("Title options"),
             [this] { Host().ShowAppearance(QStringLiteral("Title")); }, titleRow);
    layout->addLayout(titleRow);
    titleMemo_ = new TShortMemo(2, column);
    titleMemo_->setObjectName(QStringLiteral("Words_TitleMemo"));
    titleMemo_->setAccessibleName(titleLbl->text());
    titleLbl->setBuddy(titleMemo_);
    connect(titleMemo_, &QPlainTextEdit::textChanged, this, &TDesignPage::TitleChanged);
    layout->addWidget(titleMemo_);

    // Hidden message, shown for hidden-message puzzles only.
    layout->addSpacing(6);
    auto* hiddenRow = new QHBoxLayout;
    hiddenLbl_ = BoldText(MakeText(QStringLiteral("Words_HiddenLbl"), QStringLiteral("Enter hidden message here.")));
    hiddenRow->addWidget(hiddenLbl_, 1);
    hiddenExampleLnk_ = MakeLink(QStringLiteral("Words_HiddenExampleLnk"), QStringLiteral("Example"),
                                 [this] { Host().ShowTour(QStringLiteral("Animation")); }, hiddenRow);
    layout->addLayout(hiddenRow);
    hiddenMemo_ = new TShortMemo(3, column);
    hiddenMemo_->setObjectName(QStringLiteral("Words_HiddenMemo"));
    hiddenMemo_->setAccessibleName(hiddenLbl_->text());
    hiddenLbl_->setBuddy(hiddenMemo_);
    connect(hiddenMemo_, &QPlainTextEdit::textChanged, this, &TDesignPage::HiddenChanged);
    layout->addWidget(hiddenMemo_);

    // Grid size.
    layout->addSpacing(6);
    auto* size = new QGridLayout;
    size->setHorizontalSpacing(8);
    size->setVerticalSpacing(4);
    columns_ = MakeSizeBox(QStringLiteral("Words_ColumnsCmBx"), QStringLiteral("Columns"));
    rows_ = MakeSizeBox(QStringLiteral("Words_RowsCmBx"), QStringLiteral("Rows"));
    QLabel* columnsLbl = MakeText(QStringLiteral("Words_ColumnsLbl"), QStringLiteral("Columns:"));
    QLabel* rowsLbl = MakeText(QStringLiteral("Words_RowsLbl"), QStringLiteral("Rows:"));
    columnsLbl->setBuddy(columns_);
    rowsLbl->setBuddy(rows_);
    size->addWidget(columnsLbl, 0, 0);
    size->addWidget(columns_, 0, 1);
    size->addWidget(rowsLbl, 1, 0);
    size->addWidget(rows_, 1, 1);
    size->setColumnStretch(2, 1);
    layout->addLayout(size);
    pack_ = new QCheckBox(QStringLiteral("Fit all words (search harder)"), column);
    pack_->setObjectName(QStringLiteral("Words_PackCB"));
    pack_->setAccessibleName(pack_->text());
    connect(pack_, &QCheckBox::toggled, this,
            [this](bool on) { Model().SetPackMode(on ? TPackMode::Tight : TPackMode::Classic); });
    layout->addWidget(pack_);
    QLabel* packNote = MakeText(QStringLiteral("Words_PackLbl"),
                                QStringLiteral("Searches until every word that can fit is in, in the smallest grid, "
                                               "or in the size you chose. Takes up to a few seconds."));
    packNote->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(packNote);

    // Word-list commands.
    layout->addSpacing(6);
    MakeLink(QStringLiteral("Words_ImportLnk"), QStringLiteral("Import words from a file"), [this] { ImportList(); },
             layout);
    MakeLink(QStringLiteral("Words_ExampleLnk"), QStringLiteral("Example"),
             [this] { Host().ShowExample(QString()); }, layout);

    // The option pages, two short columns.
    layout->addSpacing(6);
    layout->addWidget(MakeText(QStringLiteral("Words_MoreOptionsLbl"), QStringLiteral("You can also change the:")));
    struct TPageLink {
        const char* Name;
        const char* Caption;
        const char* Page;
    };
    static constexpr TPageLink PageLinks[] = {
        {"Words_DirsLnk", "word directions", "Dirs"},
        {"Words_SharingLnk", "letter sharing", "Sharing"},
        {"Words_WorksheetLnk", "worksheet", "Worksheet"},
        {"Words_InstructionsLnk", "instructions", "Instructions"},
        {"Words_CapsLnk", "capitalization", "Caps"},
        {"Words_PuzzleType_Lnk", "Change puzzle type", "Type_"},
        {"Words_CreditsLnk", "credits line", "Credits"},
    };
    auto* links = new QGridLayout;
    links->setContentsMargins(12, 0, 0, 0);
    links->setHorizontalSpacing(18);
    links->setVerticalSpacing(2);
    constexpr int perColumn = 4;
    int i = 0;
    for (const TPageLink& l : PageLinks) {
        const QString page = QString::fromLatin1(l.Page);
        TLink* link = MakeLink(QString::fromLatin1(l.Name), QString::fromLatin1(l.Caption),
                               [this, page] { Host().TurnPage(page); });
        links->addWidget(link, i % perColumn, i / perColumn, Qt::AlignLeft);
        ++i;
    }
    links->setColumnStretch(2, 1);
    layout->addLayout(links);

    layout->addStretch(1);
    auto* next = new QHBoxLayout;
    next->addStretch(1);
    MakeCreateNowButton(QStringLiteral("Words_NextBtn"), next);
    layout->addLayout(next);
    return column;
}

void TDesignPage::Enter() {
    if (QLayout* l = layout()) l->activate();
    if (memo_->isVisible() && memo_->isEnabled()) memo_->setFocus(Qt::OtherFocusReason);
}

void TDesignPage::LoadFromModel() {
    ShowModelTexts();
    PuzzleTypeChanged();
}

void TDesignPage::ShowModelTexts() {
    const TPuzzle& p = Model().Puzzle();
    const QSignalBlocker b1(memo_), b2(titleMemo_), b3(hiddenMemo_), b4(columns_), b5(rows_), b6(pack_);
    pack_->setChecked(p.PackMode == TPackMode::Tight);
    // Only a text that differs is shown again, so typing keeps its caret.
    const std::pair<QPlainTextEdit*, const QStringList*> memos[] = {
        {memo_, &p.WordLines}, {titleMemo_, &p.TitleLines}, {hiddenMemo_, &p.HiddenMessageLines}};
    for (const auto& [memo, lines] : memos)
        if (MemoLines(*memo) != *lines) ShowMemoLines(*memo, *lines);
    // A size read from a file may lie outside the list; the box shows the nearest.
    columns_->setCurrentIndex(std::clamp(p.RequestedColumns, 0, MaxRequestedSize));
    rows_->setCurrentIndex(std::clamp(p.RequestedRows, 0, MaxRequestedSize));
    ShowWordCount();
}

void TDesignPage::PuzzleTypeChanged() {
    const TPuzzleModel& m = Model();
    const bool clues = m.CustomCluesMode();
    wordListLbl_->setText(m.WordListLbl());
    memo_->setAccessibleName(m.WordListLbl());
    SetWordWrap(!clues);
    longCluesLbl_->setVisible(clues);
    longCluesLnk_->setVisible(clues);

    const bool hidden = m.HiddenMessageMode();
    for (QWidget* w : {static_cast<QWidget*>(hiddenLbl_), static_cast<QWidget*>(hiddenExampleLnk_),
                       static_cast<QWidget*>(hiddenMemo_)}) {
        w->setEnabled(hidden);
        w->setVisible(hidden);
    }
    ShowWordCount();
}

QWidget* TDesignPage::WordsMemoWidget() const { return memo_; }

void TDesignPage::SetWordWrap(bool on) {
    memo_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool TDesignPage::WordWrap() const { return memo_->lineWrapMode() != QPlainTextEdit::NoWrap; }

void TDesignPage::WordsChanged() {
    Model().SetWordLines(MemoLines(*memo_));
    ShowWordCount();
}

void TDesignPage::TitleChanged() { Model().SetTitleLines(MemoLines(*titleMemo_)); }

void TDesignPage::HiddenChanged() { Model().SetHiddenMessageLines(MemoLines(*hiddenMemo_)); }

void TDesignPage::SizeChanged() {
    Model().SetRequestedSize(std::max(0, columns_->currentIndex()), std::max(0, rows_->currentIndex()));
}

void TDesignPage::ShowWordCountLabel() {
    const TPuzzleModel& m = Model();
    wordCountLbl_->setText(m.WordCountLbl);
    wordCountLbl_->setAccessibleName(m.WordCountLbl);
}

void TDesignPage::ShowWordCount() {
    ShowWordCountLabel();
    const TPuzzleModel& m = Model();
    if (!m.CustomCluesMode()) return;
    const bool warn = m.LongClues;
    QFont f = longCluesLbl_->font();
    f.setBold(warn);
    longCluesLbl_->setFont(f);
    QPalette p = longCluesLbl_->palette();
    p.setColor(QPalette::WindowText, warn ? WarningText : QColor(Qt::black));
    longCluesLbl_->setPalette(p);
}

void TDesignPage::ClearList() {
    {
        const QSignalBlocker block(memo_);
        memo_->clear();
    }
    // Exactly one change, even when the list was empty already.
    WordsChanged();
}

void TDesignPage::ImportList() {
    TFileDialogRequest request;
    request.Title = QStringLiteral("Import Word List");
    request.Filter = ImportFilter;
    request.FilterIndex = 4;  // "Most useful files"
    const QString fileName = Host().Services().Files.OpenFileName(this, request);
    if (fileName.isEmpty()) return;
    ImportFile(fileName);
}

void TDesignPage::ImportFile(const QString& fileName) {
    QStringList lines = Model().Puzzle().WordLines;
    TReport report;
    const TContinueQuestion goOn = [this] {
        return Host().Services().Messages.ShowMessage(MessageKind::Confirmation, ToWide(TooManyLinesQuestion()),
                                                      MessageButtons::YesNo) != MessageAnswer::No;
    };
    {
        const TBusyCursor busy;
        ImportWordList(fileName, {Model().CustomCluesMode()}, lines, goOn, report);
    }
    // The word page counts any import as an edit, even one that failed halfway.
    Model().SetWordLines(lines);
    ShowReport(Host().Services().Messages, report);
    LoadFromModel();
}

void TDesignPage::ExportList() {
    TFileDialogRequest request;
    request.Title = QStringLiteral("Export only the word list to a file");
    request.Filter = ExportFilter;
    request.DefaultSuffix = QStringLiteral("thm");
    const QString fileName = Host().Services().Files.SaveFileName(this, request);
    if (fileName.isEmpty()) return;
    TReport report;
    {
        const TBusyCursor busy;
        ExportWordList(fileName, Model().Puzzle().WordLines, {Model().CustomCluesMode()}, report);
    }
    ShowReport(Host().Services().Messages, report);
}

void TDesignPage::CheckSpelling() {
    Host().RunSpellingCheck(false);
    Model().SpellingUpToDate = true;
}

void TDesignPage::ShowLongCluesHint() {
    SetWordWrap(false);
    Host().ShowHintBeside(longCluesLnk_, LongCluesHint, LongCluesHintSeconds);
}

}  // namespace vorlix::shell
