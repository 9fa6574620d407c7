// The "Print" page: copies of the puzzle, as variations or all different, with or without
// solutions, to the chosen printer or into a PDF file.
#pragma once

#include <memory>

#include "page.h"
#include "printjob.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace vorlix::shell {

class TPrintPage : public TPage, private IPrintProgress {
    Q_OBJECT
public:
    explicit TPrintPage(IPageHost& host);
    ~TPrintPage() override;
    void Enter() override;  // focuses Print_NowBtn; shows whether a printer is installed

    // The run the page's choices describe.
    TPrintOptions Options() const;
    TSolutionSheets Solutions() const;

    // --- Handlers.
    void Print_QuantityCmBxChange();
    void Print_UniquesCmBxChange();
    void Print_SolutionsClick();
    // Prints on the chosen printer; false when nothing was printed.
    bool Print_NowBtnClick();
    bool Print_PdfBtnClick();
    void Print_CancelBtnClick();
    void Print_SelectPrinterBtnClick();

    // The printer refresh: the chosen printer's paper into the document and the preview.
    void RefreshPrinter();
    bool Printing() const { return job_ != nullptr; }
    int LastSheetCount() const { return lastSheets_; }

private:
    TPrintOutcome RunJob(ISheetSink& sink);
    void SetControlsEnabled(bool enabled);
    void ShowPrinterNotice();
    QWidget* MakeProgressRow();

    // IPrintProgress
    void ProgressVisible(bool shown) override;
    void ShowProgress(const QString& printing, const QString& count) override;
    void LetEventsRun() override;

    QComboBox* quantity_;
    QComboBox* uniques_;
    QButtonGroup* solutions_;
    QRadioButton* oneSolution_;
    QWidget* thumbnails_;
    QWidget* progress_;
    QLabel* printingLbl_;
    QLabel* progressLbl_;
    QPushButton* cancel_;
    QLabel* pdfNote_;
    QLabel* printerLbl_;
    std::unique_ptr<QPrinter> printer_;  // the printer and paper chosen with "Select Printer"
    bool printerChosen_ = false;
    TPrintJob* job_ = nullptr;
    int lastSheets_ = 0;
};

}  // namespace vorlix::shell
