#include "printjob.h"

#include <algorithm>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include "puzzledocument.h"
#include "puzzlemodel.h"
#include "safewrite.h"

namespace vorlix {

// --- Print page texts ---

QStringList QuantityItems() {
    QStringList items;
    for (int q = 1; q <= 10; ++q) items << QString::number(q);
    for (int q : {15, 20, 25, 30, 35, 40, 45, 50, 75, 100}) items << QString::number(q);
    return items;
}

namespace {

// Digits only: "+5", " 5" or "5.0" are not whole numbers as typed.
bool AllDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

}  // namespace

bool QuantityTextValid(const QString& text) {
    if (!AllDigits(text)) return false;
    bool ok = false;
    const int q = text.toInt(&ok);
    return ok && q >= 1 && q <= MaxPrintQuantity;
}

int QuantityFromText(const QString& text) {
    if (!AllDigits(text)) return 1;
    bool ok = false;
    const int q = text.toInt(&ok);
    // No copies at all would still print the solution sheets; one copy is what was meant.
    return ok && q >= 1 ? q : 1;
}

QStringList UniquesItems() {
    QStringList items{QStringLiteral("1 (All puzzles are identical)")};
    for (int u = 2; u <= MaxVariations; ++u) items << QStringLiteral("%1 variations of the same puzzle").arg(u);
    items << AllUniqueItemText;
    return items;
}

QString UniqueItemText(int quantity) { return QString::number(quantity) + QStringLiteral(" (All puzzles are unique.)"); }

int FormsFromUniquesText(const QString& text, int quantity) {
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    const QRegularExpressionMatch m = digits.match(text);
    if (!m.hasMatch()) return quantity;
    bool ok = false;
    const int u = m.captured().toInt(&ok);
    return ok ? u : quantity;
}

QString OneSolutionCaption(int forms) {
    return forms == 1 ? QStringLiteral("Print a solution for me.") : QStringLiteral("Print a set of solutions for me.");
}

QString ProgressCount(int i, int n) { return QString::number(i) + QStringLiteral(" of ") + QString::number(n); }

// --- Options and plan ---

TPrintOptions TPrintOptions::Normalized() const {
    TPrintOptions o = *this;
    o.Quantity = std::max(o.Quantity, 1);
    if (o.AllUnique)
        o.Forms = o.Forms >= 1 ? o.Forms : o.Quantity;
    else
        o.Forms = std::clamp(o.Forms, 1, MaxVariations);  // only eight grid variants exist
    return o;
}

TPrintOptions TPrintOptions::FromPrintPage(const QString& quantityText, int uniquesItemIndex, const QString& uniquesText,
                                           TSolutionChoice solutions) {
    TPrintOptions o;
    o.Quantity = QuantityFromText(quantityText);
    o.AllUnique = uniquesItemIndex == AllUniqueItemIndex;
    o.Forms = FormsFromUniquesText(uniquesText, o.Quantity);
    o.Solutions = solutions;
    return o.Normalized();
}

std::vector<TPlannedSheet> PlanSheets(const TPrintOptions& options) {
    const TPrintOptions o = options.Normalized();
    const int q = o.Quantity;
    const int u = o.Forms;
    const bool ownSolutions = o.AllUnique && o.Solutions != TSolutionChoice::Print_NoSolutionsRB;
    std::vector<TPlannedSheet> plan;
    for (int i = 1; i <= q; ++i) {
        const int f = i % u;
        // A unique copy's solution must follow before the next copy replaces the puzzle.
        plan.push_back({TSheetKind::Puzzle, f, i, q, o.AllUnique, !o.AllUnique, !ownSolutions});
        if (ownSolutions) plan.push_back({TSheetKind::Solution, f, i, q, false, false, true});
    }
    if (o.AllUnique) return plan;
    if (o.Solutions == TSolutionChoice::Print_OneSolutionRB)
        for (int k = 0; k < u; ++k) plan.push_back({TSheetKind::Solution, k, k + 1, u, false, true, true});
    if (o.Solutions == TSolutionChoice::Print_ManySolutionsRB)
        for (int i = 1; i <= q; ++i) plan.push_back({TSheetKind::Solution, i % u, i, q, false, true, true});
    return plan;
}

// --- Sinks ---

namespace {

QPageSize::PageSizeId PaperSizeId(const QString& paperName) {
    const QString name = paperName.trimmed().toLower();
    if (name == QLatin1String("legal")) return QPageSize::Legal;
    if (name == QLatin1String("a4")) return QPageSize::A4;
    return QPageSize::Letter;
}

}  // namespace

TPdfSheetSink::TPdfSheetSink(QString fileName, QString paperName)
    : fileName_(std::move(fileName)), paperName_(std::move(paperName)) {}

TPdfSheetSink::~TPdfSheetSink() = default;

QString TPdfSheetSink::WriteError() const {
    TWriteResult failure = file_ ? file_->Result() : TWriteResult{};
    if (failure.Ok()) failure.Reason = QStringLiteral("The PDF could not be made");
    return QStringLiteral("Could not write ") + DisplayPath(fileName_) + u'\n' + WriteFailureDetail(fileName_, failure);
}

PrinterPageMetrics TPdfSheetSink::Metrics() const { return MetricsForPaper(paperName_); }

bool TPdfSheetSink::BeginDocument() {
    file_ = std::make_unique<TSafeFile>(fileName_);
    abandoned_ = false;
    if (file_->Open()) {
        canvas_ = TAsCanvas::NewPdf(file_.get(), paperName_);
        if (canvas_->IsActive()) return true;
    }
    error_ = WriteError();
    return false;
}

bool TPdfSheetSink::NewSheet() { return canvas_->NewPage(); }

bool TPdfSheetSink::EndDocument() {
    if (canvas_) canvas_->End();
    canvas_.reset();
    if (!file_) return true;
    // An uncommitted temporary is removed with its TSafeFile.
    const bool written = abandoned_ || file_->Commit();
    if (!written) error_ = WriteError();
    file_.reset();
    return written;
}

TPrinterSheetSink::TPrinterSheetSink(QString printerName, QString paperName)
    : printerName_(std::move(printerName)), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    if (!printerName_.isEmpty()) printer_->setPrinterName(printerName_);
    if (!paperName.isEmpty()) printer_->setPageSize(QPageSize(PaperSizeId(paperName)));
    printer_->setDocName(QStringLiteral("Vorlix puzzle"));
}

TPrinterSheetSink::~TPrinterSheetSink() {
    canvas_.reset();  // the painter lets go of the printer first
}

void TPrinterSheetSink::SetPageLayout(const QPageLayout& layout) { printer_->setPageLayout(layout); }

bool TPrinterSheetSink::Available() const {
    const QStringList names = QPrinterInfo::availablePrinterNames();
    return !names.isEmpty() && (printerName_.isEmpty() || names.contains(printerName_));
}

PrinterPageMetrics TPrinterSheetSink::Metrics() const { return MetricsFromPrinter(*printer_); }

bool TPrinterSheetSink::BeginDocument() {
    canvas_ = TAsCanvas::ForPrinter(*printer_, Metrics());
    if (canvas_->IsActive()) return true;
    error_ = QStringLiteral("Could not start printing on ") + printer_->printerName();
    return false;
}

bool TPrinterSheetSink::NewSheet() { return canvas_->NewPage(); }

bool TPrinterSheetSink::EndDocument() {
    if (canvas_) canvas_->End();
    return printer_->printerState() != QPrinter::Error;
}

// --- Job ---

namespace {

bool jobRunning = false;

// Keeps the document's printer metrics and form count as the window left them.
class TDocumentState {
public:
    explicit TDocumentState(TPuzzleDocument& d) : d_(d), metrics_(d.PrinterMetrics()), forms_(d.FormCount()) {}
    ~TDocumentState() {
        d_.SetPrinterMetrics(metrics_);
        d_.SetFormCount(forms_);
        d_.LayOut();
    }

private:
    TPuzzleDocument& d_;
    PrinterPageMetrics metrics_;
    int forms_;
};

class TNoProgress : public IPrintProgress {
public:
    void ShowProgress(const QString&, const QString&) override {}
};

}  // namespace

bool TPrintJob::AnyRunning() { return jobRunning; }

TPrintJob::TPrintJob(TPuzzleDocument& document, ISheetSink& sink, IPrintProgress* progress)
    : document_(&document), sink_(&sink), progress_(progress) {}

TPrintOutcome TPrintJob::Run(const TPrintOptions& options) {
    // The window's events run between sheets, and a second Print click must not nest.
    if (jobRunning) return TPrintOutcome::Busy;
    TNoProgress silent;
    IPrintProgress& progress = progress_ ? *progress_ : silent;
    if (!sink_->Available()) {
        document_->Model().Host().ShowMessage(MessageKind::Information, NoPrinterText.toStdU16String(),
                                              MessageButtons::Ok);
        return TPrintOutcome::NoPrinter;
    }

    jobRunning = true;
    const TPrintOptions o = options.Normalized();
    TDocumentState keep(*document_);
    document_->SetPrinterMetrics(sink_->Metrics());
    document_->SetFormCount(o.Forms);
    sheets_ = 0;
    applied_ = 0;
    error_.clear();

    progress.ShowProgress(PrintingPuzzleText, ProgressCount(1, o.Quantity));
    progress.ProgressVisible(true);
    cancelled_ = false;
    bool failed = !sink_->BeginDocument();
    if (!failed) {
        for (const TPlannedSheet& sheet : PlanSheets(o)) {
            progress.ShowProgress(sheet.Kind == TSheetKind::Puzzle ? PrintingPuzzleText : PrintingSolutionText,
                                  ProgressCount(sheet.Index, sheet.Count));
            Prepare(sheet);
            if (sheet.NewPuzzle) progress.PuzzleRebuilt();
            if (sheet.Kind == TSheetKind::Puzzle) {
                for (int page = 1; page <= document_->WordListPage() && !failed; ++page)
                    failed = !DrawSheet(page, sheet.Form);
            } else {
                failed = !DrawSheet(document_->SolutionPage(), sheet.Form);
            }
            if (sheet.Variant) Undo();
            if (failed) break;
            if (sheet.EventsAfter) {
                progress.LetEventsRun();
                if (cancelled_) break;
            }
        }
        // The sheets drawn so far are printed, also after a cancel; a file is left as it was.
        if (failed || cancelled_) sink_->Abandon();
        if (!sink_->EndDocument()) failed = true;
    }
    if (failed) error_ = sink_->ErrorText();
    Undo();
    progress.ProgressVisible(false);
    jobRunning = false;
    if (failed) return TPrintOutcome::Failed;
    return cancelled_ ? TPrintOutcome::Cancelled : TPrintOutcome::Printed;
}

void TPrintJob::Prepare(const TPlannedSheet& sheet) {
    if (sheet.NewPuzzle) {
        document_->Model().RebuildPuzzle();
    } else if (sheet.Variant && sheet.Form != 0) {
        document_->Model().Puzzle().Transform(sheet.Form);
        applied_ = sheet.Form;
    }
}

void TPrintJob::Undo() {
    if (applied_ == 0) return;
    document_->Model().Puzzle().Transform(InverseVariant[static_cast<std::size_t>(applied_)]);
    applied_ = 0;
}

bool TPrintJob::DrawSheet(int page, int form) {
    if (sheets_ > 0 && !sink_->NewSheet()) return false;
    // Variants 1, 3, 4 and 6 exchange columns and rows, and a rebuilt puzzle has its own size.
    document_->LayOut();
    document_->DrawPage(sink_->Canvas(), page, form);
    ++sheets_;
    return true;
}

PrinterPageMetrics RefreshPrinter(TPuzzleDocument& document) {
    const PrinterPageMetrics m = ReadPrinterMetrics();
    document.SetPrinterMetrics(m);
    document.SetWordListPage(1);
    return m;
}

}  // namespace vorlix
