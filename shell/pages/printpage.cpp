// The print page reads its choices into TPrintOptions and hands the run to TPrintJob; the
// sheets go to the chosen printer or to a PDF, and the window stays responsive meanwhile.
#include "printpage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "desktopfit.h"
#include "pagehost.h"
#include "printchoices.h"
#include "puzzledocument.h"
#include "puzzlemodel.h"
#include "services.h"
#include "sheetdiagram.h"

namespace vorlix::shell {

namespace {

inline const QString PdfOfferText = QStringLiteral("No paper at hand? The same sheets can go into a PDF file.");
const QColor InvalidQuantityColor = WarningText;

// The sheets the page's choices would print, redrawn whenever they change.
class TThumbnailsBox : public QWidget {
public:
    TThumbnailsBox(const TPrintPage& page, QWidget* parent) : QWidget(parent), page_(page) {
        setObjectName(QStringLiteral("Print_ThumbnailsPB"));
        setAccessibleName(QStringLiteral("Sheets that will be printed"));
        setMinimumHeight(84);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        // A run shows the picture it began with.
        if (!page_.Printing() || shown_.isNull()) {
            shown_ = QPixmap(size());
            QPainter onPixmap(&shown_);
            PaintSheetDiagram(onPixmap, size(), page_.Options());
        }
        QPainter painter(this);
        painter.drawPixmap(rect(), shown_);
    }

private:
    const TPrintPage& page_;
    QPixmap shown_;
};

// The PDF keeps the chosen printer's paper when it is one a PDF can have.
QString PdfPaperOf(const QPrinter& printer) { return PaperName(printer.pageLayout().pageSize().id()); }

QLabel* MakeCaption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TPrintPage::TPrintPage(IPageHost& host)
    : TPage(host, QStringLiteral("Print"), QStringLiteral("Print_Bnr"), QStringLiteral("Print")),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    MakeText(QStringLiteral("Print_IntroLbl"),
             QStringLiteral("Choose how many copies to print and whether they should all be alike. Variations "
                            "turn and mirror the same grid; unique puzzles are each built anew from your words."),
             Body());

    QFrame* panel = MakeInsetPanel(QStringLiteral("Print_ChoicesPnl"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);

    quantity_ = new QComboBox(panel);
    quantity_->setObjectName(QStringLiteral("Print_QuantityCmBx"));
    quantity_->setAccessibleName(QStringLiteral("Quantity"));
    quantity_->setEditable(true);
    quantity_->setInsertPolicy(QComboBox::NoInsert);
    quantity_->addItems(QuantityItems());
    quantity_->setMinimumContentsLength(5);
    quantity_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    quantity_->setCurrentIndex(0);
    connect(quantity_, &QComboBox::editTextChanged, this, [this] { Print_QuantityCmBxChange(); });
    grid->addWidget(MakeCaption(QStringLiteral("How many &copies:"), quantity_, panel), 0, 0);
    grid->addWidget(quantity_, 0, 1, Qt::AlignLeft);

    uniques_ = new QComboBox(panel);
    uniques_->setObjectName(QStringLiteral("Print_UniquesCmBx"));
    uniques_->setAccessibleName(QStringLiteral("Different forms"));
    uniques_->addItems(UniquesItems());
    uniques_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(uniques_, &QComboBox::currentIndexChanged, this, [this] { Print_UniquesCmBxChange(); });
    grid->addWidget(MakeCaption(QStringLiteral("&Different forms:"), uniques_, panel), 1, 0);
    grid->addWidget(uniques_, 1, 1, Qt::AlignLeft);

    auto* radios = new QVBoxLayout;
    radios->setSpacing(4);
    solutions_ = new QButtonGroup(this);
    MakeRadio(QStringLiteral("Print_NoSolutionsRB"), NoSolutionsCaption, solutions_,
              static_cast<int>(TSolutionSheets::None), radios, panel);
    oneSolution_ = MakeRadio(QStringLiteral("Print_OneSolutionRB"), OneSolutionCaption(1), solutions_,
                             static_cast<int>(TSolutionSheets::One), radios, panel);
    MakeRadio(QStringLiteral("Print_ManySolutionsRB"), ManySolutionsCaption, solutions_,
              static_cast<int>(TSolutionSheets::Many), radios, panel);
    oneSolution_->setChecked(true);
    connect(solutions_, &QButtonGroup::idClicked, this, [this] { Print_SolutionsClick(); });
    grid->addWidget(new QLabel(QStringLiteral("Solutions:"), panel), 2, 0, Qt::AlignTop);
    grid->addLayout(radios, 2, 1);

    auto* framed = new QFrame(panel);
    framed->setFrameShape(QFrame::StyledPanel);
    auto* framedLayout = new QVBoxLayout(framed);
    framedLayout->setContentsMargins(1, 1, 1, 1);
    thumbnails_ = new TThumbnailsBox(*this, framed);
    framedLayout->addWidget(thumbnails_);
    grid->addWidget(framed, 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    Body()->addWidget(panel);

    auto* printRow = new QHBoxLayout;
    MakeButton(QStringLiteral("Print_NowBtn"), QStringLiteral("&Print Now"), [this] { Print_NowBtnClick(); }, printRow);
    MakeButton(QStringLiteral("Print_SelectPrinterBtn"), QStringLiteral("&Select Printer"),
               [this] { Print_SelectPrinterBtnClick(); }, printRow);
    printerLbl_ = new QLabel(this);
    printerLbl_->setObjectName(QStringLiteral("Print_PrinterLbl"));
    printerLbl_->setForegroundRole(QPalette::PlaceholderText);
    printRow->addSpacing(8);
    printRow->addWidget(printerLbl_, 1);
    Body()->addLayout(printRow);

    auto* pdfRow = new QHBoxLayout;
    pdfNote_ = new QLabel(PdfOfferText, this);
    pdfNote_->setObjectName(QStringLiteral("Print_NoPrinterLbl"));
    pdfNote_->setWordWrap(true);
    MakeButton(QStringLiteral("Print_PdfBtn"), QStringLiteral("Save as PD&F"), [this] { Print_PdfBtnClick(); }, pdfRow);
    pdfRow->addSpacing(8);
    pdfRow->addWidget(pdfNote_, 1);
    Body()->addLayout(pdfRow);

    auto* bookRow = new QHBoxLayout;
    MakeButton(QStringLiteral("Print_MakeBookBtn"), QStringLiteral("Make a &Book..."), [this] { Host().MakeBook(); },
               bookRow);
    bookRow->addStretch(1);
    Body()->addLayout(bookRow);

    Body()->addWidget(MakeProgressRow());
    MakeContinueButton(QStringLiteral("Print_ContinueBtn"), Body());
    Body()->addStretch(1);
    ShowPrinterNotice();
}

TPrintPage::~TPrintPage() {
    if (job_) job_->Cancel();
}

QWidget* TPrintPage::MakeProgressRow() {
    progress_ = new QWidget(this);
    progress_->setObjectName(QStringLiteral("Print_ProgressPnl"));
    auto* row = new QHBoxLayout(progress_);
    row->setContentsMargins(0, 4, 0, 4);
    printingLbl_ = new QLabel(PrintingPuzzleText, progress_);
    printingLbl_->setObjectName(QStringLiteral("Print_PrintingLbl"));
    QFont bold = printingLbl_->font();
    bold.setBold(true);
    printingLbl_->setFont(bold);
    progressLbl_ = new QLabel(progress_);
    progressLbl_->setObjectName(QStringLiteral("Print_ProgressLbl"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"), progress_);
    cancel_->setObjectName(QStringLiteral("Print_CancelBtn"));
    cancel_->setAccessibleName(QStringLiteral("Cancel"));
    connect(cancel_, &QPushButton::clicked, this, [this] { Print_CancelBtnClick(); });
    row->addWidget(printingLbl_);
    row->addWidget(progressLbl_);
    row->addSpacing(12);
    row->addWidget(cancel_);
    row->addStretch(1);
    progress_->hide();
    return progress_;
}

void TPrintPage::Enter() {
    ShowPrinterNotice();
    if (auto* b = findChild<QPushButton*>(QStringLiteral("Print_NowBtn")); b && b->isVisible() && b->isEnabled())
        b->setFocus();
}

// --- Choices.

TSolutionSheets TPrintPage::Solutions() const {
    const int id = solutions_->checkedId();
    return id < 0 ? TSolutionSheets::One : static_cast<TSolutionSheets>(id);
}

TPrintOptions TPrintPage::Options() const {
    return PrintOptionsFromPage(quantity_->currentText(), uniques_->currentIndex(), uniques_->currentText(),
                                Solutions());
}

void TPrintPage::Print_QuantityCmBxChange() {
    const QString text = quantity_->currentText();
    const bool valid = QuantityTextValid(text);
    QPalette palette = quantity_->lineEdit()->palette();
    palette.setColor(QPalette::Text, valid ? palette.color(QPalette::WindowText) : InvalidQuantityColor);
    quantity_->lineEdit()->setPalette(palette);
    if (!valid) return;
    // Renaming keeps the ninth item chosen when it was; the edit text is left as typed.
    {
        const QSignalBlocker block(uniques_);
        uniques_->setItemText(AllUniqueItemIndex, UniqueItemText(QuantityFromText(text)));
    }
    Print_UniquesCmBxChange();
}

void TPrintPage::Print_UniquesCmBxChange() {
    const QString caption = OneSolutionCaption(Options().Forms);
    oneSolution_->setText(caption);
    oneSolution_->setAccessibleName(caption);
    thumbnails_->update();
}

void TPrintPage::Print_SolutionsClick() { thumbnails_->update(); }

// --- Printer.

void TPrintPage::ShowPrinterNotice() {
    const bool installed = Host().Services().Printers.PrinterInstalled();
    pdfNote_->setText(installed ? PdfOfferText : NoPrinterText);
    QFont font = pdfNote_->font();
    font.setBold(!installed);
    pdfNote_->setFont(font);
    if (!installed)
        printerLbl_->setText(QStringLiteral("No printer installed"));
    else if (printerChosen_ && !printer_->printerName().isEmpty())
        printerLbl_->setText(QStringLiteral("Printer: ") + printer_->printerName());
    else
        printerLbl_->setText(QStringLiteral("Printer: the default printer"));
}

void TPrintPage::RefreshPrinter() {
    TPuzzleDocument& document = Host().Document();
    if (printerChosen_ && Host().Services().Printers.PrinterInstalled())
        document.SetPrinterMetrics(MetricsFromPrinter(*printer_));
    else
        document.SetPrinterMetrics(ReadPrinterMetrics());
    document.SetWordListPage(1);
    document.LayOut();
    Host().PrinterChanged();
    Host().RepaintPreviews();
}

void TPrintPage::Print_SelectPrinterBtnClick() {
    IPrinterDialogs& printers = Host().Services().Printers;
    if (!printers.PrinterInstalled()) {
        Host().Services().Messages.ShowMessage(MessageKind::Information, NoPrinterText.toStdU16String(),
                                               MessageButtons::Ok);
        ShowPrinterNotice();
        return;
    }
    if (!printers.SetupPrinter(this, *printer_)) return;
    printerChosen_ = true;
    RefreshPrinter();
    ShowPrinterNotice();
}

// --- Printing.

void TPrintPage::SetControlsEnabled(bool enabled) {
    for (const char* name : {"Print_NowBtn", "Print_PdfBtn", "Print_SelectPrinterBtn", "Print_ContinueBtn"})
        if (auto* b = findChild<QPushButton*>(QString::fromLatin1(name))) b->setEnabled(enabled);
    quantity_->setEnabled(enabled);
    uniques_->setEnabled(enabled);
    for (QAbstractButton* b : solutions_->buttons()) b->setEnabled(enabled);
}

TPrintOutcome TPrintPage::RunJob(ISheetSink& sink) {
    if (job_ || TPrintJob::AnyRunning()) return TPrintOutcome::Busy;
    TPrintJob job(Host().Document(), sink, this);
    // The copies are built beside the puzzle on screen, checked as its own builds are.
    TPuzzleBuilder copies;
    copies.CheckLike(Model().Builder());
    job_ = &job;
    SetControlsEnabled(false);
    TReport report;
    const TPrintOutcome outcome = job.Run(Options(), copies, report);
    job_ = nullptr;
    lastSheets_ = job.SheetsPrinted();
    SetControlsEnabled(true);
    ShowReport(Host().Services().Messages, report);
    if (outcome == TPrintOutcome::Failed) {
        const QString error = job.ErrorText().isEmpty() ? QStringLiteral("Printing failed.") : job.ErrorText();
        Host().Services().Messages.ShowMessage(MessageKind::Warning, error.toStdU16String(), MessageButtons::Ok);
    }
    thumbnails_->update();
    return outcome;
}

bool TPrintPage::Print_NowBtnClick() {
    if (!Host().Services().Printers.PrinterInstalled()) {
        Host().Services().Messages.ShowMessage(MessageKind::Information, NoPrinterText.toStdU16String(),
                                               MessageButtons::Ok);
        ShowPrinterNotice();
        return false;
    }
    TPrinterSheetSink sink(printerChosen_ ? printer_->printerName() : QString());
    if (printerChosen_) sink.SetPageLayout(printer_->pageLayout());
    return RunJob(sink) == TPrintOutcome::Printed;
}

bool TPrintPage::Print_PdfBtnClick() {
    TFileDialogRequest request;
    request.Title = QStringLiteral("Save as PDF");
    request.Filter = QStringLiteral("PDF files (*.pdf)|*.pdf|All files (*.*)|*.*");
    request.DefaultSuffix = QStringLiteral("pdf");
    QString base = Model().CurrentFileName();
    if (base.endsWith(QLatin1String(".ws"), Qt::CaseInsensitive)) base.chop(3);
    request.FileName = base + QStringLiteral(".pdf");
    const QString fileName = Host().Services().Files.SaveFileName(this, request);
    if (fileName.isEmpty()) return false;
    TPdfSheetSink sink(fileName, PdfPaperOf(*printer_));
    return RunJob(sink) == TPrintOutcome::Printed;
}

void TPrintPage::Print_CancelBtnClick() {
    if (job_) job_->Cancel();
}

// --- Progress.

void TPrintPage::ProgressVisible(bool shown) {
    progress_->setVisible(shown);
    if (shown) cancel_->setFocus();
}

void TPrintPage::ShowProgress(const QString& printing, const QString& count) {
    printingLbl_->setText(printing);
    progressLbl_->setText(count);
}

void TPrintPage::LetEventsRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

}  // namespace vorlix::shell
