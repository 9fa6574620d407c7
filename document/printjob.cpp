#include "printjob.h"

#include <algorithm>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include "puzzledocument.h"
#include "puzzlebuilder.h"
#include "sheetdiagram.h"
#include "safewrite.h"

namespace vorlix {

QString ProgressCount(int i, int n) { return QString::number(i) + QStringLiteral(" of ") + QString::number(n); }

std::uint32_t DefaultUniqueSeed() {
    // Where the print page's colour shuffle used to leave the program's generator, so runs
    // print the copies they always printed.
    TRandom generator{UniquePaletteSeed};
    for (int n = 0; n < 2 * UniquePaletteSwaps; ++n) generator.Random(UniquePaletteSize - 1);
    return generator.Seed;
}

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

std::vector<TPlannedSheet> PlanSheets(const TPrintOptions& options) {
    const TPrintOptions o = options.Normalized();
    const int q = o.Quantity;
    const int u = o.Forms;
    const bool ownSolutions = o.AllUnique && o.Solutions != TSolutionSheets::None;
    std::vector<TPlannedSheet> plan;
    for (int i = 1; i <= q; ++i) {
        const int f = i % u;
        // A unique copy's solution must follow before the next copy replaces the puzzle. The
        // first copy is the puzzle as it stands; only the further ones are built anew.
        plan.push_back({TSheetKind::Puzzle, f, i, q, o.AllUnique && i > 1, !o.AllUnique, !ownSolutions});
        if (ownSolutions) plan.push_back({TSheetKind::Solution, f, i, q, false, false, true});
    }
    if (o.AllUnique) return plan;
    if (o.Solutions == TSolutionSheets::One)
        for (int k = 0; k < u; ++k) plan.push_back({TSheetKind::Solution, k, k + 1, u, false, true, true});
    if (o.Solutions == TSolutionSheets::Many)
        for (int i = 1; i <= q; ++i) plan.push_back({TSheetKind::Solution, i % u, i, q, false, true, true});
    return plan;
}

// --- Sinks ---

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

class TNoProgress : public IPrintProgress {
public:
    void ShowProgress(const QString&, const QString&) override {}
};

}  // namespace

bool TPrintJob::AnyRunning() { return jobRunning; }

TPrintJob::TPrintJob(const TPuzzleDocument& document, ISheetSink& sink, IPrintProgress* progress)
    : document_(&document), sink_(&sink), progress_(progress) {}

TPrintOutcome TPrintJob::Run(const TPrintOptions& options, TPuzzleBuilder& builder, TReport& report) {
    // The window's events run between sheets, and a second Print click must not nest.
    if (jobRunning) return TPrintOutcome::Busy;
    TNoProgress silent;
    IPrintProgress& progress = progress_ ? *progress_ : silent;
    if (!sink_->Available()) {
        report.Add(MessageKind::Information, NoPrinterText);
        return TPrintOutcome::NoPrinter;
    }

    jobRunning = true;
    const TPrintOptions o = options.Normalized();
    const TPuzzle& original = document_->Puzzle();
    TPuzzle sheetPuzzle = original;
    sheet_ = &sheetPuzzle;
    TPuzzleDocument sheetDocument(sheetPuzzle, document_->WordListPage());
    sheetDocument.SetPrinterMetrics(sink_->Metrics());
    sheetDocument.SetFormCount(o.Forms);
    builder.SetSeed(o.Seed);
    sheets_ = 0;
    error_.clear();

    progress.ShowProgress(PrintingPuzzleText, ProgressCount(1, o.Quantity));
    progress.ProgressVisible(true);
    cancelled_ = false;
    bool failed = !sink_->BeginDocument();
    if (!failed) {
        for (const TPlannedSheet& sheet : PlanSheets(o)) {
            progress.ShowProgress(sheet.Kind == TSheetKind::Puzzle ? PrintingPuzzleText : PrintingSolutionText,
                                  ProgressCount(sheet.Index, sheet.Count));
            if (sheet.NewPuzzle) {
                sheetPuzzle.Built = builder.Build(sheetPuzzle);
            } else if (sheet.Variant) {
                sheetPuzzle.Built =
                    sheet.Form == 0 ? original.Built : builder.Transform(original, sheet.Form);
            }
            if (sheet.Kind == TSheetKind::Puzzle) {
                for (int page = 1; page <= sheetDocument.WordListPage() && !failed; ++page)
                    failed = !DrawSheet(sheetDocument, page, sheet.Form);
            } else {
                failed = !DrawSheet(sheetDocument, sheetDocument.SolutionPage(), sheet.Form);
            }
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
    sheet_ = nullptr;
    progress.ProgressVisible(false);
    jobRunning = false;
    if (failed) return TPrintOutcome::Failed;
    return cancelled_ ? TPrintOutcome::Cancelled : TPrintOutcome::Printed;
}

bool TPrintJob::DrawSheet(TPuzzleDocument& sheetDocument, int page, int form) {
    if (sheets_ > 0 && !sink_->NewSheet()) return false;
    // Variants 1, 3, 4 and 6 exchange columns and rows, and a rebuilt puzzle has its own size.
    sheetDocument.LayOut();
    sheetDocument.DrawPage(sink_->Canvas(), page, form);
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
