// Printing: copies of the current puzzle, as variations of one grid or as different
// puzzles, with or without solution sheets, drawn sheet by sheet on a sink (a printer, a
// PDF file, or a recorder in tests). No window: progress and cancel go through IPrintProgress.
#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

#include "ascanvas.h"
#include "safewrite.h"

class QPageLayout;
class QPrinter;

namespace vorlix {

class TPuzzleDocument;

// The print page's solution radio buttons.
enum class TSolutionChoice { Print_NoSolutionsRB, Print_OneSolutionRB, Print_ManySolutionsRB };

inline const QString NoPrinterText = QStringLiteral("Sorry, I can't find a printer installed on your computer.");
inline const QString PrintingPuzzleText = QStringLiteral("Printing Puzzle");
inline const QString PrintingSolutionText = QStringLiteral("Printing Solution");
inline const QString AllUniqueItemText = QStringLiteral("All puzzles are unique");
inline const QString NoSolutionsCaption = QStringLiteral("Print no solutions.");
inline const QString ManySolutionsCaption = QStringLiteral("Print enough solutions to pass out.");

constexpr int MaxVariations = 8;
constexpr int MaxPrintQuantity = 1000;  // the largest quantity the print page accepts
constexpr int AllUniqueItemIndex = 8;   // the ninth uniques item

// --- The print page's texts.
// Print_QuantityCmBx's offered quantities.
QStringList QuantityItems();
// A whole number 1..1000: shown black; anything else red.
bool QuantityTextValid(const QString& text);
// The quantity a print run uses: the text as a whole number, 1 when it is not one.
int QuantityFromText(const QString& text);
// Print_UniquesCmBx's nine items; the ninth is renamed by UniqueItemText once Q is valid.
QStringList UniquesItems();
QString UniqueItemText(int quantity);  // "12 (All puzzles are unique.)"
// U: the first run of decimal digits in the uniques text, Q when there is none.
int FormsFromUniquesText(const QString& text, int quantity);
// Print_OneSolutionRB's caption for U forms.
QString OneSolutionCaption(int forms);
// "3 of 10".
QString ProgressCount(int i, int n);

struct TPrintOptions {
    int Quantity = 1;        // Q, copies
    int Forms = 1;           // U; 0 or less means 1, or Q for all-unique copies
    bool AllUnique = false;  // the ninth item: every copy is a newly built puzzle
    TSolutionChoice Solutions = TSolutionChoice::Print_OneSolutionRB;

    // Q at least 1; U within 1..8 for variations, at least 1 for all-unique copies.
    TPrintOptions Normalized() const;
    // From the print page's state: its quantity text, the chosen uniques item and its text.
    static TPrintOptions FromPrintPage(const QString& quantityText, int uniquesItemIndex,
                                       const QString& uniquesText, TSolutionChoice solutions);
};

enum class TSheetKind { Puzzle, Solution };

// One sheet of a run, in print order.
struct TPlannedSheet {
    TSheetKind Kind = TSheetKind::Puzzle;
    int Form = 0;             // 0-based form index: the grid variant, or the unique copy's i mod Q
    int Index = 1;            // the i of "i of n"
    int Count = 1;            // the n
    bool NewPuzzle = false;   // build a new puzzle before this sheet
    bool Variant = false;     // apply grid variant Form before the sheet and undo it after
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

// A PDF file on letter, legal or a4 paper. The sheets go to a temporary file in the same
// folder, renamed over the file only when the job succeeds; after a cancelled or failed
// job the temporary is removed and an earlier file stays as it was.
class TPdfSheetSink : public ISheetSink {
public:
    TPdfSheetSink(QString fileName, QString paperName = QStringLiteral("letter"));
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
    // A copy of an all-unique run was built: the views show the new current puzzle.
    virtual void PuzzleRebuilt() {}
};

enum class TPrintOutcome { Printed, Cancelled, NoPrinter, Failed, Busy };

class TPrintJob {
public:
    TPrintJob(TPuzzleDocument& document, ISheetSink& sink, IPrintProgress* progress = nullptr);

    // Runs the whole job. Afterwards the grid is in its untransformed state, or, after an
    // all-unique run, the last puzzle built; the document keeps its metrics and form count.
    TPrintOutcome Run(const TPrintOptions& options);
    // Print_CancelBtn: the job stops after the current copy or sheet.
    void Cancel() { cancelled_ = true; }
    bool CancelRequested() const { return cancelled_; }
    int SheetsPrinted() const { return sheets_; }
    QString ErrorText() const { return error_; }

    // Whether any job is running (a second one is refused meanwhile).
    static bool AnyRunning();

private:
    void Prepare(const TPlannedSheet& sheet);
    void Undo();
    bool DrawSheet(int page, int form);

    TPuzzleDocument* document_;
    ISheetSink* sink_;
    IPrintProgress* progress_;
    bool cancelled_ = false;
    int sheets_ = 0;
    int applied_ = 0;  // the grid variant currently applied
    QString error_;
};

// The printer refresh: re-reads the default printer's metrics into the document and sets
// its word-list page to 1. Returns the metrics (the preview takes the new paper size).
PrinterPageMetrics RefreshPrinter(TPuzzleDocument& document);

}  // namespace vorlix
