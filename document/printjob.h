// Printing: copies of a puzzle, as variations of its grid or as different puzzles, with or
// without solution sheets, drawn sheet by sheet on a sink (a printer, a PDF file, or a
// recorder in tests). The copies are built beside the puzzle, which stays as it is. No
// window: progress and cancel go through IPrintProgress.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

#include "ascanvas.h"
#include "report.h"
#include "safewrite.h"

class QPageLayout;
class QPrinter;

namespace vorlix {

class TPuzzleBuilder;
struct TPuzzle;
class TPuzzleDocument;

// Which solution sheets a run adds: none, one per form, or one per copy.
enum class TSolutionSheets { None, One, Many };

inline const QString NoPrinterText = QStringLiteral("Sorry, I can't find a printer installed on your computer.");
inline const QString PrintingPuzzleText = QStringLiteral("Printing Puzzle");
inline const QString PrintingSolutionText = QStringLiteral("Printing Solution");

constexpr int MaxVariations = 8;
constexpr int MaxPrintQuantity = 1000;  // the largest quantity a run accepts

// "3 of 10".
QString ProgressCount(int i, int n);

// Where the copies of an all-unique run start when nothing else is said: the same copies
// for the same puzzle on every run.
std::uint32_t DefaultUniqueSeed();

struct TPrintOptions {
    int Quantity = 1;        // copies
    int Forms = 1;           // variations; 0 or less means 1, or Quantity for all-unique copies
    bool AllUnique = false;  // the puzzle itself, then newly built puzzles
    TSolutionSheets Solutions = TSolutionSheets::One;
    std::uint32_t Seed = DefaultUniqueSeed();  // the generator of the copies' builds and refills

    // Quantity at least 1; Forms within 1..8 for variations, at least 1 for all-unique copies.
    TPrintOptions Normalized() const;
};

enum class TSheetKind { Puzzle, Solution };

// One sheet of a run, in print order.
struct TPlannedSheet {
    TSheetKind Kind = TSheetKind::Puzzle;
    int Form = 0;             // 0-based form index: the grid variant, or the unique copy's i mod Q
    int Index = 1;            // the i of "i of n"
    int Count = 1;            // the n
    bool NewPuzzle = false;   // build a new puzzle before this sheet
    bool Variant = false;     // the sheet shows grid variant Form
    bool EventsAfter = true;  // let the window's events run (and honour cancel) after it
    bool operator==(const TPlannedSheet&) const = default;
};

// The sheets a run with these options prints, in order. The job and the thumbnail diagram
// both follow it.
std::vector<TPlannedSheet> PlanSheets(const TPrintOptions& options);

// Where the sheets go: begin, a canvas for the current sheet, further sheets, end.
class ISheetSink {
public:
    virtual ~ISheetSink() = default;
    // False when the target does not exist (no printer installed).
    virtual bool Available() const { return true; }
    // The paper the document lays out for.
    virtual PrinterPageMetrics Metrics() const = 0;
    // Starts the document with its first sheet. False when the target cannot be opened.
    virtual bool BeginDocument() = 0;
    virtual bool NewSheet() = 0;
    virtual TAsCanvas& Canvas() = 0;
    // Finishes the document: what was drawn is printed or written.
    virtual bool EndDocument() = 0;
    // Called before EndDocument when the job was cancelled or failed. A sink that can keeps
    // its target as it was before the job; a printer prints the sheets drawn so far.
    virtual void Abandon() {}
    virtual QString ErrorText() const { return {}; }
};

// A PDF file on one of the Papers. The sheets go to a temporary file in the same
// folder, renamed over the file only when the job succeeds; after a cancelled or failed
// job the temporary is removed and an earlier file stays as it was.
class TPdfSheetSink : public ISheetSink {
public:
    TPdfSheetSink(QString fileName, QString paperName = DefaultPaperName());
    ~TPdfSheetSink() override;
    PrinterPageMetrics Metrics() const override;
    bool BeginDocument() override;
    bool NewSheet() override;
    TAsCanvas& Canvas() override { return *canvas_; }
    bool EndDocument() override;
    void Abandon() override { abandoned_ = true; }
    QString ErrorText() const override { return error_; }

private:
    QString fileName_;
    QString paperName_;
    QString WriteError() const;

    std::unique_ptr<TSafeFile> file_;
    std::unique_ptr<TAsCanvas> canvas_;  // writes into file_: destroyed before it
    bool abandoned_ = false;
    QString error_;
};

// A printer of the printing service: the named one, or the default when the name is empty.
class TPrinterSheetSink : public ISheetSink {
public:
    // paperName empty keeps the printer's own paper.
    explicit TPrinterSheetSink(QString printerName = {}, QString paperName = {});
    ~TPrinterSheetSink() override;
    // Some printer is installed, and the named one when a name was given.
    bool Available() const override;
    PrinterPageMetrics Metrics() const override;
    bool BeginDocument() override;
    bool NewSheet() override;
    TAsCanvas& Canvas() override { return *canvas_; }
    bool EndDocument() override;
    QString ErrorText() const override { return error_; }
    QPrinter& Printer() { return *printer_; }
    // The paper and orientation chosen in the printer set-up dialog.
    void SetPageLayout(const QPageLayout& layout);

private:
    QString printerName_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<TAsCanvas> canvas_;
    QString error_;
};

// The print page's progress display, implemented by the window.
class IPrintProgress {
public:
    virtual ~IPrintProgress() = default;
    // Shows or hides the progress labels and the cancel button.
    virtual void ProgressVisible(bool /*shown*/) {}
    // Print_PrintingLbl and Print_ProgressLbl.
    virtual void ShowProgress(const QString& printing, const QString& count) = 0;
    // Pending user-interface events run here, so that Cancel can reach the job.
    virtual void LetEventsRun() {}
};

enum class TPrintOutcome { Printed, Cancelled, NoPrinter, Failed, Busy };

class TPrintJob {
public:
    // Prints document's puzzle with document's page arrangement; neither is changed.
    TPrintJob(const TPuzzleDocument& document, ISheetSink& sink, IPrintProgress* progress = nullptr);

    // Runs the whole job; the copies' builds and refills draw from builder, seeded with the
    // options' seed. NoPrinter is also in report.
    TPrintOutcome Run(const TPrintOptions& options, TPuzzleBuilder& builder, TReport& report);
    // Print_CancelBtn: the job stops after the current copy or sheet.
    void Cancel() { cancelled_ = true; }
    bool CancelRequested() const { return cancelled_; }
    // The puzzle the sheet being drawn shows (a variant or a copy); null between runs.
    const TPuzzle* CurrentSheet() const { return sheet_; }
    int SheetsPrinted() const { return sheets_; }
    QString ErrorText() const { return error_; }

    // Whether any job is running (a second one is refused meanwhile).
    static bool AnyRunning();

private:
    bool DrawSheet(TPuzzleDocument& sheetDocument, int page, int form);

    const TPuzzleDocument* document_;
    const TPuzzle* sheet_ = nullptr;
    ISheetSink* sink_;
    IPrintProgress* progress_;
    bool cancelled_ = false;
    int sheets_ = 0;
    QString error_;
};

// The printer refresh: re-reads the default printer's metrics into the document and sets
// its word-list page to 1. Returns the metrics (the preview takes the new paper size).
PrinterPageMetrics RefreshPrinter(TPuzzleDocument& document);

}  // namespace vorlix
